#include "sim/Clock.h"

#include <time.h>

#include <cerrno>

namespace radio::sim {

namespace {

constexpr long kNanosPerSecond = 1'000'000'000L;

timespec toTimespec(Instant instant) {
    const auto nanos = instant.count();
    return {static_cast<time_t>(nanos / kNanosPerSecond),
            static_cast<long>(nanos % kNanosPerSecond)};
}

}  // namespace

Instant monotonicNow() {
    timespec now{};
    ::clock_gettime(CLOCK_MONOTONIC, &now);
    return Instant(static_cast<Instant::rep>(now.tv_sec) * kNanosPerSecond + now.tv_nsec);
}

void sleepUntil(Instant deadline) {
    const timespec until = toTimespec(deadline);
    while (::clock_nanosleep(CLOCK_MONOTONIC, TIMER_ABSTIME, &until, nullptr) == EINTR) {
    }
}

}  // namespace radio::sim
