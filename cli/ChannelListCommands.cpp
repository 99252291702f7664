#include <QCommandLineParser>
#include <algorithm>
#include <cstdio>

#include "cli/Arguments.h"
#include "cli/CommandSupport.h"
#include "cli/Commands.h"
#include "core/channels/ChannelCsv.h"
#include "core/image/ImageDiff.h"
#include "core/image/ImageMap.h"

namespace radio::cli {

namespace {

const QCommandLineOption kMerge(QStringList{"merge"},
                                "Channels missing from the file keep their values.");

// Without a band in Program.ini every frequency would be "outside the band 0 - 0 MHz";
// naming the missing key tells the user what to fix.
BandLimits importBandLimits(const MemoryImage& image) {
    const BandLimits limits = imageBandLimits(image);
    if (limits.upper == 0) {
        const int type = image[map::kRadioType] + 1;
        throw CommandFailure("Program.ini next to the program has no band for radio type " +
                             std::to_string(type) + ", band " +
                             std::to_string(image[map::kBand] + 1) + " (key Field" +
                             std::to_string(type) + " of [Setup]); nothing was imported");
    }
    return limits;
}

}  // namespace

int runExport(const QStringList& arguments) {
    QCommandLineParser parser;
    parser.addOption(kOutputOption);
    parseCommand(parser, arguments, 1);
    if (!parser.isSet(kOutputOption)) {
        throw UsageError("-o FILE is required");
    }
    const MemoryImage image = loadImageOrFail(parser.positionalArguments().first());
    writeTextOrFail(parser.value(kOutputOption), exportChannelsCsv(image));
    return 0;
}

int runImport(const QStringList& arguments) {
    QCommandLineParser parser;
    parser.addOption(kMerge);
    parseCommand(parser, arguments, 2);
    const QString csvPath = parser.positionalArguments().at(0);
    const QString datPath = parser.positionalArguments().at(1);
    const MemoryImage image = loadImageOrFail(datPath);
    const std::string csv = readTextOrFail(csvPath);
    const auto imported =
        importChannelsCsv(csv, image, importBandLimits(image),
                          parser.isSet(kMerge) ? ImportMode::Merge : ImportMode::Replace);
    if (!imported) {
        std::string problems = describeProblems(imported.error());
        problems.pop_back();  // main ends the message
        throw CommandFailure(csvPath.toStdString() + ":\n" + problems);
    }
    saveImageOrFail(datPath, imported.value());
    return 0;
}

namespace {

// The radio's memory as the file would hold it after a read: bytes a read never transfers
// keep the file's, so only 0..1008 can differ. Nothing is written to the radio.
MemoryImage readRadioOver(const QCommandLineParser& parser, const MemoryImage& file) {
    MemoryImage radio = file;
    transfer({requiredValue(parser, kPortOption), clone::Direction::Read, false}, radio,
             retriesOption(parser));
    return radio;
}

}  // namespace

int runDiff(const QStringList& arguments) {
    QCommandLineParser parser;
    parser.addOptions({kPortOption, kRetriesOption, kLangOption});
    const bool withRadio =
        arguments.contains("--port") || std::ranges::any_of(arguments, [](const QString& argument) {
            return argument.startsWith("--port=");
        });
    parseCommand(parser, arguments, withRadio ? 1 : 2);
    const Language language = languageOption(parser);
    // 1 means "they differ", so a file or a radio that cannot be read must not give 1 as well.
    try {
        const MemoryImage first = loadImageOrFail(parser.positionalArguments().at(0));
        const MemoryImage second = withRadio ? readRadioOver(parser, first)
                                             : loadImageOrFail(parser.positionalArguments().at(1));
        std::fputs(differenceText(first, second, language).c_str(), stdout);
        // Every differing bit is listed, by name or raw, so equal bytes mean no lines.
        return first == second ? 0 : 1;
    } catch (const CommandFailure& failure) {
        std::fprintf(stderr, "%s\n", failure.what());
        return 2;
    }
}

}  // namespace radio::cli
