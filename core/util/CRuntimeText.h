#pragma once

#include <optional>
#include <string>
#include <string_view>

// Number and text rules of the C runtime that stored data and typed input depend on,
// done without the C locale so that a user's locale never changes a result.
namespace radio {

bool isCSpace(char c);

// atoi: leading white space, optional sign, decimal digits; 0 when there are none.
// Saturates instead of overflowing.
int leadingInt(std::string_view text);

// sscanf("%d"): like leadingInt, but tells whether any digit was read.
std::optional<int> scanInt(std::string_view text);

// atof: leading white space, the longest numeric prefix (decimal, exponent, hex, inf, nan);
// 0 when there is none.
double leadingDouble(std::string_view text);

// printf("%.<decimals>f"), always with '.' as the decimal point.
std::string formatFixed(double value, int decimals);

// printf("%<width>d").
std::string formatInt(long long value, int width = 0);

// Shortest general form with up to 15 significant digits (0.5, 1, 1.55).
std::string formatGeneral15(double value);

std::string trim(std::string_view text);

// Case-insensitive for ASCII letters; every other byte (UTF-8, GBK) compares as it is.
bool equalsNoCase(std::string_view a, std::string_view b);
bool startsWithNoCase(std::string_view text, std::string_view prefix);

}  // namespace radio
