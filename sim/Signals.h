#pragma once

#include <signal.h>

#include <array>

namespace radio::sim {

// Turns SIGINT, SIGTERM and SIGHUP into a stop request. They stay blocked except while
// waiting for input (waitMask), so a request can never slip in between the check and the
// wait. SIGPIPE is ignored. The previous handling comes back on destruction.
class StopSignals {
  public:
    StopSignals();
    ~StopSignals();
    StopSignals(const StopSignals&) = delete;
    StopSignals& operator=(const StopSignals&) = delete;

    bool stopRequested() const;
    // The signal mask to wait with: the stop signals can be delivered.
    const sigset_t& waitMask() const { return waitMask_; }

  private:
    static constexpr std::array<int, 4> kHandled = {SIGINT, SIGTERM, SIGHUP, SIGPIPE};

    sigset_t previousMask_{};
    sigset_t waitMask_{};
    std::array<struct sigaction, kHandled.size()> previous_{};
};

}  // namespace radio::sim
