#include "core/channels/ChannelListLine.h"

#include <stdexcept>
#include <utility>

#include "core/channels/ChoiceText.h"
#include "core/image/ImageMap.h"
#include "core/util/CRuntimeText.h"
#include "core/util/NumberText.h"

namespace radio {
namespace {

constexpr int kRxColumn = 2;
constexpr int kTxColumn = 3;

// Notes the problems of one line against its column numbers.
class LineCheck {
  public:
    LineCheck(int line, CsvProblems& problems)
        : line_(line), problems_(problems), before_(problems.size()) {}
    void fail(int column, std::string reason, std::string chineseReason) {
        problems_.push_back({line_, column, std::move(reason), std::move(chineseReason)});
    }
    bool passed() const { return problems_.size() == before_; }

  private:
    int line_;
    CsvProblems& problems_;
    std::size_t before_;
};

std::string quoted(std::string_view text) {
    std::string result;
    result.reserve(text.size() + 2);
    result += '"';
    result += text;
    result += '"';
    return result;
}

// The text as the grid keeps it ("%3.5f" of its number), once it passed the grid's rules.
// The messages quote the file's own text: a reformatted one may be thousands of digits long.
std::optional<std::string> checkedFrequency(std::string_view text, BandLimits limits,
                                            LineCheck& check, int column) {
    const std::optional<double> mhz = parseNumberText(withDecimalPoint(text));
    if (!mhz) {
        check.fail(column, quoted(text) + " is not a frequency", quoted(text) + " 不是频率");
        return std::nullopt;
    }
    std::string shown = formatFixed(*mhz, 5);
    switch (checkFrequency(parseFrequency(shown), limits)) {
        case FrequencyCheck::Accepted:
            return shown;
        case FrequencyCheck::OutOfRange: {
            const std::string band =
                formatFrequency(limits.lower) + " - " + formatFrequency(limits.upper) + " MHz";
            check.fail(column, quoted(text) + " is outside the band " + band,
                       quoted(text) + " 超出频段 " + band);
            return std::nullopt;
        }
        case FrequencyCheck::OffRaster:
            check.fail(column, quoted(text) + " is on neither the 5 kHz nor the 6.25 kHz raster",
                       quoted(text) + " 不在 5 kHz 或 6.25 kHz 步进上");
            return std::nullopt;
    }
    return std::nullopt;
}

bool settingsEmpty(const std::vector<std::string>& fields) {
    for (std::size_t i = 1; i < fields.size(); ++i) {
        if (!trim(fields[i]).empty()) {
            return false;
        }
    }
    return true;
}

// A field that still shows what the channel holds is taken as it stands: radios and other
// programs store values (tones off the list, frequencies outside the band) that typing
// refuses, and an exported file must import back unchanged.
bool showsCurrent(const ChannelRow& current, ChannelField field, const std::string& text) {
    return !current[fieldIndex(ChannelField::RxFrequency)].empty() &&
           text == current[fieldIndex(field)];
}

std::optional<std::string> readFrequency(const std::string& text, const ChannelRow& current,
                                         ChannelField field, BandLimits limits, LineCheck& check,
                                         int column) {
    if (showsCurrent(current, field, text)) {
        return text;
    }
    return checkedFrequency(text, limits, check, column);
}

// The list fields after the two frequencies, into row; empty ones keep the row's value.
void readChoices(const std::vector<std::string>& fields, const ChannelRow& current,
                 Language language, ChannelRow& row, LineCheck& check) {
    for (std::size_t i = 2; i < kChannelListFields.size(); ++i) {
        const ChannelField field = kChannelListFields[i];
        const std::string text = trim(fields[i + 1]);
        if (showsCurrent(current, field, text)) {
            row[fieldIndex(field)] = text;  // blank too: a scrambler 9..15 shows none
            continue;
        }
        if (text.empty()) {
            continue;
        }
        std::optional<std::string> choice = choiceNamed(field, text, language);
        if (!choice) {
            const std::string column = kChannelListHeader[i + 1];
            check.fail(static_cast<int>(i) + 2, quoted(text) + " is not a " + column + " setting",
                       quoted(text) + " 不是 " + column + " 的可选值");
            continue;
        }
        row[fieldIndex(field)] = std::move(*choice);
    }
}

}  // namespace

std::optional<ChannelRow> readChannelLine(const std::vector<std::string>& fields,
                                          const ChannelRow& current, BandLimits limits,
                                          Language language, int line, CsvProblems& problems) {
    if (fields.size() != kChannelListHeader.size()) {
        throw std::invalid_argument("a channel line has ten fields");
    }
    if (settingsEmpty(fields)) {
        return ChannelRow{};
    }
    LineCheck check(line, problems);
    const std::string rxText = trim(fields[1]);
    std::optional<std::string> rx;
    if (rxText.empty()) {
        check.fail(kRxColumn, "a channel with settings needs a receive frequency",
                   "有设置的信道需要接收频率");
    } else {
        rx = readFrequency(rxText, current, ChannelField::RxFrequency, limits, check, kRxColumn);
    }
    const std::string txText = trim(fields[2]);
    const std::optional<std::string> tx =
        txText.empty()
            ? rx
            : readFrequency(txText, current, ChannelField::TxFrequency, limits, check, kTxColumn);

    ChannelRow row = newChannelDefaults(rx.value_or(""), language);
    if (!current[fieldIndex(ChannelField::RxFrequency)].empty()) {
        row[fieldIndex(ChannelField::Power)] = current[fieldIndex(ChannelField::Power)];
    }
    row[fieldIndex(ChannelField::TxFrequency)] = tx.value_or("");
    readChoices(fields, current, language, row, check);
    if (!check.passed()) {
        return std::nullopt;
    }
    return row;
}

std::optional<int> channelListNumber(const std::string& text) {
    const std::optional<int> number = parseIntegerText(text);
    if (!number || *number < 1 || *number > map::kChannelCount) {
        return std::nullopt;
    }
    return number;
}

}  // namespace radio
