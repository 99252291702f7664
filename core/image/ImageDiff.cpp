#include "core/image/ImageDiff.h"

#include <array>
#include <cstddef>
#include <functional>
#include <initializer_list>
#include <utility>

#include "core/channels/ChannelCodec.h"
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

struct ByteRange {
    std::size_t first;
    std::size_t end;  // one past the last
};

std::string hexByte(unsigned value, int digits = 2) {
    static const char* const kDigits = "0123456789ABCDEF";
    std::string text(static_cast<std::size_t>(digits), '0');
    for (int i = digits - 1; i >= 0; --i) {
        text[static_cast<std::size_t>(i)] = kDigits[value & 0xF];
        value >>= 4;
    }
    return text;
}

// Compares named values; the bytes behind a value that differs count as explained.
class Comparison {
  public:
    Comparison(const MemoryImage& a, const MemoryImage& b) : a_(a), b_(b) {}

    void value(const std::string& what, const std::function<std::string(const MemoryImage&)>& show,
               std::initializer_list<ByteRange> bytes) {
        std::string first = show(a_);
        std::string second = show(b_);
        if (first != second) {
            explain(bytes);
            found_.push_back({what, std::move(first), std::move(second)});
        }
    }

    std::vector<ImageDifference> finish() {
        for (std::size_t at = 0; at < MemoryImage::kSize;) {
            if (explained_[at] || a_[at] == b_[at]) {
                ++at;
                continue;
            }
            std::size_t end = at;
            while (end < MemoryImage::kSize && !explained_[end] && a_[end] != b_[end]) {
                ++end;
            }
            found_.push_back({rangeName(at, end), bytes(a_, at, end), bytes(b_, at, end)});
            at = end;
        }
        return std::move(found_);
    }

  private:
    void explain(std::initializer_list<ByteRange> ranges) {
        for (const ByteRange& range : ranges) {
            for (std::size_t i = range.first; i < range.end; ++i) {
                explained_[i] = true;
            }
        }
    }
    static std::string rangeName(std::size_t first, std::size_t end) {
        std::string name = "bytes 0x" + hexByte(static_cast<unsigned>(first), 3);
        if (end - first > 1) {
            name += "-0x" + hexByte(static_cast<unsigned>(end - 1), 3);
        }
        return name;
    }
    static std::string bytes(const MemoryImage& image, std::size_t first, std::size_t end) {
        std::string text;
        for (std::size_t i = first; i < end; ++i) {
            text += (i > first ? " " : "") + hexByte(image[i]);
        }
        return text;
    }

    const MemoryImage& a_;
    const MemoryImage& b_;
    std::array<bool, MemoryImage::kSize> explained_{};
    std::vector<ImageDifference> found_;
};

std::string listText(OptionalField field, std::optional<int> index) {
    if (!index) {
        return "(no entry)";
    }
    return optionalFeaturesList(field, Language::English)[static_cast<std::size_t>(*index)];
}

void compareChannels(Comparison& compare) {
    for (int channel = 1; channel <= map::kChannelCount; ++channel) {
        const std::size_t record = map::channelOffset(channel);
        const std::size_t scanByte = channel <= 8 ? map::kScanAddLow : map::kScanAddHigh;
        for (std::size_t f = 0; f < kChannelFieldCount; ++f) {
            compare.value("channel " + std::to_string(channel) + " " + kFieldNames[f],
                          [channel, f](const MemoryImage& image) {
                              return decodeChannel(image, channel, Language::English)[f];
                          },
                          {{record, record + map::kChannelRecordSize}, {scanByte, scanByte + 1}});
        }
    }
}

