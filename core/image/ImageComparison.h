#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "core/image/ImageDiff.h"
#include "core/image/MemoryImage.h"
#include "core/text/Language.h"

namespace radio {

// Bits of one byte that a named value is decoded from.
struct Bits {
    std::size_t offset;
    std::uint8_t mask = 0xFF;
};

// Every bit of count bytes from first.
std::vector<Bits> wholeBytes(std::size_t first, std::size_t count);

// Compares named values of two images; the bits behind a value that differs count as
// explained. A byte is listed raw when bits of it differ that no differing value explains,
// so a change next to a named one (byte 15 of a record, another channel's scan bit) is never
// hidden, and a named change never shows up raw as well.
class ImageComparison {
  public:
    using Show = std::function<std::string(const MemoryImage&)>;

    ImageComparison(const MemoryImage& first, const MemoryImage& second, Language language)
        : first_(first), second_(second), language_(language) {}

    void value(const std::string& what, const Show& show, const std::vector<Bits>& bits);

    // The named differences in the order compared, then the raw byte ranges by address.
    std::vector<ImageDifference> finish();

  private:
    bool unexplained(std::size_t offset) const;

    const MemoryImage& first_;
    const MemoryImage& second_;
    Language language_;
    std::array<std::uint8_t, MemoryImage::kSize> explained_{};
    std::vector<ImageDifference> found_;
};

}  // namespace radio
