#pragma once

#include <string>
#include <vector>

#include "core/channels/Frequency.h"
#include "core/image/MemoryImage.h"
#include "core/text/Language.h"

namespace radio {

// The channels (1..16) whose receive or transmit frequency lies outside the band, in order. A
// channel without a frequency is never outside: there is nothing to send on.
std::vector<int> channelsOutsideBand(const MemoryImage& image, BandLimits band);

// What the user is told about them: "Channels 1, 2, 5 lie outside the band 144-148 MHz.".
std::string outsideBandMessage(const std::vector<int>& channels, BandLimits band,
                               Language language);

}  // namespace radio
