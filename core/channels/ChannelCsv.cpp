#include "core/channels/ChannelCsv.h"

#include <algorithm>
#include <array>
#include <optional>
#include <vector>

#include "core/channels/ChannelCodec.h"
#include "core/channels/ChannelListHeader.h"
#include "core/image/ImageMap.h"
#include "core/util/CRuntimeText.h"
#include "core/util/CsvText.h"

namespace radio {
namespace {

std::vector<std::string> headerFields() {
    return {kChannelListHeader.begin(), kChannelListHeader.end()};
}

// The table the file gives, which channels it lists, and which of those lines are exactly
// what an export of the current channel writes.
struct ChannelList {
    ChannelTable table;
    std::array<bool, map::kChannelCount> listed{};
    std::array<bool, map::kChannelCount> unchanged{};
};

// The fields after "Channel" as exported: none for a channel without a receive frequency.
std::vector<std::string> exportedSettings(const ChannelRow& row) {
    const bool empty = row[fieldIndex(ChannelField::RxFrequency)].empty();
    std::vector<std::string> fields;
    for (const ChannelField field : kChannelListFields) {
        fields.push_back(empty ? std::string() : row[fieldIndex(field)]);
    }
    return fields;
}

bool showsExport(const std::vector<std::string>& line, const ChannelRow& current) {
    const std::vector<std::string> exported = exportedSettings(current);
    for (std::size_t i = 0; i < exported.size(); ++i) {
        if (trim(line[i + 1]) != exported[i]) {
            return false;
        }
    }
    return true;
}

// A record in export order. A column the file lacks keeps what the channel shows when
// merging and is empty (a new channel's value) otherwise; a line whose settings in the file
// are all empty stays an empty channel.
std::vector<std::string> exportOrder(const CsvRecord& record, const ChannelListColumns& columns,
                                     const ChannelRow& current, ImportMode mode) {
    const std::vector<std::string> kept = exportedSettings(current);
    std::vector<std::string> line(kChannelListHeader.size());
    bool givenSettings = false;
    for (std::size_t column = 0; column < line.size(); ++column) {
        if (const auto at = columns.position[column]) {
            line[column] = record.fields[*at];
            givenSettings = givenSettings || (column > 0 && !trim(line[column]).empty());
        } else if (mode == ImportMode::Merge) {
            line[column] = kept[column - 1];
        }
    }
    if (columns.hasSettings() && !givenSettings) {
        std::fill(line.begin() + 1, line.end(), std::string());
    }
    return line;
}

// Problems found in export order, moved to the file's columns; one in a column the file
// lacks concerns the whole line.
void toFileColumns(CsvProblems& problems, std::size_t from, const ChannelListColumns& columns) {
    for (std::size_t i = from; i < problems.size(); ++i) {
        int& column = problems[i].column;
        if (column > 0) {
            const auto at = columns.position[static_cast<std::size_t>(column - 1)];
            column = at ? static_cast<int>(*at) + 1 : 0;
        }
    }
}

std::string fieldCount(std::size_t count) {
    return std::to_string(count) + (count == 1 ? " field" : " fields");
}

// One record into the list; a bad channel number still has its settings checked, so that
// one pass names every problem.
void readRecord(const CsvRecord& record, const ChannelListColumns& columns,
                const ChannelTable& current, BandLimits limits, ImportMode mode, Language language,
                ChannelList& list, CsvProblems& problems) {
    if (record.fields.size() != columns.count) {
        problems.push_back({record.line, 0,
                            "has " + fieldCount(record.fields.size()) + " instead of " +
                                std::to_string(columns.count),
                            "有 " + std::to_string(record.fields.size()) + " 个字段，应为 " +
                                std::to_string(columns.count) + " 个"});
        return;
    }
    const std::size_t before = problems.size();
    const std::string& number = record.fields[*columns.position[0]];
    const std::optional<int> channel = channelListNumber(number);
    std::optional<std::size_t> index;
    if (!channel) {
        const std::string quoted = "\"" + number + "\"";
        problems.push_back({record.line, 1, quoted + " is not a channel number from 1 to 16",
                            quoted + " 不是 1 到 16 的信道号"});
    } else if (list.listed[static_cast<std::size_t>(*channel - 1)]) {
        problems.push_back({record.line, 1,
                            "channel " + std::to_string(*channel) + " is listed twice",
                            "信道 " + std::to_string(*channel) + " 重复出现"});
    } else {
        index = static_cast<std::size_t>(*channel - 1);
        list.listed[*index] = true;
    }
    const ChannelRow& currentRow = index ? current[*index] : ChannelRow{};
    const std::vector<std::string> line = exportOrder(record, columns, currentRow, mode);
    const std::optional<ChannelRow> row =
        readChannelLine(line, currentRow, limits, language, record.line, problems);
    toFileColumns(problems, before, columns);
    if (index && row) {
        list.table[*index] = *row;
        list.unchanged[*index] = showsExport(line, currentRow);
    }
}

// Spreadsheets save their unused rows as lines of separators only (",,,,").
std::vector<CsvRecord> withoutBlankRecords(const std::vector<CsvRecord>& records) {
    std::vector<CsvRecord> kept;
    for (const CsvRecord& record : records) {
        if (std::any_of(record.fields.begin(), record.fields.end(),
                        [](const std::string& field) { return !trim(field).empty(); })) {
            kept.push_back(record);
        }
    }
    return kept;
}

// A line that is not text says so, rather than being quoted: a NUL byte would end the message
// there, and the replacement characters of undecodable bytes say nothing.
std::optional<CsvProblem> textProblem(const CsvRecord& record) {
    const auto holds = [&](std::string_view bytes) {
        return std::any_of(record.fields.begin(), record.fields.end(), [&](const auto& field) {
            return field.find(bytes) != std::string::npos;
        });
    };
    if (holds(std::string_view("\0", 1))) {
        return CsvProblem{record.line, 0, "holds a NUL byte; a channel list is plain text",
                          "含有 NUL 字节；信道列表应是纯文本"};
    }
    if (holds("\xEF\xBF\xBD")) {  // U+FFFD, what the decoder made of them
        return CsvProblem{record.line, 0, "holds bytes that are neither UTF-8 nor GBK text",
                          "含有既非 UTF-8 也非 GBK 文本的字节"};
    }
    return std::nullopt;
}

Result<ChannelList, CsvProblems> readChannelList(std::string_view csv, const ChannelTable& current,
                                                 BandLimits limits, ImportMode mode,
                                                 Language language) {
    using Outcome = Result<ChannelList, CsvProblems>;
    const auto parsed = parseCsv(csv, channelListSeparator(csv));
    if (!parsed) {
        return Outcome::failure(
            {{parsed.error().line, 0, parsed.error().reason, "引号括起的字段没有结束"}});
    }
    const std::vector<CsvRecord> records = withoutBlankRecords(parsed.value());
    if (records.empty()) {
        return Outcome::failure(
            {{1, 0, "the first line must be a header naming the columns", "第一行必须是列名表头"}});
    }
    CsvProblems problems;
    if (auto problem = textProblem(records.front())) {
        return Outcome::failure({*problem});
    }
    const auto columns =
        readChannelListHeader(records.front().fields, records.front().line, problems);
    if (!columns) {
        return Outcome::failure(problems);
    }
    ChannelList list;
    if (mode == ImportMode::Merge) {
        list.table = current;
    }
    for (std::size_t r = 1; r < records.size(); ++r) {
        if (auto problem = textProblem(records[r])) {
            problems.push_back(std::move(*problem));
            continue;
        }
        readRecord(records[r], *columns, current, limits, mode, language, list, problems);
    }
    if (!problems.empty()) {
        return Outcome::failure(problems);
    }
    return list;
}

using map::scanAddBit;
using map::scanAddOffset;

// Encodes a row the file changed; the fields that still show what the channel held keep
// their bits, which the encoder may not reproduce (an unlisted DCS code, scrambler 9..15).
void storeChannel(MemoryImage& image, const MemoryImage& base, int channel, const ChannelRow& row,
                  const ChannelRow& current) {
    encodeChannel(image, channel, row);
    const bool scanned = row[fieldIndex(ChannelField::ScanAdd)] ==
                         fieldChoices(ChannelField::ScanAdd, Language::English).front();
    image.setBits(scanAddOffset(channel), scanAddBit(channel), scanned ? scanAddBit(channel) : 0);
    const auto rx = fieldIndex(ChannelField::RxFrequency);
    if (current[rx].empty() || row[rx].empty()) {
        return;  // a new channel, or one the file empties
    }
    for (const ChannelField field : kChannelListFields) {
        if (row[fieldIndex(field)] == current[fieldIndex(field)]) {
            copyFieldBits(image, base, channel, field);
        }
    }
}

}  // namespace

std::string channelsCsvHeader() {
    return csvLine(headerFields());
}

std::string exportChannelsCsv(const ChannelTable& englishTable) {
    std::string csv = channelsCsvHeader();
    for (std::size_t channel = 0; channel < englishTable.size(); ++channel) {
        std::vector<std::string> fields{std::to_string(channel + 1)};
        for (std::string& field : exportedSettings(englishTable[channel])) {
            fields.push_back(std::move(field));
        }
        csv += csvLine(fields);
    }
    return csv;
}

std::string exportChannelsCsv(const MemoryImage& image) {
    return exportChannelsCsv(decodeChannels(image, Language::English));
}

std::string describeEach(const CsvProblems& problems, Language language,
                         const std::function<std::string(const CsvProblem&)>& place) {
    std::string text;
    for (const CsvProblem& problem : problems) {
        const std::string where = place(problem);
        if (!where.empty()) {
            text += where + (language == Language::Chinese ? "：" : ": ");
        }
        text += problem.reasonIn(language) + "\n";
    }
    return text;
}

std::string describeProblems(const CsvProblems& problems, Language language, std::size_t most) {
    const CsvProblems shown(
        problems.begin(),
        problems.begin() + static_cast<std::ptrdiff_t>(std::min(problems.size(), most)));
    std::string text = describeEach(shown, language, [language](const CsvProblem& problem) {
        const std::string line = std::to_string(problem.line);
        const std::string column = std::to_string(problem.column);
        if (language == Language::Chinese) {
            return "第 " + line + " 行" + (problem.column > 0 ? "，第 " + column + " 列" : "");
        }
        return "line " + line + (problem.column > 0 ? ", column " + column : "");
    });
    if (problems.size() > shown.size()) {
        const std::string more = std::to_string(problems.size() - shown.size());
        text += language == Language::Chinese ? "……另有 " + more + " 处\n"
                                              : "... and " + more + " more\n";
    }
    return text;
}

Result<ChannelTable, CsvProblems> importChannelsCsv(std::string_view csv,
                                                    const ChannelTable& current, BandLimits limits,
                                                    ImportMode mode, Language language) {
    auto list = readChannelList(csv, current, limits, mode, language);
    if (!list) {
        return Result<ChannelTable, CsvProblems>::failure(list.error());
    }
    return list.value().table;
}

Result<MemoryImage, CsvProblems> importChannelsCsv(std::string_view csv, const MemoryImage& base,
                                                   BandLimits limits, ImportMode mode) {
    const ChannelTable current = decodeChannels(base, Language::English);
    auto list = readChannelList(csv, current, limits, mode, Language::English);
    if (!list) {
        return Result<MemoryImage, CsvProblems>::failure(list.error());
    }
    // A line the file left as exported keeps the channel's record and scan-add bit byte for
    // byte; a channel the file does not list is emptied by Replace and kept by Merge.
    const ChannelList& read = list.value();
    MemoryImage image = base;
    for (int channel = 1; channel <= map::kChannelCount; ++channel) {
        const auto index = static_cast<std::size_t>(channel - 1);
        if (read.listed[index] ? read.unchanged[index] : mode == ImportMode::Merge) {
            continue;
        }
        storeChannel(image, base, channel, read.table[index], current[index]);
    }
    return image;
}

}  // namespace radio
