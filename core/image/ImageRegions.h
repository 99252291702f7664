#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "core/text/Language.h"

namespace radio {

// What the bytes at the given offsets hold, by the image map: "channel 3", "optional
// features", "power adjustment", ... each region once, in address order, joined by ", ".
std::string regionNames(const std::vector<std::size_t>& offsets, Language language);

}  // namespace radio
