#include "cli/FleetProgress.h"

#include <csignal>
#include <cstdio>

namespace radio::cli {

namespace {

std::atomic<bool> interrupted{false};

extern "C" void onFleetInterrupt(int) {
    interrupted = true;
}

}  // namespace

PortProgress::PortProgress(std::string verb, std::optional<int> retries)
    : retriesLeft_(retries), verbText_(std::move(verb)) {
    verb_ = verbText_.c_str();
}

void PortProgress::transferStarted(int blockCount) {
    done_ = 0;
    blockCount_ = blockCount;
}

void PortProgress::verifyStarted(int blockCount) {
    verb_ = "Verifying";
    transferStarted(blockCount);
}

void PortProgress::blockDone(int blocksDone) {
    done_ = blocksDone;
}

RetryChoice PortProgress::communicationError() {
    if (retriesLeft_ && *retriesLeft_ > 0) {
        --*retriesLeft_;
        return RetryChoice::Retry;
    }
    declined_ = true;
    return RetryChoice::Cancel;
}

bool PortProgress::cancelRequested() {
    return FleetInterrupt::requested();
}

std::string PortProgress::state() const {
    const int count = blockCount_;
    std::string state = verb_.load();
    if (count > 0) {
        state += " " + std::to_string(done_.load()) + "/" + std::to_string(count);
    }
    return state;
}

FleetInterrupt::FleetInterrupt() {
    interrupted = false;
    previous_ = std::signal(SIGINT, onFleetInterrupt);
}

FleetInterrupt::~FleetInterrupt() {
    std::signal(SIGINT, previous_);
}

bool FleetInterrupt::requested() {
    return interrupted.load();
}

void FleetDisplay::draw(const std::vector<std::string>& lines) {
    if (drawn_) {
        std::fprintf(stderr, "\x1b[%zuA", lines_);  // back to the first port's line
    }
    for (const std::string& line : lines) {
        std::fprintf(stderr, "\r\x1b[K%s\n", line.c_str());
    }
    std::fflush(stderr);
    drawn_ = true;
}

}  // namespace radio::cli
