#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <functional>
#include <set>
#include <stdexcept>
#include <string>
#include <tuple>

#include "core/channels/ChannelCodec.h"
#include "core/channels/ChannelOrder.h"
#include "core/channels/ChannelRecords.h"
#include "core/channels/Frequency.h"
#include "core/channels/ToneCodec.h"
#include "core/channels/ToneTable.h"
#include "core/image/ImageMap.h"
#include "core/image/NewImage.h"
#include "core/util/NumberText.h"

namespace radio {
namespace {

using Record = std::array<std::uint8_t, 16>;
constexpr Language kEn = Language::English;

// 446.00625 / 446.01250, 67.0 Hz, D023I, Carrier, high power, wide, compander on,
// scrambler 3; every foreign bit set.
constexpr Record kInUse = {0x25, 0x06, 0x60, 0x44, 0x50, 0x12, 0x60, 0x44,
                           0x9E, 0x02, 0x13, 0xA8, 0xEF, 0xFF, 0xE3, 0x5A};

void putRecord(MemoryImage& image, int channel, const Record& record) {
    std::copy(record.begin(), record.end(), image.bytes(map::channelOffset(channel), 16).begin());
}

Record recordOf(const MemoryImage& image, int channel) {
    Record record;
    std::ranges::copy(image.bytes(map::channelOffset(channel), 16), record.begin());
    return record;
}

std::string fieldOf(const MemoryImage& image, int channel, ChannelField field) {
    return decodeChannel(image, channel, kEn)[fieldIndex(field)];
}

TEST(ChannelCodec, EmptyGridStoresEmptyRecordsThatShowBlank) {
    MemoryImage image;
    encodeChannels(image, ChannelTable{});
    for (int channel = 1; channel <= 16; ++channel) {
        ASSERT_EQ(recordOf(image, channel),
                  (Record{0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF,
                          0xF7, 0xCF, 0xE0, 0xFF}));
    }
    EXPECT_EQ(image[map::kScanAddLow] | image[map::kScanAddHigh], 0x00);
    EXPECT_EQ(image[0x0F] & image[0x110], 0xFF);
    EXPECT_EQ(decodeChannels(image, kEn), ChannelTable{});
    EXPECT_THROW(decodeChannel(image, 0, kEn), std::out_of_range);
    EXPECT_THROW(encodeChannel(image, 17, ChannelRow{}), std::out_of_range);
}

// In use only with both frequencies; the scan flag of an empty channel shows only for 9 to 16.
TEST(ChannelDecode, ChannelsInUseAndEmptyOnes) {
    MemoryImage image;
    putRecord(image, 5, kInUse);
    image.set(map::kScanAddLow, 0x10);
    EXPECT_EQ(decodeChannel(image, 5, kEn),
              (ChannelRow{"446.00625", "446.01250", "67.0", "D023I", "High", "Yes", "Carrier",
                          "Wide", "On", "3"}));
    EXPECT_EQ(decodeChannel(image, 5, Language::Chinese),
              (ChannelRow{"446.00625", "446.01250", "67.0", "D023I", "高", "有", "载波", "宽", "开",
                          "3"}));
    Record record = kInUse;
    record[7] = 0x00;  // transmit absent although bytes 4..6 hold digits
    record[10] = record[11] = 0xFF;
    putRecord(image, 2, record);
    EXPECT_FALSE(channelInUse(image, 2));
    // A present tone still shows; no tone and the flags are blank.
    EXPECT_EQ(decodeChannel(image, 2, kEn),
              (ChannelRow{"446.00625", "", "67.0", "", "", "", "", "", "", ""}));
    for (const std::uint8_t bits : {0xFF, 0x00}) {
        image.set(map::kScanAddLow, bits);
        image.set(map::kScanAddHigh, bits);
        const std::string shown = bits ? "Yes" : "";
        EXPECT_EQ(fieldOf(image, 5, ChannelField::ScanAdd), bits ? "Yes" : "No");
        EXPECT_EQ(fieldOf(image, 4, ChannelField::ScanAdd), "");
        EXPECT_EQ(fieldOf(image, 9, ChannelField::ScanAdd), shown);
        EXPECT_EQ(fieldOf(image, 16, ChannelField::ScanAdd), shown);
    }
}

// The flag bits each text stands for, read and stored.
TEST(ChannelFlags, DecodedAndEncoded) {
    using F = ChannelField;
    // clang-format off
    const std::tuple<std::size_t, std::uint8_t, ChannelField, std::string> cases[] = {
        {12, 0xE7, F::BusyLock, "Off"},    {12, 0x08, F::BusyLock, "Carrier"},
        {12, 0x10, F::BusyLock, "QT/DQT"}, {12, 0x18, F::BusyLock, "QT/DQT"},
        {13, 0x20, F::Power, "High"},      {13, 0xDF, F::Power, "Low"},
        {13, 0x10, F::WideNarrow, "Wide"}, {13, 0xEF, F::WideNarrow, "Narrow"},
        {14, 0x10, F::Compand, "Off"},     {14, 0xEF, F::Compand, "On"},
        {14, 0xF0, F::Scrambler, "Off"},   {14, 0x08, F::Scrambler, "8"},
        {14, 0x09, F::Scrambler, ""},      {14, 0x0F, F::Scrambler, ""}};
    // clang-format on
    for (const auto& [offset, byte, field, text] : cases) {
        MemoryImage image;
        Record record = kInUse;
        record[offset] = byte;
        putRecord(image, 16, record);
        EXPECT_EQ(fieldOf(image, 16, field), text) << int(byte);
    }
    // clang-format off
    const std::tuple<ChannelField, std::string, std::size_t, std::uint8_t, std::uint8_t> texts[] = {
        {F::BusyLock, "关", 12, 0x18, 0x00},   {F::BusyLock, "载波", 12, 0x18, 0x08},
        {F::BusyLock, "", 12, 0x18, 0x10},     {F::BusyLock, "off", 12, 0x18, 0x10},
        {F::WideNarrow, "宽", 13, 0x10, 0x10}, {F::WideNarrow, "", 13, 0x10, 0x00},
        {F::Compand, "关", 14, 0x10, 0x10},    {F::Compand, "", 14, 0x10, 0x00},
        {F::Scrambler, "关", 14, 0x0F, 0x00},  {F::Scrambler, " 12abc", 14, 0x0F, 0x0C},
        {F::Scrambler, "17", 14, 0x0F, 0x01},  {F::Scrambler, "", 14, 0x0F, 0x00}};
    // clang-format on
    for (const auto& [field, text, offset, mask, bits] : texts) {
        MemoryImage image;
        ChannelRow row;
        row[fieldIndex(field)] = text;
        encodeChannel(image, 1, row);
        EXPECT_EQ(recordOf(image, 1)[offset] & mask, bits) << text;
    }
}

TEST(ChannelEncode, StoresTheRecordKeepsForeignBitsAndTakesScanFlagsFromTheTexts) {
    MemoryImage image;
    Record before = kInUse;
    before[12] = 0xA5;
    before[13] = 0xCF;
    before[14] = 0xE3;
    putRecord(image, 7, before);
    encodeChannel(
        image, 7,
        {"130.0125", "446.00625", "D754N", "None", "High", "Yes", "Carrier", "Wide", "Off", "8"});
    EXPECT_EQ(recordOf(image, 7), (Record{0x50, 0x12, 0x00, 0x13, 0x25, 0x06, 0x60, 0x44, 0xEC,
                                          0x29, 0xFF, 0xFF, 0xAD, 0xDF, 0xF8, 0x5A}));
    EXPECT_EQ(image[map::kScanAddLow], 0xFF);  // left to encodeChannels
    // A decoded High and Busy Lock 0x18 store back as Low and QT/DQT (0x10).
    putRecord(image, 9, kInUse);
    image[map::channelOffset(9) + 12] = 0xFF;
    encodeChannel(image, 9, decodeChannel(image, 9, kEn));
    EXPECT_EQ(recordOf(image, 9)[12], 0xF7);
    EXPECT_EQ(recordOf(image, 9)[13], 0xDF);
    // A new channel's texts, and the scan flags of all channels from the texts in either language.
    ChannelTable table;
    table[0] = newChannelDefaults("446.00625", kEn);
    table[9] = newChannelDefaults("136.00000", Language::Chinese);
    EXPECT_EQ(table[9], (ChannelRow{"136.00000", "136.00000", "无", "无", "高", "无", "关", "宽",
                                    "关", "关"}));
    for (int channel : {1, 8, 16}) {
        table[channel - 1][fieldIndex(ChannelField::ScanAdd)] = "Yes";
    }
    table[4][fieldIndex(ChannelField::ScanAdd)] = "有";
    table[5][fieldIndex(ChannelField::ScanAdd)] = "yes";
    encodeChannels(image, table);
    EXPECT_EQ(image[map::kScanAddLow], 0x91);
    EXPECT_EQ(image[map::kScanAddHigh], 0x80);
    EXPECT_EQ(decodeChannel(image, 1, kEn),
              (ChannelRow{"446.00625", "446.00625", "None", "None", "Low", "Yes", "Off", "Wide",
                          "Off", "Off"}));
}

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
    // clang-format off
    const std::string refused[] = {
        "", data.substr(0, data.size() - 1), data + '\0', "XPCH" + data.substr(4), wrongFlag,
        data.substr(0, 4) + '\2' + data.substr(5), data.substr(0, 5) + '\5' + data.substr(6)};
    // clang-format on
    for (const std::string& foreign : refused) {
        EXPECT_EQ(parseChannelRecords(foreign), std::nullopt) << foreign.size();
    }
    EXPECT_THROW(copyChannelRecords(image, 3, 2), std::out_of_range);
}

// Position-weighted sums: a wrong, missing or misplaced entry changes them.
template <typename Values, typename Value>
std::pair<long, long> sums(const Values& values, Value value) {
    long sum = 0, weighted = 0, position = 0;
    for (const auto& entry : values) {
        sum += value(entry);
        weighted += ++position * value(entry);
    }
    return {sum, weighted};
}

TEST(ToneList, HoldsNoneCtcssAndBothDcsPolaritiesInOrder) {
    const auto list = toneList(kEn);
    ASSERT_EQ(list.size(), 265u);
    const std::pair<std::size_t, std::string> expected[] = {
        {0, "None"}, {1, "67.0"}, {50, "254.1"}, {51, "D017N"}, {158, "D017I"}, {264, "D754I"}};
    for (const auto& [index, text] : expected) {
        EXPECT_EQ(list[index], text) << index;
    }
    EXPECT_EQ(std::set<std::string>(list.begin(), list.end()).size(), list.size());
    EXPECT_EQ(toneList(Language::Chinese)[0], "无");
    EXPECT_EQ(sums(dcsCodes(), [](int code) { return long{code}; }),
              (std::pair<long, long>{35136, 2599228}));
    EXPECT_EQ(sums(ctcssTones(),
                   [](std::string_view tone) {
                       return std::lround(parseNumberText(std::string(tone)).value_or(0) * 10);
                   }),
              (std::pair<long, long>{75284, 2308403}));
}

TEST(ToneCodec, EncodesTheStoredFormsAndDecodesThemBack) {
    // DCS codes: the low byte of the octal value, and back from the half that bit 8 chooses.
    const std::pair<int, std::uint8_t> lows[] = {{17, 0x0F}, {371, 0xF9}, {411, 0x09}, {754, 0xEC},
                                                 {12, 0},    {372, 0},    {400, 0},    {-23, 0}};
    for (const auto& [code, low] : lows) {
        EXPECT_EQ(dcsLowByte(code), low) << code;
    }
    const std::tuple<std::uint8_t, bool, int> codes[] = {
        {0x13, false, 23}, {0x13, true, 423}, {0x00, true, 0}, {0xEC, false, 0}, {0x0F, true, 0}};
    for (const auto& [low, bit8, code] : codes) {
        EXPECT_EQ(dcsCode(low, bit8), code) << int{low};
    }
    // Codes outside the table keep the polarity and the bit-8 rule but store value 0; numbers
    // are truncated to 0.1 Hz.
    // clang-format off
    const std::pair<std::string, ToneWord> cases[] = {
        {"无", {0xFF, 0xFF}},    {"", {0xFF, 0xFF}},      {"67.0", {0x9E, 0x02}},
        {"D023N", {0x13, 0x28}}, {"D023I", {0x13, 0xA8}}, {"D122N", {0x52, 0x28}},
        {"D263N", {0xB3, 0x28}}, {"D532N", {0x5A, 0x29}}, {"D703N", {0xC3, 0x29}}, {"D754N", {0xEC, 0x29}},
        {"D012I", {0x00, 0xA8}}, {"D372N", {0x00, 0x29}}, {"409.75", {0x01, 0x10}},
        {" 100", {0xE8, 0x03}}};
    // clang-format on
    for (const auto& [text, word] : cases) {
        EXPECT_EQ(encodeTone(text), word) << text;
    }
    for (const std::string& tone : toneList(kEn)) {  // every DCS code there and back too
        EXPECT_EQ(decodeTone(encodeTone(tone), true, kEn), tone);
    }
    // clang-format off
    const std::tuple<ToneWord, bool, Language, std::string> decoded[] = {
        {{0x00, 0x28}, true, kEn, "D000N"}, {{0x00, 0xA9}, true, kEn, "D000I"}, {{0x13, 0xA8}, false, kEn, "D023I"},
        {{0xE8, 0x03}, true, kEn, "100.0"}, {{0x9E, 0x00}, true, Language::Chinese, "无"}, {{0x9E, 0xFF}, false, kEn, ""},
        {{0x9E, 0x02}, false, kEn, "67.0"}};  // a present tone shows on an empty channel
    // clang-format on
    for (const auto& [word, inUse, language, text] : decoded) {
        EXPECT_EQ(decodeTone(word, inUse, language), text) << text;
    }
}

}  // namespace
}  // namespace radio
