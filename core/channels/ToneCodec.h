#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "core/text/Language.h"

namespace radio {

// A channel's decode or encode tone as stored: low byte first, the high byte classifies it
// (00/FF no tone, 28/29 DCS, A8/A9 inverted DCS, anything else a CTCSS word in 0.1 Hz).
struct ToneWord {
    std::uint8_t low = 0xFF;
    std::uint8_t high = 0xFF;
    friend bool operator==(const ToneWord&, const ToneWord&) = default;
};

// "67.0", "D023N", "D023I" (D000N/D000I for a DCS value not in the table), "None" or, on a
// channel not in use, blank for no tone. A present tone shows even on an empty channel.
std::string decodeTone(ToneWord word, bool channelInUse, Language language);

// A text with a 'D' is a DCS code (the character after the first one read as atoi reads
// it, inverted unless an 'N' follows the first character); anything else is read as a number
// of Hz. No number stores no tone.
ToneWord encodeTone(std::string_view text);

}  // namespace radio
