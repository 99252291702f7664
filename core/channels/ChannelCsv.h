#pragma once

#include <functional>
#include <string>
#include <string_view>

#include "core/channels/ChannelFields.h"
#include "core/channels/ChannelListLine.h"
#include "core/channels/Frequency.h"
#include "core/image/MemoryImage.h"
#include "core/text/Language.h"
#include "core/util/Result.h"

namespace radio {

// The channel table as a CSV file: a header line, then channels 1 to 16 with the grid's
// texts in English. A channel without a receive frequency is empty and has empty fields,
// whatever stray tone or scan bit its record holds, so that every exported file imports.
// The power column is not part of the file: the grid does not show it.
std::string channelsCsvHeader();
std::string exportChannelsCsv(const ChannelTable& englishTable);
std::string exportChannelsCsv(const MemoryImage& image);

// The first `most` problems, each on a line of its own ("line 3, column 2: ..."), then how many
// more there are: a list of problems is read, not scrolled.
constexpr std::size_t kProblemsListed = 20;
std::string describeProblems(const CsvProblems& problems, Language language = Language::English,
                             std::size_t most = kProblemsListed);

// Every problem on a line of its own, after where it is as place tells (nothing when place
// gives an empty text).
std::string describeEach(const CsvProblems& problems, Language language,
                         const std::function<std::string(const CsvProblem&)>& place);

// Replace: channels missing from the file become empty. Merge: they keep their values.
enum class ImportMode { Replace, Merge };

// Reads a channel list into a copy of the current table, validated as typing into the grid
// is: frequencies inside the band and on the raster, tones and the other fields from their
// lists (English or Chinese texts), channels 1 to 16 once each. Numbers may be written as
// spreadsheets write them, with a decimal comma or a tone without its ".0"; lines of empty
// fields are skipped. The header names the columns, in any order and either language, Channel
// required; separated by commas, semicolons or tabs, as the header line shows. A column the
// file lacks keeps the channel's value when merging and takes a new channel's otherwise. The
// table comes back in the given language; with any problem nothing is taken and every problem
// is listed.
Result<ChannelTable, CsvProblems> importChannelsCsv(std::string_view csv,
                                                    const ChannelTable& current, BandLimits limits,
                                                    ImportMode mode, Language language);

// The same for a whole image: base with the file's channels stored in it. Merging leaves
// the record and the scan-add bit of every channel the file does not list byte for byte as
// they were.
Result<MemoryImage, CsvProblems> importChannelsCsv(std::string_view csv, const MemoryImage& base,
                                                   BandLimits limits, ImportMode mode);

}  // namespace radio
