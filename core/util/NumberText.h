#pragma once

#include <optional>
#include <string_view>

namespace radio {

// A whole box's text as a decimal number: blanks around it are allowed, anything else that
// is not part of the number makes it no number (nullopt). Hex, "inf" and "nan" are not numbers.
std::optional<double> parseNumberText(std::string_view text);

// A whole box's text as an integer: optional sign, digits, blanks around; saturates at the
// int range.
std::optional<int> parseIntegerText(std::string_view text);

}  // namespace radio
