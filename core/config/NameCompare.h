#pragma once

#include <string_view>

namespace radio {

// Compares names ignoring the case of ASCII letters. In a text that is not UTF-8 (GBK), the
// second byte of a two-byte character is compared as it is, never case-folded.
bool namesEqualNoCase(std::string_view a, std::string_view b);

bool isValidUtf8(std::string_view text);

}  // namespace radio
