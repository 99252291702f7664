#include "core/channels/ChannelRecords.h"

#include <algorithm>
#include <stdexcept>

namespace radio {
namespace {

constexpr std::string_view kMagic = "RPCH";
constexpr std::uint8_t kVersion = 1;
constexpr std::size_t kHeaderSize = kMagic.size() + 2;  // magic, version, count
constexpr std::size_t kEntrySize = map::kChannelRecordSize + 1;

void checkChannel(int channel) {
    map::checkedChannelOffset(channel);
}

}  // namespace

ChannelRecord channelRecord(const MemoryImage& image, int channel) {
    ChannelRecord record;
    const auto bytes = image.bytes(map::checkedChannelOffset(channel), map::kChannelRecordSize);
    std::copy(bytes.begin(), bytes.end(), record.bytes.begin());
    record.scanAdd = (image[map::scanAddOffset(channel)] & map::scanAddBit(channel)) != 0;
    return record;
}

void storeChannelRecord(MemoryImage& image, int channel, const ChannelRecord& record) {
    const auto bytes = image.bytes(map::checkedChannelOffset(channel), map::kChannelRecordSize);
    std::copy(record.bytes.begin(), record.bytes.end(), bytes.begin());
    const std::uint8_t bit = map::scanAddBit(channel);
    image.setBits(map::scanAddOffset(channel), bit, record.scanAdd ? bit : 0);
}

std::vector<ChannelRecord> copyChannelRecords(const MemoryImage& image, int first, int last) {
    checkChannel(first);
    checkChannel(last);
    if (last < first) {
        throw std::out_of_range("a channel range that ends before it starts");
    }
    std::vector<ChannelRecord> records;
    for (int channel = first; channel <= last; ++channel) {
        records.push_back(channelRecord(image, channel));
    }
    return records;
}

void pasteChannelRecords(MemoryImage& image, int first, const std::vector<ChannelRecord>& records) {
    checkChannel(first);
    int channel = first;
    for (const ChannelRecord& record : records) {
        if (channel > map::kChannelCount) {
            return;
        }
        storeChannelRecord(image, channel++, record);
    }
}

std::string serializeChannelRecords(const std::vector<ChannelRecord>& records) {
    if (records.size() > static_cast<std::size_t>(map::kChannelCount)) {
        throw std::out_of_range("more records than channels");
    }
    std::string data(kMagic);
    data += static_cast<char>(kVersion);
    data += static_cast<char>(records.size());
    for (const ChannelRecord& record : records) {
        data.append(record.bytes.begin(), record.bytes.end());
        data += static_cast<char>(record.scanAdd ? 1 : 0);
    }
    return data;
}

std::optional<std::vector<ChannelRecord>> parseChannelRecords(std::string_view data) {
    if (data.size() < kHeaderSize || data.substr(0, kMagic.size()) != kMagic ||
        static_cast<std::uint8_t>(data[kMagic.size()]) != kVersion) {
        return std::nullopt;
    }
    const auto count = static_cast<std::uint8_t>(data[kMagic.size() + 1]);
    if (count > map::kChannelCount || data.size() != kHeaderSize + count * kEntrySize) {
        return std::nullopt;
    }
    std::vector<ChannelRecord> records(count);
    for (std::size_t i = 0; i < count; ++i) {
        const std::string_view entry = data.substr(kHeaderSize + i * kEntrySize, kEntrySize);
        const auto scanAdd = static_cast<std::uint8_t>(entry.back());
        if (scanAdd > 1) {
            return std::nullopt;
        }
        std::transform(entry.begin(), entry.end() - 1, records[i].bytes.begin(),
                       [](char c) { return static_cast<std::uint8_t>(c); });
        records[i].scanAdd = scanAdd == 1;
    }
    return records;
}

}  // namespace radio
