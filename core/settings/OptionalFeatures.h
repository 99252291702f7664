#pragma once

#include <optional>
#include <string>
#include <vector>

#include "core/image/MemoryImage.h"
#include "core/text/Language.h"

namespace radio {

// The drop-down lists of the Optional Features page, in the order the page fills them.
enum class OptionalField {
    TimeOutTimer,
    TotPreAlert,
    SquelchLevel,
    VoxGainLevel,
    CallTone,
    VoxDelayTime,
    VoiceAnnunciation,
    CallKeyDefine,
};

// The page's state: a list index per list (nullopt: the list has no selection) and the
// two check boxes.
struct OptionalFeaturesValues {
    std::optional<int> timeOutTimer;
    std::optional<int> totPreAlert;
    std::optional<int> squelchLevel;
    std::optional<int> voxGainLevel;
    std::optional<int> callTone;
    std::optional<int> voxDelayTime;
    std::optional<int> voiceAnnunciation;
    std::optional<int> callKeyDefine;
    bool beep = false;
    bool batterySaver = false;
    friend bool operator==(const OptionalFeaturesValues&, const OptionalFeaturesValues&) = default;
};

// Call Key Define list indexes; the stored codes run in another order.
constexpr int kCallKeyOff = 0;
constexpr int kCallKeyCall = 1;
constexpr int kCallKeyEmergencyAlert = 2;

std::vector<std::string> optionalFeaturesList(OptionalField field, Language language);
int optionalFeaturesListSize(OptionalField field);

// A stored value outside a list leaves it without a selection, except Voice Annunciation
// (falls back to "Off") and Call Key Define (every unknown code is "Off").
OptionalFeaturesValues decodeOptionalFeatures(const MemoryImage& image);

// Writes only the page's own bits; a list without a selection (or with an index outside it)
// stores 0 in its field.
void encodeOptionalFeatures(MemoryImage& image, const OptionalFeaturesValues& values);

}  // namespace radio
