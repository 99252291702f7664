#include <gtest/gtest.h>

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <limits>
#include <string>
#include <vector>

#include "core/image/ImageMap.h"
#include "core/image/MemoryImage.h"
#include "core/settings/ScanInfo.h"

namespace radio {
namespace {

MemoryImage scanImage(std::vector<std::uint8_t> bytes352) {
    MemoryImage image;
    for (std::size_t i = 0; i < bytes352.size(); ++i) {
        image.set(map::kPriorityMode + i, bytes352[i]);
    }
    return image;
}

void programChannel(MemoryImage& image, int channel) {
    image.set(map::channelOffset(channel) + 3, 0x44);
}

std::vector<int> scanBytes(const MemoryImage& image) {
    std::vector<int> bytes;
    for (std::size_t i = map::kPriorityMode; i <= map::kTxDwellTime + 1; ++i) {
        bytes.push_back(image[i]);
    }
    return bytes;
}

ScanInfoValues fixedValues(std::string channel) {
    ScanInfoValues v;
    v.priorityMode = kPriorityFixed;
    v.priorityChannelText = std::move(channel);
    return v;
}

TEST(ScanInfo, DecodeFixed) {
    const auto v = decodeScanInfo(scanImage({1, 5, 1, 91, 3, 44, 1, 0, 0}));
    EXPECT_EQ(v.priorityMode, kPriorityFixed);
    EXPECT_EQ(v.priorityChannelText, " 5");
    EXPECT_DOUBLE_EQ(v.lookBackA, 0.5);
    EXPECT_DOUBLE_EQ(v.lookBackB, 5.0);
    EXPECT_EQ(v.revertIndex, 3);
    EXPECT_EQ(revertList(v.priorityMode, Language::English)[3], "Priority+Talk back");
    EXPECT_EQ(v.dropoutDelay, 300);
    EXPECT_EQ(v.txDwell, 0);
}

TEST(ScanInfo, DecodeChannelTextAndRevertPerMode) {
    struct Case {
        std::uint8_t mode;
        std::string channelText;
        int revertIndex;
        std::size_t revertEntries;
    };
    const Case cases[] = {
        {0, "", 3, 2},
        {1, "12", 3, 4},
        {2, "", 1, 2},    // code 3 is the second entry of the Selected list
        {7, "12", 3, 2},  // no list entry: text as Fixed, revert list as Selected
    };
    for (const Case& c : cases) {
        const auto v = decodeScanInfo(scanImage({c.mode, 12, 1, 1, 3, 0, 0, 0, 0}));
        EXPECT_EQ(v.priorityChannelText, c.channelText) << int{c.mode};
        EXPECT_EQ(v.revertIndex, c.revertIndex) << int{c.mode};
        EXPECT_EQ(revertList(c.mode, Language::English).size(), c.revertEntries) << int{c.mode};
    }
    EXPECT_EQ(revertList(kPrioritySelected, Language::English)[1], "Priority+Talk back");
    EXPECT_EQ(revertList(kPriorityNone, Language::Chinese),
              (std::vector<std::string>{"选定", "选定+当前通话"}));
}

TEST(ScanInfo, SnapOnFocusLoss) {
    struct Case {
        double typed;
        double shown;
    };
    const Case cases[] = {{0.57, 0.55}, {9, 5.0},
                          {0.2, 0.5},   {5.0, 5.0},
                          {0.5, 0.5},   {1.15, 1.15},
                          {0.7, 0.7},   {4.99, 4.95},
                          {-1, 0.5},    {std::numeric_limits<double>::quiet_NaN(), 0.5}};
    for (const Case& c : cases) {
        EXPECT_NEAR(snapLookBack(c.typed), c.shown, 1e-12) << c.typed;
    }
}

TEST(ScanInfo, SpinLookBack) {
    struct Case {
        double from;
        int delta;
        double to;
    };
    const Case cases[] = {
        {5.0, 1, 0.5},    {0.5, -1, 5.0},  {0.5, 1, 0.55}, {1.0, -1, 0.95},
        {0.97, -1, 0.95}, {0.95, 1, 1.0},  {0.2, 1, 0.5},  {9.0, -1, 5.0},
        {4.95, 1, 5.0},   {0.55, -1, 0.5}, {1.0, 0, 0.95},  // any change other than +1 goes down
    };
    for (const Case& c : cases) {
        EXPECT_NEAR(spinLookBack(c.from, c.delta), c.to, 1e-12) << c.from << " " << c.delta;
    }
}

TEST(ScanInfo, SpinAndClampCounts) {
    EXPECT_EQ(spinCount(300, 1), 0);
    EXPECT_EQ(spinCount(0, -1), 300);
    EXPECT_EQ(spinCount(10, 1), 11);
    EXPECT_EQ(spinCount(10, -1), 9);
    EXPECT_EQ(spinCount(std::numeric_limits<int>::max(), 1), 0);
    EXPECT_EQ(spinCount(std::numeric_limits<int>::min(), -1), 300);
    EXPECT_EQ(clampCount(-5), 0);
    EXPECT_EQ(clampCount(301), 300);
    EXPECT_EQ(clampCount(150), 150);
}

TEST(ScanInfo, RefusesUnprogrammedPriorityChannel) {
    MemoryImage image = scanImage({1, 5, 1, 91, 3, 44, 1, 0, 0});
    programChannel(image, 5);
    image.set(map::channelOffset(6) + 3, 0x00);
    // Channel 17 is refused by its number even where its record would look programmed.
    image.set(map::channelOffset(17) + 3, 0x44);
    const MemoryImage before = image;
    for (const std::string text : {"17", "0", "", "ab", " 6", "7"}) {
        const auto status = encodeScanInfo(image, fixedValues(text), Language::English);
        ASSERT_FALSE(status.ok()) << text;
        EXPECT_EQ(status.error(), "Please select channel inputed");
        EXPECT_EQ(image, before) << text;
    }
    EXPECT_EQ(encodeScanInfo(image, fixedValues("9"), Language::Chinese).error(),
              "请选择已输入的信道");
    EXPECT_TRUE(encodeScanInfo(image, fixedValues(" 5"), Language::English).ok());
    EXPECT_EQ(image[map::kPriorityChannel], 5);
    programChannel(image, 16);
    EXPECT_TRUE(encodeScanInfo(image, fixedValues("16"), Language::English).ok());
    EXPECT_EQ(image[map::kPriorityChannel], 16);
}

TEST(ScanInfo, EncodeWritesBytes) {
    MemoryImage image;
    programChannel(image, 5);
    ScanInfoValues v = fixedValues(" 5");
    v.lookBackA = 0.5;
    v.lookBackB = 5.0;
    v.revertIndex = 3;
    v.dropoutDelay = 300;
    v.txDwell = 258;
    ASSERT_TRUE(encodeScanInfo(image, v, Language::English).ok());
    EXPECT_EQ(scanBytes(image), (std::vector<int>{1, 5, 1, 91, 3, 44, 1, 2, 1}));
    EXPECT_EQ(decodeScanInfo(image).txDwell, 258);
}

TEST(ScanInfo, EncodeOutsideFixedLeavesChannelByte) {
    MemoryImage image = scanImage({1, 9});
    ScanInfoValues v;
    v.priorityMode = kPrioritySelected;
    v.priorityChannelText = "";
    v.revertIndex = 1;
    ASSERT_TRUE(encodeScanInfo(image, v, Language::English).ok());
    EXPECT_EQ(image[map::kPriorityMode], 2);
    EXPECT_EQ(image[map::kPriorityChannel], 9);
    EXPECT_EQ(image[map::kRevertChannel], 3);
    v.priorityMode = kPriorityNone;
    ASSERT_TRUE(encodeScanInfo(image, v, Language::English).ok());
    EXPECT_EQ(image[map::kRevertChannel], 1);
}

TEST(ScanInfo, LookBackCountsAreExact) {
    struct Case {
        double seconds;
        int count;
    };
    // Plain double arithmetic truncates 0.5 - 0.45 times 20 to 0.
    const Case cases[] = {{0.5, 1},  {0.7, 5},  {0.95, 10}, {1.15, 14}, {5.0, 91},
                          {0.57, 2}, {9.0, 91}, {0.2, 1},   {-3.0, 1}};
    for (const Case& c : cases) {
        MemoryImage image;
        ScanInfoValues v;
        v.lookBackA = c.seconds;
        v.lookBackB = c.seconds;
        ASSERT_TRUE(encodeScanInfo(image, v, Language::English).ok());
        EXPECT_EQ(image[map::kLookBackA], c.count) << c.seconds;
        EXPECT_EQ(image[map::kLookBackB], c.count) << c.seconds;
    }
}

TEST(ScanInfo, EncodeClampsCountsConfirmedWithoutFocusLoss) {
    MemoryImage image;
    ScanInfoValues v;
    v.dropoutDelay = 70000;
    v.txDwell = -4;
    ASSERT_TRUE(encodeScanInfo(image, v, Language::English).ok());
    EXPECT_EQ(decodeScanInfo(image).dropoutDelay, 300);
    EXPECT_EQ(decodeScanInfo(image).txDwell, 0);
}

TEST(ScanInfo, RoundTripEveryCount) {
    for (int n = 1; n <= 91; ++n) {
        MemoryImage image = scanImage({0, 0, static_cast<std::uint8_t>(n), 0, 0, 0, 0, 0, 0});
        const ScanInfoValues v = decodeScanInfo(image);
        ASSERT_TRUE(encodeScanInfo(image, v, Language::English).ok());
        EXPECT_EQ(image[map::kLookBackA], n);
        EXPECT_DOUBLE_EQ(snapLookBack(v.lookBackA), v.lookBackA) << n;
    }
}

}  // namespace
}  // namespace radio
