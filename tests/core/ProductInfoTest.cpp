#include <gtest/gtest.h>

#include <cstdint>
#include <tuple>

#include "core/image/ImageMap.h"
#include "core/image/MemoryImage.h"
#include "core/settings/ProductInfo.h"

namespace radio {
namespace {

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
