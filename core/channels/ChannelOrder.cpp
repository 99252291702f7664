#include "core/channels/ChannelOrder.h"

#include <algorithm>
#include <stdexcept>
#include <vector>

#include "core/channels/ChannelCodec.h"
#include "core/channels/ChannelRecords.h"
#include "core/image/ImageMap.h"

namespace radio {
namespace {

using Records = std::vector<ChannelRecord>;

// Where a block's first channel and its end stand in the list of all 16 records.
struct Block {
    std::ptrdiff_t begin;
    std::ptrdiff_t end;
};

Block checkedBlock(int first, int count) {
    if (first < 1 || count < 1 || first + count - 1 > map::kChannelCount) {
        throw std::out_of_range("channel block outside 1..16");
    }
    return {first - 1, first - 1 + count};
}

Records allRecords(const MemoryImage& image) {
    return copyChannelRecords(image, 1, map::kChannelCount);
}

void storeAll(MemoryImage& image, const Records& records) {
    pasteChannelRecords(image, 1, records);
}

ChannelRecord emptied(const ChannelRecord& record) {
    MemoryImage scratch;
    storeChannelRecord(scratch, 1, record);
    encodeChannel(scratch, 1, ChannelRow{});
    ChannelRecord empty = channelRecord(scratch, 1);
    empty.scanAdd = false;
    return empty;
}

bool holdsFrequency(const MemoryImage& image, int channel) {
    const ChannelFrequencies frequencies = channelFrequencies(image, channel);
    return frequencies.rx || frequencies.tx;
}

// The records of slots from..to - 1 as that slot would hold them emptied.
void emptySlots(Records& moved, const Records& before, std::ptrdiff_t from, std::ptrdiff_t to) {
    for (std::ptrdiff_t slot = from; slot < to; ++slot) {
        const auto at = static_cast<std::size_t>(slot);
        moved[at] = emptied(before[at]);
    }
}

}  // namespace

bool insertChannels(MemoryImage& image, int first, int count) {
    const Block block = checkedBlock(first, count);
    for (int channel = map::kChannelCount - count + 1; channel <= map::kChannelCount; ++channel) {
        if (holdsFrequency(image, channel)) {
            return false;  // it would fall off the end
        }
    }
    const Records before = allRecords(image);
    const auto falling = before.end() - (block.end - block.begin);
    Records moved = before;
    std::copy(before.begin() + block.begin, falling, moved.begin() + block.end);
    emptySlots(moved, before, block.begin, block.end);
    storeAll(image, moved);
    return true;
}

void deleteChannels(MemoryImage& image, int first, int count) {
    const Block block = checkedBlock(first, count);
    const Records before = allRecords(image);
    Records moved = before;
    const auto rest =
        std::copy(before.begin() + block.end, before.end(), moved.begin() + block.begin);
    emptySlots(moved, before, rest - moved.begin(), map::kChannelCount);
    storeAll(image, moved);
}

bool moveChannels(MemoryImage& image, int first, int count, int by) {
    const Block block = checkedBlock(first, count);
    if (by != -1 && by != 1) {
        throw std::invalid_argument("channels move by one place up or down");
    }
    if ((by < 0 && block.begin == 0) || (by > 0 && block.end == map::kChannelCount)) {
        return false;
    }
    Records records = allRecords(image);
    const auto begin = records.begin();
    if (by < 0) {  // the channel above goes below the block
        std::rotate(begin + block.begin - 1, begin + block.begin, begin + block.end);
    } else {  // the channel below goes above it
        std::rotate(begin + block.begin, begin + block.end, begin + block.end + 1);
    }
    storeAll(image, records);
    return true;
}

void clearChannels(MemoryImage& image, int first, int count) {
    const Block block = checkedBlock(first, count);
    Records records = allRecords(image);
    emptySlots(records, records, block.begin, block.end);
    storeAll(image, records);
}

}  // namespace radio
