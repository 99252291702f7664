#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "sim/Pacing.h"
#include "sim/Pty.h"
#include "sim/RadioModel.h"
#include "sim/Signals.h"

namespace radio::sim {

// Connects the radio model to the pty: feeds it what the program sends and puts its answers
// on the line, at the pace of 9600 baud unless told otherwise.
class LineServer {
  public:
    LineServer(const Pty& pty, RadioModel& model, bool paced);

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
    bool paced_;
    LineSchedule schedule_;
    Instant lastSeen_{};
};

}  // namespace radio::sim
