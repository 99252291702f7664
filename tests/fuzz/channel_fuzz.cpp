// Channel texts and channel records from arbitrary bytes. The input is read twice:
// - as ten '\n'-separated field texts, encoded into one channel of an erased image: decoding
//   and re-encoding must store the same bytes wherever the first encoding has a canonical
//   form, and a second round must change nothing at all;
// - as the raw bytes of that channel's record (and the two scan-add bytes): one decode and
//   encode normalises them, after which the bytes are stable.
// Decoding in Chinese instead of English must never change what is stored.
#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "core/channels/ChannelCodec.h"
#include "core/channels/Frequency.h"
#include "core/channels/ToneTable.h"
#include "core/image/ImageMap.h"
#include "core/util/CRuntimeText.h"

namespace {

using namespace radio;

constexpr std::size_t kRecordSize = map::kChannelRecordSize;
// The lowest and one past the highest frequency with a BCD form whose top byte is not 0.
constexpr std::int32_t kLowestStorable = 1000000;
constexpr std::int32_t kBeyondStorable = 100000000;
// From here on the top digit pair no longer fits in a byte.
constexpr std::int32_t kTopPairOverflow = 160000000;

void require(bool condition) {
    if (!condition) {
        std::abort();
    }
}

ChannelRow splitFields(std::string_view input) {
    ChannelRow row;
    for (std::size_t i = 0; i < kChannelFieldCount; ++i) {
        const std::size_t end =
            i + 1 == kChannelFieldCount ? std::string_view::npos : input.find('\n');
        row[i] = std::string(input.substr(0, end));
        input = end == std::string_view::npos ? std::string_view() : input.substr(end + 1);
    }
    return row;
}

bool sameBytes(const MemoryImage& a, const MemoryImage& b, std::size_t offset, std::size_t size) {
    return std::equal(a.data() + offset, a.data() + offset + size, b.data() + offset);
}

// Outside the channel's record only the scan-add bytes may change, and byte 15 never does.
bool onlyChannelChanged(const MemoryImage& a, const MemoryImage& b, std::size_t base) {
    return sameBytes(a, b, 0, base) &&
           sameBytes(a, b, base + kRecordSize, map::kScanAddLow - base - kRecordSize) &&
           sameBytes(a, b, map::kScanAddHigh + 1, MemoryImage::kSize - map::kScanAddHigh - 1) &&
           sameBytes(a, b, base + 15, 1);
}

MemoryImage reencoded(const MemoryImage& image, Language language) {
    MemoryImage result = image;
    encodeChannels(result, decodeChannels(image, language));
    return result;
}

// A typed frequency whose stored form decodes to the same value.
bool storableText(std::string_view text) {
    const std::int32_t frequency = parseFrequency(text);
    return frequency == 0 || (frequency >= kLowestStorable && frequency < kBeyondStorable);
}

// A stored tone word that decoding and re-encoding reproduces. Texts with a 'D' outside the
// table from 372 up set bit 8 with value 0, which decodes as D000 and stores without it.
bool canonicalTone(std::string_view text, ToneWord word) {
    if (word == ToneWord{}) {
        return true;
    }
    if (word.high == 0x00 || word.high == 0xFF) {
        return false;  // a CTCSS number that lands on the no-tone marker
    }
    if ((word.high & 0x7E) == 0x28) {
        if (text.find('D') == std::string_view::npos) {
            return false;  // a CTCSS number that lands on a DCS marker
        }
        const int code = leadingInt(text.substr(1));
        return dcsLowByte(code) != 0 || code < 372;
    }
    return true;
}

ToneWord toneAt(const MemoryImage& image, std::size_t offset) {
    return {image[offset], image[offset + 1]};
}

bool frequencyBelowOverflow(const MemoryImage& image, std::size_t offset) {
    const auto value = decodeFrequency(image.bytes(offset, 4).first<4>());
    return !value || *value < kTopPairOverflow;
}

void checkFromTexts(std::string_view input, int channel) {
    const ChannelRow row = splitFields(input);
    const std::size_t base = map::channelOffset(channel);
    const std::size_t index = static_cast<std::size_t>(channel - 1);

    ChannelTable table;
    table[index] = row;
    MemoryImage first;
    encodeChannels(first, table);
    const MemoryImage second = reencoded(first, Language::English);
    require(reencoded(first, Language::Chinese) == second);

    require(onlyChannelChanged(first, second, base));

    if (storableText(row[fieldIndex(ChannelField::RxFrequency)])) {
        require(sameBytes(first, second, base, 4));
    }
    if (storableText(row[fieldIndex(ChannelField::TxFrequency)])) {
        require(sameBytes(first, second, base + 4, 4));
    }
    if (canonicalTone(row[fieldIndex(ChannelField::DecodeTone)], toneAt(first, base + 8))) {
        require(sameBytes(first, second, base + 8, 2));
    }
    if (canonicalTone(row[fieldIndex(ChannelField::EncodeTone)], toneAt(first, base + 10))) {
        require(sameBytes(first, second, base + 10, 2));
    }
    const bool inUse = channelInUse(first, channel);
    // An empty channel shows its flags blank, so they are stored as blank texts store them.
    if (inUse) {
        require(sameBytes(first, second, base + 12, 2));
        require((first[base + 14] & 0xF0) == (second[base + 14] & 0xF0));
        if ((first[base + 14] & 0x0F) <= 8) {
            require(first[base + 14] == second[base + 14]);
        }
    }
    const std::size_t scanOffset = channel <= 8 ? map::kScanAddLow : map::kScanAddHigh;
    const std::uint8_t bit = static_cast<std::uint8_t>(1u << ((channel - 1) % 8));
    if (inUse || channel > 8) {
        require(first[scanOffset] == second[scanOffset]);
    } else {
        require((second[scanOffset] & bit) == 0);
    }

    // One round normalises; the second changes nothing, unless a decoded frequency was too
    // large to store again (then the channel may have lost it, and with it its flags).
    const MemoryImage third = reencoded(second, Language::English);
    if (frequencyBelowOverflow(first, base) && frequencyBelowOverflow(first, base + 4)) {
        require(third == second);
    }
}

void checkFromRecord(const std::uint8_t* data, std::size_t size, int channel) {
    const std::size_t base = map::channelOffset(channel);
    // The other channels as an empty grid stores them, so that only this one can change.
    MemoryImage image;
    encodeChannels(image, ChannelTable{});
    std::copy_n(data, std::min(size, kRecordSize), image.data() + base);
    if (size > kRecordSize) {
        image.set(map::kScanAddLow, data[kRecordSize]);
    }
    if (size > kRecordSize + 1) {
        image.set(map::kScanAddHigh, data[kRecordSize + 1]);
    }

    for (Language language : {Language::English, Language::Chinese}) {
        const ChannelRow row = decodeChannel(image, channel, language);
        for (std::size_t field = fieldIndex(ChannelField::Power); field < kChannelFieldCount;
             ++field) {
            const auto choices = fieldChoices(static_cast<ChannelField>(field), language);
            require(row[field].empty() ||
                    std::find(choices.begin(), choices.end(), row[field]) != choices.end());
        }
    }

    const MemoryImage once = reencoded(image, Language::English);
    require(reencoded(image, Language::Chinese) == once);
    require(onlyChannelChanged(image, once, base));
    const MemoryImage twice = reencoded(once, Language::English);
    const bool rxStable = frequencyBelowOverflow(image, base);
    const bool txStable = frequencyBelowOverflow(image, base + 4);
    if (rxStable && txStable) {
        require(twice == once);
    } else {
        require(sameBytes(twice, once, base + 8, 4));
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const int channel = static_cast<int>(size % map::kChannelCount) + 1;
    checkFromTexts(std::string_view(reinterpret_cast<const char*>(data), size), channel);
    checkFromRecord(data, size, channel);
    return 0;
}
