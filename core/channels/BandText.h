#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "core/channels/Frequency.h"
#include "core/config/IniFile.h"

namespace radio {

// A radio type's band list: items separated by '|' ("400-470|430-480"). There is always at
// least one item; a trailing '|' or an empty value gives an empty last item.
std::vector<std::string> splitBandList(std::string_view value);

// The item at index; the last item when index is beyond the end (a negative index gives the
// first). A value without '|' is its own single item.
std::string bandItem(std::string_view value, int index);

// "400-470" gives 400 and 470 MHz: the leading integer, and the integer after the first '-'
// (the leading integer again when there is no '-'), each as atoi reads it. Texts without a
// number give 0; values beyond the int32 range saturate.
BandLimits bandLimits(std::string_view bandText);

// The band text Program.ini gives a radio type and band index (both 0-based, as the image
// stores them): item bandIndex of [Setup] Field<typeIndex + 1>.
std::string configuredBand(const IniFile& config, int typeIndex, int bandIndex);

}  // namespace radio
