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

std::vector<Instant> LineSchedule::answerTimes(std::size_t count, Instant complete) {
    if (!paced_) {
        return std::vector<Instant>(count, complete);
    }
    std::vector<Instant> times;
    const Instant start = std::max<Instant>(complete + kTurnaround, lastSent_);
    for (std::size_t k = 1; k <= count; ++k) {
        times.push_back(start + static_cast<long>(k) * kByteTime);
    }
    if (!times.empty()) {
        lastSent_ = times.back();
    }
    return times;
}

}  // namespace radio::sim
