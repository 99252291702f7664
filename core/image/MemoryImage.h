#pragma once

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <stdexcept>

namespace radio {

// The radio's programmable memory, byte for byte: image offset n is radio address n.
class MemoryImage {
  public:
    static constexpr std::size_t kSize = 1024;

    // Every byte 0xFF, as erased radio memory reads.
    MemoryImage() { bytes_.fill(0xFF); }

    std::uint8_t operator[](std::size_t offset) const { return bytes_[offset]; }
    std::uint8_t& operator[](std::size_t offset) { return bytes_[offset]; }

    std::uint8_t at(std::size_t offset) const { return bytes_.at(offset); }
    void set(std::size_t offset, std::uint8_t value) { bytes_.at(offset) = value; }

    // Clears the bits of mask and ORs in value's bits within mask; the byte's other bits stay.
    void setBits(std::size_t offset, std::uint8_t mask, std::uint8_t value) {
        bytes_.at(offset) = static_cast<std::uint8_t>((bytes_.at(offset) & ~mask) | (value & mask));
    }

    std::span<const std::uint8_t> bytes(std::size_t offset, std::size_t length) const {
        checkRange(offset, length);
        return std::span<const std::uint8_t>(bytes_).subspan(offset, length);
    }
    std::span<std::uint8_t> bytes(std::size_t offset, std::size_t length) {
        checkRange(offset, length);
        return std::span<std::uint8_t>(bytes_).subspan(offset, length);
    }
    void copyFrom(const MemoryImage& other, std::size_t offset, std::size_t length) {
        checkRange(offset, length);
        std::copy_n(other.bytes_.begin() + static_cast<std::ptrdiff_t>(offset), length,
                    bytes_.begin() + static_cast<std::ptrdiff_t>(offset));
    }

    const std::uint8_t* data() const { return bytes_.data(); }
    std::uint8_t* data() { return bytes_.data(); }
    static constexpr std::size_t size() { return kSize; }

    friend bool operator==(const MemoryImage&, const MemoryImage&) = default;

  private:
    static void checkRange(std::size_t offset, std::size_t length) {
        if (offset > kSize || length > kSize - offset) {
            throw std::out_of_range("memory image range outside 0..1023");
        }
    }

    std::array<std::uint8_t, kSize> bytes_;
};

}  // namespace radio
