#include "cli/ConsoleObserver.h"

#include <unistd.h>

#include <atomic>
#include <csignal>
#include <cstdio>
#include <iostream>

#include "core/text/Texts.h"

namespace radio::cli {

namespace {

std::atomic<bool> interrupted{false};

extern "C" void onInterrupt(int) {
    interrupted = true;
}

bool isTerminal(int fd) {
    return ::isatty(fd) == 1;
}

}  // namespace

ConsoleObserver::ConsoleObserver(std::string verb, std::optional<int> retries)
    : verb_(std::move(verb)), retriesLeft_(retries), showBar_(isTerminal(STDERR_FILENO)) {
    interrupted = false;
    previousHandler_ = std::signal(SIGINT, onInterrupt);
}

ConsoleObserver::~ConsoleObserver() {
    endBar();
    std::signal(SIGINT, previousHandler_);
}

void ConsoleObserver::transferStarted(int blockCount) {
    blockCount_ = blockCount;
    drawBar(0);
}

// The check after a write draws a bar of its own on a new line.
void ConsoleObserver::verifyStarted(int blockCount) {
    endBar();
    verb_ = "Verifying";
    transferStarted(blockCount);
}

void ConsoleObserver::blockDone(int blocksDone) {
    drawBar(blocksDone);
}

void ConsoleObserver::drawBar(int done) {
    if (!showBar_ || blockCount_ <= 0) {
        return;
    }
    constexpr int kWidth = 40;
    const int filled = done * kWidth / blockCount_;
    std::fprintf(stderr, "\r%s [%s%s] %3d/%d", verb_.c_str(), std::string(filled, '#').c_str(),
                 std::string(kWidth - filled, '.').c_str(), done, blockCount_);
    std::fflush(stderr);
    barShown_ = true;
}

void ConsoleObserver::endBar() {
    if (barShown_) {
        std::fputc('\n', stderr);
        barShown_ = false;
    }
}

RetryChoice ConsoleObserver::communicationError() {
    if (retriesLeft_) {
        if (*retriesLeft_ > 0) {
            --*retriesLeft_;
            return RetryChoice::Retry;
        }
        declined_ = true;
        return RetryChoice::Cancel;
    }
    if (!isTerminal(STDIN_FILENO) || !isTerminal(STDERR_FILENO)) {
        declined_ = true;
        return RetryChoice::Cancel;
    }
    endBar();
    std::fprintf(stderr, "%s\n[R]etry or [C]ancel? ",
                 std::string(text(TextId::CommunicationError, Language::English)).c_str());
    std::fflush(stderr);
    std::string answer;
    if (std::getline(std::cin, answer) && !answer.empty() &&
        (answer[0] == 'r' || answer[0] == 'R')) {
        return RetryChoice::Retry;
    }
    declined_ = true;
    return RetryChoice::Cancel;
}

bool ConsoleObserver::cancelRequested() {
    return interrupted.load();
}

}  // namespace radio::cli
