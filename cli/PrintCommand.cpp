#include <QCommandLineParser>
#include <QStringDecoder>

#include "cli/Arguments.h"
#include "cli/Commands.h"
#include "cli/ProgramConfig.h"
#include "core/image/DatFile.h"
#include "gui/print/ReportPdf.h"

namespace radio::cli {

namespace {

const QCommandLineOption kOutput({"o", "output"}, "PDF file to write.", "FILE");
const QCommandLineOption kLang(QStringList{"lang"}, "Language of the report: en or zh.", "LANG");

Language reportLanguage(const QCommandLineParser& parser) {
    const QString lang = parser.isSet(kLang) ? parser.value(kLang) : QStringLiteral("en");
    if (lang == "en") {
        return Language::English;
    }
    if (lang == "zh") {
        return Language::Chinese;
    }
    throw UsageError("--lang takes en or zh");
}

// Program.ini may be UTF-8 or GBK.
QString decodeIniText(const std::string& bytes) {
    const QByteArray raw = QByteArray::fromStdString(bytes);
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString text = utf8.decode(raw);
    if (!utf8.hasError()) {
        return text;
    }
    QStringDecoder gbk("GB18030");
    return gbk.isValid() ? QString(gbk.decode(raw)) : QString::fromLatin1(raw);
}

// The owner line under every page, from the language section the report's language names.
QString ownerText(Language language) {
    const char* section = language == Language::Chinese ? "Chinese" : "English";
    return decodeIniText(programConfig().get(section, "Copyrights Owner"));
}

}  // namespace

int runPrint(const QStringList& arguments) {
    QCommandLineParser parser;
    parser.addOptions({kOutput, kLang});
    parseCommand(parser, arguments, 1);
    if (!parser.isSet(kOutput)) {
        throw UsageError("-o FILE is required");
    }
    const Language language = reportLanguage(parser);
    const auto loaded = loadDatFile(parser.positionalArguments().first().toStdString());
    if (!loaded) {
        throw CommandFailure(loaded.error().message(Language::English));
    }
    const Status<QString> exported =
        gui::exportReportPdf(loaded.value(), ownerText(language), language, parser.value(kOutput));
    if (!exported) {
        throw CommandFailure(exported.error().toStdString());
    }
    return 0;
}

}  // namespace radio::cli
