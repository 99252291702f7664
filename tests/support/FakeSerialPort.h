#pragma once

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <deque>
#include <vector>

#include "core/image/MemoryImage.h"
#include "core/link/CloneProtocol.h"
#include "core/link/CloneSession.h"
#include "core/link/SerialPort.h"
#include "core/link/Transfer.h"

namespace radio::test {

// How the fake radio misbehaves. Block numbers count block commands from 1; 0 means never.
struct RadioFaults {
    bool silent = false;        // answers nothing at all
    bool quietWakeUp = false;   // answers the wake-up string with nothing
    int ioErrorReads = 0;       // the first this many reads fail with an I/O error
    int refusedHandshakes = 0;  // the first this many final ACKs get no answer
    int wrongAckAtBlock = 0;    // answers 0x15 instead of ACK for this block
    int shortDataAtBlock = 0;   // sends one data byte too few for this block
    int stopAtBlock = 0;        // ignores this block command and everything after it
    int ioErrorAtBlock = 0;     // this block's header and data arrive, but their reads fail
};

// A radio in clone mode, byte by byte: takes what arrives on the line, answers like the real
// one. Its memory starts with a pattern unlike an erased image.
class FakeRadio {
  public:
    static constexpr std::uint8_t kNak = 0x15;

    explicit FakeRadio(RadioFaults faults = {}) : faults_(faults) {
        for (std::size_t offset = 0; offset < MemoryImage::kSize; ++offset) {
            memory[offset] = static_cast<std::uint8_t>(offset * 7 + 3);
        }
    }

    const RadioFaults& faults() const { return faults_; }
    int blockCommands() const { return blocks_; }
    int handshakes() const { return handshakes_; }

    // One byte has left the program's port; returns the radio's answer to it, if any.
    std::vector<std::uint8_t> receive(std::uint8_t byte) {
        if (faults_.silent || stopped_) {
            return {};
        }
        if (state_ == State::Programming || state_ == State::AwaitingAck) {
            return program(byte);
        }
        return listen(byte);
    }

    MemoryImage memory;

  private:
    enum class State { Asleep, Awake, Identified, Programming, AwaitingAck };

    std::vector<std::uint8_t> listen(std::uint8_t byte) {
        window_.push_back(byte);
        if (window_.size() > clone::kWakeUp.size()) {
            window_.erase(window_.begin());
        }
        if (std::ranges::equal(window_, clone::kWakeUp)) {
            state_ = State::Awake;
            window_.clear();
            return faults_.quietWakeUp ? std::vector<std::uint8_t>{}
                                       : std::vector<std::uint8_t>{0x01};
        }
        if (state_ == State::Awake && byte == clone::kStx) {
            state_ = State::Identified;
            return {'I', 'D', 'E', 'N', 'T', '0', '0', '1'};
        }
        if (state_ == State::Identified && byte == clone::kAck) {
            return acceptHandshake();
        }
        return {};
    }

    std::vector<std::uint8_t> acceptHandshake() {
        ++handshakes_;
        if (handshakes_ <= faults_.refusedHandshakes) {
            state_ = State::Asleep;
            return {};
        }
        state_ = State::Programming;
        return {clone::kAck};
    }

    std::vector<std::uint8_t> program(std::uint8_t byte) {
        if (state_ == State::AwaitingAck) {
            state_ = State::Programming;
            return {byte == clone::kAck ? ackFor(blocks_) : kNak};
        }
        command_.push_back(byte);
        if (command_.size() < 4) {
            return {};
        }
        if (command_[0] == clone::kReadCommand) {
            return answerRead();
        }
        if (command_[0] == clone::kWriteCommand) {
            return takeWrite();
        }
        command_.clear();
        return {};
    }

    bool startBlock() {
        ++blocks_;
        stopped_ = blocks_ == faults_.stopAtBlock;
        return !stopped_;
    }

    std::uint8_t ackFor(int block) const {
        return block == faults_.wrongAckAtBlock ? kNak : clone::kAck;
    }

    std::size_t address() const { return std::size_t{command_[1]} << 8 | command_[2]; }

