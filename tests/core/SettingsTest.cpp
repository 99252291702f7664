#include <gtest/gtest.h>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <limits>
#include <optional>
#include <string>
#include <tuple>
#include <vector>

#include "core/image/ImageMap.h"
#include "core/image/MemoryImage.h"
#include "core/settings/OptionalFeatures.h"
#include "core/settings/ParamTable.h"
#include "core/settings/PowerTable.h"
#include "core/settings/ProductInfo.h"
#include "core/settings/ScanInfo.h"

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
    std::ranges::copy(stored, image.bytes(map::kParamAdjust, std::size(stored)).begin());
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

// The nine bytes from the priority mode to the transmit dwell time.
MemoryImage scanImage(std::vector<std::uint8_t> bytes) {
    MemoryImage image;
    std::ranges::copy(bytes, image.bytes(map::kPriorityMode, bytes.size()).begin());
    image.set(map::channelOffset(5) + 3, 0x44);  // channel 5 programmed
    return image;
}

TEST(ScanInfo, DecodeChannelTextAndRevertPerMode) {
    const std::tuple<std::uint8_t, std::string, int, std::size_t> cases[] = {
        {0, "", 3, 2},
        {1, "12", 3, 4},
        {2, "", 1, 2},    // code 3 is the second entry of the Selected list
        {7, "12", 3, 2},  // no list entry: text as Fixed, revert list as Selected
    };
    for (const auto& [mode, channelText, revertIndex, revertEntries] : cases) {
        const auto v = decodeScanInfo(scanImage({mode, 12, 1, 91, 3, 44, 1, 0, 0}));
        EXPECT_EQ(v.priorityChannelText, channelText) << int{mode};
        EXPECT_EQ(v.revertIndex, revertIndex) << int{mode};
        EXPECT_EQ(revertList(mode, Language::English).size(), revertEntries) << int{mode};
        EXPECT_DOUBLE_EQ(v.lookBackB, 5.0);
        EXPECT_EQ(v.dropoutDelay, 300);
    }
    EXPECT_EQ(decodeScanInfo(scanImage({1, 5})).priorityChannelText, " 5");
}

TEST(ScanInfo, LookBackSnapsSpinsAndStoresExactCounts) {
    constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
    const std::pair<double, double> snaps[] = {
        {0.57, 0.55}, {9, 5.0}, {0.2, 0.5}, {4.99, 4.95}, {kNaN, 0.5}};
    for (const auto& [typed, shown] : snaps) {
        EXPECT_NEAR(snapLookBack(typed), shown, 1e-12) << typed;
    }
    const std::tuple<double, int, double> spins[] = {
        {5.0, 1, 0.5}, {0.5, -1, 5.0}, {0.97, -1, 0.95}, {0.95, 1, 1.0}, {1.0, 0, 0.95}};
    for (const auto& [from, delta, to] : spins) {
        EXPECT_NEAR(spinLookBack(from, delta), to, 1e-12) << from << " " << delta;
    }
    // Plain double arithmetic truncates 0.5 - 0.45 times 20 to 0.
    const std::pair<double, int> counts[] = {
        {0.5, 1}, {0.95, 10}, {1.15, 14}, {5.0, 91}, {-3.0, 1}};
    for (const auto& [seconds, count] : counts) {
        MemoryImage image;
        const ScanInfoValues v{kPriorityNone, "", seconds, seconds};
        ASSERT_TRUE(encodeScanInfo(image, v, Language::English).ok());
        EXPECT_EQ(image[map::kLookBackA], count) << seconds;
        EXPECT_EQ(image[map::kLookBackB], count) << seconds;
    }
    for (int n = 1; n <= 91; ++n) {
        MemoryImage image = scanImage({0, 0, static_cast<std::uint8_t>(n)});
        ASSERT_TRUE(encodeScanInfo(image, decodeScanInfo(image), Language::English).ok());
        EXPECT_EQ(image[map::kLookBackA], n);
    }
}

TEST(ScanInfo, EncodeWritesBytesRefusesUnprogrammedPriorityChannelAndCountsSpinAndClamp) {
    const std::tuple<int, int, int> spins[] = {
        {300, 1, 0}, {0, -1, 300}, {10, 1, 11}, {std::numeric_limits<int>::max(), 1, 0}};
    for (const auto& [from, delta, to] : spins) {
        EXPECT_EQ(spinCount(from, delta), to) << from;
    }
    EXPECT_EQ(clampCount(-5), 0);
    EXPECT_EQ(clampCount(301), 300);
    MemoryImage image = scanImage({1, 9});
    // Mode, channel, look-back A and B, revert, drop-out delay and transmit dwell.
    ScanInfoValues v{kPriorityFixed, " 5", 0.5, 5.0, 3, 70000, 258};
    ASSERT_TRUE(encodeScanInfo(image, v, Language::English).ok());
    EXPECT_EQ(image, scanImage({1, 5, 1, 91, 3, 44, 1, 2, 1}));
    v = {kPrioritySelected, "", 0.5, 5.0, 1, 70000, -4};  // outside Fixed the channel byte stays
    ASSERT_TRUE(encodeScanInfo(image, v, Language::English).ok());
    EXPECT_EQ(image, scanImage({2, 5, 1, 91, 3, 44, 1, 0, 0}));
    image.set(map::channelOffset(6) + 3, 0x00);
    // Channel 17 is refused by its number even where its record would look programmed.
    image.set(map::channelOffset(17) + 3, 0x44);
    const MemoryImage before = image;
    for (const std::string text : {"17", "0", "", "ab", " 6", "7"}) {
        const auto status =
            encodeScanInfo(image, ScanInfoValues{kPriorityFixed, text}, Language::English);
        ASSERT_FALSE(status.ok()) << text;
        EXPECT_EQ(status.error(), "Please select channel inputed");
        EXPECT_EQ(image, before) << text;
    }
    image.set(map::channelOffset(16) + 3, 0x44);
    EXPECT_TRUE(
        encodeScanInfo(image, ScanInfoValues{kPriorityFixed, "16"}, Language::English).ok());
    EXPECT_EQ(image[map::kPriorityChannel], 16);
}

}  // namespace
}  // namespace radio
