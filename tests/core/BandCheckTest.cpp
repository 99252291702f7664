#include <gtest/gtest.h>

#include <cstring>

#include "core/channels/BandCheck.h"
#include "core/image/ImageMap.h"

namespace radio {
namespace {

TEST(BandCheck, NamesChannelsWithAFrequencyOutsideTheBandInBothLanguages) {
    // Receive and transmit frequency of channels 1..6 (0: none); 3, 4 and 5 lie outside 144-148.
    const std::pair<std::int32_t, std::int32_t> channels[] = {
        {14400000, 14800000}, {0, 0},        {14399999, 14500000},
        {14500000, 14800001}, {0, 44600625}, {14600000, 0}};
    MemoryImage image;
    for (int channel = 1; const auto& [rx, tx] : channels) {
        const std::array<std::uint8_t, 4> record[] = {encodeFrequency(rx), encodeFrequency(tx)};
        std::memcpy(&image[map::channelOffset(channel++)], record, sizeof record);
    }
    const BandLimits vhf{14400000, 14800000};
    EXPECT_EQ(channelsOutsideBand(image, vhf), (std::vector<int>{3, 4, 5}));
    EXPECT_TRUE(channelsOutsideBand(image, {14399999, 44600625}).empty());
    EXPECT_EQ(outsideBandMessage({3, 4, 5}, vhf, Language::Chinese),
              "信道 3、4、5 不在频段 144-148 MHz 内。");
    EXPECT_EQ(outsideBandMessage({7}, vhf, Language::English),
              "Channel 7 lies outside the band 144-148 MHz.");
}

}  // namespace
}  // namespace radio
