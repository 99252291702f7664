#include <gtest/gtest.h>

#include <cstddef>
#include <cstdint>
#include <limits>
#include <string>
#include <tuple>
#include <vector>

#include "core/image/ImageMap.h"
#include "core/image/MemoryImage.h"
#include "core/settings/ScanInfo.h"

namespace radio {
namespace {

// The nine bytes from the priority mode to the transmit dwell time.
MemoryImage scanImage(std::vector<std::uint8_t> bytes) {
    MemoryImage image;
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        image.set(map::kPriorityMode + i, bytes[i]);
    }
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
