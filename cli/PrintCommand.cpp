#include <QCommandLineParser>
#include <QFileInfo>

#include "cli/Arguments.h"
#include "cli/CommandSupport.h"
#include "cli/Commands.h"
#include "cli/ProgramConfig.h"
#include "qtshared/ConfigText.h"
#include "qtshared/ReportPdf.h"

namespace radio::cli {

namespace {

// The owner line under every page, from the language section the report's language names.
QString ownerText(Language language) {
    const char* section = language == Language::Chinese ? "Chinese" : "English";
    return gui::decodeConfigText(programConfig().get(section, "Copyrights Owner"));
}

}  // namespace

int runPrint(const QStringList& arguments) {
    QCommandLineParser parser;
    parser.addOptions({kOutputOption, kLangOption});
    parseCommand(parser, arguments, 1);
    if (!parser.isSet(kOutputOption)) {
        throw UsageError("-o FILE is required");
    }
    const Language language = languageOption(parser);
    const QString file = parser.positionalArguments().first();
    const MemoryImage image = loadImageOrFail(file);
    const Status<QString> exported =
        gui::exportReportPdf(image, ownerText(language), language, QFileInfo(file).fileName(),
                             parser.value(kOutputOption));
    if (!exported) {
        throw CommandFailure(exported.error().toStdString());
    }
    return 0;
}

}  // namespace radio::cli
