#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <tuple>
#include <vector>

#include "core/image/ImageMap.h"
#include "core/settings/ParamTable.h"
#include "core/settings/PowerTable.h"
#include "core/settings/ProductInfo.h"

namespace radio {
namespace {

std::vector<int> bytesAt(const MemoryImage& image, std::size_t offset, std::size_t count) {
    const auto span = image.bytes(offset, count);
    return {span.begin(), span.end()};
}

// Decoding corrects the cells and storing keeps the emphasis byte's other bits; then the
// displayed values, the committed texts and each row's editor.
TEST(ParamTable, DecodeEncodeDisplayCommitAndEditors) {
    MemoryImage image;
    const std::uint8_t stored[] = {9, 3, 0, 8, 2, 7, 7, 1, 200, 255, 0xF3};
    for (std::size_t i = 0; i < std::size(stored); ++i) {
        image.set(map::kParamAdjust + i, stored[i]);
    }
    ParamAdjustValues v = decodeParamAdjust(image);
    EXPECT_EQ(v.cells,
              (ParamCells{{{"0", "3"}, {"1", "1"}, {"2", "7"}, {"7", "1"}, {"200", "255"}}}));
    v.cells[4][1] = "007";
    v.deEmphasis = false;
    encodeParamAdjust(image, v);
    EXPECT_EQ(bytesAt(image, map::kParamAdjust, 11),
              (std::vector<int>{0, 3, 1, 1, 2, 7, 7, 1, 200, 7, 0xF2}));
    v.preEmphasis = false;
    v.deEmphasis = true;
    encodeParamAdjust(image, v);
    EXPECT_EQ(image[map::kEmphasis], 0xF1);
    const int shown[][3] = {{0, 8, 0}, {2, 255, 0}, {1, 0, 1}, {3, 8, 1}, {4, 255, 255}};
    for (const auto& [row, stored, value] : shown) {
        EXPECT_EQ(paramDisplayValue(row, stored), value) << row << " " << stored;
    }
    using E = ParamEditor;
    const std::tuple<E, const char*, const char*> commits[] = {
        {E::Limit, "300", "0"},     {E::Limit, "255", "255"},  {E::Limit, "-1", "0"},
        {E::ZeroToSeven, "8", "0"}, {E::OneToSeven, "0", "1"}, {E::OneToSeven, "7", "7"}};
    for (const auto& [editor, typed, committed] : commits) {
        EXPECT_EQ(commitParamText(editor, typed), committed) << typed;
    }
    const E editors[] = {E::ZeroToSeven, E::OneToSeven, E::ZeroToSeven, E::OneToSeven, E::Limit};
    for (int row = 0; row < 5; ++row) {
        EXPECT_EQ(paramEditor(row), editors[row]) << row;
    }
}

TEST(PowerTable, PointsAndCommittedTexts) {
    const auto band = [](int lower, int upper) {
        return BandLimits{lower * kFrequencyPerMHz, upper * kFrequencyPerMHz};
    };
    const std::pair<BandLimits, std::vector<int>> cases[] = {
        {band(400, 480), {400, 410, 420, 430, 440, 450, 460, 470}},
        {band(136, 174), {136, 140, 150, 160, 170, 174}},
        {band(405, 407), {405, 407}},
        {band(480, 400), {}},
        {band(136, 520), {136, 140, 150, 160, 170, 180, 190, 200}},  // eight rows at most
        {{40099999, 41150000}, {400, 410, 411}}};  // sub-MHz parts of the limits are dropped
    for (const auto& [limits, points] : cases) {
        EXPECT_EQ(powerPoints(limits), points) << limits.lower << "-" << limits.upper;
    }
    using C = PowerColumn;
    const std::tuple<C, const char*, const char*> commits[] = {
        {C::Low, "4", "155"},   {C::Low, "5", "5"},     {C::Low, "155", "155"},
        {C::Low, "156", "155"}, {C::High, "99", "250"}, {C::High, "100", "100"},
        {C::High, "251", "250"}};
    for (const auto& [column, typed, committed] : commits) {
        EXPECT_EQ(commitPowerText(column, typed), committed) << typed;
    }
}

TEST(PowerTable, CellsAndStoringOnlyTheShownRowsInsideTheTable) {
    MemoryImage image;
    for (std::size_t i = 0; i < 16; ++i) {
        image.set(map::kPowerTable + i, static_cast<std::uint8_t>(i * 10));
    }
    EXPECT_EQ(decodePowerTable(image, 6).back(), (PowerRow{"100", "110"}));
    EXPECT_EQ(decodePowerTable(image, 12).size(), 8u);
    MemoryImage six;
    encodePowerTable(six, {{" 180x", "300"}, {"", "-1"}, {"5", "100"}});
    EXPECT_EQ(bytesAt(six, 992, 7), (std::vector<int>{180, 300 & 0xFF, 0, 0xFF, 5, 100, 0xFF}));
    encodePowerTable(six, std::vector<PowerRow>(12, PowerRow{"7", "8"}));
    EXPECT_EQ(bytesAt(six, 1006, 3), (std::vector<int>{7, 8, 0xFF}));  // the call tone follows
}

// A choice stores the low byte of each index, no selection (-1) included, and nothing else.
TEST(ProductInfo, ChoiceStoresItsLowByte) {
    const std::tuple<ProductInfoValues, std::uint8_t, std::uint8_t> cases[] = {
        {{1, 2}, 1, 2}, {{-1, -1}, 0xFF, 0xFF}, {{256 + 3, 0}, 3, 0}};
    for (const auto& [chosen, type, band] : cases) {
        MemoryImage image;
        image.set(map::kRadioType - 1, 0x5A);
        encodeProductInfo(image, chosen);
        EXPECT_EQ(decodeProductInfo(image), (ProductInfoValues{type, band})) << chosen.typeIndex;
        EXPECT_EQ(image[map::kRadioType - 1], 0x5A);
    }
}

}  // namespace
}  // namespace radio
