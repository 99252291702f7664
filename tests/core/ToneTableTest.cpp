#include <gtest/gtest.h>

#include <set>
#include <string>

#include "core/channels/ToneTable.h"

namespace radio {
namespace {

TEST(ToneList, HoldsNoneCtcssAndBothDcsPolaritiesInOrder) {
    const auto list = toneList(Language::English);
    ASSERT_EQ(list.size(), 265u);
    const std::pair<std::size_t, std::string> expected[] = {
        {0, "None"},    {1, "67.0"},    {50, "254.1"},  {51, "D017N"},
        {157, "D754N"}, {158, "D017I"}, {264, "D754I"},
    };
    for (const auto& [index, text] : expected) {
        EXPECT_EQ(list[index], text) << index;
    }
    EXPECT_EQ(std::set<std::string>(list.begin(), list.end()).size(), list.size());
    EXPECT_EQ(toneList(Language::Chinese)[0], "无");
    EXPECT_EQ(toneList(Language::Chinese)[1], "67.0");
}

TEST(DcsLookup, ForwardGivesTheLowByteOfTheOctalValue) {
    const std::pair<int, std::uint8_t> cases[] = {
        {17, 0x0F}, {23, 0x13}, {371, 0xF9}, {411, 0x09}, {423, 0x13}, {754, 0xEC},
        {12, 0},    {372, 0},   {377, 0},    {0, 0},      {400, 0},    {-23, 0},
    };
    for (const auto& [code, low] : cases) {
        EXPECT_EQ(dcsLowByte(code), low) << code;
    }
}

TEST(DcsLookup, ReverseSearchesOnlyTheHalfChosenByBit8) {
    EXPECT_EQ(dcsCode(0x13, false), 23);
    EXPECT_EQ(dcsCode(0x13, true), 423);
    EXPECT_EQ(dcsCode(0x00, false), 0);
    EXPECT_EQ(dcsCode(0x00, true), 0);
    EXPECT_EQ(dcsCode(0xEC, true), 754);
    EXPECT_EQ(dcsCode(0xEC, false), 0);
    EXPECT_EQ(dcsCode(0x0F, true), 0);
}

TEST(DcsLookup, EveryCodeRoundTrips) {
    for (int code : dcsCodes()) {
        ASSERT_EQ(dcsCode(dcsLowByte(code), code >= 400), code) << code;
    }
}

}  // namespace
}  // namespace radio
