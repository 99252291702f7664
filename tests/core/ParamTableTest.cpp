#include <gtest/gtest.h>

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "core/image/ImageMap.h"
#include "core/image/MemoryImage.h"
#include "core/settings/ParamTable.h"

namespace radio {
namespace {

MemoryImage paramImage(std::vector<std::uint8_t> bytes) {
    MemoryImage image;
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        image.set(map::kParamAdjust + i, bytes[i]);
    }
    return image;
}

std::vector<int> areaBytes(const MemoryImage& image) {
    std::vector<int> bytes;
    for (std::size_t i = map::kParamAdjust; i < map::kParamAdjustEnd; ++i) {
        bytes.push_back(image[i]);
    }
    return bytes;
}

TEST(ParamTable, DecodeCorrectsAndStoresCorrected) {
    MemoryImage image = paramImage({9, 3, 0, 8, 2, 7, 7, 1, 200, 255, 0x03});
    const ParamAdjustValues v = decodeParamAdjust(image);
    const ParamCells expected{{{"0", "3"}, {"1", "1"}, {"2", "7"}, {"7", "1"}, {"200", "255"}}};
    EXPECT_EQ(v.cells, expected);
    EXPECT_TRUE(v.deEmphasis);
    EXPECT_TRUE(v.preEmphasis);
    encodeParamAdjust(image, v);
    EXPECT_EQ(areaBytes(image), (std::vector<int>{0, 3, 1, 1, 2, 7, 7, 1, 200, 255, 0x03}));
}

TEST(ParamTable, DisplayValue) {
    struct Case {
        int row;
        int stored;
        int shown;
    };
    const Case cases[] = {{0, 7, 7}, {0, 8, 0}, {2, 0, 0}, {2, 255, 0}, {1, 0, 1},
                          {1, 1, 1}, {3, 7, 7}, {3, 8, 1}, {4, 0, 0},   {4, 255, 255}};
    for (const Case& c : cases) {
        EXPECT_EQ(paramDisplayValue(c.row, c.stored), c.shown) << c.row << " " << c.stored;
    }
}

TEST(ParamTable, Commit) {
    struct Case {
        ParamEditor editor;
        std::string typed;
        std::string committed;
    };
    const Case cases[] = {
        {ParamEditor::Limit, "300", "0"},     {ParamEditor::Limit, "007", "007"},
        {ParamEditor::Limit, "255", "255"},   {ParamEditor::Limit, "", "0"},
        {ParamEditor::Limit, "-1", "0"},      {ParamEditor::ZeroToSeven, "8", "0"},
        {ParamEditor::ZeroToSeven, "0", "0"}, {ParamEditor::ZeroToSeven, "x", "0"},
        {ParamEditor::OneToSeven, "0", "1"},  {ParamEditor::OneToSeven, "7", "7"},
        {ParamEditor::OneToSeven, "", "1"},   {ParamEditor::OneToSeven, "9", "1"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(commitParamText(c.editor, c.typed), c.committed) << c.typed;
    }
}

TEST(ParamTable, TypedTextStoresItsValue) {
    MemoryImage image;
    ParamAdjustValues v = decodeParamAdjust(image);
    v.cells[4][1] = "007";
    encodeParamAdjust(image, v);
    EXPECT_EQ(image[985], 7);
}

TEST(ParamTable, EmphasisKeepsOtherBits) {
    MemoryImage image = paramImage({0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0xF3});
    ParamAdjustValues v = decodeParamAdjust(image);
    v.deEmphasis = false;
    encodeParamAdjust(image, v);
    EXPECT_EQ(image[map::kEmphasis], 0xF2);
    v.preEmphasis = false;
    v.deEmphasis = true;
    encodeParamAdjust(image, v);
    EXPECT_EQ(image[map::kEmphasis], 0xF1);
}

TEST(ParamTable, EditorsAndLabels) {
    EXPECT_EQ(paramEditor(0), ParamEditor::ZeroToSeven);
    EXPECT_EQ(paramEditor(1), ParamEditor::OneToSeven);
    EXPECT_EQ(paramEditor(2), ParamEditor::ZeroToSeven);
    EXPECT_EQ(paramEditor(3), ParamEditor::OneToSeven);
    EXPECT_EQ(paramEditor(4), ParamEditor::Limit);
    EXPECT_EQ(paramEditorList(ParamEditor::ZeroToSeven).size(), 8u);
    EXPECT_EQ(paramEditorList(ParamEditor::OneToSeven).front(), "1");
    EXPECT_TRUE(paramEditorList(ParamEditor::Limit).empty());
    EXPECT_EQ(paramRowLabels(Language::English).front(), "Audio inpput");
    EXPECT_EQ(paramRowLabels(Language::Chinese).back(), "调制限幅(0-255)");
}

}  // namespace
}  // namespace radio
