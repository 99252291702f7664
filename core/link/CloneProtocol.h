#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <vector>

#include "core/image/MemoryImage.h"

// The bytes and address ranges of the radio's clone protocol.
namespace radio::clone {

constexpr std::uint8_t kStx = 0x02;
constexpr std::uint8_t kAck = 0x06;
constexpr std::uint8_t kReadCommand = 0x52;   // 'R'
constexpr std::uint8_t kWriteCommand = 0x57;  // 'W'
constexpr std::array<std::uint8_t, 8> kWakeUp = {kStx, 'P', 'R', 'O', 'G', 'R', 'A', 'M'};
constexpr std::size_t kIdentificationLength = 8;
constexpr std::size_t kReadHeaderLength = 4;
constexpr std::size_t kMaxBlockLength = 8;

// Half-open range of image offsets [start, end).
struct Range {
    std::size_t start;
    std::size_t end;
    friend bool operator==(const Range&, const Range&) = default;
};

struct Block {
    std::size_t address;
    std::size_t length;
    friend bool operator==(const Block&, const Block&) = default;
};

enum class Direction { Read, Write };

// Reads always cover [0, 1009). A normal write skips the service areas (816..831, 976..986,
// 992..1007); after the access code was accepted a write covers [0, 1009) as well.
std::vector<Range> transferRanges(Direction direction, bool adjustmentUnlocked);

// Puts what a read brought into an image: the bytes a read covers, nothing else.
void copyReadBytes(MemoryImage& into, const MemoryImage& read);

// Blocks never cross an 8-byte boundary nor the end of their range.
std::vector<Block> divideIntoBlocks(const std::vector<Range>& ranges);

// The 4-byte block command: command, address high, address low, length.
std::array<std::uint8_t, 4> blockCommand(std::uint8_t command, const Block& block);

}  // namespace radio::clone
