#include "core/channels/ToneTable.h"

#include <array>

#include "core/text/Texts.h"

namespace radio {

namespace {

constexpr std::array<std::string_view, 50> kCtcss = {
    "67.0",  "69.3",  "71.9",  "74.4",  "77.0",  "79.7",  "82.5",  "85.4",  "88.5",  "91.5",
    "94.8",  "97.4",  "100.0", "103.5", "107.2", "110.9", "114.8", "118.8", "123.0", "127.3",
    "131.8", "136.5", "141.3", "146.2", "151.4", "156.7", "159.8", "162.2", "165.5", "167.9",
    "171.3", "173.8", "177.3", "179.9", "183.5", "186.2", "189.9", "192.8", "196.6", "199.5",
    "203.5", "206.5", "210.7", "218.1", "225.7", "229.1", "233.6", "241.8", "250.3", "254.1",
};

constexpr std::array<int, 107> kDcs = {
    17,  23,  25,  26,  31,  32,  36,  43,  47,  50,  51,  53,  54,  65,  71,  72,  73,  74,
    114, 115, 116, 122, 125, 131, 132, 134, 143, 145, 152, 155, 156, 162, 165, 172, 174, 205,
    212, 223, 225, 226, 243, 244, 245, 246, 251, 252, 255, 261, 263, 265, 266, 271, 274, 306,
    311, 315, 325, 331, 332, 343, 346, 351, 356, 364, 365, 371, 411, 412, 413, 423, 431, 432,
    445, 446, 452, 454, 455, 462, 464, 465, 466, 503, 506, 516, 523, 526, 532, 546, 565, 606,
    612, 624, 627, 631, 632, 645, 654, 662, 664, 703, 712, 723, 731, 732, 734, 743, 754,
};

// The code's digits read as octal: the 9-bit value the radio stores.
constexpr int octalValue(int code) {
    return (code / 100) * 64 + (code / 10 % 10) * 8 + code % 10;
}

static_assert(kCtcss.size() + 2 * kDcs.size() + 1 == kToneListSize);

}  // namespace

std::span<const std::string_view> ctcssTones() {
    return kCtcss;
}

std::span<const int> dcsCodes() {
    return kDcs;
}

std::vector<std::string> toneList(Language language) {
    std::vector<std::string> list;
    list.reserve(kToneListSize);
    list.emplace_back(text(TextId::None, language));
    for (std::string_view tone : kCtcss) {
        list.emplace_back(tone);
    }
    for (bool inverted : {false, true}) {
        for (int code : kDcs) {
            list.push_back(dcsText(code, inverted));
        }
    }
    return list;
}

std::uint8_t dcsLowByte(int code) {
    for (int listed : kDcs) {
        if (listed == code) {
            return static_cast<std::uint8_t>(octalValue(code) & 0xFF);
        }
    }
    return 0;
}

int dcsCode(std::uint8_t lowByte, bool bit8) {
    const int value = lowByte + (bit8 ? 256 : 0);
    for (int listed : kDcs) {
        if (octalValue(listed) == value) {
            return listed;
        }
    }
    return 0;
}

std::string dcsText(int code, bool inverted) {
    std::string text = "D000N";
    text[1] = static_cast<char>('0' + code / 100 % 10);
    text[2] = static_cast<char>('0' + code / 10 % 10);
    text[3] = static_cast<char>('0' + code % 10);
    if (inverted) {
        text[4] = 'I';
    }
    return text;
}

}  // namespace radio
