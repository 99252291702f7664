#include <gtest/gtest.h>

#include <climits>
#include <limits>
#include <optional>
#include <string>

#include "core/channels/DecimalScaling.h"
#include "core/channels/Frequency.h"
#include "core/util/NumberText.h"

namespace radio {
namespace {

using Bcd = std::array<std::uint8_t, 4>;
constexpr std::int32_t kMax = std::numeric_limits<std::int32_t>::max();
constexpr std::int32_t kMin = std::numeric_limits<std::int32_t>::min();

TEST(FrequencyBcd, StoresAndReadsPackedDigits) {
    const std::pair<std::int32_t, Bcd> cases[] = {{44600625, {0x25, 0x06, 0x60, 0x44}},
                                                  {13001250, {0x50, 0x12, 0x00, 0x13}},
                                                  {12345678, {0x78, 0x56, 0x34, 0x12}}};
    for (const auto& [frequency, bytes] : cases) {
        EXPECT_EQ(encodeFrequency(frequency), bytes) << frequency;
        EXPECT_EQ(decodeFrequency(bytes), frequency) << frequency;
    }
    EXPECT_EQ(encodeFrequency(0), (Bcd{0xFF, 0xFF, 0xFF, 0xFF}));
    // Only the top byte marks an absent frequency; the others and all nibbles are taken as
    // they are. Below 10 MHz the top byte is 0: such a value reads back as absent.
    EXPECT_EQ(decodeFrequency(Bcd{0x25, 0x06, 0x60, 0xFF}), std::nullopt);
    EXPECT_EQ(decodeFrequency(Bcd{0xFF, 0xFF, 0xFF, 0x44}), 45666665);
    EXPECT_EQ(decodeFrequency(encodeFrequency(500000)), std::nullopt);
}

TEST(FrequencyCheck, LimitsAreInclusiveAndTheRasterIs5Or625kHz) {
    const BandLimits band{40000000, 47000000};
    using C = FrequencyCheck;
    const std::pair<std::int32_t, FrequencyCheck> cases[] = {
        {47000000, C::Accepted},   {40000000, C::Accepted}, {47000625, C::OutOfRange},
        {39999500, C::OutOfRange}, {44600500, C::Accepted}, {44600620, C::OffRaster},
        {44600300, C::OffRaster},  {44601875, C::Accepted}, {0, C::OutOfRange}};
    for (const auto& [frequency, outcome] : cases) {
        EXPECT_EQ(checkFrequency(frequency, band), outcome) << frequency;
    }
    EXPECT_EQ(checkFrequency(44600625, BandLimits{}), C::OutOfRange);  // no band configured
    EXPECT_EQ(formatFrequency(1000000), "10.00000");
}

TEST(DecimalScaling, TextsAreScaledExactlyAsAtofReadsThem) {
    // Exact where double multiplication is not (130.0125 * 1e5 = 13001249.999...); truncated
    // toward zero, then saturated at the int32 range.
    using Case = std::tuple<std::string, int, std::int32_t>;
    // clang-format off
    const Case cases[] = {
        {"130.0125", 100000, 13001250}, {"446.0062", 100000, 44600620}, {"1.15", 20, 23},
        {"  446abc", 100000, 44600000}, {"无", 10, 0},                  {"1e2", 100000, 10000000},
        {"0x10", 10, 160},              {"--5", 10, 0},                 {"+-5", 10, 0},
        {"-446.00625", 100000, -44600625},  {"446.000059", 100000, 44600005},
        {"-0.000019", 100000, -1},          {"21474.83647", 100000, kMax},
        {"-21474.83648", 100000, kMin},     {"21474.83648", 100000, kMax},
        {"-1e300", 10, kMin},               {"inf", 10, kMax},  {"nan", 100000, 0}};
    // clang-format on
    for (const auto& [text, factor, expected] : cases) {
        EXPECT_EQ(scaleDecimal(text, factor), expected) << text << " x " << factor;
    }
    for (std::int32_t frequency = 13000000; frequency <= 13100000; ++frequency) {
        ASSERT_EQ(scaleDecimal(formatFrequency(frequency), 100000), frequency) << frequency;
        ASSERT_EQ(parseFrequency(formatFrequency(frequency)), frequency) << frequency;
    }
}

TEST(DecimalScaling, Doubles) {
    // clang-format off
    const std::tuple<double, int, std::int32_t> cases[] = {
        {130.0125, 100000, 13001250}, {2.35, 20, 47}, {-2.35, 20, -47}, {-0.0, 20, 0}, {2.35, 0, 0},
        {2.35, -20, -47}, {std::numeric_limits<double>::max(), kMax, kMax},
        {std::numeric_limits<double>::denorm_min(), kMax, 0}, {1.0, INT_MIN, kMin}};
    // clang-format on
    for (const auto& [value, factor, expected] : cases) {
        EXPECT_EQ(scaleDecimal(value, factor), expected) << value << " x " << factor;
    }
}

// One sign only: atof finds no number in "--5".
TEST(NumberText, AWholeBoxIsANumberOrNot) {
    // clang-format off
    const std::pair<std::string, std::optional<double>> cases[] = {
        {"0.57", 0.57}, {" 5 ", 5.0}, {"+1.5", 1.5}, {"-2", -2.0}, {".5", 0.5}, {"1e1", 10.0},
        {"1e-1", 0.1}, {"", std::nullopt}, {"abc", std::nullopt}, {"1.5s", std::nullopt},
        {"0x10", std::nullopt}, {"nan", std::nullopt}, {"inf", std::nullopt}, {"1 2", std::nullopt},
        {"--5", std::nullopt}, {"+-5", std::nullopt}, {"-+5", std::nullopt}};
    // clang-format on
    for (const auto& [text, value] : cases) {
        EXPECT_EQ(parseNumberText(text), value) << '"' << text << '"';
    }
    EXPECT_GT(parseNumberText("1e999").value_or(0), 1e300);  // infinity, as atof gives it
    // clang-format off
    const std::pair<std::string, std::optional<int>> integers[] = {
        {" 7 ", 7}, {"007", 7}, {"-5", -5}, {"99999999999", INT_MAX}, {"-99999999999", INT_MIN},
        {"1.5", std::nullopt}, {"+", std::nullopt}, {"--5", std::nullopt}, {"+-5", std::nullopt}};
    // clang-format on
    for (const auto& [text, value] : integers) {
        EXPECT_EQ(parseIntegerText(text), value) << '"' << text << '"';
    }
}

}  // namespace
}  // namespace radio