void compareOptions(Comparison& compare) {
    struct Option {
        const char* name;
        OptionalField field;
        std::optional<int> OptionalFeaturesValues::*member;
        std::size_t offset;
    };
    using V = OptionalFeaturesValues;
    const Option options[] = {
        {"Time-Out Timer", OptionalField::TimeOutTimer, &V::timeOutTimer, map::kTimeOutTimer},
        {"TOT Pre-Alert", OptionalField::TotPreAlert, &V::totPreAlert, map::kTotPreAlert},
        {"Squelch Level", OptionalField::SquelchLevel, &V::squelchLevel, map::kSquelchLevel},
        {"Vox Gain Level", OptionalField::VoxGainLevel, &V::voxGainLevel, map::kVoxGainLevel},
        {"Call Tone", OptionalField::CallTone, &V::callTone, map::kCallTone},
        {"Vox Delay Time", OptionalField::VoxDelayTime, &V::voxDelayTime, map::kVoxDelayTime},
        {"Voice Annunciation", OptionalField::VoiceAnnunciation, &V::voiceAnnunciation,
         map::kVoiceAnnunciation},
        {"Call Key Define", OptionalField::CallKeyDefine, &V::callKeyDefine, map::kCallKeyDefine},
    };
    for (const Option& option : options) {
        compare.value(option.name,
                      [option](const MemoryImage& image) {
                          return listText(option.field,
                                          decodeOptionalFeatures(image).*option.member);
                      },
                      {{option.offset, option.offset + 1}});
    }
    const auto onOff = [](bool on) { return std::string(on ? "On" : "Off"); };
    compare.value("Beep", [&](const MemoryImage& i) { return onOff(i[map::kBeep] & 1); },
                  {{map::kBeep, map::kBeep + 1}});
    compare.value("Battery Saver",
                  [&](const MemoryImage& i) { return onOff(i[map::kBatterySaver] & 1); },
                  {{map::kBatterySaver, map::kBatterySaver + 1}});
    const ByteRange switches{map::kFunctionSwitches, map::kFunctionSwitches + 1};
    compare.value("VOX Function",
                  [&](const MemoryImage& i) { return onOff(i[map::kFunctionSwitches] & 1); },
                  {switches});
    compare.value("Scan Function",
                  [&](const MemoryImage& i) { return onOff(i[map::kFunctionSwitches] & 2); },
                  {switches});
}

void compareScan(Comparison& compare) {
    const auto scan = [](const MemoryImage& image) { return decodeScanInfo(image); };
    const auto byte = [](std::size_t offset) { return ByteRange{offset, offset + 1}; };
    compare.value("Priority",
                  [](const MemoryImage& i) {
                      static const char* const kModes[] = {"None", "Fixed", "Selected"};
                      const int mode = i[map::kPriorityMode];
                      return mode < 3 ? std::string(kModes[mode]) : "(no entry)";
                  },
                  {byte(map::kPriorityMode)});
    compare.value("Priority Channel",
                  [](const MemoryImage& i) { return std::to_string(i[map::kPriorityChannel]); },
                  {byte(map::kPriorityChannel)});
    compare.value("Look Back Time A",
                  [&](const MemoryImage& i) { return formatGeneral15(scan(i).lookBackA); },
                  {byte(map::kLookBackA)});
    compare.value("Look Back Time B",
                  [&](const MemoryImage& i) { return formatGeneral15(scan(i).lookBackB); },
                  {byte(map::kLookBackB)});
    compare.value("Revert Channel",
                  [](const MemoryImage& i) { return std::to_string(i[map::kRevertChannel]); },
                  {byte(map::kRevertChannel)});
    compare.value("Dropout Delay Time",
                  [&](const MemoryImage& i) { return std::to_string(scan(i).dropoutDelay); },
                  {{map::kDropoutDelay, map::kDropoutDelay + 2}});
    compare.value("Tx Dwell Time",
                  [&](const MemoryImage& i) { return std::to_string(scan(i).txDwell); },
                  {{map::kTxDwellTime, map::kTxDwellTime + 2}});
}

void compareProductAndService(Comparison& compare) {
    const auto number = [](std::size_t offset) {
        return [offset](const MemoryImage& image) { return std::to_string(image[offset]); };
    };
    compare.value("Radio type (list index)", number(map::kRadioType),
                  {{map::kRadioType, map::kRadioType + 1}});
    compare.value("Band (list index)", number(map::kBand), {{map::kBand, map::kBand + 1}});
    for (int row = 0; row < map::kPowerTableRows; ++row) {
        for (int column = 0; column < 2; ++column) {
            const std::size_t offset =
                map::kPowerTable + static_cast<std::size_t>(2 * row + column);
            compare.value("Power Adjustment row " + std::to_string(row + 1) +
                              (column == 0 ? " Low Power" : " High Power"),
                          number(offset), {{offset, offset + 1}});
        }
    }
    const std::vector<std::string> labels = paramRowLabels(Language::English);
    for (int row = 0; row < kParamRows; ++row) {
        for (int column = 0; column < 2; ++column) {
            const std::size_t offset =
                map::kParamAdjust + static_cast<std::size_t>(2 * row + column);
            compare.value("Param Adjust " + labels[static_cast<std::size_t>(row)] +
                              (column == 0 ? " Compnad Off" : " Compand On"),
                          number(offset), {{offset, offset + 1}});
        }
    }
    const ByteRange emphasis{map::kEmphasis, map::kEmphasis + 1};
    const auto bit = [](int mask) {
        return [mask](const MemoryImage& i) {
            return std::string(i[map::kEmphasis] & mask ? "On" : "Off");
        };
    };
    compare.value("De-emphasis", bit(1), {emphasis});
    compare.value("Pre-emphasis", bit(2), {emphasis});
}

}  // namespace

std::vector<ImageDifference> diffImages(const MemoryImage& first, const MemoryImage& second) {
    Comparison compare(first, second);
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
