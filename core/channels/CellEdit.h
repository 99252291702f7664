#pragma once

#include <string_view>

#include "core/channels/ChannelFields.h"
#include "core/channels/Frequency.h"
#include "core/text/Language.h"

namespace radio {

// A channel's row after a text was committed into one of its fields, and whether a typed
// frequency was refused. A refusal still changes the row: a refused receive frequency empties
// the channel, a refused transmit frequency empties its own field, so the user types again.
struct CellEdit {
    ChannelRow row;
    FrequencyCheck check = FrequencyCheck::Accepted;
};

// The grid's typing rules for one field of one channel:
// - receive: empty clears the channel; a number is shown with five decimals; a receive
//   frequency typed into an empty channel gives it the defaults of a new channel;
// - transmit: empty takes the receive frequency; it stays empty while receive is;
// - the lists: a channel without frequencies keeps its fields empty.
// A comma counts as the decimal point, as many keyboards type it.
CellEdit commitCellText(const ChannelRow& row, ChannelField field, std::string_view typed,
                        BandLimits limits, Language language);

// The text a frequency field shows for a typed number: "446" is "446.00000".
std::string frequencyCellText(std::string_view typed);

}  // namespace radio
