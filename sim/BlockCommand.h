#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace radio::sim {

// One R or W command as received: the 4-byte command and, for W, its data.
struct BlockCommand {
    std::uint8_t code = 0;
    std::size_t address = 0;
    std::size_t length = 0;
    std::vector<std::uint8_t> data;

    bool isRead() const;
    // Inside the 1024-byte memory, 1 to 8 bytes long.
    bool valid() const;
    // "R 03F0 01", or "W 0330 08 " followed by the data in hex.
    std::string describe() const;
};

// Collects the bytes of one command. A W command's length decides how many data bytes follow;
// a length outside 1..8 means none do.
class CommandAssembler {
  public:
    static bool isCommandCode(std::uint8_t byte);

    bool empty() const { return bytes_.empty(); }
    bool collectingData() const;
    void reset() { bytes_.clear(); }

    // Returns the command this byte completes. The first byte must be a command code.
    std::optional<BlockCommand> add(std::uint8_t byte);

  private:
    std::size_t expectedSize() const;
    BlockCommand take();

    std::vector<std::uint8_t> bytes_;
};

}  // namespace radio::sim
