#include <gtest/gtest.h>

#include <climits>
#include <cstring>
#include <limits>
#include <optional>
#include <string>
#include <vector>

#include "core/channels/BandCheck.h"
#include "core/channels/BandText.h"
#include "core/channels/DecimalScaling.h"
#include "core/channels/Frequency.h"
#include "core/image/ImageMap.h"
#include "core/util/NumberText.h"

namespace radio {
namespace {

using Bcd = std::array<std::uint8_t, 4>;
using Fields = std::vector<std::string>;
constexpr std::int32_t kMax = std::numeric_limits<std::int32_t>::max();
constexpr std::int32_t kMin = std::numeric_limits<std::int32_t>::min();

TEST(Frequency, PackedDigitsAndInclusiveLimitsOnThe5Or625kHzRaster) {
    EXPECT_EQ(encodeFrequency(0), (Bcd{0xFF, 0xFF, 0xFF, 0xFF}));
    // Only the top byte marks an absent frequency; the others and all nibbles are taken as
    // they are.
    EXPECT_EQ(decodeFrequency(Bcd{0x25, 0x06, 0x60, 0xFF}), std::nullopt);
    EXPECT_EQ(decodeFrequency(Bcd{0xFF, 0xFF, 0xFF, 0x44}), 45666665);
    const BandLimits band{40000000, 47000000};
    using C = FrequencyCheck;
    const std::pair<std::int32_t, FrequencyCheck> checks[] = {
        {47000000, C::Accepted},   {40000000, C::Accepted}, {47000625, C::OutOfRange},
        {39999500, C::OutOfRange}, {44600500, C::Accepted}, {44600620, C::OffRaster},
        {44600300, C::OffRaster},  {44601875, C::Accepted}};
    for (const auto& [frequency, outcome] : checks) {
        EXPECT_EQ(checkFrequency(frequency, band), outcome) << frequency;
    }
    EXPECT_EQ(checkFrequency(44600625, BandLimits{}), C::OutOfRange);  // no band configured
}

TEST(BandCheck, NamesChannelsWithAFrequencyOutsideTheBandInBothLanguages) {
    // Receive and transmit frequency of channels 1..6 (0: none); 3, 4 and 5 lie outside 144-148.
    const std::pair<std::int32_t, std::int32_t> channels[] = {
        {14400000, 14800000}, {0, 0},        {14399999, 14500000},
        {14500000, 14800001}, {0, 44600625}, {14600000, 0}};
    MemoryImage image;
    for (int channel = 1; const auto& [rx, tx] : channels) {
        const std::array<std::uint8_t, 4> record[] = {encodeFrequency(rx), encodeFrequency(tx)};
        std::memcpy(&image[map::channelOffset(channel++)], record, sizeof record);
    }
    const BandLimits vhf{14400000, 14800000};
    EXPECT_EQ(channelsOutsideBand(image, vhf), (std::vector<int>{3, 4, 5}));
    EXPECT_TRUE(channelsOutsideBand(image, {14399999, 44600625}).empty());
    EXPECT_EQ(outsideBandMessage({3, 4, 5}, vhf, Language::Chinese),
              "信道 3、4、5 不在频段 144-148 MHz 内。");
    EXPECT_EQ(outsideBandMessage({7}, vhf, Language::English),
              "Channel 7 lies outside the band 144-148 MHz.");
}

// Items split on every bar and an item beyond the end is the last; the limits are the numbers
// around the first dash.
TEST(BandText, ItemsAndTheirLimits) {
    EXPECT_EQ(splitBandList("400-420||440|"), (Fields{"400-420", "", "440", ""}));
    const std::pair<int, std::string> items[] = {
        {0, "400-470"}, {1, "136-174"}, {255, "136-174"}, {-1, "400-470"}};
    for (const auto& [index, item] : items) {
        EXPECT_EQ(bandItem("400-470|136-174", index), item) << index;
    }
    // clang-format off
    const std::pair<std::string, BandLimits> cases[] = {
        {"136-174MHz", {13600000, 17400000}}, {" 400 - 470", {40000000, 47000000}},
        {"450", {45000000, 45000000}}, {"UHF-470", {0, 47000000}},
        {"99999999999-5", {kMax, 500000}},
        {"-30000", {kMin, kMax}}};
    // clang-format on
    for (const auto& [text, limits] : cases) {
        EXPECT_EQ(bandLimits(text), limits) << text;
    }
}

TEST(DecimalScaling, TextsAreScaledExactlyAsAtofReadsThem) {
    // Exact where double multiplication is not (130.0125 * 1e5 = 13001249.999...); truncated
    // toward zero, then saturated at the int32 range.
    // clang-format off
    const std::tuple<std::string, int, std::int32_t> cases[] = {
        {"130.0125", 100000, 13001250}, {"1.15", 20, 23}, {"  446abc", 100000, 44600000},
        {"无", 10, 0}, {"1e2", 100000, 10000000}, {"0x10", 10, 160}, {"--5", 10, 0}, {"+-5", 10, 0},
        {"-0.000019", 100000, -1}, {"21474.83648", 100000, kMax}, {"-1e300", 10, kMin},
        {"nan", 100000, 0}};
    // clang-format on
    for (const auto& [text, factor, expected] : cases) {
        EXPECT_EQ(scaleDecimal(text, factor), expected) << text << " x " << factor;
    }
    for (std::int32_t frequency = 13000000; frequency <= 13100000; ++frequency) {
        ASSERT_EQ(parseFrequency(formatFrequency(frequency)), frequency) << frequency;
    }
    // clang-format off
    const std::tuple<double, int, std::int32_t> doubles[] = {
        {130.0125, 100000, 13001250}, {-2.35, 20, -47}, {2.35, 0, 0},
        {std::numeric_limits<double>::max(), kMax, kMax}, {1.0, INT_MIN, kMin}};
    // clang-format on
    for (const auto& [value, factor, expected] : doubles) {
        EXPECT_EQ(scaleDecimal(value, factor), expected) << value << " x " << factor;
    }
}

// One sign only: atof finds no number in "--5".
TEST(NumberText, AWholeBoxIsANumberOrNot) {
    // clang-format off
    const std::pair<std::string, std::optional<double>> cases[] = {
        {" 5 ", 5.0}, {"+1.5", 1.5}, {".5", 0.5}, {"1e-1", 0.1}, {"", std::nullopt},
        {"1.5s", std::nullopt}, {"0x10", std::nullopt}, {"nan", std::nullopt},
        {"1 2", std::nullopt}, {"--5", std::nullopt}, {"+-5", std::nullopt}};
    const std::pair<std::string, std::optional<int>> integers[] = {
        {" 7 ", 7}, {"-5", -5}, {"99999999999", INT_MAX}, {"1.5", std::nullopt},
        {"+", std::nullopt}, {"--5", std::nullopt}};
    // clang-format on
    for (const auto& [text, value] : cases) {
        EXPECT_EQ(parseNumberText(text), value) << '"' << text << '"';
    }
    for (const auto& [text, value] : integers) {
        EXPECT_EQ(parseIntegerText(text), value) << '"' << text << '"';
    }
    // A comma becomes the decimal point only where it stands as one.
    const std::pair<std::string, std::string> commas[] = {
        {"446,0125", "446.0125"}, {" 67,0 ", " 67.0 "}, {"446.0125", "446.0125"},
        {"1,446.5", "1,446.5"},   {"1,2,3", "1,2,3"},   {"", ""}};
    for (const auto& [text, pointed] : commas) {
        EXPECT_EQ(withDecimalPoint(text), pointed) << text;
    }
}

}  // namespace
}  // namespace radio
