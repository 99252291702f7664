#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "core/image/ImageMap.h"
#include "core/text/Language.h"

namespace radio {

// The channel grid's data columns, in column order (grid column = index + 1).
enum class ChannelField {
    RxFrequency,
    TxFrequency,
    DecodeTone,
    EncodeTone,
    Power,
    ScanAdd,
    BusyLock,
    WideNarrow,
    Compand,
    Scrambler,
};
constexpr std::size_t kChannelFieldCount = 10;

constexpr std::size_t fieldIndex(ChannelField field) {
    return static_cast<std::size_t>(field);
}

// One channel as the grid shows it: one text per field, in field order.
using ChannelRow = std::array<std::string, kChannelFieldCount>;
// Channels 1..16 at indexes 0..15.
using ChannelTable = std::array<ChannelRow, map::kChannelCount>;

// The items of a field's drop-down list, in list order; empty for the frequency fields,
// which are typed.
std::vector<std::string> fieldChoices(ChannelField field, Language language);

// The grid's header of a field's column, in the given language.
std::string_view fieldHeader(ChannelField field, Language language);

// A channel that has just been given its receive frequency: the same transmit frequency,
// no tones, high power, not scanned, no busy lock, wide, compander and scrambler off.
ChannelRow newChannelDefaults(std::string frequencyText, Language language);

}  // namespace radio
