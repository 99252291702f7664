#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "core/channels/ChannelFields.h"
#include "core/channels/ChannelListLine.h"
#include "core/channels/Frequency.h"
#include "core/text/Language.h"
#include "core/util/Result.h"

namespace radio {

// The grid's cells as clipboard text, the form spreadsheets copy and paste: one line per
// channel ending in CRLF, cells separated by tabs. Columns are the grid's visible columns
// 0..8, the fields of kChannelListFields in that order (the grid has no Power column). Channel
// numbers outside 1..16 and columns outside 0..8 (or a last one before the first) throw
// std::out_of_range.
constexpr std::size_t kVisibleColumnCount = kChannelListFields.size();

// The texts as the table holds them, channels firstChannel..lastChannel, columns
// firstColumn..lastColumn.
std::string channelCellsText(const ChannelTable& table, int firstChannel, int lastChannel,
                             std::size_t firstColumn, std::size_t lastColumn);

// The table after the text was pasted at a cell: lines fill channels from firstChannel down,
// cells fill columns from firstColumn to the right, and what lies past channel 16 or the last
// column is left out, as a spreadsheet clips a paste at its edge. Lines end in LF or CRLF; the
// break after the last line is no line of its own, but an empty line inside is one empty cell.
// Each cell goes in as typing it does (commitCellText, left to right), so a receive frequency
// in an empty row makes a new channel that the line's other cells then change. Numbers may
// have a decimal comma, a tone may lack its ".0", list texts may be of either language in any
// case; an empty list cell leaves the cell as it is. A text whose first line is a channel
// list header is read by its column names as a merging import, channels by their numbers.
// All or nothing: every refused cell is a problem, at line = channel and column = grid column
// (1 Rx Frequency .. 10 Scrambler, 0 the whole channel, line 0 no channel).
Result<ChannelTable, CsvProblems> pasteChannelText(std::string_view text,
                                                   const ChannelTable& current, int firstChannel,
                                                   std::size_t firstColumn, BandLimits limits,
                                                   Language language);

// One line per problem: "Channel 3, Rx Frequency: Out of range,please input again."
std::string describePasteProblems(const CsvProblems& problems, Language language);

}  // namespace radio
