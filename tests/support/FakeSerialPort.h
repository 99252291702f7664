#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <deque>
#include <string>
#include <vector>

#include "core/image/MemoryImage.h"
#include "core/link/CloneProtocol.h"
#include "core/link/CloneSession.h"
#include "core/link/SerialPort.h"
#include "core/link/Transfer.h"
#include "sim/RadioModel.h"

namespace radio::test {

using Bytes = std::vector<std::uint8_t>;

// What goes wrong in the port itself rather than in the radio.
struct PortFaults {
    int ioErrorReads = 0;           // the first this many reads fail with an I/O error
    int ioErrorAtBlock = 0;         // this block's header and data arrive, but their reads fail
    int lateHeaderByteAtBlock = 0;  // the last header byte comes after its read has given up
};

// An in-memory serial line to the simulated radio, on virtual time. Bytes written wait in a
// transmit queue until time passes or the output is drained; a clear discards whatever is
// still queued, as a driver does, and received bytes that have already arrived. Answers
// arrive a few milliseconds after the byte that caused them, one byte per millisecond; a read
// that gets fewer bytes than asked for lasts its whole timeout (500 ms per byte plus 90 ms).
// Every call is noted in trace(): "w<n>" write, "r<n>" read, "z<n>" sleep, "i<n>" wait for
// input, "d" drain, "c" clear, "C" clear with pending operations abandoned.
class FakeSerialPort : public SerialPort {
  public:
    FakeSerialPort(sim::RadioModel& radio, PortFaults faults = {})
        : radio_(radio), faults_(faults) {}

    std::size_t write(const std::uint8_t* data, std::size_t length) override {
        note("w", length);
        writes_.emplace_back(data, data + length);
        queued_.insert(queued_.end(), data, data + length);
        return length;
    }

    ReadResult read(std::uint8_t* buffer, std::size_t length) override {
        note("r", length);
        transmit();
        if (faults_.ioErrorReads > 0) {
            --faults_.ioErrorReads;
            return {0, true};
        }
        if (length == clone::kReadHeaderLength && faults_.lateHeaderByteAtBlock != 0 &&
            radio_.blockCount() == faults_.lateHeaderByteAtBlock) {
            const std::size_t count = receive(buffer, length - 1);
            now_ += 30;  // the gap between bytes after which the read gives up
            return {count, false};
        }
        const bool failing = length > 1 && faults_.ioErrorAtBlock != 0 &&
                             radio_.blockCount() == faults_.ioErrorAtBlock;
        return {receive(buffer, length), failing};
    }

    void drainOutput() override {
        trace_ += "d ";
        transmit();
    }

    void clearBuffers(bool abandonPending) override {
        trace_ += abandonPending ? "C " : "c ";
        queued_.clear();
        std::erase_if(arriving_, [this](const Arrival& byte) { return byte.time <= now_; });
    }

    bool waitForInput(int milliseconds) override {
        note("i", static_cast<std::size_t>(milliseconds));
        transmit();
        if (!arriving_.empty() && arriving_.front().time <= now_ + milliseconds) {
            now_ = std::max(now_, arriving_.front().time);
            return true;
        }
        now_ += milliseconds;
        return false;
    }

    void sleepMs(int milliseconds) override {
        note("z", static_cast<std::size_t>(milliseconds));
        transmit();
        now_ += milliseconds;
    }

    const std::string& trace() const { return trace_; }
    const std::vector<Bytes>& writes() const { return writes_; }

  private:
    struct Arrival {
        long time;
        std::uint8_t byte;
    };

    void note(const char* kind, std::size_t value) { trace_ += kind + std::to_string(value) + " "; }

    // Puts the queued bytes on the line, one millisecond each, and schedules the answers.
    void transmit() {
        for (const std::uint8_t byte : queued_) {
            ++now_;
            long time = std::max(now_ + 3, arriving_.empty() ? 0 : arriving_.back().time + 1);
            for (const std::uint8_t answer : radio_.receive(byte)) {
                arriving_.push_back({time++, answer});
            }
        }
        queued_.clear();
    }

    // Answers never come late, so only a read that runs short waits its whole timeout.
    std::size_t receive(std::uint8_t* buffer, std::size_t length) {
        std::size_t count = 0;
        for (; count < length && !arriving_.empty(); ++count) {
            now_ = std::max(now_, arriving_.front().time);
            buffer[count] = arriving_.front().byte;
            arriving_.pop_front();
        }
        now_ += count < length ? 500 * static_cast<long>(length) + 90 : 0;
        return count;
    }

    sim::RadioModel& radio_;
    PortFaults faults_;
    long now_ = 0;
    Bytes queued_;
    std::deque<Arrival> arriving_;
    std::vector<Bytes> writes_;
    std::string trace_;
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

// Every byte differs from its neighbours, so misplaced bytes show; images of two different
// starts differ everywhere.
inline MemoryImage patternedImage(std::uint8_t start = 3) {
    MemoryImage image;
    for (std::size_t offset = 0; offset < MemoryImage::kSize; ++offset) {
        image[offset] = static_cast<std::uint8_t>(offset * 7 + start);
    }
    return image;
}

// The simulated radio on a fake line with a scripted user: the whole setting of one transfer.
struct CloneRig {
    explicit CloneRig(sim::Faults faults = {}, PortFaults portFaults = {},
                      const MemoryImage& memory = patternedImage())
        : radio(memory, faults), port(radio, portFaults) {}
    TransferOutcome read(MemoryImage& image) { return CloneSession(port, observer).read(image); }
    TransferOutcome write(const MemoryImage& image, bool unlocked = false) {
        return CloneSession(port, observer).write(image, unlocked);
    }
    // Each wake-up string ends with its only 'M'; nothing else this program sends alone does.
    int wakeUpsSent() const {
        return static_cast<int>(std::ranges::count(port.writes(), Bytes{'M'}));
    }

    sim::RadioModel radio;
    FakeSerialPort port;
    ScriptedObserver observer;
};

}  // namespace radio::test
