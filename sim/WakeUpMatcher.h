#pragma once

#include <cstddef>
#include <cstdint>

#include "core/link/CloneProtocol.h"

namespace radio::sim {

// Spots the wake-up string in a byte stream, wherever it starts. STX occurs only as the
// string's first byte, so a mismatch can only restart the match at that byte.
class WakeUpMatcher {
  public:
    // True when this byte completes the wake-up string.
    bool advance(std::uint8_t byte) {
        if (byte == clone::kWakeUp[matched_]) {
            ++matched_;
        } else {
            matched_ = byte == clone::kStx ? 1 : 0;
        }
        if (matched_ < clone::kWakeUp.size()) {
            return false;
        }
        matched_ = 0;
        return true;
    }

    // Part of the string has been seen and may still complete.
    bool inProgress() const { return matched_ > 0; }

    void reset() { matched_ = 0; }

  private:
    std::size_t matched_ = 0;
};

}  // namespace radio::sim
