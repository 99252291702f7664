#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "core/channels/ChannelFields.h"
#include "core/channels/Frequency.h"
#include "core/image/MemoryImage.h"
#include "core/text/Language.h"
#include "core/util/Result.h"

namespace radio {

// The channel table as a CSV file: a header line, then channels 1 to 16 with the grid's
// texts in English (empty channels as empty fields). The power column is not part of the
// file: the grid does not show it.
std::string channelsCsvHeader();
std::string exportChannelsCsv(const ChannelTable& englishTable);
std::string exportChannelsCsv(const MemoryImage& image);

// What is wrong with one field of a CSV file; column 0 stands for the whole line.
struct CsvProblem {
    int line = 0;
    int column = 0;
    std::string reason;
    friend bool operator==(const CsvProblem&, const CsvProblem&) = default;
};
using CsvProblems = std::vector<CsvProblem>;
// Every problem on a line of its own: "line 3, column 2: ...".
std::string describeProblems(const CsvProblems& problems);

// Replace: channels missing from the file become empty. Merge: they keep their values.
enum class ImportMode { Replace, Merge };

// Reads a channel list into a copy of the current table, validated as typing into the grid
// is: frequencies inside the band and on the raster, tones and the other fields from their
// lists (English or Chinese texts), channels 1 to 16 once each. The table comes back in the
// given language; with any problem nothing is taken and every problem is listed.
Result<ChannelTable, CsvProblems> importChannelsCsv(std::string_view csv,
                                                    const ChannelTable& current, BandLimits limits,
                                                    ImportMode mode, Language language);

}  // namespace radio
