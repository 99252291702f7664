#pragma once

#include <cstdint>
#include <optional>

#include "core/channels/ChannelFields.h"
#include "core/channels/ToneCodec.h"
#include "core/image/MemoryImage.h"
#include "core/text/Language.h"

namespace radio {

// Between the 16-byte channel records (channel n at n * 16, n = 1..16) plus the two scan-add
// bytes, and the grid's texts. Decoding uses the given language; encoding reads the texts of
// either language. Channel numbers outside 1..16 throw std::out_of_range.

// A channel's receive and transmit frequency; absent where its bytes hold none.
struct ChannelFrequencies {
    std::optional<std::int32_t> rx;
    std::optional<std::int32_t> tx;
};
ChannelFrequencies channelFrequencies(const MemoryImage& image, int channel);

// Both frequencies present.
bool channelInUse(const MemoryImage& image, int channel);

ChannelRow decodeChannel(const MemoryImage& image, int channel, Language language);

// Writes the record only; the scan-add bit is left to encodeChannels. Bits of the record
// that no field owns, and byte 15, keep their values. The power bit is always cleared.
void encodeChannel(MemoryImage& image, int channel, const ChannelRow& row);

// Copies the bits that hold one field of a channel (the scan-add bit for Scan Add) from
// another image: a field the user left alone keeps what the radio stored, even where the
// grid's encoder would write it differently.
void copyFieldBits(MemoryImage& image, const MemoryImage& from, int channel, ChannelField field);

// Writes the fields whose text differs between two rows of a channel, the scan-add bit
// included; every other bit of the record keeps what the radio stored.
void encodeChangedFields(MemoryImage& image, int channel, const ChannelRow& before,
                         const ChannelRow& after);

ChannelTable decodeChannels(const MemoryImage& image, Language language);

// Channels 1..16 in order, then both scan-add bytes rebuilt from the Scan Add texts.
void encodeChannels(MemoryImage& image, const ChannelTable& table);

}  // namespace radio
