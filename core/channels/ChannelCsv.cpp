#include "core/channels/ChannelCsv.h"

#include <array>
#include <optional>
#include <set>

#include "core/channels/ChannelCodec.h"
#include "core/util/CText.h"
#include "core/util/CsvText.h"
#include "core/util/NumberText.h"

namespace radio {
namespace {

// The file's columns after "Channel", in file order.
constexpr std::array<ChannelField, 9> kFileFields = {
    ChannelField::RxFrequency, ChannelField::TxFrequency, ChannelField::DecodeTone,
    ChannelField::EncodeTone,  ChannelField::ScanAdd,     ChannelField::BusyLock,
    ChannelField::WideNarrow,  ChannelField::Compand,     ChannelField::Scrambler,
};
constexpr std::array<const char*, 10> kHeader = {
    "Channel",  "Rx Frequency", "Tx Frequency", "QT/DQT Dec", "QT/DQT Enc",
    "Scan Add", "Busy Lock",    "W/N",          "Compand",    "Scrambler",
};

std::vector<std::string> headerFields() {
    return {kHeader.begin(), kHeader.end()};
}

std::optional<int> choiceIndex(ChannelField field, std::string_view text) {
    for (const Language language : {Language::English, Language::Chinese}) {
        const std::vector<std::string> choices = fieldChoices(field, language);
        for (std::size_t i = 0; i < choices.size(); ++i) {
            if (equalsNoCase(choices[i], trim(text))) {
                return static_cast<int>(i);
            }
        }
    }
    return std::nullopt;
}

// Collects the problems of one line against its column numbers.
class LineCheck {
  public:
    LineCheck(int line, CsvProblems& problems) : line_(line), problems_(problems) {}
    void fail(int column, std::string reason) {
        problems_.push_back({line_, column, std::move(reason)});
    }
    std::size_t count() const { return problems_.size(); }

