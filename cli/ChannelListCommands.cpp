#include <QCommandLineParser>

#include "cli/Arguments.h"
#include "cli/CommandSupport.h"
#include "cli/Commands.h"
#include "core/channels/ChannelCodec.h"
#include "core/channels/ChannelCsv.h"
#include "core/image/ImageDiff.h"

namespace radio::cli {

namespace {

const QCommandLineOption kMerge(QStringList{"merge"},
                                "Channels missing from the file keep their values.");

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
    MemoryImage image = loadImageOrFail(datPath);
    const auto imported = importChannelsCsv(
        readTextOrFail(csvPath), decodeChannels(image, Language::English), imageBandLimits(image),
        parser.isSet(kMerge) ? ImportMode::Merge : ImportMode::Replace, Language::English);
    if (!imported) {
        std::string problems = describeProblems(imported.error());
        problems.pop_back();  // main ends the message
        throw CommandFailure(csvPath.toStdString() + ":\n" + problems);
    }
    encodeChannels(image, imported.value());
    saveImageOrFail(datPath, image);
    return 0;
}

int runDiff(const QStringList& arguments) {
    QCommandLineParser parser;
    parseCommand(parser, arguments, 2);
    const MemoryImage first = loadImageOrFail(parser.positionalArguments().at(0));
    const MemoryImage second = loadImageOrFail(parser.positionalArguments().at(1));
    const std::vector<ImageDifference> differences = diffImages(first, second);
    std::fputs(describeDifferences(differences).c_str(), stdout);
    return differences.empty() ? 0 : 1;
}

}  // namespace radio::cli
