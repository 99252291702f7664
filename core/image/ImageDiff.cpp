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
#include "core/util/CText.h"

namespace radio {
namespace {

constexpr std::array<const char*, kChannelFieldCount> kFieldNames = {
    "Rx Frequency", "Tx Frequency", "QT/DQT Dec", "QT/DQT Enc", "Power",
    "Scan Add",     "Busy Lock",    "W/N",        "Compand",    "Scrambler",
};

std::string listText(OptionalField field, std::optional<int> index) {
    if (!index) {
        return "(no entry)";
    }
    return optionalFeaturesList(field, Language::English)[static_cast<std::size_t>(*index)];
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

void compareChannels(ImageComparison& compare) {
    for (int channel = 1; channel <= map::kChannelCount; ++channel) {
        for (std::size_t f = 0; f < kChannelFieldCount; ++f) {
            compare.value(
                "channel " + std::to_string(channel) + " " + kFieldNames[f],
                [channel, f](const MemoryImage& image) {
                    return decodeChannel(image, channel, Language::English)[f];
                },
                channelFieldBits(channel, f));
        }
    }
}

std::string onOff(bool on) {
    return on ? "On" : "Off";
}

// A check box or switch: one bit of a byte.
void compareSwitch(ImageComparison& compare, const char* name, std::size_t offset,
                   std::uint8_t bit) {
    compare.value(name,
                  [offset, bit](const MemoryImage& i) { return onOff((i[offset] & bit) != 0); },
                  {{offset, bit}});
}

void compareOptions(ImageComparison& compare) {
    struct Option {
        const char* name;
        OptionalField field;
        std::optional<int> OptionalFeaturesValues::*member;
        Bits bits;
    };
    using V = OptionalFeaturesValues;
    const Option options[] = {
        {"Time-Out Timer",
         OptionalField::TimeOutTimer,
         &V::timeOutTimer,
         {map::kTimeOutTimer, 0x7F}},
        {"TOT Pre-Alert", OptionalField::TotPreAlert, &V::totPreAlert, {map::kTotPreAlert, 0x0F}},
        {"Squelch Level",
         OptionalField::SquelchLevel,
         &V::squelchLevel,
         {map::kSquelchLevel, 0x0F}},
        {"Vox Gain Level",
         OptionalField::VoxGainLevel,
         &V::voxGainLevel,
         {map::kVoxGainLevel, 0x1F}},
        {"Call Tone", OptionalField::CallTone, &V::callTone, {map::kCallTone}},
        {"Vox Delay Time",
         OptionalField::VoxDelayTime,
         &V::voxDelayTime,
         {map::kVoxDelayTime, 0x07}},
        {"Voice Annunciation",
         OptionalField::VoiceAnnunciation,
         &V::voiceAnnunciation,
         {map::kVoiceAnnunciation}},
        {"Call Key Define", OptionalField::CallKeyDefine, &V::callKeyDefine, {map::kCallKeyDefine}},
    };
    for (const Option& option : options) {
        compare.value(option.name,
                      [option](const MemoryImage& image) {
                          return listText(option.field,
                                          decodeOptionalFeatures(image).*option.member);
                      },
                      {option.bits});
    }
    compareSwitch(compare, "Beep", map::kBeep, 0x01);
    compareSwitch(compare, "Battery Saver", map::kBatterySaver, 0x01);
    compareSwitch(compare, "VOX Function", map::kFunctionSwitches, 0x01);
    compareSwitch(compare, "Scan Function", map::kFunctionSwitches, 0x02);
}

void compareScan(ImageComparison& compare) {
    const auto scan = [](const MemoryImage& image) { return decodeScanInfo(image); };
    const auto byteNumber = [](std::size_t offset) {
        return [offset](const MemoryImage& image) { return std::to_string(image[offset]); };
    };
    compare.value("Priority",
                  [](const MemoryImage& i) {
                      static const char* const kModes[] = {"None", "Fixed", "Selected"};
                      const int mode = i[map::kPriorityMode];
                      return mode < 3 ? std::string(kModes[mode]) : "(no entry)";
                  },
                  {{map::kPriorityMode}});
    compare.value("Priority Channel", byteNumber(map::kPriorityChannel), {{map::kPriorityChannel}});
    compare.value("Look Back Time A",
                  [&](const MemoryImage& i) { return formatGeneral15(scan(i).lookBackA); },
                  {{map::kLookBackA}});
    compare.value("Look Back Time B",
                  [&](const MemoryImage& i) { return formatGeneral15(scan(i).lookBackB); },
                  {{map::kLookBackB}});
    compare.value("Revert Channel", byteNumber(map::kRevertChannel), {{map::kRevertChannel}});
    compare.value(
        "Dropout Delay Time",
        [&](const MemoryImage& i) { return std::to_string(scan(i).dropoutDelay); },
        wholeBytes(map::kDropoutDelay, 2));
    compare.value(
        "Tx Dwell Time", [&](const MemoryImage& i) { return std::to_string(scan(i).txDwell); },
        wholeBytes(map::kTxDwellTime, 2));
}

// Two bytes a row: (low, high) power, (compander off, compander on) audio.
void compareTable(ImageComparison& compare, const std::string& name, std::size_t first,
                  const std::vector<std::string>& rows, const std::array<const char*, 2>& columns) {
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

void compareProductAndService(ImageComparison& compare) {
    const auto number = [](std::size_t offset) {
        return [offset](const MemoryImage& image) { return std::to_string(image[offset]); };
    };
    compare.value("Radio type (list index)", number(map::kRadioType), {{map::kRadioType}});
    compare.value("Band (list index)", number(map::kBand), {{map::kBand}});
    std::vector<std::string> powerRows;
    for (int row = 1; row <= map::kPowerTableRows; ++row) {
        powerRows.push_back("row " + std::to_string(row));
    }
    compareTable(compare, "Power Adjustment", map::kPowerTable, powerRows,
                 {"Low Power", "High Power"});
    std::vector<std::string> paramRows = paramRowLabels(Language::English);
    paramRows.resize(static_cast<std::size_t>(kParamRows));
    compareTable(compare, "Param Adjust", map::kParamAdjust, paramRows,
                 {"Compnad Off", "Compand On"});
    compareSwitch(compare, "De-emphasis", map::kEmphasis, 0x01);
    compareSwitch(compare, "Pre-emphasis", map::kEmphasis, 0x02);
}

}  // namespace

std::vector<ImageDifference> diffImages(const MemoryImage& first, const MemoryImage& second) {
    ImageComparison compare(first, second);
    compareChannels(compare);
    compareOptions(compare);
    compareScan(compare);
    compareProductAndService(compare);
    return compare.finish();
}

std::string describeDifferences(const std::vector<ImageDifference>& differences) {
    std::string text;
    for (const ImageDifference& difference : differences) {
        text += difference.what + ": " + difference.first + " | " + difference.second + "\n";
    }
    return text;
}

}  // namespace radio
