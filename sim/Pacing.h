#pragma once

#include <chrono>
#include <cstddef>

namespace radio::sim {

// Times on the simulated line, counted on the monotonic clock.
using Instant = std::chrono::nanoseconds;

// 9600 baud 8N1: a start bit, 8 data bits and a stop bit per byte.
constexpr std::chrono::nanoseconds kByteTime{1'041'667};
// The radio's pause between the end of a command and the start of its answer.
constexpr std::chrono::microseconds kTurnaround{500};
// Unpaced, an answer still waits this long: two byte times, the least a real line takes.
constexpr std::chrono::nanoseconds kFastAnswerDelay{2 * 1'041'667};
// A command not completed within this pause is abandoned.
constexpr std::chrono::milliseconds kIdleGap{200};

// Makes a pseudo-terminal, where bytes move instantly, behave like the serial line: a byte
// counts as received only once its wire time has passed, and an answer is complete once its
// bytes have followed one another after the turnaround. All times are absolute, so lateness
// never adds up.
class LineSchedule {
  public:
    explicit LineSchedule(bool paced) : paced_(paced) {}

    // When a byte read from the line at `seen` has fully arrived.
    Instant arrival(Instant seen);

    // When an answer of `count` bytes to a command that arrived at `complete` has fully
    // crossed the line. The answer is handed over whole at that moment, as a USB adapter
    // passes a short answer on in one piece: a simulator held up by a busy machine then
    // delays whole answers but never leaves a gap inside one, which the program would
    // rightly take for a radio that stopped talking.
    Instant answerEnd(std::size_t count, Instant complete);

  private:
    bool paced_;
    Instant lastArrival_{};
    Instant lastSent_{};
};

}  // namespace radio::sim
