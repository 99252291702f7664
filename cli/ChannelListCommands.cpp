#include <QCommandLineParser>
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

int runDiff(const QStringList& arguments) {
    QCommandLineParser parser;
    parseCommand(parser, arguments, 2);
    // 1 means "they differ", so a file that cannot be read must not give 1 as well.
    try {
        const MemoryImage first = loadImageOrFail(parser.positionalArguments().at(0));
        const MemoryImage second = loadImageOrFail(parser.positionalArguments().at(1));
        const std::vector<ImageDifference> differences = diffImages(first, second);
        std::fputs(describeDifferences(differences).c_str(), stdout);
        return differences.empty() ? 0 : 1;
    } catch (const CommandFailure& failure) {
        std::fprintf(stderr, "%s\n", failure.what());
        return 2;
    }
}

}  // namespace radio::cli
