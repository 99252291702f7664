#include "sim/RadioModel.h"

#include <algorithm>
#include <utility>

#include "core/image/ImageMap.h"
#include "core/link/CloneProtocol.h"

namespace radio::sim {

using clone::kAck;
using clone::kStx;

RadioModel::RadioModel(const MemoryImage& memory, const Faults& faults, std::uint32_t noiseSeed)
    : memory_(memory), faults_(faults), random_(noiseSeed) {}

bool RadioModel::programming() const {
    return state_ == State::Programming || state_ == State::AwaitDataAck;
}

RadioModel::Bytes RadioModel::receive(std::span<const std::uint8_t> bytes) {
    Bytes answers;
    for (std::uint8_t byte : bytes) {
        const Bytes answer = receive(byte);
        answers.insert(answers.end(), answer.begin(), answer.end());
    }
    return answers;
}

RadioModel::Bytes RadioModel::receive(std::uint8_t byte) {
    // Write data is opaque: memory may well hold the wake-up string.
    if (assembler_.collectingData()) {
        return commandByte(byte);
    }
    if (wakeUp_.advance(byte)) {
        return startSession();
    }
    return dispatch(byte);
}

void RadioModel::lineIdle() {
    if (midCommand()) {
        log("partial command dropped");
    }
    assembler_.reset();
    wakeUp_.reset();
}

bool RadioModel::takeWriteEnd() {
    return std::exchange(writeEnded_, false);
}

void RadioModel::restart() {
    log("restart");
    assembler_.reset();
    wakeUp_.reset();
    state_ = State::Asleep;
}

RadioModel::Bytes RadioModel::dispatch(std::uint8_t byte) {
    switch (state_) {
        case State::AwaitIdent:
            return byte == kStx ? identify() : Bytes{};
        case State::AwaitHandshakeAck:
            return byte == kAck ? finishHandshake() : Bytes{};
        case State::AwaitDataAck:
            if (byte == kAck) {
                return acknowledgeData();
            }
            state_ = State::Programming;  // a program that skips the acknowledge is served too
            return commandByte(byte);
        case State::Programming:
        case State::Stopped:
            return commandByte(byte);
        case State::Asleep:
            break;
    }
    return {};
}

RadioModel::Bytes RadioModel::commandByte(std::uint8_t byte) {
    // The letters of a wake-up string must not start a command ("ROGR" would).
    const bool starts = CommandAssembler::isCommandCode(byte) && !wakeUp_.inProgress();
    if (assembler_.empty() && !starts) {
        return {};
    }
    const auto command = assembler_.add(byte);
    return command ? execute(*command) : Bytes{};
}

RadioModel::Bytes RadioModel::startSession() {
    log("wake-up");
    assembler_.reset();
    blocks_ = 0;
    state_ = State::AwaitIdent;
    return faults_.quietWakeUp ? Bytes{} : answer({kAck});
}

RadioModel::Bytes RadioModel::identify() {
    log("ident");
    state_ = State::AwaitHandshakeAck;
    const auto id = memory_.bytes(map::kIdentification, map::kIdentificationSize);
    return answer(Bytes(id.begin(), id.end()));
}

RadioModel::Bytes RadioModel::finishHandshake() {
    log("ack");
    state_ = State::Asleep;
    if (faults_.noFinalAck) {
        log("fault: no final acknowledge");
        return {};
    }
    if (faults_.wrongHandshakeAck) {
        log("fault: wrong final acknowledge");
        return answer({Faults::kWrongAck});
    }
    if (!faults_.silent) {
        state_ = State::Programming;
    }
    return answer({kAck});
}

RadioModel::Bytes RadioModel::execute(const BlockCommand& command) {
    if (!command.valid()) {
        log(command.describe() + " ignored");
        return {};
    }
    if (state_ == State::Stopped) {
        log(command.describe() + " unanswered");
        return {};
    }
    const int block = ++blocks_;
    log(command.describe());
    if (faults_.stopAtBlock != 0 && block >= faults_.stopAtBlock) {
        log("fault: stopped at block " + std::to_string(block));
        state_ = State::Stopped;
        return {};
    }
    return command.isRead() ? readBlock(command, block) : writeBlock(command, block);
}

RadioModel::Bytes RadioModel::readBlock(const BlockCommand& command, int block) {
    Bytes reply = {clone::kWriteCommand, static_cast<std::uint8_t>(command.address >> 8),
                   static_cast<std::uint8_t>(command.address & 0xFF),
                   static_cast<std::uint8_t>(command.length)};
    std::size_t length = command.length;
    if (faults_.shortDataAtBlock == block) {
        log("fault: short data at block " + std::to_string(block));
        --length;
    }
    const auto data = memory_.bytes(command.address, length);
    reply.insert(reply.end(), data.begin(), data.end());
    readBlock_ = block;
    state_ = State::AwaitDataAck;
    return answer(std::move(reply));
}

RadioModel::Bytes RadioModel::writeBlock(const BlockCommand& command, int block) {
    const std::uint8_t ack = ackFor(block);
    if (faults_.loseAtBlock == block) {
        log("fault: lost block " + std::to_string(block));
    } else if (ack == kAck) {  // a refused block is not stored
        std::copy(command.data.begin(), command.data.end(),
                  memory_.bytes(command.address, command.length).begin());
    }
    // Every write, locked or not, ends with the block that reaches the end of the transfer.
    writeEnded_ = command.address + command.length == map::kTransferEnd;
    return answer({ack});
}

RadioModel::Bytes RadioModel::acknowledgeData() {
    log("ack");
    state_ = State::Programming;
    return answer({ackFor(readBlock_)});
}

std::uint8_t RadioModel::ackFor(int block) const {
    if (faults_.wrongAckAtBlock != block) {
        return kAck;
    }
    log("fault: wrong acknowledge at block " + std::to_string(block));
    return Faults::kWrongAck;
}

RadioModel::Bytes RadioModel::answer(Bytes bytes) {
    if (faults_.silent) {
        return {};
    }
    if (!faults_.noise) {
        return bytes;
    }
    Bytes noisy = noise();
    noisy.insert(noisy.end(), bytes.begin(), bytes.end());
    return noisy;
}

RadioModel::Bytes RadioModel::noise() {
    // Never ACK, so that noise can not pass for an acknowledge.
    std::uniform_int_distribution<int> count(1, 3);
    std::uniform_int_distribution<int> value(0, 0xFE);
    Bytes bytes(static_cast<std::size_t>(count(random_)));
    for (std::uint8_t& byte : bytes) {
        const int v = value(random_);
        byte = static_cast<std::uint8_t>(v >= kAck ? v + 1 : v);
    }
    return bytes;
}

void RadioModel::log(const std::string& line) const {
    if (log_) {
        log_(line);
    }
}

}  // namespace radio::sim
