#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "core/channels/ChannelCodec.h"
#include "core/channels/ChannelOrder.h"
#include "core/channels/ChannelRecords.h"
#include "core/image/ImageMap.h"
#include "core/image/NewImage.h"

namespace radio {
namespace {

// Channels 1..12 are 'a'..'l', each record filled with its own byte (a frequency present)
// and the odd ones scanned; 13..16 are empty.
ChannelRecord lettered(int channel) {
    ChannelRecord record;
    record.bytes.fill(static_cast<std::uint8_t>(0x10 + channel));
    record.scanAdd = channel % 2 == 1;
    return record;
}

MemoryImage letteredImage() {
    MemoryImage image = newDocumentImage();
    for (int channel = 1; channel <= 12; ++channel) {
        storeChannelRecord(image, channel, lettered(channel));
    }
    return image;
}

// Each slot as a letter of the channel it holds, '-' for an untouched empty record and
// '.' for the slot emptied as clearing its receive cell in the grid does.
std::string layout(const MemoryImage& image) {
    const MemoryImage base = letteredImage();
    std::string letters;
    for (int slot = 1; slot <= map::kChannelCount; ++slot) {
        const ChannelRecord record = channelRecord(image, slot);
        MemoryImage cleared = base;
        encodeChannel(cleared, slot, ChannelRow{});
        cleared.setBits(map::scanAddOffset(slot), map::scanAddBit(slot), 0);
        char letter = record == channelRecord(newDocumentImage(), slot) ? '-' : '?';
        letter = record == channelRecord(cleared, slot) ? '.' : letter;
        for (int channel = 1; channel <= 12; ++channel) {
            letter = record == lettered(channel) ? static_cast<char>('a' + channel - 1) : letter;
        }
        letters += letter;
    }
    return letters;
}

TEST(ChannelOrder, RecordsAndScanBitsMoveTogether) {
    using Op = std::function<bool(MemoryImage&)>;
    // clang-format off
    const std::tuple<const char*, Op, bool, std::string> cases[] = {
        {"insert 3,2", [](MemoryImage& i) { return insertChannels(i, 3, 2); }, true, "ab..cdefghijkl--"},
        {"insert 1,4", [](MemoryImage& i) { return insertChannels(i, 1, 4); }, true, "....abcdefghijkl"},
        {"insert 1,5", [](MemoryImage& i) { return insertChannels(i, 1, 5); }, false, "abcdefghijkl----"},
        {"delete 3,2", [](MemoryImage& i) { deleteChannels(i, 3, 2); return true; }, true, "abefghijkl----.."},
        {"move 3,2 up", [](MemoryImage& i) { return moveChannels(i, 3, 2, -1); }, true, "acdbefghijkl----"},
        {"move 3,2 down", [](MemoryImage& i) { return moveChannels(i, 3, 2, +1); }, true, "abecdfghijkl----"},
        {"move 1 up", [](MemoryImage& i) { return moveChannels(i, 1, 1, -1); }, false, "abcdefghijkl----"},
        {"move 15,2 down", [](MemoryImage& i) { return moveChannels(i, 15, 2, +1); }, false, "abcdefghijkl----"},
        {"clear 2,3", [](MemoryImage& i) { clearChannels(i, 2, 3); return true; }, true, "a...efghijkl----"},
    };
    // clang-format on
    for (const auto& [name, op, accepted, letters] : cases) {
        MemoryImage image = letteredImage();
        EXPECT_EQ(op(image), accepted) << name;
        EXPECT_EQ(layout(image), letters) << name;
        // Nothing but the records and the scan bits changes.
        MemoryImage others = letteredImage();
        others.copyFrom(image, map::kChannelArea, map::kChannelAreaEnd - map::kChannelArea);
        others.copyFrom(image, map::kScanAddLow, 1);
        others.copyFrom(image, map::kScanAddHigh, 1);
        EXPECT_EQ(image, others) << name;
    }
    MemoryImage image = letteredImage();
    EXPECT_THROW(insertChannels(image, 0, 1), std::out_of_range);
    EXPECT_THROW(deleteChannels(image, 16, 2), std::out_of_range);
    EXPECT_THROW(clearChannels(image, 1, 0), std::out_of_range);
    EXPECT_THROW(moveChannels(image, 2, 1, 2), std::invalid_argument);
}

TEST(ChannelRecords, CopiesTravelByteForByteAndForeignDataIsRefused) {
    const std::vector<ChannelRecord> records = copyChannelRecords(letteredImage(), 10, 13);
    const std::string data = serializeChannelRecords(records);
    EXPECT_EQ(parseChannelRecords(data), records);
    MemoryImage image = newDocumentImage();
    pasteChannelRecords(image, 14, *parseChannelRecords(data));  // the fourth falls off
    EXPECT_EQ(copyChannelRecords(image, 14, 16), copyChannelRecords(letteredImage(), 10, 12));
    EXPECT_EQ(image[map::kScanAddHigh], 0x40);  // 11 went to 15, 10 and 12 unscanned
    std::string wrongFlag = data;
    wrongFlag.back() = 2;
    const std::string refused[] = {"",
                                   data.substr(0, data.size() - 1),
                                   data + '\0',
                                   "XPCH" + data.substr(4),
                                   data.substr(0, 4) + '\2' + data.substr(5),
                                   data.substr(0, 5) + '\5' + data.substr(6),
                                   wrongFlag};
    for (const std::string& foreign : refused) {
        EXPECT_EQ(parseChannelRecords(foreign), std::nullopt) << foreign.size();
    }
    EXPECT_THROW(copyChannelRecords(image, 3, 2), std::out_of_range);
}

}  // namespace
}  // namespace radio
