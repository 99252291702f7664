#include "core/channels/CellEdit.h"

#include <string>

#include "core/util/CRuntimeText.h"
#include "core/util/NumberText.h"

namespace radio {

namespace {

std::string& cell(ChannelRow& row, ChannelField field) {
    return row[fieldIndex(field)];
}
const std::string& cell(const ChannelRow& row, ChannelField field) {
    return row[fieldIndex(field)];
}

CellEdit commitFrequency(ChannelRow row, ChannelField field, std::string_view typed,
                         BandLimits limits, Language language) {
    const std::string rx = cell(row, ChannelField::RxFrequency);
    const std::string text = frequencyCellText(typed);
    const FrequencyCheck check = checkFrequency(parseFrequency(text), limits);
    if (check != FrequencyCheck::Accepted) {
        if (field == ChannelField::RxFrequency) {
            row.fill(std::string());
        } else {
            cell(row, field).clear();
        }
        return {row, check};
    }
    if (field == ChannelField::TxFrequency) {
        cell(row, field) = rx.empty() ? std::string() : text;
    } else if (!rx.empty()) {
        cell(row, field) = text;
    } else {
        row = newChannelDefaults(text, language);
    }
    return {row, check};
}

}  // namespace

std::string frequencyCellText(std::string_view typed) {
    return formatFixed(leadingDouble(withDecimalPoint(typed)), 5);
}

CellEdit commitCellText(const ChannelRow& row, ChannelField field, std::string_view typed,
                        BandLimits limits, Language language) {
    const bool frequency = field == ChannelField::RxFrequency || field == ChannelField::TxFrequency;
    if (frequency && !typed.empty()) {
        return commitFrequency(row, field, typed, limits, language);
    }
    ChannelRow changed = row;
    if (field == ChannelField::RxFrequency) {
        changed.fill(std::string());
    } else if (field == ChannelField::TxFrequency) {
        cell(changed, field) = cell(row, ChannelField::RxFrequency);
    } else {
        const bool empty = cell(row, ChannelField::RxFrequency).empty() &&
                           cell(row, ChannelField::TxFrequency).empty();
        cell(changed, field) = empty ? std::string() : std::string(typed);
    }
    return {changed, FrequencyCheck::Accepted};
}

}  // namespace radio
