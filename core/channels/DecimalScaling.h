#pragma once

#include <cstdint>
#include <string_view>

namespace radio {

// A typed number times factor, exact for every text of up to 15 significant digits
// (130.0125 x 100000 is 13001250, where double arithmetic gives 13001249.99...).
// The text is read as atof reads it (0 when it holds no number), the double is taken to its
// nearest 15-digit decimal, multiplied exactly, and truncated toward zero. Results beyond the
// int32 range saturate; NaN gives 0.
std::int32_t scaleDecimal(std::string_view text, int factor);
std::int32_t scaleDecimal(double value, int factor);

}  // namespace radio
