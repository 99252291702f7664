#pragma once

#include "sim/Pacing.h"

namespace radio::sim {

// The monotonic clock, which steps neither with the wall clock nor with its corrections.
Instant monotonicNow();

// Sleeps until the instant has passed; an absolute deadline, so wake-up latency never adds
// up over the bytes of an answer.
void sleepUntil(Instant deadline);

}  // namespace radio::sim
