#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace radio {

// Frequencies are integers in units of 10 Hz: 446.00625 MHz is 44600625.
constexpr std::int32_t kFrequencyPerMHz = 100000;

// The selected band's lowest and highest frequency, both allowed.
struct BandLimits {
    std::int32_t lower = 0;
    std::int32_t upper = 0;
    friend bool operator==(const BandLimits&, const BandLimits&) = default;
};

enum class FrequencyCheck { Accepted, OutOfRange, OffRaster };

// Channels lie on the 5 kHz or the 6.25 kHz raster.
FrequencyCheck checkFrequency(std::int32_t frequency, BandLimits limits);

// Four bytes of packed BCD, least significant digit pair first. Absent when the most
// significant byte is 0x00 or 0xFF; the other bytes and the nibbles are taken as they are.
std::optional<std::int32_t> decodeFrequency(std::span<const std::uint8_t, 4> bytes);

// 0 stores FF FF FF FF (no frequency). Values outside 0..99999999 have no BCD form; each
// digit pair is then kept to its low 8 bits.
std::array<std::uint8_t, 4> encodeFrequency(std::int32_t frequency);

// MHz with five decimals ("446.00625").
std::string formatFrequency(std::int32_t frequency);

// A typed MHz text, exact to the 10 Hz unit; 0 when the text holds no number.
std::int32_t parseFrequency(std::string_view text);

}  // namespace radio
