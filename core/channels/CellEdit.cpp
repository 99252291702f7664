#include "core/channels/CellEdit.h"

#include <string>

#include "core/util/CRuntimeText.h"

namespace radio {
namespace {

// A typed frequency as the cell keeps it: the number atof reads, with five decimals.
std::string cellFrequency(std::string_view typed) {
    return formatFixed(leadingDouble(typed), 5);
}

CellEdit commitRx(const ChannelRow& row, std::string_view typed, BandLimits limits,
                  Language language) {
    if (typed.empty()) {
        return {ChannelRow{}};
    }
    const std::string shown = cellFrequency(typed);
    const FrequencyCheck check = checkFrequency(parseFrequency(shown), limits);
    if (check != FrequencyCheck::Accepted) {
        return {ChannelRow{}, check};
    }
    if (row[fieldIndex(ChannelField::RxFrequency)].empty()) {
        return {newChannelDefaults(shown, language)};
    }
    ChannelRow edited = row;
    edited[fieldIndex(ChannelField::RxFrequency)] = shown;
    return {edited};
}

CellEdit commitTx(const ChannelRow& row, std::string_view typed, BandLimits limits) {
    const std::string& rx = row[fieldIndex(ChannelField::RxFrequency)];
    CellEdit edit{row};
    std::string& tx = edit.row[fieldIndex(ChannelField::TxFrequency)];
    if (typed.empty()) {
        tx = rx;  // transmit follows receive
        return edit;
    }
    const std::string shown = cellFrequency(typed);
    edit.check = checkFrequency(parseFrequency(shown), limits);
    tx = edit.check == FrequencyCheck::Accepted && !rx.empty() ? shown : std::string();
    return edit;
}

}  // namespace

CellEdit commitCellText(const ChannelRow& row, ChannelField field, std::string_view typed,
                        BandLimits limits, Language language) {
    switch (field) {
        case ChannelField::RxFrequency:
            return commitRx(row, typed, limits, language);
        case ChannelField::TxFrequency:
            return commitTx(row, typed, limits);
        default: {
            const bool empty = row[fieldIndex(ChannelField::RxFrequency)].empty() &&
                               row[fieldIndex(ChannelField::TxFrequency)].empty();
            CellEdit edit{row};
            edit.row[fieldIndex(field)] = empty ? std::string() : std::string(typed);
            return edit;
        }
    }
}

}  // namespace radio
