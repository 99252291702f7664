#pragma once

#include "core/image/MemoryImage.h"

namespace radio {

// Moving blocks of channels in an image: each channel's 16-byte record and its scan-add bit
// travel together, byte for byte. A channel left empty gets what the grid writes when its
// receive cell is cleared: the record encoded from an empty row over the bytes that slot held
// (so byte 15 and the bits no field owns keep the slot's old values) and the scan-add bit
// cleared. A block is channels first..first + count - 1; a first outside 1..16, a count below
// 1 or a block reaching past channel 16 throws std::out_of_range.

// Channels from first on move down by count and the block becomes empty. Refused (false, the
// image untouched) when one of the last count channels holds a receive or transmit frequency,
// which would fall off the end.
bool insertChannels(MemoryImage& image, int first, int count);

// The block is removed: the channels below move up and the last count become empty.
void deleteChannels(MemoryImage& image, int first, int count);

// The block swaps places with the channel above (by = -1) or below (by = +1); false, the image
// untouched, when there is none. Any other by throws std::invalid_argument.
bool moveChannels(MemoryImage& image, int first, int count, int by);

// The block becomes empty.
void clearChannels(MemoryImage& image, int first, int count);

}  // namespace radio
