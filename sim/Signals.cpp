#include "sim/Signals.h"

#include <csignal>

namespace radio::sim {

namespace {

volatile std::sig_atomic_t stopSignal = 0;

extern "C" void requestStop(int signal) {
    stopSignal = signal;
}

bool isStopSignal(int signal) {
    return signal != SIGPIPE;
}

}  // namespace

StopSignals::StopSignals() {
    sigset_t blocked;
    sigemptyset(&blocked);
    for (std::size_t i = 0; i < kHandled.size(); ++i) {
        struct sigaction action {};
        action.sa_handler = isStopSignal(kHandled[i]) ? requestStop : SIG_IGN;
        sigemptyset(&action.sa_mask);
        sigaction(kHandled[i], &action, &previous_[i]);
        if (isStopSignal(kHandled[i])) {
            sigaddset(&blocked, kHandled[i]);
        }
    }
    sigprocmask(SIG_BLOCK, &blocked, &previousMask_);
    waitMask_ = previousMask_;
    for (int signal : kHandled) {
        sigdelset(&waitMask_, signal);
    }
}

StopSignals::~StopSignals() {
    // Unblock first: a signal still pending then meets our harmless handler.
    sigprocmask(SIG_SETMASK, &previousMask_, nullptr);
    for (std::size_t i = 0; i < kHandled.size(); ++i) {
        sigaction(kHandled[i], &previous_[i], nullptr);
    }
}

bool StopSignals::stopRequested() const {
    return stopSignal != 0;
}

}  // namespace radio::sim
