#include <gtest/gtest.h>

#include <cmath>
#include <set>
#include <string>

#include "core/channels/ToneCodec.h"
#include "core/channels/ToneTable.h"
#include "core/util/NumberText.h"

namespace radio {
namespace {

constexpr Language kEn = Language::English;

// Position-weighted sums: a wrong, missing or misplaced entry changes them.
template <typename Values, typename Value>
std::pair<long, long> sums(const Values& values, Value value) {
    long sum = 0, weighted = 0, position = 0;
    for (const auto& entry : values) {
        sum += value(entry);
        weighted += ++position * value(entry);
    }
    return {sum, weighted};
}

TEST(ToneList, HoldsNoneCtcssAndBothDcsPolaritiesInOrder) {
    const auto list = toneList(kEn);
    ASSERT_EQ(list.size(), 265u);
    const std::pair<std::size_t, std::string> expected[] = {
        {0, "None"}, {1, "67.0"}, {50, "254.1"}, {51, "D017N"}, {158, "D017I"}, {264, "D754I"}};
    for (const auto& [index, text] : expected) {
        EXPECT_EQ(list[index], text) << index;
    }
    EXPECT_EQ(std::set<std::string>(list.begin(), list.end()).size(), list.size());
    EXPECT_EQ(toneList(Language::Chinese)[0], "无");
    EXPECT_EQ(sums(dcsCodes(), [](int code) { return long{code}; }),
              (std::pair<long, long>{35136, 2599228}));
    EXPECT_EQ(sums(ctcssTones(),
                   [](std::string_view tone) {
                       return std::lround(parseNumberText(std::string(tone)).value_or(0) * 10);
                   }),
              (std::pair<long, long>{75284, 2308403}));
}

TEST(ToneCodec, EncodesTheStoredFormsAndDecodesThemBack) {
    // DCS codes: the low byte of the octal value, and back from the half that bit 8 chooses.
    const std::pair<int, std::uint8_t> lows[] = {{17, 0x0F}, {371, 0xF9}, {411, 0x09}, {754, 0xEC},
                                                 {12, 0},    {372, 0},    {400, 0},    {-23, 0}};
    for (const auto& [code, low] : lows) {
        EXPECT_EQ(dcsLowByte(code), low) << code;
    }
    const std::tuple<std::uint8_t, bool, int> codes[] = {
        {0x13, false, 23}, {0x13, true, 423}, {0x00, true, 0}, {0xEC, false, 0}, {0x0F, true, 0}};
    for (const auto& [low, bit8, code] : codes) {
        EXPECT_EQ(dcsCode(low, bit8), code) << int{low};
    }
    // Codes outside the table keep the polarity and the bit-8 rule but store value 0; numbers
    // are truncated to 0.1 Hz.
    // clang-format off
    const std::pair<std::string, ToneWord> cases[] = {
        {"无", {0xFF, 0xFF}},    {"", {0xFF, 0xFF}},      {"67.0", {0x9E, 0x02}},
        {"D023N", {0x13, 0x28}}, {"D023I", {0x13, 0xA8}}, {"D122N", {0x52, 0x28}},
        {"D263N", {0xB3, 0x28}}, {"D532N", {0x5A, 0x29}}, {"D703N", {0xC3, 0x29}}, {"D754N", {0xEC, 0x29}},
        {"D012I", {0x00, 0xA8}}, {"D372N", {0x00, 0x29}}, {"409.75", {0x01, 0x10}},
        {" 100", {0xE8, 0x03}}};
    // clang-format on
    for (const auto& [text, word] : cases) {
        EXPECT_EQ(encodeTone(text), word) << text;
    }
    for (const std::string& tone : toneList(kEn)) {  // every DCS code there and back too
        EXPECT_EQ(decodeTone(encodeTone(tone), true, kEn), tone);
    }
    // clang-format off
    const std::tuple<ToneWord, bool, Language, std::string> decoded[] = {
        {{0x00, 0x28}, true, kEn, "D000N"}, {{0x00, 0xA9}, true, kEn, "D000I"}, {{0x13, 0xA8}, false, kEn, "D023I"},
        {{0xE8, 0x03}, true, kEn, "100.0"}, {{0x9E, 0x00}, true, Language::Chinese, "无"}, {{0x9E, 0xFF}, false, kEn, ""},
        {{0x9E, 0x02}, false, kEn, "67.0"}};  // a present tone shows on an empty channel
    // clang-format on
    for (const auto& [word, inUse, language, text] : decoded) {
        EXPECT_EQ(decodeTone(word, inUse, language), text) << text;
    }
}

}  // namespace
}  // namespace radio
