#include <gtest/gtest.h>

#include <array>
#include <cstdint>

#include "core/channels/Frequency.h"

namespace radio {
namespace {

using Bytes = std::array<std::uint8_t, 4>;

TEST(FrequencyBcd, RoundTrips) {
    const std::pair<std::int32_t, Bytes> cases[] = {
        {44600625, {0x25, 0x06, 0x60, 0x44}}, {13001250, {0x50, 0x12, 0x00, 0x13}},
        {47000000, {0x00, 0x00, 0x00, 0x47}}, {99999999, {0x99, 0x99, 0x99, 0x99}},
        {1000000, {0x00, 0x00, 0x00, 0x01}},  {12345678, {0x78, 0x56, 0x34, 0x12}},
    };
    for (const auto& [frequency, bytes] : cases) {
        EXPECT_EQ(encodeFrequency(frequency), bytes) << frequency;
        EXPECT_EQ(decodeFrequency(bytes), frequency) << frequency;
    }
}

TEST(FrequencyBcd, ZeroStoresNoFrequency) {
    EXPECT_EQ(encodeFrequency(0), (Bytes{0xFF, 0xFF, 0xFF, 0xFF}));
}

TEST(FrequencyBcd, OnlyTheMostSignificantByteMarksAnAbsentFrequency) {
    EXPECT_EQ(decodeFrequency(Bytes{0x25, 0x06, 0x60, 0x00}), std::nullopt);
    EXPECT_EQ(decodeFrequency(Bytes{0x25, 0x06, 0x60, 0xFF}), std::nullopt);
    EXPECT_EQ(decodeFrequency(Bytes{0xFF, 0xFF, 0xFF, 0xFF}), std::nullopt);
    // The lower bytes and all nibbles are taken as they are: 44, 165, 165, 165.
    EXPECT_EQ(decodeFrequency(Bytes{0xFF, 0xFF, 0xFF, 0x44}), 45666665);
    EXPECT_EQ(decodeFrequency(Bytes{0x00, 0x00, 0x00, 0xFE}), 164000000);
}

TEST(FrequencyBcd, BelowTenMegahertzReadsBackAsAbsent) {
    // No BCD form with a non-zero top byte exists; the stored value decodes as no frequency.
    EXPECT_EQ(encodeFrequency(500000), (Bytes{0x00, 0x00, 0x50, 0x00}));
    EXPECT_EQ(decodeFrequency(encodeFrequency(500000)), std::nullopt);
}

TEST(FrequencyText, FormatsWithFiveDecimalsAndParsesExactly) {
    EXPECT_EQ(formatFrequency(44600625), "446.00625");
    EXPECT_EQ(formatFrequency(1000000), "10.00000");
    EXPECT_EQ(formatFrequency(47000000), "470.00000");
    EXPECT_EQ(parseFrequency("446"), 44600000);
    EXPECT_EQ(parseFrequency("130.0125"), 13001250);
    EXPECT_EQ(parseFrequency(""), 0);
}

TEST(FrequencyCheck, LimitsAreInclusiveAndTheRasterIs5Or625kHz) {
    const BandLimits band{40000000, 47000000};
    const std::pair<std::int32_t, FrequencyCheck> cases[] = {
        {47000000, FrequencyCheck::Accepted},   {40000000, FrequencyCheck::Accepted},
        {47000625, FrequencyCheck::OutOfRange}, {39999500, FrequencyCheck::OutOfRange},
        {48000001, FrequencyCheck::OutOfRange}, {44600625, FrequencyCheck::Accepted},
        {44600500, FrequencyCheck::Accepted},   {44600620, FrequencyCheck::OffRaster},
        {44600300, FrequencyCheck::OffRaster},  {44601875, FrequencyCheck::Accepted},
        {0, FrequencyCheck::OutOfRange},
    };
    for (const auto& [frequency, outcome] : cases) {
        EXPECT_EQ(checkFrequency(frequency, band), outcome) << frequency;
    }
    EXPECT_EQ(checkFrequency(parseFrequency("470.00625"), band), FrequencyCheck::OutOfRange);
    // Without a configured band every frequency is out of range.
    EXPECT_EQ(checkFrequency(44600625, BandLimits{}), FrequencyCheck::OutOfRange);
}

}  // namespace
}  // namespace radio
