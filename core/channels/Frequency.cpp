#include "core/channels/Frequency.h"

#include "core/channels/DecimalScaling.h"
#include "core/util/CRuntimeText.h"

namespace radio {

namespace {

constexpr std::int32_t kRaster5kHz = 500;
constexpr std::int32_t kRaster6k25Hz = 625;

}  // namespace

FrequencyCheck checkFrequency(std::int32_t frequency, BandLimits limits) {
    if (frequency < limits.lower || frequency > limits.upper) {
        return FrequencyCheck::OutOfRange;
    }
    if (frequency % kRaster5kHz != 0 && frequency % kRaster6k25Hz != 0) {
        return FrequencyCheck::OffRaster;
    }
    return FrequencyCheck::Accepted;
}

std::optional<std::int32_t> decodeFrequency(std::span<const std::uint8_t, 4> bytes) {
    if (bytes[3] == 0x00 || bytes[3] == 0xFF) {
        return std::nullopt;
    }
    std::int32_t frequency = 0;
    for (int i = 3; i >= 0; --i) {
        const std::uint8_t pair = bytes[static_cast<std::size_t>(i)];
        frequency = frequency * 100 + (pair >> 4) * 10 + (pair & 0x0F);
    }
    return frequency;
}

std::array<std::uint8_t, 4> encodeFrequency(std::int32_t frequency) {
    std::array<std::uint8_t, 4> bytes = {0xFF, 0xFF, 0xFF, 0xFF};
    if (frequency == 0) {
        return bytes;
    }
    std::int32_t rest = frequency;
    std::int32_t divisor = 1000000;
    for (int i = 3; i >= 0; --i) {
        const std::int32_t pair = rest / divisor;
        rest %= divisor;
        bytes[static_cast<std::size_t>(i)] =
            static_cast<std::uint8_t>((pair / 10) * 16 + pair % 10);
        divisor /= 100;
    }
    return bytes;
}

std::string formatFrequency(std::int32_t frequency) {
    return formatFixed(frequency / static_cast<double>(kFrequencyPerMHz), 5);
}

std::int32_t parseFrequency(std::string_view text) {
    return scaleDecimal(text, kFrequencyPerMHz);
}

}  // namespace radio
