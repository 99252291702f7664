#include "core/settings/OptionalFeatures.h"

#include <cstdint>
#include <initializer_list>

#include "core/image/ImageMap.h"
#include "core/text/Texts.h"
#include "core/util/CRuntimeText.h"

namespace radio {
namespace {

constexpr std::uint8_t kTimeOutTimerMask = 0x7F;
constexpr std::uint8_t kTotPreAlertMask = 0x0F;
constexpr std::uint8_t kSquelchMask = 0x0F;
constexpr std::uint8_t kVoxGainMask = 0x1F;
constexpr std::uint8_t kVoxDelayMask = 0x07;
constexpr std::uint8_t kSwitchMask = 0x01;

constexpr int kTimeOutTimerEntries = 40;
constexpr int kTimeOutTimerStep = 15;  // seconds per entry

// Stored Call Key Define codes.
constexpr std::uint8_t kCallKeyCodeCall = 0;
constexpr std::uint8_t kCallKeyCodeEmergency = 1;
constexpr std::uint8_t kCallKeyCodeOff = 2;

std::vector<std::string> numbered(int first, int last) {
    std::vector<std::string> list;
    for (int i = first; i <= last; ++i) {
        list.push_back(formatInt(i));
    }
    return list;
}

std::vector<std::string> offThenNumbered(int last, Language language) {
    std::vector<std::string> list{std::string(text(TextId::Off, language))};
    const std::vector<std::string> numbers = numbered(1, last);
    list.insert(list.end(), numbers.begin(), numbers.end());
    return list;
}

std::vector<std::string> timeOutTimerList() {
    std::vector<std::string> list;
    for (int i = 1; i <= kTimeOutTimerEntries; ++i) {
        list.push_back(formatInt(i * kTimeOutTimerStep) + "s");
    }
    return list;
}

std::vector<std::string> texts(std::initializer_list<TextId> ids, Language language) {
    std::vector<std::string> list;
    for (const TextId id : ids) {
        list.emplace_back(text(id, language));
    }
    return list;
}

std::optional<int> inList(int index, OptionalField field) {
    if (index < 0 || index >= optionalFeaturesListSize(field)) {
        return std::nullopt;
    }
    return index;
}

int decodeCallKey(std::uint8_t code) {
    switch (code) {
        case kCallKeyCodeCall:
            return kCallKeyCall;
        case kCallKeyCodeEmergency:
            return kCallKeyEmergencyAlert;
        default:
            return kCallKeyOff;
    }
}

std::uint8_t encodeCallKey(std::optional<int> index) {
    if (index == kCallKeyCall) {
        return kCallKeyCodeCall;
    }
    if (index == kCallKeyEmergencyAlert) {
        return kCallKeyCodeEmergency;
    }
    return kCallKeyCodeOff;
}

// The stored value of a list field: its index, 0 when the list has no selection.
std::uint8_t indexValue(std::optional<int> index, OptionalField field) {
    return static_cast<std::uint8_t>(inList(index.value_or(0), field).value_or(0));
}

// The "index + 1" fields store 0, not 1, when the list has no selection.
std::uint8_t indexPlusOne(std::optional<int> index, OptionalField field) {
    const std::optional<int> valid = index ? inList(*index, field) : std::nullopt;
    return valid ? static_cast<std::uint8_t>(*valid + 1) : 0;
}

}  // namespace

std::vector<std::string> optionalFeaturesList(OptionalField field, Language language) {
    switch (field) {
        case OptionalField::TimeOutTimer:
            return timeOutTimerList();
        case OptionalField::TotPreAlert:
            return offThenNumbered(10, language);
        case OptionalField::SquelchLevel:
            return numbered(0, 9);
        case OptionalField::VoxGainLevel:
        case OptionalField::CallTone:
            return offThenNumbered(16, language);
        case OptionalField::VoxDelayTime:
            return {"0.3", "0.5", "1.0", "1.5", "2.0", "3.0"};
        case OptionalField::VoiceAnnunciation:
            return texts({TextId::Off, TextId::VoiceChinese, TextId::VoiceEnglish}, language);
        case OptionalField::CallKeyDefine:
            return texts({TextId::Off, TextId::CallKeyCall, TextId::CallKeyEmergencyAlert},
                         language);
    }
    return {};
}

int optionalFeaturesListSize(OptionalField field) {
    return static_cast<int>(optionalFeaturesList(field, Language::English).size());
}

OptionalFeaturesValues decodeOptionalFeatures(const MemoryImage& image) {
    OptionalFeaturesValues v;
    v.timeOutTimer =
        inList((image[map::kTimeOutTimer] & kTimeOutTimerMask) - 1, OptionalField::TimeOutTimer);
    v.totPreAlert =
        inList((image[map::kTotPreAlert] & kTotPreAlertMask) - 1, OptionalField::TotPreAlert);
    v.squelchLevel = inList(image[map::kSquelchLevel] & kSquelchMask, OptionalField::SquelchLevel);
    v.beep = (image[map::kBeep] & kSwitchMask) != 0;
    v.voxGainLevel = inList(image[map::kVoxGainLevel] & kVoxGainMask, OptionalField::VoxGainLevel);
    v.voxDelayTime = inList(image[map::kVoxDelayTime] & kVoxDelayMask, OptionalField::VoxDelayTime);
    v.callTone = inList(image[map::kCallTone], OptionalField::CallTone);
    v.batterySaver = (image[map::kBatterySaver] & kSwitchMask) != 0;
    v.voiceAnnunciation =
        inList(image[map::kVoiceAnnunciation], OptionalField::VoiceAnnunciation).value_or(0);
    v.callKeyDefine = decodeCallKey(image[map::kCallKeyDefine]);
    return v;
}

void encodeOptionalFeatures(MemoryImage& image, const OptionalFeaturesValues& v) {
    image.setBits(map::kTimeOutTimer, kTimeOutTimerMask,
                  indexPlusOne(v.timeOutTimer, OptionalField::TimeOutTimer));
    image.setBits(map::kTotPreAlert, kTotPreAlertMask,
                  indexPlusOne(v.totPreAlert, OptionalField::TotPreAlert));
    image.setBits(map::kSquelchLevel, kSquelchMask,
                  indexValue(v.squelchLevel, OptionalField::SquelchLevel));
    image.setBits(map::kBeep, kSwitchMask, v.beep ? 1 : 0);
    image.setBits(map::kVoxGainLevel, kVoxGainMask,
                  indexValue(v.voxGainLevel, OptionalField::VoxGainLevel));
    image.setBits(map::kVoxDelayTime, kVoxDelayMask,
                  indexValue(v.voxDelayTime, OptionalField::VoxDelayTime));
    image.setBits(map::kBatterySaver, kSwitchMask, v.batterySaver ? 1 : 0);
    image.set(map::kCallTone, indexValue(v.callTone, OptionalField::CallTone));
    image.set(map::kVoiceAnnunciation,
              indexValue(v.voiceAnnunciation, OptionalField::VoiceAnnunciation));
    image.set(map::kCallKeyDefine, encodeCallKey(v.callKeyDefine));
}

}  // namespace radio
