#include "core/settings/ScanInfo.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdint>

#include "core/channels/DecimalScaling.h"
#include "core/image/ImageMap.h"
#include "core/text/Texts.h"
#include "core/util/CRuntimeText.h"

namespace radio {
namespace {

// Look-back times are stored as n with time = n * 0.05 + 0.45.
constexpr double kLookBackOffset = 0.45;
constexpr int kStepsPerSecond = 20;
// Lets a value just below a step after subtracting still land on that step.
constexpr double kSpinDownSlack = 0.04;
constexpr std::size_t kProgrammedByte = 3;
constexpr int kRevertCodeOffsetSelected = 2;

// Decimal first, so that 0.05 * 20 is 1 and not 0.999...
int steps(double seconds) {
    return scaleDecimal(seconds, kStepsPerSecond);
}

double onRaster(double seconds) {
    return steps(seconds) * kLookBackStep;
}

double decodeLookBack(std::uint8_t count) {
    return count * kLookBackStep + kLookBackOffset;
}

std::uint8_t encodeLookBack(double seconds) {
    return static_cast<std::uint8_t>(steps(snapLookBack(seconds) - kLookBackOffset));
}

int readWord(const MemoryImage& image, std::size_t offset) {
    return image[offset] | (image[offset + 1] << 8);
}

void writeWord(MemoryImage& image, std::size_t offset, int value) {
    image.set(offset, static_cast<std::uint8_t>(value & 0xFF));
    image.set(offset + 1, static_cast<std::uint8_t>((value >> 8) & 0xFF));
}

bool priorityChannelAccepted(const MemoryImage& image, const ScanInfoValues& values) {
    if (values.priorityMode != kPriorityFixed) {
        return true;
    }
    return channelProgrammed(image, leadingInt(values.priorityChannelText));
}

}  // namespace

bool channelProgrammed(const MemoryImage& image, int channel) {
    if (channel < 1 || channel > map::kChannelCount) {
        return false;
    }
    const std::uint8_t marker = image[map::channelOffset(channel) + kProgrammedByte];
    return marker != 0x00 && marker != 0xFF;
}

ScanInfoValues decodeScanInfo(const MemoryImage& image) {
    ScanInfoValues v;
    v.priorityMode = image[map::kPriorityMode];
    // Only None and Selected hide the number; a mode without a list entry still shows it.
    const bool showChannel = v.priorityMode != kPriorityNone && v.priorityMode != kPrioritySelected;
    v.priorityChannelText = showChannel ? formatInt(image[map::kPriorityChannel], 2) : "";
    v.lookBackA = decodeLookBack(image[map::kLookBackA]);
    v.lookBackB = decodeLookBack(image[map::kLookBackB]);
    v.revertIndex = image[map::kRevertChannel];
    if (v.priorityMode == kPrioritySelected) {
        v.revertIndex -= kRevertCodeOffsetSelected;
    }
    v.dropoutDelay = readWord(image, map::kDropoutDelay);
    v.txDwell = readWord(image, map::kTxDwellTime);
    return v;
}

Status<std::string> encodeScanInfo(MemoryImage& image, const ScanInfoValues& values,
                                   Language language) {
    if (!priorityChannelAccepted(image, values)) {
        return Status<std::string>::failure(
            std::string(text(TextId::SelectProgrammedChannel, language)));
    }
    if (values.priorityMode == kPriorityFixed) {
        image.set(map::kPriorityChannel,
                  static_cast<std::uint8_t>(leadingInt(values.priorityChannelText)));
    }
    image.set(map::kPriorityMode, static_cast<std::uint8_t>(values.priorityMode));
    image.set(map::kLookBackA, encodeLookBack(values.lookBackA));
    image.set(map::kLookBackB, encodeLookBack(values.lookBackB));
    image.set(map::kRevertChannel,
              static_cast<std::uint8_t>(revertCode(values.priorityMode, values.revertIndex)));
    writeWord(image, map::kDropoutDelay, clampCount(values.dropoutDelay));
    writeWord(image, map::kTxDwellTime, clampCount(values.txDwell));
    return {};
}

std::vector<std::string> revertList(int priorityMode, Language language) {
    const auto entry = [language](TextId id) { return std::string(text(id, language)); };
    if (priorityMode == kPriorityNone) {
        return {entry(TextId::RevertSelected), entry(TextId::RevertSelectedTalkBack)};
    }
    if (priorityMode == kPriorityFixed) {
        return {entry(TextId::RevertSelected), entry(TextId::RevertSelectedTalkBack),
                entry(TextId::RevertPriority), entry(TextId::RevertPriorityTalkBack)};
    }
    return {entry(TextId::RevertPriority), entry(TextId::RevertPriorityTalkBack)};
}

int revertCode(int priorityMode, int revertIndex) {
    return priorityMode == kPrioritySelected ? revertIndex + kRevertCodeOffsetSelected
                                             : revertIndex;
}

bool priorityChannelEnabled(int priorityMode) {
    return priorityMode == kPriorityFixed;
}

bool lookBackEnabled(int priorityMode) {
    return priorityMode == kPriorityFixed;
}

double snapLookBack(double seconds) {
    if (seconds > kLookBackMax) {
        return kLookBackMax;
    }
    // NaN (a typed "nan") counts as below the range rather than becoming 0.
    if (!(seconds >= kLookBackMin)) {
        return kLookBackMin;
    }
    return onRaster(seconds);
}

double spinLookBack(double seconds, int delta) {
    if (std::isnan(seconds)) {
        return kLookBackMin;
    }
    if (delta == 1) {
        const double up = seconds + kLookBackStep;
        if (up > kLookBackMax || up < kLookBackMin) {
            return kLookBackMin;
        }
        return onRaster(up);
    }
    const double down = seconds - kLookBackStep;
    if (down < kLookBackMin || down > kLookBackMax) {
        return kLookBackMax;
    }
    return onRaster(down + kSpinDownSlack);
}

int spinCount(int value, int delta) {
    // 64-bit so that a typed INT_MAX or INT_MIN cannot overflow.
    const long long next = static_cast<long long>(value) + (delta == 1 ? 1 : -1);
    if (delta == 1) {
        return next > kCountMax ? 0 : static_cast<int>(next);
    }
    return next < 0 ? kCountMax : static_cast<int>(next);
}

int clampCount(int value) {
    return std::clamp(value, 0, kCountMax);
}

}  // namespace radio
