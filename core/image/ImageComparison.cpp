#include "core/image/ImageComparison.h"

#include <utility>

#include "core/text/Texts.h"

namespace radio {
namespace {

std::string hex(unsigned value, int digits) {
    static const char* const kDigits = "0123456789ABCDEF";
    std::string text(static_cast<std::size_t>(digits), '0');
    for (int i = digits - 1; i >= 0; --i) {
        text[static_cast<std::size_t>(i)] = kDigits[value & 0xF];
        value >>= 4;
    }
    return text;
}

std::string rangeName(std::size_t first, std::size_t end, Language language) {
    std::string range = "0x" + hex(static_cast<unsigned>(first), 3);
    if (end - first > 1) {
        range += "-0x" + hex(static_cast<unsigned>(end - 1), 3);
    }
    return fillText(text(TextId::DiffBytes, language), {range});
}

std::string rangeBytes(const MemoryImage& image, std::size_t first, std::size_t end) {
    std::string text;
    for (std::size_t i = first; i < end; ++i) {
        if (i > first) {
            text += ' ';
        }
        text += hex(image[i], 2);
    }
    return text;
}

}  // namespace

std::vector<Bits> wholeBytes(std::size_t first, std::size_t count) {
    std::vector<Bits> bits;
    for (std::size_t i = 0; i < count; ++i) {
        bits.push_back({first + i});
    }
    return bits;
}

void ImageComparison::value(const std::string& what, const Show& show,
                            const std::vector<Bits>& bits) {
    std::string first = show(first_);
    std::string second = show(second_);
    if (first == second) {
        return;
    }
    for (const Bits& b : bits) {
        explained_.at(b.offset) = static_cast<std::uint8_t>(explained_.at(b.offset) | b.mask);
    }
    found_.push_back({what, std::move(first), std::move(second)});
}

std::vector<ImageDifference> ImageComparison::finish() {
    for (std::size_t at = 0; at < MemoryImage::kSize;) {
        if (!unexplained(at)) {
            ++at;
            continue;
        }
        std::size_t end = at;
        while (end < MemoryImage::kSize && unexplained(end)) {
            ++end;
        }
        found_.push_back({rangeName(at, end, language_), rangeBytes(first_, at, end),
                          rangeBytes(second_, at, end)});
        at = end;
    }
    return std::move(found_);
}

bool ImageComparison::unexplained(std::size_t offset) const {
    return ((first_[offset] ^ second_[offset]) & ~explained_[offset]) != 0;
}

}  // namespace radio
