#pragma once

#include <string_view>

#include "core/channels/ChannelFields.h"
#include "core/channels/Frequency.h"
#include "core/text/Language.h"

namespace radio {

// A channel's row after one cell was committed, and how a typed frequency fared.
struct CellEdit {
    ChannelRow row;
    FrequencyCheck check = FrequencyCheck::Accepted;
};

// The channel's row after `typed` was committed into one field by the grid's typing rules
// (a new channel's defaults when Rx is typed into an empty row, Tx follows Rx, list fields stay
// empty in an empty row, a refused frequency clears the row (Rx) or the cell (Tx)).
CellEdit commitCellText(const ChannelRow& row, ChannelField field, std::string_view typed,
                        BandLimits limits, Language language);

}  // namespace radio
