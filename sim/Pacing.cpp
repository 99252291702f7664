#include "sim/Pacing.h"

#include <algorithm>

namespace radio::sim {

Instant LineSchedule::arrival(Instant seen) {
    if (!paced_) {
        return seen;
    }
    lastArrival_ = std::max(seen, lastArrival_) + kByteTime;
    return lastArrival_;
}

Instant LineSchedule::answerEnd(std::size_t count, Instant complete) {
    if (!paced_) {
        return complete;
    }
    const Instant start = std::max<Instant>(complete + kTurnaround, lastSent_);
    lastSent_ = start + static_cast<long>(count) * kByteTime;
    return lastSent_;
}

}  // namespace radio::sim
