#pragma once

#include <string>
#include <vector>

#include "core/image/MemoryImage.h"
#include "core/text/Language.h"

namespace radio {

// One difference between two images: what differs, and how each image has it.
struct ImageDifference {
    std::string what;
    std::string first;
    std::string second;
    friend bool operator==(const ImageDifference&, const ImageDifference&) = default;
};

// Every difference by name: channel fields with the grid's texts, options, scan settings,
// type and band, the service tables. Bits that differ without any named value showing it
// (unused bits, areas no page shows) are listed as raw byte ranges, also when a named value
// of the same byte differs as well.
std::vector<ImageDifference> diffImages(const MemoryImage& first, const MemoryImage& second,
                                        Language language = Language::English);

// "what: first | second", a line each.
std::string describeDifferences(const std::vector<ImageDifference>& differences);

// The differences of two images as the user reads them, in the interface language:
// a line each, or "No differences".
std::string differenceText(const MemoryImage& first, const MemoryImage& second, Language language);

}  // namespace radio
