#include "core/channels/ChannelCodec.h"

#include <optional>
#include <stdexcept>
#include <string_view>
#include <utility>

#include "core/channels/Frequency.h"
#include "core/image/ImageMap.h"
#include "core/text/Texts.h"
#include "core/util/CRuntimeText.h"

namespace radio {

namespace {

// Offsets within a channel record.
constexpr std::size_t kRxFrequency = 0;
constexpr std::size_t kTxFrequency = 4;
constexpr std::size_t kDecodeTone = 8;
constexpr std::size_t kEncodeTone = 10;
constexpr std::size_t kBusyLock = 12;
constexpr std::size_t kPowerBandwidth = 13;
constexpr std::size_t kCompandScrambler = 14;

constexpr std::uint8_t kBusyLockMask = 0x18;
constexpr std::uint8_t kBusyLockCarrier = 0x08;
constexpr std::uint8_t kBusyLockQtDqt = 0x10;
constexpr std::uint8_t kPowerHigh = 0x20;
constexpr std::uint8_t kWide = 0x10;
constexpr std::uint8_t kCompandOff = 0x10;
constexpr std::uint8_t kScramblerMask = 0x0F;
constexpr int kScramblerCount = 8;

using map::scanAddBit;
using map::scanAddOffset;

// Encoding takes a field's text in either language.
bool isText(std::string_view value, TextId id) {
    return value == text(id, Language::English) || value == text(id, Language::Chinese);
}

std::string textOf(TextId id, Language language) {
    return std::string(text(id, language));
}

std::optional<std::int32_t> frequencyAt(const MemoryImage& image, std::size_t offset) {
    return decodeFrequency(image.bytes(offset, 4).first<4>());
}

ToneWord toneAt(const MemoryImage& image, std::size_t offset) {
    return {image[offset], image[offset + 1]};
}

void storeFrequency(MemoryImage& image, std::size_t offset, std::string_view value) {
    const auto bytes = encodeFrequency(parseFrequency(value));
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        image.set(offset + i, bytes[i]);
    }
}

void storeTone(MemoryImage& image, std::size_t offset, std::string_view value) {
    const ToneWord word = encodeTone(value);
    image.set(offset, word.low);
    image.set(offset + 1, word.high);
}

std::string busyLockText(std::uint8_t byte, Language language) {
    switch (byte & kBusyLockMask) {
        case 0:
            return textOf(TextId::Off, language);
        case kBusyLockCarrier:
            return textOf(TextId::Carrier, language);
        default:
            return textOf(TextId::QtDqt, language);
    }
}

std::uint8_t busyLockBits(std::string_view value) {
    if (isText(value, TextId::Off)) {
        return 0;
    }
    return isText(value, TextId::Carrier) ? kBusyLockCarrier : kBusyLockQtDqt;
}

std::string scramblerText(std::uint8_t byte, Language language) {
    const int number = byte & kScramblerMask;
    if (number == 0) {
        return textOf(TextId::Off, language);
    }
    return number <= kScramblerCount ? std::to_string(number) : std::string();
}

std::uint8_t scramblerBits(std::string_view value) {
    if (isText(value, TextId::Off)) {
        return 0;
    }
    return static_cast<std::uint8_t>(leadingInt(value) & kScramblerMask);
}

// Channels 9..16 show a set bit even when empty; channels 1..8 do not.
std::string scanAddText(const MemoryImage& image, int channel, bool inUse, Language language) {
    const bool set = (image[scanAddOffset(channel)] & scanAddBit(channel)) != 0;
    if (set && (inUse || channel > 8)) {
        return textOf(TextId::Yes, language);
    }
    return inUse ? textOf(TextId::No, language) : std::string();
}

}  // namespace

ChannelFrequencies channelFrequencies(const MemoryImage& image, int channel) {
    const std::size_t base = map::checkedChannelOffset(channel);
    return {frequencyAt(image, base + kRxFrequency), frequencyAt(image, base + kTxFrequency)};
}

bool channelInUse(const MemoryImage& image, int channel) {
    const ChannelFrequencies frequencies = channelFrequencies(image, channel);
    return frequencies.rx && frequencies.tx;
}

ChannelRow decodeChannel(const MemoryImage& image, int channel, Language language) {
    const std::size_t base = map::checkedChannelOffset(channel);
    const auto [rx, tx] = channelFrequencies(image, channel);
    const bool inUse = rx && tx;

    ChannelRow row;
    const auto set = [&row](ChannelField field, std::string value) {
        row[fieldIndex(field)] = std::move(value);
    };
    set(ChannelField::RxFrequency, rx ? formatFrequency(*rx) : std::string());
    set(ChannelField::TxFrequency, tx ? formatFrequency(*tx) : std::string());
    set(ChannelField::DecodeTone, decodeTone(toneAt(image, base + kDecodeTone), inUse, language));
    set(ChannelField::EncodeTone, decodeTone(toneAt(image, base + kEncodeTone), inUse, language));
    set(ChannelField::ScanAdd, scanAddText(image, channel, inUse, language));
    if (inUse) {
        const std::uint8_t powerBandwidth = image[base + kPowerBandwidth];
        const std::uint8_t compandScrambler = image[base + kCompandScrambler];
        set(ChannelField::Power,
            textOf((powerBandwidth & kPowerHigh) ? TextId::High : TextId::Low, language));
        set(ChannelField::BusyLock, busyLockText(image[base + kBusyLock], language));
        set(ChannelField::WideNarrow,
            textOf((powerBandwidth & kWide) ? TextId::Wide : TextId::Narrow, language));
        set(ChannelField::Compand,
            textOf((compandScrambler & kCompandOff) ? TextId::Off : TextId::On, language));
        set(ChannelField::Scrambler, scramblerText(compandScrambler, language));
    }
    return row;
}

