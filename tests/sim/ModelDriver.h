#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "core/image/MemoryImage.h"
#include "core/link/CloneProtocol.h"
#include "sim/RadioModel.h"

namespace radio::sim::test {

using Bytes = std::vector<std::uint8_t>;

inline Bytes wakeUpString() {
    return Bytes(clone::kWakeUp.begin(), clone::kWakeUp.end());
}

inline Bytes command(std::uint8_t code, std::size_t address, std::size_t length) {
    const auto bytes = clone::blockCommand(code, {address, length});
    return Bytes(bytes.begin(), bytes.end());
}

inline Bytes concat(Bytes a, const Bytes& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

// A memory whose every byte differs from its neighbours, so misplaced bytes show.
inline MemoryImage patternedMemory() {
    MemoryImage memory;
    for (std::size_t i = 0; i < MemoryImage::kSize; ++i) {
        memory[i] = static_cast<std::uint8_t>(i * 7 + 3);
    }
    return memory;
}

// Plays the program's side against a model, exchange by exchange.
class ModelDriver {
  public:
    explicit ModelDriver(const MemoryImage& memory = patternedMemory(), const Faults& faults = {})
        : model_(memory, faults) {
        model_.setLogSink([this](const std::string& line) { log_.push_back(line); });
    }

    Bytes send(const Bytes& bytes) { return model_.receive(bytes); }
    Bytes send(std::uint8_t byte) { return model_.receive(byte); }

    // The three handshake exchanges; returns the answer to the final acknowledge.
    Bytes handshake() {
        send(wakeUpString());
        send(clone::kStx);
        return send(clone::kAck);
    }

    Bytes read(std::size_t address, std::size_t length) {
        return send(command(clone::kReadCommand, address, length));
    }
    Bytes write(std::size_t address, const Bytes& data) {
        return send(concat(command(clone::kWriteCommand, address, data.size()), data));
    }

    RadioModel& model() { return model_; }
    const std::vector<std::string>& log() const { return log_; }

  private:
    RadioModel model_;
    std::vector<std::string> log_;
};

}  // namespace radio::sim::test
