#pragma once

#include <cstdint>
#include <functional>
#include <random>
#include <span>
#include <string>
#include <vector>

#include "core/image/MemoryImage.h"
#include "sim/BlockCommand.h"
#include "sim/Faults.h"
#include "sim/WakeUpMatcher.h"

namespace radio::sim {

// The radio's side of the clone protocol as a pure state machine: bytes from the program go
// in, the radio's answers come out. It knows nothing of devices or time, so the executable
// decides how answers are paced and tests can drive it byte by byte.
class RadioModel {
  public:
    using Bytes = std::vector<std::uint8_t>;
    using LogSink = std::function<void(const std::string&)>;

    explicit RadioModel(const MemoryImage& memory, const Faults& faults = {},
                        std::uint32_t noiseSeed = 1);

    // Receives every line describing a command as it is received ("wake-up", "ident", "ack",
    // "R 03F0 01", "W 0330 08 ..."), and the faults as they strike.
    void setLogSink(LogSink sink) { log_ = std::move(sink); }

    // One byte from the program; returns the answer it completes, empty when none is due.
    Bytes receive(std::uint8_t byte);
    // Several bytes; the answers they complete, one after the other.
    Bytes receive(std::span<const std::uint8_t> bytes);

    // The line has been quiet: a half-received command will never be completed.
    void lineIdle();

    // True once, right after the last block of a write was stored: a radio restarts then.
    bool takeWriteEnd();
    // Starts afresh, as after being switched off and on: asleep until the next wake-up.
    void restart();
    bool midCommand() const { return !assembler_.empty(); }

    const MemoryImage& memory() const { return memory_; }
    bool programming() const;
    // Accepted R/W commands since the last wake-up.
    int blockCount() const { return blocks_; }

  private:
    enum class State { Asleep, AwaitIdent, AwaitHandshakeAck, Programming, AwaitDataAck, Stopped };

    Bytes dispatch(std::uint8_t byte);
    Bytes commandByte(std::uint8_t byte);
    Bytes startSession();
    Bytes identify();
    Bytes finishHandshake();
    Bytes execute(const BlockCommand& command);
    Bytes readBlock(const BlockCommand& command, int block);
    Bytes writeBlock(const BlockCommand& command, int block);
    Bytes acknowledgeData();
    Bytes answer(Bytes bytes);
    std::uint8_t ackFor(int block) const;
    Bytes noise();
    void log(const std::string& line) const;

    MemoryImage memory_;
    Faults faults_;
    std::mt19937 random_;
    LogSink log_;
    State state_ = State::Asleep;
    WakeUpMatcher wakeUp_;
    CommandAssembler assembler_;
    int blocks_ = 0;
    int readBlock_ = 0;  // block whose data awaits the program's acknowledge
    bool writeEnded_ = false;
};

}  // namespace radio::sim
