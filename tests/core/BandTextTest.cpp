#include <gtest/gtest.h>

#include <limits>
#include <string>
#include <vector>

#include "core/channels/BandText.h"

namespace radio {
namespace {

using Items = std::vector<std::string>;

TEST(BandList, SplitsOnEveryBar) {
    EXPECT_EQ(splitBandList("400-420|420-440|"), (Items{"400-420", "420-440", ""}));
    EXPECT_EQ(splitBandList("400-470"), (Items{"400-470"}));
    EXPECT_EQ(splitBandList(""), (Items{""}));
    EXPECT_EQ(splitBandList("|"), (Items{"", ""}));
    EXPECT_EQ(splitBandList("a||b"), (Items{"a", "", "b"}));
}

TEST(BandList, ItemBeyondTheEndIsTheLast) {
    EXPECT_EQ(bandItem("400-470|136-174", 0), "400-470");
    EXPECT_EQ(bandItem("400-470|136-174", 1), "136-174");
    EXPECT_EQ(bandItem("400-470|136-174", 5), "136-174");
    EXPECT_EQ(bandItem("400-470|136-174", 255), "136-174");
    EXPECT_EQ(bandItem("400-470", 3), "400-470");
    EXPECT_EQ(bandItem("400-470|", 1), "");
    EXPECT_EQ(bandItem("", 0), "");
    EXPECT_EQ(bandItem("400-470|136-174", -1), "400-470");
}

TEST(BandLimits, ReadsTheNumbersAroundTheFirstDash) {
    constexpr std::int32_t kMax = std::numeric_limits<std::int32_t>::max();
    constexpr std::int32_t kMin = std::numeric_limits<std::int32_t>::min();
    const std::pair<std::string, BandLimits> cases[] = {
        {"400-470", {40000000, 47000000}},
        {"400-420", {40000000, 42000000}},
        {"136-174MHz", {13600000, 17400000}},
        {" 400 - 470", {40000000, 47000000}},
        {"450", {45000000, 45000000}},
        {"", {0, 0}},
        {"UHF", {0, 0}},
        {"UHF-470", {0, 47000000}},
        {"400-470-480", {40000000, 47000000}},
        {"99999999999-5", {kMax, 500000}},
        {"-30000", {kMin, kMax}},
    };
    for (const auto& [text, limits] : cases) {
        EXPECT_EQ(bandLimits(text), limits) << text;
    }
}

}  // namespace
}  // namespace radio
