#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "core/channels/ChannelFields.h"
#include "core/channels/Frequency.h"
#include "core/text/Language.h"

namespace radio {

// The columns of a channel list file after "Channel", in file order: the grid's fields
// without Power, which the grid does not show.
inline constexpr std::array<ChannelField, 9> kChannelListFields = {
    ChannelField::RxFrequency, ChannelField::TxFrequency, ChannelField::DecodeTone,
    ChannelField::EncodeTone,  ChannelField::ScanAdd,     ChannelField::BusyLock,
    ChannelField::WideNarrow,  ChannelField::Compand,     ChannelField::Scrambler,
};
inline constexpr std::array<const char*, 10> kChannelListHeader = {
    "Channel",  "Rx Frequency", "Tx Frequency", "QT/DQT Dec", "QT/DQT Enc",
    "Scan Add", "Busy Lock",    "W/N",          "Compand",    "Scrambler",
};

// What is wrong with one field of a CSV file; column 0 stands for the whole line. The reason
// is kept in both interface languages.
struct CsvProblem {
    int line = 0;
    int column = 0;
    std::string reason;
    std::string chineseReason = {};  // empty: the English one is shown
    const std::string& reasonIn(Language language) const {
        return language == Language::Chinese && !chineseReason.empty() ? chineseReason : reason;
    }
    friend bool operator==(const CsvProblem& a, const CsvProblem& b) {
        return a.line == b.line && a.column == b.column && a.reason == b.reason;
    }
};
using CsvProblems = std::vector<CsvProblem>;

// The settings of one channel line (all ten fields; fewer or more throw) checked as typing them
// into the grid is: frequencies inside the band and on the raster, the other fields from their
// lists in either language (choiceNamed); a decimal comma is a decimal point. A field whose text is
// the current row's (in use) is taken as it stands, whatever typing would say of it. A line without
// settings is an empty channel; fields left empty take the values of a new channel, an empty
// transmit frequency is the receive frequency. The row comes in the given language, with the power
// of the current row when that is in use. Every problem goes to problems; nullopt when there was
// one.
std::optional<ChannelRow> readChannelLine(const std::vector<std::string>& fields,
                                          const ChannelRow& current, BandLimits limits,
                                          Language language, int line, CsvProblems& problems);

// The channel number of a line, 1 to 16.
std::optional<int> channelListNumber(const std::string& text);

}  // namespace radio
