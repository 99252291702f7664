#include "sim/LineServer.h"

#include <poll.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <optional>
#include <system_error>

#include "sim/Clock.h"

namespace radio::sim {

namespace {

constexpr std::size_t kReadChunk = 256;
constexpr auto kRetryPause = std::chrono::milliseconds(10);

std::optional<timespec> relativeTimeout(std::optional<Instant> deadline) {
    if (!deadline) {
        return std::nullopt;
    }
    const auto left = std::max(*deadline - monotonicNow(), Instant::zero());
    const auto seconds = std::chrono::duration_cast<std::chrono::seconds>(left);
    return timespec{static_cast<time_t>(seconds.count()),
                    static_cast<long>((left - seconds).count())};
}

}  // namespace

LineServer::LineServer(const Pty& pty, RadioModel& model, LineTiming timing)
    : pty_(pty), model_(model), timing_(timing), schedule_(timing.paced) {}

void LineServer::run(const StopSignals& signals) {
    while (!signals.stopRequested()) {
        switch (waitForInput(signals)) {
            case Wait::Readable:
                receiveAvailable();
                break;
            case Wait::TimedOut:
                model_.lineIdle();
                break;
            case Wait::Interrupted:
                break;
        }
    }
}

LineServer::Wait LineServer::waitForInput(const StopSignals& signals) const {
    const auto deadline =
        model_.midCommand() ? std::optional<Instant>(lastSeen_ + kIdleGap) : std::nullopt;
    const auto timeout = relativeTimeout(deadline);
    pollfd line{pty_.master(), POLLIN, 0};
    const int ready = ::ppoll(&line, 1, timeout ? &*timeout : nullptr, &signals.waitMask());
    if (ready < 0) {
        if (errno != EINTR) {
            throw std::system_error(errno, std::generic_category(), "ppoll");
        }
        return Wait::Interrupted;
    }
    return ready == 0 ? Wait::TimedOut : Wait::Readable;
}

void LineServer::receiveAvailable() {
    std::array<std::uint8_t, kReadChunk> buffer{};
    const ssize_t count = ::read(pty_.master(), buffer.data(), buffer.size());
    if (count < 0) {
        if (errno == EIO) {  // no slave end at the moment; should not happen, as we hold one
            sleepUntil(monotonicNow() + kRetryPause);
        } else if (errno != EAGAIN && errno != EINTR) {
            throw std::system_error(errno, std::generic_category(), "read pty");
        }
        return;
    }
    lastSeen_ = monotonicNow();
    for (ssize_t i = 0; i < count; ++i) {
        handle(buffer[static_cast<std::size_t>(i)], lastSeen_);
    }
}

void LineServer::handle(std::uint8_t byte, Instant seen) {
    const Instant arrived = schedule_.arrival(seen);
    if (arrived < deafUntil_) {
        return;  // restarting
    }
    const auto answer = model_.receive(byte);
    if (!answer.empty()) {
        send(answer, arrived + timing_.latency);
    }
    if (model_.takeWriteEnd() && timing_.restart.count() > 0) {
        model_.restart();
        deafUntil_ = monotonicNow() + timing_.restart;
    }
}

void LineServer::send(const std::vector<std::uint8_t>& answer, Instant complete) {
    pty_.keepRaw();
    // Even unpaced, no answer comes sooner than a real radio's could: a program may clear its
    // input right after sending, which on a real line is always before the answer.
    const Instant earliest = timing_.paced ? Instant::zero() : monotonicNow() + kFastAnswerDelay;
    sleepUntil(std::max(earliest, schedule_.answerEnd(answer.size(), complete)));
    write(answer.data(), answer.size());
}

void LineServer::write(const std::uint8_t* data, std::size_t length) const {
    while (length > 0) {
        const ssize_t written = ::write(pty_.master(), data, length);
        if (written < 0 && errno == EINTR) {
            continue;
        }
        if (written <= 0) {
            return;  // nobody is draining the line: the bytes are lost, as on a cable
        }
        data += written;
        length -= static_cast<std::size_t>(written);
    }
}

}  // namespace radio::sim
