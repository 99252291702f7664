#include "cli/CommandSupport.h"

#include "cli/Arguments.h"
#include "cli/ProgramConfig.h"
#include "core/channels/BandText.h"
#include "core/image/DatFile.h"
#include "core/image/ImageMap.h"
#include "qtshared/TextFiles.h"

namespace radio::cli {

const QCommandLineOption kOutputOption({"o", "output"}, "File to write.", "FILE");
const QCommandLineOption kLangOption(QStringList{"lang"}, "Language of the texts: en or zh.",
                                     "LANG");
const QCommandLineOption kPortOption(QStringList{"port"},
                                     "Serial port: com1..com4 or a device path.", "PORT");
const QCommandLineOption kRetriesOption(QStringList{"retries"},
                                        "Retry N times at the communication prompt.", "N");

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

MemoryImage loadImageOrFail(const QString& path) {
    auto loaded = loadDatFile(gui::localPath(path));
    if (!loaded) {
        throw CommandFailure(loaded.error().message(Language::English));
    }
    return loaded.value();
}

void saveImageOrFail(const QString& path, const MemoryImage& image) {
    if (auto saved = saveDatFile(gui::localPath(path), image); !saved) {
        throw CommandFailure(saved.error().message(Language::English));
    }
}

void writeTextOrFail(const QString& path, const std::string& text) {
    if (auto written = gui::writeTextFile(path, text); !written) {
        throw CommandFailure(written.error().message(Language::English));
    }
}

std::string readTextOrFail(const QString& path) {
    auto read = gui::readTextFile(path);
    if (!read) {
        throw CommandFailure(read.error().message(Language::English));
    }
    return read.value();
}

BandLimits imageBandLimits(const MemoryImage& image) {
    return bandLimits(configuredBand(programConfig(), image[map::kRadioType], image[map::kBand]));
}

}  // namespace radio::cli
