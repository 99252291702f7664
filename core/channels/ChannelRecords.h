#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/image/ImageMap.h"
#include "core/image/MemoryImage.h"

namespace radio {

// One channel byte for byte: its 16-byte record and its scan-add bit. A copy inside the
// program carries these, so that what no grid text shows (bits no field owns, byte 15, tones
// off the list, frequencies outside the band) travels with the channel.
struct ChannelRecord {
    std::array<std::uint8_t, map::kChannelRecordSize> bytes{};
    bool scanAdd = false;
    friend bool operator==(const ChannelRecord&, const ChannelRecord&) = default;
};

// Channel numbers outside 1..16 throw std::out_of_range.
ChannelRecord channelRecord(const MemoryImage& image, int channel);
void storeChannelRecord(MemoryImage& image, int channel, const ChannelRecord& record);

// Channels first..last (last before first throws std::out_of_range).
std::vector<ChannelRecord> copyChannelRecords(const MemoryImage& image, int first, int last);

// The records into channels first, first + 1, ...; those past channel 16 are left out.
void pasteChannelRecords(MemoryImage& image, int first, const std::vector<ChannelRecord>& records);

// The records as bytes for the clipboard: a magic, a version, the count (at most 16), then per
// channel its 16 bytes and a scan-add byte (0 or 1). Reading gives nullopt for anything else,
// so that foreign or cut-off data is never pasted.
std::string serializeChannelRecords(const std::vector<ChannelRecord>& records);
std::optional<std::vector<ChannelRecord>> parseChannelRecords(std::string_view data);

}  // namespace radio
