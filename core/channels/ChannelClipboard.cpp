#include "core/channels/ChannelClipboard.h"

#include <optional>
#include <stdexcept>
#include <utility>
#include <vector>

#include "core/channels/CellEdit.h"
#include "core/channels/ChannelCsv.h"
#include "core/channels/ChannelListHeader.h"
#include "core/channels/ChoiceText.h"
#include "core/image/ImageMap.h"
#include "core/text/Texts.h"
#include "core/util/CRuntimeText.h"
#include "core/util/CsvText.h"
#include "core/util/NumberText.h"

namespace radio {
namespace {

using CellLine = std::vector<std::string>;

void checkChannel(int channel) {
    if (channel < 1 || channel > map::kChannelCount) {
        throw std::out_of_range("channel number outside 1..16");
    }
}

void checkColumn(std::size_t column) {
    if (column >= kVisibleColumnCount) {
        throw std::out_of_range("grid column outside the visible columns");
    }
}

int gridColumn(ChannelField field) {
    return static_cast<int>(fieldIndex(field)) + 1;
}

CellLine splitCells(std::string_view line) {
    CellLine cells;
    std::size_t start = 0;
    for (std::size_t tab = line.find('\t'); tab != std::string_view::npos;
         tab = line.find('\t', start)) {
        cells.emplace_back(line.substr(start, tab - start));
        start = tab + 1;
    }
    cells.emplace_back(line.substr(start));
    return cells;
}

std::vector<CellLine> cellLines(std::string_view text) {
    std::vector<CellLine> lines;
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
        if (!line.empty() && line.back() == '\r') {
            line.remove_suffix(1);
        }
        lines.push_back(splitCells(line));
    }
    return lines;
}

CsvProblem refusedFrequency(int channel, ChannelField field, FrequencyCheck check) {
    const TextId reason =
        check == FrequencyCheck::OutOfRange ? TextId::InputOutOfRange : TextId::InputOffRaster;
    return {channel, gridColumn(field), std::string(text(reason, Language::English)),
            std::string(text(reason, Language::Chinese))};
}

CsvProblem refusedChoice(int channel, ChannelField field, const std::string& pasted) {
    const std::string quoted = "\"" + pasted + "\"";
    return {channel, gridColumn(field), quoted + " is not one of the column's choices",
            quoted + " 不是该列的可选值"};
}

// One pasted cell into the row, as typing it would go in.
void pasteCell(ChannelRow& row, int channel, ChannelField field, std::string_view pasted,
               BandLimits limits, Language language, CsvProblems& problems) {
    const std::string cell = trim(pasted);
    std::string typed;
    if (field == ChannelField::RxFrequency || field == ChannelField::TxFrequency) {
        typed = withDecimalPoint(cell);
    } else if (cell.empty()) {
        return;
    } else if (std::optional<std::string> choice = choiceNamed(field, cell, language)) {
        typed = std::move(*choice);
    } else {
        problems.push_back(refusedChoice(channel, field, cell));
        return;
    }
    CellEdit edit = commitCellText(row, field, typed, limits, language);
    if (edit.check != FrequencyCheck::Accepted) {
        problems.push_back(refusedFrequency(channel, field, edit.check));
    }
    row = std::move(edit.row);
}

// The grid column of a column of the pasted list; 0 for the Channel column and the whole line.
int gridColumnOf(const ChannelListColumns& columns, int textColumn) {
    for (std::size_t column = 1; column < columns.position.size(); ++column) {
        if (columns.position[column] &&
            static_cast<int>(*columns.position[column]) + 1 == textColumn) {
            return gridColumn(kChannelListFields[column - 1]);
        }
    }
    return 0;
}

// The channel a line of the pasted list names, if it names one.
std::optional<int> channelOnLine(const std::vector<CsvRecord>& records,
                                 const ChannelListColumns& columns, int line) {
    for (const CsvRecord& record : records) {
        if (record.line == line && record.fields.size() == columns.count) {
            return channelListNumber(record.fields[*columns.position[0]]);
        }
    }
    return std::nullopt;
}

// Problems of a pasted list, from the text's lines and columns to channels and grid columns.
CsvProblems atChannels(CsvProblems problems, std::string_view text) {
    const auto records = parseCsv(text, channelListSeparator(text));
    CsvProblems ignored;
    const auto columns = records && !records.value().empty()
                             ? readChannelListHeader(records.value().front().fields, 1, ignored)
                             : std::nullopt;
    for (CsvProblem& problem : problems) {
        const std::optional<int> channel =
            columns ? channelOnLine(records.value(), *columns, problem.line) : std::nullopt;
        problem.column = channel ? gridColumnOf(*columns, problem.column) : 0;
        problem.line = channel.value_or(0);
    }
    return problems;
}

bool startsWithListHeader(std::string_view text) {
    const std::string_view firstLine = text.substr(0, text.find('\n'));
    const auto records = parseCsv(firstLine, channelListSeparator(firstLine));
    return records && !records.value().empty() && namesAnyColumn(records.value().front().fields);
}

}  // namespace

std::string channelCellsText(const ChannelTable& table, int firstChannel, int lastChannel,
                             std::size_t firstColumn, std::size_t lastColumn) {
    checkChannel(firstChannel);
    checkChannel(lastChannel);
    checkColumn(firstColumn);
    checkColumn(lastColumn);
    if (lastChannel < firstChannel || lastColumn < firstColumn) {
        throw std::out_of_range("a cell range that ends before it starts");
    }
    std::string text;
    for (int channel = firstChannel; channel <= lastChannel; ++channel) {
        const ChannelRow& row = table[static_cast<std::size_t>(channel - 1)];
        for (std::size_t column = firstColumn; column <= lastColumn; ++column) {
            text += column == firstColumn ? "" : "\t";
            text += row[fieldIndex(kChannelListFields[column])];
        }
        text += "\r\n";
    }
    return text;
}

Result<ChannelTable, CsvProblems> pasteChannelText(std::string_view text,
                                                   const ChannelTable& current, int firstChannel,
                                                   std::size_t firstColumn, BandLimits limits,
                                                   Language language) {
    using Outcome = Result<ChannelTable, CsvProblems>;
    checkChannel(firstChannel);
    checkColumn(firstColumn);
    if (startsWithListHeader(text)) {
        auto list = importChannelsCsv(text, current, limits, ImportMode::Merge, language);
        if (!list) {
            return Outcome::failure(atChannels(list.error(), text));
        }
        return list;
    }
    ChannelTable table = current;
    CsvProblems problems;
    int channel = firstChannel;
    for (const CellLine& line : cellLines(text)) {
        if (channel > map::kChannelCount) {
            break;
        }
        ChannelRow& row = table[static_cast<std::size_t>(channel - 1)];
        for (std::size_t at = 0; at < line.size() && firstColumn + at < kVisibleColumnCount; ++at) {
            pasteCell(row, channel, kChannelListFields[firstColumn + at], line[at], limits,
                      language, problems);
        }
        ++channel;
    }
    if (!problems.empty()) {
        return Outcome::failure(problems);
    }
    return table;
}

std::string describePasteProblems(const CsvProblems& problems, Language language) {
    return describeEach(problems, language, [language](const CsvProblem& problem) {
        if (problem.line == 0) {
            return std::string();
        }
        const bool chinese = language == Language::Chinese;
        std::string place = (chinese ? "信道 " : "Channel ") + std::to_string(problem.line);
        if (problem.column > 0) {
            const auto field = static_cast<ChannelField>(problem.column - 1);
            place += (chinese ? "，" : ", ") + std::string(fieldHeader(field, language));
        }
        return place;
    });
}

}  // namespace radio
