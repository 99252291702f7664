#include "core/channels/ChannelListHeader.h"

#include <algorithm>
#include <string>

#include "core/text/Texts.h"
#include "core/util/CRuntimeText.h"

namespace radio {
namespace {

// The grid's header of each list column, which spreadsheets copied from the grid carry.
constexpr std::array<TextId, kChannelListHeader.size()> kGridHeaders = {
    TextId::HeaderChannel,   TextId::HeaderRxFrequency, TextId::HeaderTxFrequency,
    TextId::HeaderDecode,    TextId::HeaderEncode,      TextId::HeaderScanAdd,
    TextId::HeaderBusyLock,  TextId::HeaderWideNarrow,  TextId::HeaderCompand,
    TextId::HeaderScrambler,
};

bool namesColumn(std::size_t column, std::string_view name) {
    return equalsNoCase(name, kChannelListHeader[column]) ||
           equalsNoCase(name, text(kGridHeaders[column], Language::English)) ||
           name == text(kGridHeaders[column], Language::Chinese);
}

std::optional<std::size_t> columnNamed(std::string_view name) {
    for (std::size_t column = 0; column < kChannelListHeader.size(); ++column) {
        if (namesColumn(column, name)) {
            return column;
        }
    }
    return std::nullopt;
}

std::string knownNames(Language language) {
    std::string names;
    for (std::size_t column = 0; column < kChannelListHeader.size(); ++column) {
        names += column == 0 ? "" : ", ";
        names += language == Language::Chinese ? std::string(text(kGridHeaders[column], language))
                                               : std::string(kChannelListHeader[column]);
    }
    return names;
}

}  // namespace

bool ChannelListColumns::hasSettings() const {
    for (std::size_t column = 1; column < position.size(); ++column) {
        if (position[column]) {
            return true;
        }
    }
    return false;
}

char channelListSeparator(std::string_view csv) {
    constexpr std::array<char, 3> kSeparators = {',', ';', '\t'};
    std::array<int, kSeparators.size()> counts{};
    bool quoted = false;
    bool lineStarted = false;  // empty lines before the header are skipped
    for (const char c : csv) {
        if (!quoted && (c == '\r' || c == '\n')) {
            if (lineStarted) {
                break;
            }
            continue;
        }
        lineStarted = true;
        if (c == '"') {
            quoted = !quoted;
        } else if (!quoted) {
            for (std::size_t i = 0; i < kSeparators.size(); ++i) {
                counts[i] += c == kSeparators[i] ? 1 : 0;
            }
        }
    }
    const auto most = std::max_element(counts.begin(), counts.end());  // the first of equals
    return kSeparators[static_cast<std::size_t>(most - counts.begin())];
}

bool namesAnyColumn(const std::vector<std::string>& fields) {
    return std::any_of(fields.begin(), fields.end(),
                       [](const std::string& name) { return columnNamed(trim(name)).has_value(); });
}

std::optional<ChannelListColumns> readChannelListHeader(const std::vector<std::string>& header,
                                                        int line, CsvProblems& problems) {
    const std::size_t before = problems.size();
    if (!namesAnyColumn(header)) {  // a file without a header: one message, not one per field
        problems.push_back(
            {line, 0,
             "the first line must be a header naming the columns: " + knownNames(Language::English),
             "第一行必须是列名表头：" + knownNames(Language::Chinese)});
        return std::nullopt;
    }
    ChannelListColumns columns;
    columns.count = header.size();
    for (std::size_t at = 0; at < header.size(); ++at) {
        const std::string name = trim(header[at]);
        const std::string quotedName = "\"" + name + "\"";
        const int fileColumn = static_cast<int>(at) + 1;
        const std::optional<std::size_t> column = columnNamed(name);
        if (!column) {
            problems.push_back(
                {line, fileColumn,
                 quotedName + " is not a column; the columns are " + knownNames(Language::English),
                 quotedName + " 不是可识别的列；可用的列为 " + knownNames(Language::Chinese)});
        } else if (columns.position[*column]) {
            problems.push_back(
                {line, fileColumn, quotedName + " is a column already", quotedName + " 列重复"});
        } else {
            columns.position[*column] = at;
        }
    }
    if (problems.size() == before && !columns.position[0]) {
        problems.push_back({line, 0, "the header needs a Channel column", "表头需要信道列"});
    }
    if (problems.size() != before) {
        return std::nullopt;
    }
    return columns;
}

}  // namespace radio