    std::vector<std::uint8_t> answerRead() {
        const std::size_t start = address();
        const std::size_t length = command_[3];
        command_.clear();
        if (!startBlock()) {
            return {};
        }
        std::vector<std::uint8_t> answer = {'W', static_cast<std::uint8_t>(start >> 8),
                                            static_cast<std::uint8_t>(start & 0xFF),
                                            static_cast<std::uint8_t>(length)};
        const std::size_t sent = blocks_ == faults_.shortDataAtBlock ? length - 1 : length;
        for (std::size_t offset = start; offset < start + sent; ++offset) {
            answer.push_back(memory.at(offset));
        }
        state_ = State::AwaitingAck;
        return answer;
    }

    std::vector<std::uint8_t> takeWrite() {
        if (command_.size() < 4u + command_[3]) {
            return {};
        }
        const std::size_t start = address();
        const std::vector<std::uint8_t> data(command_.begin() + 4, command_.end());
        command_.clear();
        if (!startBlock()) {
            return {};
        }
        if (blocks_ == faults_.wrongAckAtBlock) {
            return {kNak};
        }
        std::ranges::copy(data, memory.bytes(start, data.size()).begin());
        return {clone::kAck};
    }

    RadioFaults faults_;
    State state_ = State::Asleep;
    std::vector<std::uint8_t> window_;
    std::vector<std::uint8_t> command_;
    int blocks_ = 0;
    int handshakes_ = 0;
    bool stopped_ = false;
};

struct PortEvent {
    enum class Kind { Write, Read, Drain, Clear, ClearAll, Sleep };
    Kind kind;
    std::vector<std::uint8_t> bytes = {};  // Write: the bytes written
    int value = 0;                         // Read: bytes asked for; Sleep: milliseconds
    friend bool operator==(const PortEvent&, const PortEvent&) = default;
};

// An in-memory serial line to a FakeRadio, on virtual time. Bytes written wait in a transmit
// queue until time passes or the output is drained; a clear discards whatever is still
// queued, as a driver does, and received bytes that have already arrived. Answers arrive a
// few milliseconds after the byte that caused them, one byte per millisecond; reads keep the
// radio's timeouts (30 ms between bytes, 500 ms per byte plus 90 ms in all).
class FakeSerialPort final : public SerialPort {
  public:
    static constexpr long kAnswerDelayMs = 3;

    explicit FakeSerialPort(FakeRadio& radio)
        : radio_(radio), ioErrorsLeft_(radio.faults().ioErrorReads) {}

    std::size_t write(const std::uint8_t* data, std::size_t length) override {
        events_.push_back({PortEvent::Kind::Write, {data, data + length}});
        queued_.insert(queued_.end(), data, data + length);
        return length;
    }

    ReadResult read(std::uint8_t* buffer, std::size_t length) override {
        events_.push_back({PortEvent::Kind::Read, {}, static_cast<int>(length)});
        transmit();
        if (ioErrorsLeft_ > 0) {
            --ioErrorsLeft_;
            return {0, true};
        }
        const bool failing = length > 1 && radio_.faults().ioErrorAtBlock != 0 &&
                             radio_.blockCommands() == radio_.faults().ioErrorAtBlock;
        return {receive(buffer, length), failing};
    }

    void drainOutput() override {
        events_.push_back({PortEvent::Kind::Drain});
        transmit();
    }

    void clearBuffers(bool abandonPending) override {
        events_.push_back({abandonPending ? PortEvent::Kind::ClearAll : PortEvent::Kind::Clear});
        queued_.clear();
        std::erase_if(arriving_, [this](const Arrival& byte) { return byte.time <= now_; });
    }

    void sleepMs(int milliseconds) override {
        events_.push_back({PortEvent::Kind::Sleep, {}, milliseconds});
        transmit();
        now_ += milliseconds;
    }

    const std::vector<PortEvent>& events() const { return events_; }
    long now() const { return now_; }

    std::vector<std::vector<std::uint8_t>> writes() const {
        std::vector<std::vector<std::uint8_t>> result;
        for (const PortEvent& event : events_) {
            if (event.kind == PortEvent::Kind::Write) {
                result.push_back(event.bytes);
            }
        }
        return result;
    }