void encodeChannel(MemoryImage& image, int channel, const ChannelRow& row) {
    const std::size_t base = map::checkedChannelOffset(channel);
    const auto field = [&row](ChannelField f) -> std::string_view { return row[fieldIndex(f)]; };
    storeFrequency(image, base + kRxFrequency, field(ChannelField::RxFrequency));
    storeFrequency(image, base + kTxFrequency, field(ChannelField::TxFrequency));
    storeTone(image, base + kDecodeTone, field(ChannelField::DecodeTone));
    storeTone(image, base + kEncodeTone, field(ChannelField::EncodeTone));
    // The power text is not read: every stored channel is low power.
    image.setBits(base + kPowerBandwidth, kPowerHigh, 0);
    image.setBits(base + kBusyLock, kBusyLockMask, busyLockBits(field(ChannelField::BusyLock)));
    image.setBits(base + kPowerBandwidth, kWide,
                  isText(field(ChannelField::WideNarrow), TextId::Wide) ? kWide : 0);
    image.setBits(base + kCompandScrambler, kCompandOff,
                  isText(field(ChannelField::Compand), TextId::Off) ? kCompandOff : 0);
    image.setBits(base + kCompandScrambler, kScramblerMask,
                  scramblerBits(field(ChannelField::Scrambler)));
}

void copyFieldBits(MemoryImage& image, const MemoryImage& from, int channel, ChannelField field) {
    const std::size_t base = map::checkedChannelOffset(channel);
    const auto copy = [&](std::size_t offset, std::uint8_t mask) {
        image.setBits(offset, mask, from[offset]);
    };
    const auto copyBytes = [&](std::size_t offset, std::size_t count) {
        for (std::size_t i = 0; i < count; ++i) {
            copy(offset + i, 0xFF);
        }
    };
    switch (field) {
        case ChannelField::RxFrequency:
            return copyBytes(base + kRxFrequency, 4);
        case ChannelField::TxFrequency:
            return copyBytes(base + kTxFrequency, 4);
        case ChannelField::DecodeTone:
            return copyBytes(base + kDecodeTone, 2);
        case ChannelField::EncodeTone:
            return copyBytes(base + kEncodeTone, 2);
        case ChannelField::Power:
            return copy(base + kPowerBandwidth, kPowerHigh);
        case ChannelField::ScanAdd:
            return copy(scanAddOffset(channel), scanAddBit(channel));
        case ChannelField::BusyLock:
            return copy(base + kBusyLock, kBusyLockMask);
        case ChannelField::WideNarrow:
            return copy(base + kPowerBandwidth, kWide);
        case ChannelField::Compand:
            return copy(base + kCompandScrambler, kCompandOff);
        case ChannelField::Scrambler:
            return copy(base + kCompandScrambler, kScramblerMask);
    }
}

void encodeChangedFields(MemoryImage& image, int channel, const ChannelRow& before,
                         const ChannelRow& after) {
    MemoryImage encoded = image;
    encodeChannel(encoded, channel, after);
    const bool scanned = isText(after[fieldIndex(ChannelField::ScanAdd)], TextId::Yes);
    encoded.setBits(scanAddOffset(channel), scanAddBit(channel), scanned ? 0xFF : 0);
    for (std::size_t i = 0; i < kChannelFieldCount; ++i) {
        if (before[i] != after[i]) {
            copyFieldBits(image, encoded, channel, static_cast<ChannelField>(i));
        }
    }
}

ChannelTable decodeChannels(const MemoryImage& image, Language language) {
    ChannelTable table;
    for (int channel = 1; channel <= map::kChannelCount; ++channel) {
        table[static_cast<std::size_t>(channel - 1)] = decodeChannel(image, channel, language);
    }
    return table;
}

void encodeChannels(MemoryImage& image, const ChannelTable& table) {
    for (int channel = 1; channel <= map::kChannelCount; ++channel) {
        encodeChannel(image, channel, table[static_cast<std::size_t>(channel - 1)]);
    }
    image.set(map::kScanAddLow, 0);
    image.set(map::kScanAddHigh, 0);
    for (int channel = 1; channel <= map::kChannelCount; ++channel) {
        const ChannelRow& row = table[static_cast<std::size_t>(channel - 1)];
        if (isText(row[fieldIndex(ChannelField::ScanAdd)], TextId::Yes)) {
            const std::size_t offset = scanAddOffset(channel);
            image.set(offset, static_cast<std::uint8_t>(image[offset] | scanAddBit(channel)));
        }
    }
}

}  // namespace radio
