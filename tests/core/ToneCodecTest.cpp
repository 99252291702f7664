#include <gtest/gtest.h>

#include <string>

#include "core/channels/ToneCodec.h"
#include "core/channels/ToneTable.h"

namespace radio {
namespace {

TEST(ToneCodec, EncodesTheStoredForms) {
    const std::pair<std::string, ToneWord> cases[] = {
        {"None", {0xFF, 0xFF}},
        {"无", {0xFF, 0xFF}},
        {"", {0xFF, 0xFF}},
        {"67.0", {0x9E, 0x02}},
        {"254.1", {0xED, 0x09}},
        {"D023N", {0x13, 0x28}},
        {"D023I", {0x13, 0xA8}},
        {"D754N", {0xEC, 0x29}},
        {"D754I", {0xEC, 0xA9}},
        {"D411N", {0x09, 0x29}},
        // Codes outside the table keep the polarity and the bit-8 rule but store value 0.
        {"D012N", {0x00, 0x28}},
        {"D012I", {0x00, 0xA8}},
        {"D372N", {0x00, 0x29}},
    };
    for (const auto& [text, word] : cases) {
        const ToneWord encoded = encodeTone(text);
        EXPECT_EQ(encoded.low, word.low) << text;
        EXPECT_EQ(encoded.high, word.high) << text;
    }
}

TEST(ToneCodec, EveryCtcssToneRoundTrips) {
    for (std::string_view tone : ctcssTones()) {
        const ToneWord word = encodeTone(tone);
        const int tenths = word.low + 256 * word.high;
        EXPECT_EQ(std::to_string(tenths / 10) + "." + std::to_string(tenths % 10), tone);
        EXPECT_EQ(decodeTone(word, true, Language::English), tone);
        EXPECT_EQ(decodeTone(word, false, Language::Chinese), tone);
    }
}

TEST(ToneCodec, EveryDcsCodeRoundTripsInBothPolarities) {
    for (const std::string& text : toneList(Language::English)) {
        if (text.front() != 'D') {
            continue;
        }
        const ToneWord word = encodeTone(text);
        const int code = std::stoi(text.substr(1, 3));
        const bool inverted = text.back() == 'I';
        EXPECT_EQ(word.high & 0xFE, inverted ? 0xA8 : 0x28) << text;
        EXPECT_EQ(word.high & 0x01, code >= 400 ? 1 : 0) << text;
        EXPECT_NE(word.low + 256 * (word.high & 1), 0) << text;
        EXPECT_EQ(decodeTone(word, true, Language::English), text);
    }
}

TEST(ToneCodec, DecodesValuesOutsideTheTableAsCodeZero) {
    EXPECT_EQ(decodeTone({0x00, 0x28}, true, Language::English), "D000N");
    EXPECT_EQ(decodeTone({0x00, 0xA9}, true, Language::English), "D000I");
    // 0x13 with bit 8 is D423, without it D023.
    EXPECT_EQ(decodeTone({0x13, 0x29}, true, Language::English), "D423N");
    EXPECT_EQ(decodeTone({0x13, 0xA8}, false, Language::English), "D023I");
}

TEST(ToneCodec, NoToneIsBlankOnlyOnAnEmptyChannel) {
    for (std::uint8_t high : {0x00, 0xFF}) {
        EXPECT_EQ(decodeTone({0x9E, high}, true, Language::English), "None");
        EXPECT_EQ(decodeTone({0x9E, high}, true, Language::Chinese), "无");
        EXPECT_EQ(decodeTone({0x9E, high}, false, Language::English), "");
    }
    EXPECT_EQ(decodeTone({0x9E, 0x02}, false, Language::English), "67.0");
}

TEST(ToneCodec, NumbersAreScaledExactly) {
    EXPECT_EQ(encodeTone("409.7"), (ToneWord{0x01, 0x10}));
    EXPECT_EQ(encodeTone("409.75"), (ToneWord{0x01, 0x10}));  // truncated to 0.1 Hz
    EXPECT_EQ(encodeTone(" 100"), (ToneWord{0xE8, 0x03}));
    EXPECT_EQ(decodeTone({0xE8, 0x03}, true, Language::English), "100.0");
}

}  // namespace
}  // namespace radio