  private:
    int line_;
    CsvProblems& problems_;
};

std::optional<std::string> checkedFrequency(std::string_view text, BandLimits limits,
                                            LineCheck& check, int column) {
    const std::optional<double> mhz = parseNumberText(text);
    if (!mhz) {
        check.fail(column, "not a frequency: \"" + std::string(text) + "\"");
        return std::nullopt;
    }
    const std::string shown = formatFixed(*mhz, 5);
    switch (checkFrequency(parseFrequency(shown), limits)) {
        case FrequencyCheck::Accepted:
            return shown;
        case FrequencyCheck::OutOfRange:
            check.fail(column, shown + " MHz is outside the band " + formatFrequency(limits.lower) +
                                   " - " + formatFrequency(limits.upper) + " MHz");
            return std::nullopt;
        case FrequencyCheck::OffRaster:
            check.fail(column, shown + " MHz is on neither the 5 kHz nor the 6.25 kHz raster");
            return std::nullopt;
    }
    return std::nullopt;
}

bool allEmpty(const std::vector<std::string>& fields, std::size_t from) {
    for (std::size_t i = from; i < fields.size(); ++i) {
        if (!trim(fields[i]).empty()) {
            return false;
        }
    }
    return true;
}

// One channel line into a grid row; nullopt after its problems were noted.
std::optional<ChannelRow> readRow(const std::vector<std::string>& fields, const ChannelRow& current,
                                  BandLimits limits, Language language, LineCheck& check) {
    const std::size_t before = check.count();
    if (allEmpty(fields, 1)) {
        return ChannelRow{};  // an empty channel
    }
    const std::string rxText = trim(fields[1]);
    if (rxText.empty()) {
        check.fail(2, "a channel with settings needs a receive frequency");
        return std::nullopt;
    }
    const std::optional<std::string> rx = checkedFrequency(rxText, limits, check, 2);
    const std::string txText = trim(fields[2]);
    const std::optional<std::string> tx =
        txText.empty() ? rx : checkedFrequency(txText, limits, check, 3);
    // Fields left empty take the values a new channel gets.
    ChannelRow row = newChannelDefaults(rx.value_or(""), language);
    if (!current[fieldIndex(ChannelField::RxFrequency)].empty()) {
        row[fieldIndex(ChannelField::Power)] = current[fieldIndex(ChannelField::Power)];
    }
    row[fieldIndex(ChannelField::TxFrequency)] = tx.value_or("");
    for (std::size_t i = 2; i < kFileFields.size(); ++i) {
        const ChannelField field = kFileFields[i];
        const std::string text = trim(fields[i + 1]);
        if (text.empty()) {
            continue;
        }
        const std::optional<int> index = choiceIndex(field, text);
        if (!index) {
            check.fail(static_cast<int>(i) + 2,
                       "\"" + text + "\" is not a " + kHeader[i + 1] + " setting");
            continue;
        }
        row[fieldIndex(field)] = fieldChoices(field, language)[static_cast<std::size_t>(*index)];
    }
    if (check.count() != before) {
        return std::nullopt;
    }
    return row;
}

std::optional<int> channelNumber(std::string_view text) {
    const std::optional<int> number = parseIntegerText(text);
    if (!number || *number < 1 || *number > map::kChannelCount) {
        return std::nullopt;
    }
    return number;
}

}  // namespace

std::string channelsCsvHeader() {
    return csvLine(headerFields());
}

std::string exportChannelsCsv(const ChannelTable& englishTable) {
    std::string csv = channelsCsvHeader();
    for (std::size_t channel = 0; channel < englishTable.size(); ++channel) {
        std::vector<std::string> fields{std::to_string(channel + 1)};
        for (const ChannelField field : kFileFields) {
            fields.push_back(englishTable[channel][fieldIndex(field)]);
        }
        csv += csvLine(fields);
    }
    return csv;
}

std::string exportChannelsCsv(const MemoryImage& image) {
    return exportChannelsCsv(decodeChannels(image, Language::English));
}

std::string describeProblems(const CsvProblems& problems) {
    std::string text;
    for (const CsvProblem& problem : problems) {
        text += "line " + std::to_string(problem.line);
        if (problem.column > 0) {
            text += ", column " + std::to_string(problem.column);
        }
        text += ": " + problem.reason + "\n";
    }
    return text;
}

Result<ChannelTable, CsvProblems> importChannelsCsv(std::string_view csv,
                                                    const ChannelTable& current, BandLimits limits,
                                                    ImportMode mode, Language language) {
    using Outcome = Result<ChannelTable, CsvProblems>;
    const auto parsed = parseCsv(csv);
    if (!parsed) {
        return Outcome::failure(CsvProblems{{0, 0, parsed.error()}});
    }
    const std::vector<CsvRecord>& records = parsed.value();
    if (records.empty() || records.front().fields != headerFields()) {
        const int line = records.empty() ? 1 : records.front().line;
        return Outcome::failure(CsvProblems{
            {line, 0, "the first line must be the header " + trim(channelsCsvHeader())}});
    }
    ChannelTable table = current;
    if (mode == ImportMode::Replace) {
        table = {};
    }
    CsvProblems problems;
    std::set<int> seen;
    for (std::size_t r = 1; r < records.size(); ++r) {
        const CsvRecord& record = records[r];
        LineCheck check(record.line, problems);
        if (record.fields.size() != kHeader.size()) {
            check.fail(0, "has " + std::to_string(record.fields.size()) + " fields instead of " +
                              std::to_string(kHeader.size()));
            continue;
        }
        const std::optional<int> channel = channelNumber(record.fields[0]);
        if (!channel) {
            check.fail(1, "\"" + record.fields[0] + "\" is not a channel number from 1 to 16");
            continue;
        }
        if (!seen.insert(*channel).second) {
            check.fail(1, "channel " + std::to_string(*channel) + " is listed twice");
            continue;
        }
        const auto index = static_cast<std::size_t>(*channel - 1);
        if (auto row = readRow(record.fields, current[index], limits, language, check)) {
            table[index] = *row;
        }
    }
    if (!problems.empty()) {
        return Outcome::failure(problems);
    }
    return table;
}

}  // namespace radio
