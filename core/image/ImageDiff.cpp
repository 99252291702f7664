#include "core/image/ImageDiff.h"

#include <array>
#include <cstddef>
#include <vector>

#include "core/channels/ChannelCodec.h"
#include "core/image/ImageComparison.h"
#include "core/image/ImageMap.h"
#include "core/settings/OptionalFeatures.h"
#include "core/settings/ParamTable.h"
#include "core/settings/ScanInfo.h"
#include "core/text/Texts.h"
#include "core/util/CRuntimeText.h"

namespace radio {
namespace {

// The grid's column headers name the channel fields.
constexpr std::array<TextId, kChannelFieldCount> kFieldNames = {
    TextId::HeaderRxFrequency, TextId::HeaderTxFrequency, TextId::HeaderDecode,
    TextId::HeaderEncode,      TextId::HeaderPower,       TextId::HeaderScanAdd,
    TextId::HeaderBusyLock,    TextId::HeaderWideNarrow,  TextId::HeaderCompand,
    TextId::HeaderScrambler,
};

std::string listText(OptionalField field, std::optional<int> index, Language language) {
    if (!index) {
        return std::string(text(TextId::DiffNoEntry, language));
    }
    return optionalFeaturesList(field, language)[static_cast<std::size_t>(*index)];
}

// The bits each grid field is decoded from, relative to the record. Whether a channel is in
// use (bytes 3 and 7) also changes what the other fields show, but a change there always
// changes a frequency text too, which explains it.
std::vector<Bits> channelFieldBits(int channel, std::size_t field) {
    const std::size_t record = map::channelOffset(channel);
    switch (static_cast<ChannelField>(field)) {
        case ChannelField::RxFrequency:
            return wholeBytes(record, 4);
        case ChannelField::TxFrequency:
            return wholeBytes(record + 4, 4);
        case ChannelField::DecodeTone:
            return wholeBytes(record + 8, 2);
        case ChannelField::EncodeTone:
            return wholeBytes(record + 10, 2);
        case ChannelField::Power:
            return {{record + 13, 0x20}};
        case ChannelField::ScanAdd:
            return {{channel <= 8 ? map::kScanAddLow : map::kScanAddHigh,
                     static_cast<std::uint8_t>(1u << ((channel - 1) % 8))}};
        case ChannelField::BusyLock:
            return {{record + 12, 0x18}};
        case ChannelField::WideNarrow:
            return {{record + 13, 0x10}};
        case ChannelField::Compand:
            return {{record + 14, 0x10}};
        case ChannelField::Scrambler:
            return {{record + 14, 0x0F}};
    }
    return {};
}

void compareChannels(ImageComparison& compare, Language language) {
    for (int channel = 1; channel <= map::kChannelCount; ++channel) {
        const std::string name =
            fillText(text(TextId::RegionChannel, language), {std::to_string(channel)});
        for (std::size_t f = 0; f < kChannelFieldCount; ++f) {
            compare.value(
                name + " " + std::string(text(kFieldNames[f], language)),
                [channel, f, language](const MemoryImage& image) {
                    return decodeChannel(image, channel, language)[f];
                },
                channelFieldBits(channel, f));
        }
    }
}

// A check box or switch: one bit of a byte.
void compareSwitch(ImageComparison& compare, TextId name, std::size_t offset, std::uint8_t bit,
                   Language language) {
    compare.value(
        std::string(text(name, language)),
        [offset, bit, language](const MemoryImage& i) {
            return std::string(text((i[offset] & bit) != 0 ? TextId::On : TextId::Off, language));
        },
        {{offset, bit}});
}

void compareOptions(ImageComparison& compare, Language language) {
    struct Option {
        TextId name;
        OptionalField field;
        std::optional<int> OptionalFeaturesValues::*member;
        Bits bits;
    };
    using V = OptionalFeaturesValues;
    const Option options[] = {
        {TextId::DiffTimeOutTimer,
         OptionalField::TimeOutTimer,
         &V::timeOutTimer,
         {map::kTimeOutTimer, 0x7F}},
        {TextId::DiffTotPreAlert,
         OptionalField::TotPreAlert,
         &V::totPreAlert,
         {map::kTotPreAlert, 0x0F}},
        {TextId::DiffSquelchLevel,
         OptionalField::SquelchLevel,
         &V::squelchLevel,
         {map::kSquelchLevel, 0x0F}},
        {TextId::DiffVoxGainLevel,
         OptionalField::VoxGainLevel,
         &V::voxGainLevel,
         {map::kVoxGainLevel, 0x1F}},
        {TextId::DiffCallTone, OptionalField::CallTone, &V::callTone, {map::kCallTone}},
        {TextId::DiffVoxDelayTime,
         OptionalField::VoxDelayTime,
         &V::voxDelayTime,
         {map::kVoxDelayTime, 0x07}},
        {TextId::DiffVoiceAnnunciation,
         OptionalField::VoiceAnnunciation,
         &V::voiceAnnunciation,
         {map::kVoiceAnnunciation}},
        {TextId::DiffCallKeyDefine,
         OptionalField::CallKeyDefine,
         &V::callKeyDefine,
         {map::kCallKeyDefine}},
    };
    for (const Option& option : options) {
        compare.value(std::string(text(option.name, language)),
                      [option, language](const MemoryImage& image) {
                          return listText(option.field,
                                          decodeOptionalFeatures(image).*option.member, language);
                      },
                      {option.bits});
    }
    compareSwitch(compare, TextId::DiffBeep, map::kBeep, 0x01, language);
    compareSwitch(compare, TextId::DiffBatterySaver, map::kBatterySaver, 0x01, language);
    compareSwitch(compare, TextId::DiffVoxFunction, map::kFunctionSwitches, 0x01, language);
    compareSwitch(compare, TextId::DiffScanFunction, map::kFunctionSwitches, 0x02, language);
}

void compareScan(ImageComparison& compare, Language language) {
    const auto name = [language](TextId id) { return std::string(text(id, language)); };
    const auto scan = [](const MemoryImage& image) { return decodeScanInfo(image); };
    const auto byteNumber = [](std::size_t offset) {
        return [offset](const MemoryImage& image) { return std::to_string(image[offset]); };
    };
    compare.value(
        name(TextId::DiffPriority),
        [language](const MemoryImage& i) {
            static constexpr TextId kModes[] = {TextId::DiffPriorityNone, TextId::DiffPriorityFixed,
                                                TextId::DiffPrioritySelected};
            const int mode = i[map::kPriorityMode];
            return std::string(text(mode < 3 ? kModes[mode] : TextId::DiffNoEntry, language));
        },
        {{map::kPriorityMode}});
    compare.value(name(TextId::DiffPriorityChannel), byteNumber(map::kPriorityChannel),
                  {{map::kPriorityChannel}});
    compare.value(name(TextId::DiffLookBackA),
                  [&](const MemoryImage& i) { return formatGeneral15(scan(i).lookBackA); },
                  {{map::kLookBackA}});
    compare.value(name(TextId::DiffLookBackB),
                  [&](const MemoryImage& i) { return formatGeneral15(scan(i).lookBackB); },
                  {{map::kLookBackB}});
    compare.value(name(TextId::DiffRevertChannel), byteNumber(map::kRevertChannel),
                  {{map::kRevertChannel}});
    compare.value(
        name(TextId::DiffDropoutDelay),
        [&](const MemoryImage& i) { return std::to_string(scan(i).dropoutDelay); },
        wholeBytes(map::kDropoutDelay, 2));
    compare.value(
        name(TextId::DiffTxDwell),
        [&](const MemoryImage& i) { return std::to_string(scan(i).txDwell); },
        wholeBytes(map::kTxDwellTime, 2));
}

// Two bytes a row: (low, high) power, (compander off, compander on) audio.
void compareTable(ImageComparison& compare, const std::string& name, std::size_t first,
                  const std::vector<std::string>& rows, const std::array<std::string, 2>& columns) {
    for (std::size_t row = 0; row < rows.size(); ++row) {
        for (std::size_t column = 0; column < 2; ++column) {
            const std::size_t offset = first + 2 * row + column;
            compare.value(
                name + " " + rows[row] + " " + columns[column],
                [offset](const MemoryImage& image) { return std::to_string(image[offset]); },
                {{offset}});
        }
    }
}

void compareProductAndService(ImageComparison& compare, Language language) {
    const auto name = [language](TextId id) { return std::string(text(id, language)); };
    const auto number = [](std::size_t offset) {
        return [offset](const MemoryImage& image) { return std::to_string(image[offset]); };
    };
    compare.value(name(TextId::DiffRadioType), number(map::kRadioType), {{map::kRadioType}});
    compare.value(name(TextId::DiffBand), number(map::kBand), {{map::kBand}});
    std::vector<std::string> powerRows;
    for (int row = 1; row <= map::kPowerTableRows; ++row) {
        powerRows.push_back(fillText(text(TextId::DiffRow, language), {std::to_string(row)}));
    }
    compareTable(compare, name(TextId::DiffPowerAdjustment), map::kPowerTable, powerRows,
                 {name(TextId::DiffLowPower), name(TextId::DiffHighPower)});
    std::vector<std::string> paramRows = paramRowLabels(language);
    paramRows.resize(static_cast<std::size_t>(kParamRows));
    compareTable(compare, name(TextId::DiffParamAdjust), map::kParamAdjust, paramRows,
                 {name(TextId::DiffCompandOff), name(TextId::DiffCompandOn)});
    compareSwitch(compare, TextId::DiffDeEmphasis, map::kEmphasis, 0x01, language);
    compareSwitch(compare, TextId::DiffPreEmphasis, map::kEmphasis, 0x02, language);
}

}  // namespace

std::vector<ImageDifference> diffImages(const MemoryImage& first, const MemoryImage& second,
                                        Language language) {
    ImageComparison compare(first, second, language);
    compareChannels(compare, language);
    compareOptions(compare, language);
    compareScan(compare, language);
    compareProductAndService(compare, language);
    return compare.finish();
}

std::string describeDifferences(const std::vector<ImageDifference>& differences) {
    std::string lines;
    for (const ImageDifference& difference : differences) {
        lines += difference.what + ": " + difference.first + " | " + difference.second + "\n";
    }
    return lines;
}

std::string differenceText(const MemoryImage& first, const MemoryImage& second, Language language) {
    const std::vector<ImageDifference> differences = diffImages(first, second, language);
    if (differences.empty()) {
        return std::string(text(TextId::NoDifferences, language)) + "\n";
    }
    return describeDifferences(differences);
}

}  // namespace radio
