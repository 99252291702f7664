#include "core/link/CloneProtocol.h"

#include <algorithm>

#include "core/image/ImageMap.h"

namespace radio::clone {

std::vector<Range> transferRanges(Direction direction, bool adjustmentUnlocked) {
    if (direction == Direction::Read || adjustmentUnlocked) {
        return {{0, map::kTransferEnd}};
    }
    return {{0, map::kWriteProtected},
            {map::kWriteProtectedEnd, map::kParamAdjust},
            {map::kParamAdjustEnd, map::kPowerTable},
            {map::kPowerTableEnd, map::kTransferEnd}};
}

void copyReadBytes(MemoryImage& into, const MemoryImage& read) {
    into.copyFrom(read, 0, map::kTransferEnd);
}

std::vector<Block> divideIntoBlocks(const std::vector<Range>& ranges) {
    std::vector<Block> blocks;
    for (const Range& range : ranges) {
        for (std::size_t address = range.start; address < range.end;) {
            std::size_t length =
                std::min(kMaxBlockLength - address % kMaxBlockLength, range.end - address);
            blocks.push_back({address, length});
            address += length;
        }
    }
    return blocks;
}

std::array<std::uint8_t, 4> blockCommand(std::uint8_t command, const Block& block) {
    return {command, static_cast<std::uint8_t>(block.address >> 8),
            static_cast<std::uint8_t>(block.address & 0xFF),
            static_cast<std::uint8_t>(block.length)};
}

}  // namespace radio::clone
