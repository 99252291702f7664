#include <gtest/gtest.h>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "core/image/ImageMap.h"
#include "core/image/MemoryImage.h"
#include "core/settings/OptionalFeatures.h"

namespace radio {
namespace {

MemoryImage imageWith(std::size_t offset, std::uint8_t value) {
    MemoryImage image;
    image.set(offset, value);
    return image;
}

TEST(OptionalFeatures, ListsInOrder) {
    const auto tot = optionalFeaturesList(OptionalField::TimeOutTimer, Language::English);
    ASSERT_EQ(tot.size(), 40u);
    EXPECT_EQ(tot[3], "60s");
    EXPECT_EQ(tot.back(), "600s");
    EXPECT_EQ(optionalFeaturesList(OptionalField::TotPreAlert, Language::English).size(), 11u);
    EXPECT_EQ(optionalFeaturesList(OptionalField::CallTone, Language::Chinese)[16], "16");
    EXPECT_EQ(optionalFeaturesList(OptionalField::VoiceAnnunciation, Language::Chinese),
              (std::vector<std::string>{"关", "中文", "英文"}));
    EXPECT_EQ(optionalFeaturesList(OptionalField::CallKeyDefine, Language::English),
              (std::vector<std::string>{"Off", "Call", "Emergency Alert"}));
}

TEST(OptionalFeatures, DecodeSelections) {
    struct Case {
        std::size_t offset;
        std::uint8_t stored;
        std::optional<int> OptionalFeaturesValues::*member;
        std::optional<int> expected;
    };
    using V = OptionalFeaturesValues;
    const Case cases[] = {
        {map::kTimeOutTimer, 4, &V::timeOutTimer, 3},           // 60 s
        {map::kTimeOutTimer, 0x80 | 40, &V::timeOutTimer, 39},  // bit 7 is not ours
        {map::kTimeOutTimer, 41, &V::timeOutTimer, std::nullopt},
        {map::kTotPreAlert, 0xF1, &V::totPreAlert, 0},  // "Off"
        {map::kTotPreAlert, 9, &V::totPreAlert, 8},     // "8"
        {map::kSquelchLevel, 12, &V::squelchLevel, std::nullopt},
        {map::kSquelchLevel, 0x79, &V::squelchLevel, 9},
        {map::kVoxGainLevel, 0xF0, &V::voxGainLevel, 16},
        {map::kVoxDelayTime, 0xFD, &V::voxDelayTime, 5},
        {map::kVoxDelayTime, 6, &V::voxDelayTime, std::nullopt},
        {map::kCallTone, 16, &V::callTone, 16},
        {map::kCallTone, 0x90, &V::callTone, std::nullopt},  // whole byte, no mask
        {map::kVoiceAnnunciation, 2, &V::voiceAnnunciation, 2},
        {map::kVoiceAnnunciation, 7, &V::voiceAnnunciation, 0},  // falls back to "Off"
        {map::kCallKeyDefine, 1, &V::callKeyDefine, kCallKeyEmergencyAlert},
        {map::kCallKeyDefine, 2, &V::callKeyDefine, kCallKeyOff},
        {map::kCallKeyDefine, 0xFF, &V::callKeyDefine, kCallKeyOff},
    };
    for (const Case& c : cases) {
        const V values = decodeOptionalFeatures(imageWith(c.offset, c.stored));
        EXPECT_EQ(values.*c.member, c.expected)
            << "offset " << c.offset << " value " << int{c.stored};
    }
}

TEST(OptionalFeatures, EncodeFields) {
    struct Case {
        std::size_t offset;
        std::uint8_t before;
        std::optional<int> OptionalFeaturesValues::*member;
        std::optional<int> index;
        std::uint8_t after;
    };
    using V = OptionalFeaturesValues;
    const Case cases[] = {
        {map::kTimeOutTimer, 0x80, &V::timeOutTimer, 39, 0x80 | 40},  // 600 s keeps bit 7
        {map::kTimeOutTimer, 0xFF, &V::timeOutTimer, std::nullopt, 0x80},
        {map::kTotPreAlert, 0xA0, &V::totPreAlert, 10, 0xA0 | 11},  // "10"
        {map::kTotPreAlert, 0xFF, &V::totPreAlert, 0, 0xF1},        // "Off" is 1
        {map::kTotPreAlert, 0xFF, &V::totPreAlert, std::nullopt, 0xF0},
        {map::kSquelchLevel, 0xBC, &V::squelchLevel, std::nullopt, 0xB0},
        {map::kSquelchLevel, 0x50, &V::squelchLevel, 9, 0x59},
        {map::kVoxGainLevel, 0xFF, &V::voxGainLevel, 16, 0xF0},
        {map::kVoxDelayTime, 0xFF, &V::voxDelayTime, 0, 0xF8},
        {map::kCallTone, 0xFF, &V::callTone, std::nullopt, 0},
        {map::kVoiceAnnunciation, 0xFF, &V::voiceAnnunciation, std::nullopt, 0},
        {map::kCallKeyDefine, 0xFF, &V::callKeyDefine, kCallKeyEmergencyAlert, 1},
        {map::kCallKeyDefine, 0x00, &V::callKeyDefine, kCallKeyOff, 2},
        {map::kCallKeyDefine, 0x00, &V::callKeyDefine, std::nullopt, 2},
    };
    for (const Case& c : cases) {
        MemoryImage image = imageWith(c.offset, c.before);
        V values = decodeOptionalFeatures(image);
        values.*c.member = c.index;
        encodeOptionalFeatures(image, values);
        EXPECT_EQ(int{image[c.offset]}, int{c.after}) << "offset " << c.offset;
    }
}

TEST(OptionalFeatures, SwitchesUseBitZeroAndKeepTheOtherBits) {
    MemoryImage image = imageWith(map::kBeep, 0xFE);
    image.set(map::kBatterySaver, 0xA1);
    OptionalFeaturesValues values = decodeOptionalFeatures(image);
    EXPECT_FALSE(values.beep);
    EXPECT_TRUE(values.batterySaver);
    values.beep = true;
    values.batterySaver = false;
    encodeOptionalFeatures(image, values);
    EXPECT_EQ(image[map::kBeep], 0xFF);
    EXPECT_EQ(image[map::kBatterySaver], 0xA0);
}

TEST(OptionalFeatures, EncodeTouchesOnlyItsBytes) {
    MemoryImage image;
    for (std::size_t i = 0; i < MemoryImage::size(); ++i) {
        image.set(i, static_cast<std::uint8_t>(i * 7));
    }
    const MemoryImage before = image;
    encodeOptionalFeatures(image, decodeOptionalFeatures(image));
    const std::size_t own[] = {map::kVoiceAnnunciation, map::kTimeOutTimer, map::kTotPreAlert,
                               map::kSquelchLevel,      map::kBatterySaver, map::kBeep,
                               map::kVoxGainLevel,      map::kVoxDelayTime, map::kCallKeyDefine,
                               map::kCallTone};
    for (std::size_t i = 0; i < MemoryImage::size(); ++i) {
        if (std::find(std::begin(own), std::end(own), i) == std::end(own)) {
            ASSERT_EQ(image[i], before[i]) << "offset " << i;
        }
    }
}

}  // namespace
}  // namespace radio
