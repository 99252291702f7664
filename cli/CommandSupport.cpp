#include "cli/CommandSupport.h"

#include <QFile>

#include "cli/Arguments.h"
#include "cli/ProgramConfig.h"
#include "core/channels/BandText.h"
#include "core/image/DatFile.h"
#include "core/image/ImageMap.h"
#include "core/util/FileIo.h"
#include "gui/config/ConfigText.h"

namespace radio::cli {

const QCommandLineOption kOutputOption({"o", "output"}, "File to write.", "FILE");
const QCommandLineOption kLangOption(QStringList{"lang"}, "Language of the texts: en or zh.",
                                     "LANG");

Language languageOption(const QCommandLineParser& parser) {
    const QString lang = parser.isSet(kLangOption) ? parser.value(kLangOption) : "en";
    if (lang == "en") {
        return Language::English;
    }
    if (lang == "zh") {
        return Language::Chinese;
    }
    throw UsageError("--lang takes en or zh");
}

namespace {

std::string nativePath(const QString& path) {
    return QFile::encodeName(path).toStdString();
}

}  // namespace

MemoryImage loadImageOrFail(const QString& path) {
    auto loaded = loadDatFile(nativePath(path));
    if (!loaded) {
        throw CommandFailure(loaded.error().message(Language::English));
    }
    return loaded.value();
}

void saveImageOrFail(const QString& path, const MemoryImage& image) {
    if (auto saved = saveDatFile(nativePath(path), image); !saved) {
        throw CommandFailure(saved.error().message(Language::English));
    }
}

void writeTextOrFail(const QString& path, const std::string& text) {
    if (auto written = writeFileAtomically(nativePath(path), Bytes(text.begin(), text.end()));
        !written) {
        throw CommandFailure(written.error().message(Language::English));
    }
}

std::string readTextOrFail(const QString& path) {
    constexpr std::size_t kLargestText = 1 << 20;  // a channel list is a few kilobytes
    auto read = readFileBytes(nativePath(path), kLargestText);
    if (!read) {
        throw CommandFailure(read.error().message(Language::English));
    }
    return gui::textFileToUtf8(std::string(read.value().begin(), read.value().end()));
}

BandLimits imageBandLimits(const MemoryImage& image) {
    return bandLimits(configuredBand(programConfig(), image[map::kRadioType], image[map::kBand]));
}

}  // namespace radio::cli
