#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <string>

#include "core/channels/DecimalScaling.h"
#include "core/channels/Frequency.h"

namespace radio {
namespace {

constexpr std::int32_t kMax = std::numeric_limits<std::int32_t>::max();
constexpr std::int32_t kMin = std::numeric_limits<std::int32_t>::min();

TEST(DecimalScaling, TextCases) {
    struct Case {
        std::string text;
        int factor;
        std::int32_t expected;
    };
    const Case cases[] = {
        // Exact where double multiplication is not (130.0125 * 1e5 = 13001249.999...).
        {"130.0125", 100000, 13001250},
        {"446.0062", 100000, 44600620},
        {"446.00625", 100000, 44600625},
        {"67.0", 10, 670},
        {"254.1", 10, 2541},
        {"1.15", 20, 23},
        // Read as atof reads it.
        {"  446abc", 100000, 44600000},
        {"None", 100000, 0},
        {"无", 10, 0},
        {"", 100000, 0},
        {"1e2", 100000, 10000000},
        {"0x10", 10, 160},
        {"-446.00625", 100000, -44600625},
        // Truncation toward zero.
        {"446.000059", 100000, 44600005},
        {"-0.000019", 100000, -1},
        {"0.000001", 100000, 0},
        // The int32 range, then saturation.
        {"21474.83647", 100000, kMax},
        {"-21474.83648", 100000, kMin},
        {"21474.83648", 100000, kMax},
        {"1e300", 100000, kMax},
        {"-1e300", 10, kMin},
        {"1e999", 100000, kMax},
        {"inf", 10, kMax},
        {"nan", 100000, 0},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(scaleDecimal(c.text, c.factor), c.expected) << c.text << " x " << c.factor;
    }
}

TEST(DecimalScaling, DoubleCases) {
    EXPECT_EQ(scaleDecimal(130.0125, 100000), 13001250);
    EXPECT_EQ(scaleDecimal(2.35, 20), 47);
    EXPECT_EQ(scaleDecimal(-2.35, 20), -47);
    EXPECT_EQ(scaleDecimal(-0.0, 20), 0);
    EXPECT_EQ(scaleDecimal(2.35, 0), 0);
    EXPECT_EQ(scaleDecimal(2.35, -20), -47);
    EXPECT_EQ(scaleDecimal(std::numeric_limits<double>::max(), kMax), kMax);
    EXPECT_EQ(scaleDecimal(-std::numeric_limits<double>::max(), kMax), kMin);
    EXPECT_EQ(scaleDecimal(std::numeric_limits<double>::denorm_min(), kMax), 0);
    EXPECT_EQ(scaleDecimal(1.0, std::numeric_limits<int>::min()), kMin);
}

// Every five-decimal text between 130 and 131 MHz scales back to its own digits.
TEST(DecimalScaling, EveryFiveDecimalFrequencyIsExact) {
    for (std::int32_t frequency = 13000000; frequency <= 13100000; ++frequency) {
        const std::string text = formatFrequency(frequency);
        ASSERT_EQ(scaleDecimal(text, 100000), frequency) << text;
    }
}

}  // namespace
}  // namespace radio
