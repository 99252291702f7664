#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "core/text/Language.h"

namespace radio {

// The 50 CTCSS tones in list order, as the tone list and the decoder show them ("67.0").
std::span<const std::string_view> ctcssTones();

// The 107 DCS codes in list order. A code is kept as its three octal digits read as a decimal
// number (D754 is 754), the form in which texts carry it.
std::span<const int> dcsCodes();

constexpr std::size_t kToneListSize = 265;

// Index 0 "None" (or its Chinese text), then the CTCSS tones, the DCS codes with "N" and the
// DCS codes with "I". Every entry equals the text the tone decoder produces for that tone.
std::vector<std::string> toneList(Language language);

// The low 8 bits of the stored value of a table code (754 -> octal 754 = 0x1EC -> 0xEC);
// 0 when the code is not in the table.
std::uint8_t dcsLowByte(int code);

// The code whose stored value has these low 8 bits, searched only among the codes whose
// value has bit 8 as given (within each half the low bytes are unique); 0 when none.
int dcsCode(std::uint8_t lowByte, bool bit8);

// "D%03dN", or "D%03dI" when inverted; code is 0..999 (0 stands for a value not in the table).
std::string dcsText(int code, bool inverted);

}  // namespace radio
