#pragma once

#include <cstddef>
#include <string_view>

namespace radio {

// The service access code that unlocks the adjustment pages and full writes for one run.
constexpr std::string_view kAccessCode = "472816";
constexpr std::size_t kAccessCodeLength = 6;

constexpr bool accessCodeAccepted(std::string_view entry) {
    return entry == kAccessCode;
}

}  // namespace radio
