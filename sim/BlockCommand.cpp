#include "sim/BlockCommand.h"

#include "core/image/MemoryImage.h"
#include "core/link/CloneProtocol.h"

namespace radio::sim {

namespace {

constexpr std::size_t kCommandSize = 4;

std::string hex(unsigned value, int digits) {
    static constexpr char kDigits[] = "0123456789ABCDEF";
    std::string text(static_cast<std::size_t>(digits), '0');
    for (auto it = text.rbegin(); it != text.rend(); ++it, value >>= 4) {
        *it = kDigits[value & 0xF];
    }
    return text;
}

bool lengthAllowed(std::size_t length) {
    return length >= 1 && length <= clone::kMaxBlockLength;
}

}  // namespace

bool BlockCommand::isRead() const {
    return code == clone::kReadCommand;
}

bool BlockCommand::valid() const {
    return lengthAllowed(length) && address + length <= MemoryImage::kSize;
}

std::string BlockCommand::describe() const {
    std::string text = std::string(1, static_cast<char>(code)) + ' ' +
                       hex(static_cast<unsigned>(address), 4) + ' ' +
                       hex(static_cast<unsigned>(length), 2);
    for (std::uint8_t byte : data) {
        text += ' ' + hex(byte, 2);
    }
    return text;
}

bool CommandAssembler::isCommandCode(std::uint8_t byte) {
    return byte == clone::kReadCommand || byte == clone::kWriteCommand;
}

bool CommandAssembler::collectingData() const {
    return bytes_.size() >= kCommandSize && bytes_.size() < expectedSize();
}

std::size_t CommandAssembler::expectedSize() const {
    if (bytes_.size() < kCommandSize || bytes_[0] != clone::kWriteCommand) {
        return kCommandSize;
    }
    const std::size_t length = bytes_[3];
    return kCommandSize + (lengthAllowed(length) ? length : 0);
}

std::optional<BlockCommand> CommandAssembler::add(std::uint8_t byte) {
    bytes_.push_back(byte);
    if (bytes_.size() < expectedSize()) {
        return std::nullopt;
    }
    return take();
}

BlockCommand CommandAssembler::take() {
    BlockCommand command;
    command.code = bytes_[0];
    command.address = static_cast<std::size_t>(bytes_[1]) << 8 | bytes_[2];
    command.length = bytes_[3];
    command.data.assign(bytes_.begin() + kCommandSize, bytes_.end());
    bytes_.clear();
    return command;
}

}  // namespace radio::sim
