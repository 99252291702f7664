#pragma once

#include <array>
#include <optional>
#include <string_view>
#include <vector>

#include "core/channels/ChannelListLine.h"

namespace radio {

// Where each column of a channel list (Channel, then the fields in export order) stands in
// a file: spreadsheets reorder columns, drop some and name them in either language.
struct ChannelListColumns {
    std::array<std::optional<std::size_t>, kChannelListHeader.size()> position{};
    std::size_t count = 0;  // fields on the header line
    bool hasSettings() const;
};

// The separator the first line holds most of outside quotes: ',' unless there are more ';' or
// tabs (spreadsheets save with either, and copy with tabs).
char channelListSeparator(std::string_view csv);

// Whether any of the fields is the name of a column: a header line, and not a channel line.
bool namesAnyColumn(const std::vector<std::string>& fields);

// The columns named by a header line (trimmed, case ignored, the export's names or the grid's
// in English or Chinese). Channel is required; an unknown or repeated name is a problem at its
// column, the unknown one listing the known names.
std::optional<ChannelListColumns> readChannelListHeader(const std::vector<std::string>& header,
                                                        int line, CsvProblems& problems);

}  // namespace radio
