#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "core/image/ImageMap.h"
#include "core/image/MemoryImage.h"
#include "core/settings/ProductInfo.h"

namespace radio {
namespace {

// What a choice stores, and what the stored bytes read back as.
TEST(ProductInfo, ChoiceStoresItsLowByte) {
    const struct {
        ProductInfoValues chosen;
        std::uint8_t type, band;
    } cases[] = {
        {{1, 2}, 1, 2},
        {{-1, -1}, 0xFF, 0xFF},  // no selection
        {{256 + 3, 0}, 3, 0},
    };
    for (const auto& c : cases) {
        MemoryImage image;
        image.set(map::kRadioType - 1, 0x5A);
        encodeProductInfo(image, c.chosen);
        EXPECT_EQ(image[map::kRadioType], c.type) << c.chosen.typeIndex;
        EXPECT_EQ(image[map::kBand], c.band) << c.chosen.bandIndex;
        EXPECT_EQ(image[map::kRadioType - 1], 0x5A);
        EXPECT_EQ(decodeProductInfo(image), (ProductInfoValues{c.type, c.band}));
    }
}

TEST(ProductInfo, TitleForms) {
    const struct {
        TitleForm form;
        Language language;
        std::string title;
    } cases[] = {
        {TitleForm::ImageLoaded, Language::English, "R Programming Software  [ Type:A  Fre:1-2 ]"},
        {TitleForm::ImageLoaded, Language::Chinese, "R 写频软件  [ 类型:A  频率:1-2 ]"},
        {TitleForm::ProductChosen, Language::Chinese, "R  [ Type:A  Fre:1-2 ]"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(mainWindowTitle(c.form, "R", "A", "1-2", c.language), c.title);
    }
}

}  // namespace
}  // namespace radio