  private:
    struct Arrival {
        long time;
        std::uint8_t byte;
    };

    // Puts the queued bytes on the line, one millisecond each, and schedules the answers.
    void transmit() {
        for (const std::uint8_t byte : queued_) {
            ++now_;
            long time =
                std::max(now_ + kAnswerDelayMs, arriving_.empty() ? 0 : arriving_.back().time + 1);
            for (const std::uint8_t answer : radio_.receive(byte)) {
                arriving_.push_back({time++, answer});
            }
        }
        queued_.clear();
    }

    std::size_t receive(std::uint8_t* buffer, std::size_t length) {
        const long deadline = now_ + 500 * static_cast<long>(length) + 90;
        std::size_t count = 0;
        long last = 0;
        while (count < length && !arriving_.empty()) {
            const long time = std::max(arriving_.front().time, now_);
            if (time > (count == 0 ? deadline : std::min(deadline, last + 30))) {
                break;
            }
            buffer[count++] = arriving_.front().byte;
            arriving_.pop_front();
            now_ = last = time;
        }
        if (count < length) {
            now_ = count == 0 ? deadline : std::min(deadline, last + 30);
        }
        return count;
    }

    FakeRadio& radio_;
    int ioErrorsLeft_;
    long now_ = 0;
    std::vector<std::uint8_t> queued_;
    std::deque<Arrival> arriving_;
    std::vector<PortEvent> events_;
};

// Answers the prompt from a script and presses Cancel at a chosen cancel check.
class ScriptedObserver final : public TransferObserver {
  public:
    std::vector<RetryChoice> answers;   // prompt answers in order; Cancel once used up
    int cancelAtCheck = 0;              // cancelRequested() is true from this check on (from 1)
    bool cancelWhilePrompting = false;  // the user presses Cancel while the prompt is shown

    std::vector<int> started;  // block counts passed to transferStarted
    std::vector<int> done;     // blocksDone values in order
    int prompts = 0;
    int checks = 0;

    void transferStarted(int blockCount) override { started.push_back(blockCount); }
    void blockDone(int blocksDone) override { done.push_back(blocksDone); }

    RetryChoice communicationError() override {
        cancelled_ = cancelled_ || cancelWhilePrompting;
        const std::size_t index = static_cast<std::size_t>(prompts++);
        return index < answers.size() ? answers[index] : RetryChoice::Cancel;
    }

    bool cancelRequested() override {
        ++checks;
        cancelled_ = cancelled_ || (cancelAtCheck > 0 && checks >= cancelAtCheck);
        return cancelled_;
    }

  private:
    bool cancelled_ = false;
};

// A fake radio on a fake line with a scripted user: the whole setting of one transfer.
struct CloneRig {
    static constexpr std::size_t kHandshakeWrites = 10;  // 8 wake-up bytes, STX, ACK

    explicit CloneRig(RadioFaults faults = {}) : radio(faults), port(radio) {}
    TransferOutcome read(MemoryImage& image) { return CloneSession(port, observer).read(image); }
    TransferOutcome write(const MemoryImage& image, bool unlocked = false) {
        return CloneSession(port, observer).write(image, unlocked);
    }
    std::vector<std::vector<std::uint8_t>> writesAfterHandshake() const {
        const std::vector<std::vector<std::uint8_t>> all = port.writes();
        return {all.begin() + static_cast<std::ptrdiff_t>(kHandshakeWrites), all.end()};
    }
    // Each wake-up string ends with its only 'M'; nothing else this program sends alone does.
    int wakeUpsSent() const {
        return static_cast<int>(std::ranges::count(port.writes(), std::vector<std::uint8_t>{'M'}));
    }

    FakeRadio radio;
    FakeSerialPort port;
    ScriptedObserver observer;
};

// A recognisable image that differs from the fake radio's memory everywhere.
inline MemoryImage sampleImage() {
    MemoryImage image;
    for (std::size_t offset = 0; offset < MemoryImage::kSize; ++offset) {
        image[offset] = static_cast<std::uint8_t>(offset * 13 + 1);
    }
    return image;
}

}  // namespace radio::test
