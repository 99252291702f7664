#pragma once

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <vector>

#include "sim/Pacing.h"
#include "sim/Pty.h"
#include "sim/RadioModel.h"
#include "sim/Signals.h"

namespace radio::sim {

// How the line and the radio take their time.
struct LineTiming {
    bool paced = true;                    // 9600 baud, else answers at once
    std::chrono::milliseconds latency{};  // more before every answer (a USB adapter's)
    std::chrono::milliseconds restart{};  // deaf after the last block of a write
};

// Connects the radio model to the pty: feeds it what the program sends and puts its answers
// on the line, at the pace of 9600 baud unless told otherwise.
class LineServer {
  public:
    LineServer(const Pty& pty, RadioModel& model, LineTiming timing);

    // Serves one client after another until a stop signal arrives.
    void run(const StopSignals& signals);

  private:
    enum class Wait { Readable, TimedOut, Interrupted };

    Wait waitForInput(const StopSignals& signals) const;
    void receiveAvailable();
    void handle(std::uint8_t byte, Instant seen);
    void send(const std::vector<std::uint8_t>& answer, Instant complete);
    void write(const std::uint8_t* data, std::size_t length) const;

    const Pty& pty_;
    RadioModel& model_;
    LineTiming timing_;
    LineSchedule schedule_;
    Instant lastSeen_{};
    Instant deafUntil_{};  // a restarting radio hears nothing before this
};

}  // namespace radio::sim
