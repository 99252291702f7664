#include <gtest/gtest.h>

#include "core/channels/ChannelCodec.h"
#include "core/image/ImageDiff.h"
#include "core/image/ImageMap.h"
#include "core/image/NewImage.h"

namespace radio {
namespace {

TEST(ImageDiff, EqualImagesHaveNoDifference) {
    EXPECT_TRUE(diffImages(newDocumentImage(), newDocumentImage()).empty());
}

TEST(ImageDiff, DifferencesAreNamedAndOnlyUnnamedBytesAreRaw) {
    const MemoryImage first = newDocumentImage();
    MemoryImage second = first;
    ChannelTable table = decodeChannels(first, Language::English);
    table[2] = newChannelDefaults("440.00000", Language::English);
    encodeChannels(second, table);
    second.set(map::kTimeOutTimer, static_cast<std::uint8_t>(first[map::kTimeOutTimer] ^ 0x80));
    second.set(map::kPriorityMode, 1);
    second.set(map::kPowerTable + 3, 99);
    second.set(0x005, 0x12);
    second.set(0x006, 0x34);

    const std::vector<ImageDifference> found = diffImages(first, second);
    const auto has = [&](const std::string& what) {
        for (const ImageDifference& d : found) {
            if (d.what == what) {
                return true;
            }
        }
        return false;
    };
    EXPECT_TRUE(has("channel 3 Rx Frequency"));
    EXPECT_TRUE(has("channel 3 W/N"));
    EXPECT_TRUE(has("Priority"));
    EXPECT_TRUE(has("Power Adjustment row 2 High Power"));
    // Bit 7 of the time-out byte is shown by no page: raw, named by its address.
    EXPECT_TRUE(has("bytes 0x130"));
    EXPECT_TRUE(has("bytes 0x005-0x006"));
    for (const ImageDifference& d : found) {
        EXPECT_NE(d.what.find("0x01"), 0u) << d.what;  // the channel record is not repeated raw
        EXPECT_NE(d.what, "bytes 0x030-0x03F");
    }
    const std::string text = describeDifferences(found);
    EXPECT_NE(text.find("channel 3 Rx Frequency:  | 440.00000\n"), std::string::npos) << text;
    EXPECT_NE(text.find("bytes 0x005-0x006: "), std::string::npos) << text;
}

}  // namespace
}  // namespace radio
