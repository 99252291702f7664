#include <gtest/gtest.h>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <tuple>

#include "core/image/ImageMap.h"
#include "core/image/MemoryImage.h"
#include "core/settings/OptionalFeatures.h"

namespace radio {
namespace {

using V = OptionalFeaturesValues;

// Each list field: the stored byte it decodes to an index, and what an index stores back
// beside the bits the field does not own.
TEST(OptionalFeatures, ListFieldsDecodeAndEncodeTheirBits) {
    using Index = std::optional<int>;
    // clang-format off
    const std::tuple<std::size_t, Index V::*, std::uint8_t, Index, std::uint8_t, Index, std::uint8_t> cases[] = {
        {map::kTimeOutTimer, &V::timeOutTimer, 0x80 | 40, 39, 0x80, 39, 0x80 | 40},  // bit 7 kept
        {map::kTimeOutTimer, &V::timeOutTimer, 41, std::nullopt, 0xFF, std::nullopt, 0x80},
        {map::kTotPreAlert, &V::totPreAlert, 0xF1, 0, 0xFF, 0, 0xF1},  // "Off" is 1
        {map::kTotPreAlert, &V::totPreAlert, 9, 8, 0xA0, 10, 0xA0 | 11},
        {map::kSquelchLevel, &V::squelchLevel, 0x79, 9, 0xBC, std::nullopt, 0xB0},
        {map::kVoxGainLevel, &V::voxGainLevel, 0xF0, 16, 0xFF, 16, 0xF0},
        {map::kVoxDelayTime, &V::voxDelayTime, 6, std::nullopt, 0xFF, 0, 0xF8},
        {map::kCallTone, &V::callTone, 0x90, std::nullopt, 0xFF, std::nullopt, 0},  // no mask
        {map::kVoiceAnnunciation, &V::voiceAnnunciation, 7, 0, 0xFF, std::nullopt, 0},
        {map::kCallKeyDefine, &V::callKeyDefine, 1, kCallKeyEmergencyAlert, 0xFF, kCallKeyEmergencyAlert, 1},
        {map::kCallKeyDefine, &V::callKeyDefine, 0xFF, kCallKeyOff, 0x00, std::nullopt, 2}};
    // clang-format on
    for (const auto& [offset, member, stored, decoded, before, index, after] : cases) {
        MemoryImage image;
        image.set(offset, stored);
        EXPECT_EQ(decodeOptionalFeatures(image).*member, decoded) << "offset " << offset;
        image.set(offset, before);
        V values = decodeOptionalFeatures(image);
        values.*member = index;
        encodeOptionalFeatures(image, values);
        EXPECT_EQ(int{image[offset]}, int{after}) << "offset " << offset;
    }
}

TEST(OptionalFeatures, SwitchesUseBitZeroAndEncodeTouchesOnlyItsBytes) {
    MemoryImage image;
    for (std::size_t i = 0; i < MemoryImage::size(); ++i) {
        image.set(i, static_cast<std::uint8_t>(i * 7));
    }
    image.set(map::kBeep, 0xFE);
    image.set(map::kBatterySaver, 0xA1);
    const MemoryImage before = image;
    V values = decodeOptionalFeatures(image);
    EXPECT_FALSE(values.beep);
    EXPECT_TRUE(values.batterySaver);
    encodeOptionalFeatures(image, values);
    const std::size_t own[] = {map::kVoiceAnnunciation, map::kTimeOutTimer, map::kTotPreAlert,
                               map::kSquelchLevel,      map::kBatterySaver, map::kBeep,
                               map::kVoxGainLevel,      map::kVoxDelayTime, map::kCallKeyDefine,
                               map::kCallTone};
    for (std::size_t i = 0; i < MemoryImage::size(); ++i) {
        if (std::ranges::find(own, i) == std::end(own)) {
            ASSERT_EQ(image[i], before[i]) << "offset " << i;
        }
    }
    values.beep = true;
    values.batterySaver = false;
    encodeOptionalFeatures(image, values);
    EXPECT_EQ(image[map::kBeep], 0xFF);
    EXPECT_EQ(image[map::kBatterySaver], 0xA0);
}

}  // namespace
}  // namespace radio
