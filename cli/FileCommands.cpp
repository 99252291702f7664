#include <QCommandLineParser>
#include <cstdio>

#include "cli/Arguments.h"
#include "cli/CommandSupport.h"
#include "cli/Commands.h"
#include "core/channels/ChannelCodec.h"
#include "core/image/DatFile.h"
#include "core/image/ImageMap.h"
#include "core/image/NewImage.h"
#include "core/print/ReportOptions.h"
#include "core/text/Texts.h"

namespace radio::cli {

namespace {

const QCommandLineOption kType(QStringList{"type"}, "Radio type index stored in the image.", "N");
const QCommandLineOption kBand(QStringList{"band"}, "Band index stored in the image.", "N");

constexpr TextId kHeaders[] = {
    TextId::HeaderChannel, TextId::HeaderRxFrequency, TextId::HeaderTxFrequency,
    TextId::HeaderDecode,  TextId::HeaderEncode,      TextId::HeaderPower,
    TextId::HeaderScanAdd, TextId::HeaderBusyLock,    TextId::HeaderWideNarrow,
    TextId::HeaderCompand, TextId::HeaderScrambler,
};

}  // namespace

int runNew(const QStringList& arguments) {
    QCommandLineParser parser;
    parser.addOptions({kOutputOption, kType, kBand});
    parseCommand(parser, arguments, 0);
    if (!parser.isSet(kOutputOption)) {
        throw UsageError("-o FILE is required");
    }
    // What the program saves for a new document that nobody edited: the defaults, the channel
    // area as an empty grid encodes it, and the chosen type and band.
    MemoryImage image = newDocumentImage();
    image.set(map::kRadioType, static_cast<std::uint8_t>(integerOption(parser, "type", 0, 0, 255)));
    image.set(map::kBand, static_cast<std::uint8_t>(integerOption(parser, "band", 0, 0, 255)));
    encodeChannels(image, ChannelTable{});
    saveImageOrFail(parser.value(kOutputOption), image);
    return 0;
}

int runShow(const QStringList& arguments) {
    QCommandLineParser parser;
    parser.addOption(kLangOption);
    parseCommand(parser, arguments, 1);
    const Language language = languageOption(parser);
    const MemoryImage image = loadImageOrFail(parser.positionalArguments().first());

    std::string out;
    for (std::size_t i = 0; i < std::size(kHeaders); ++i) {
        if (i > 0) {
            out += '\t';
        }
        out += text(kHeaders[i], language);
    }
    out += '\n';
    const ChannelTable channels = decodeChannels(image, language);
    for (std::size_t n = 0; n < channels.size(); ++n) {
        out += std::to_string(n + 1);
        for (const std::string& field : channels[n]) {
            out += '\t' + field;
        }
        out += '\n';
    }
    out += '\n';
    for (const ReportOptionRow& option : reportOptionRows(image, language)) {
        out += option.label + '\t' + option.value + '\n';
    }
    std::fwrite(out.data(), 1, out.size(), stdout);
    return 0;
}

}  // namespace radio::cli
