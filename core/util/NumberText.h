#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace radio {

// A whole box's text as a decimal number: blanks around it are allowed, anything else that
// is not part of the number makes it no number (nullopt). Hex, "inf" and "nan" are not numbers.
std::optional<double> parseNumberText(std::string_view text);

// A whole box's text as an integer: optional sign, digits, blanks around; saturates at the
// int range.
std::optional<int> parseIntegerText(std::string_view text);

// A comma typed as the decimal point ("446,0125", "67,0") as a point, so that it is never
// read as the end of the number (446.0); any other text, with points or several commas,
// comes back unchanged and is judged as typed.
std::string withDecimalPoint(std::string_view text);

}  // namespace radio
