#include "core/link/CloneSession.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <vector>

#include "core/image/ImageMap.h"
#include "tests/support/FakeSerialPort.h"

namespace radio {
namespace {

using Bytes = std::vector<std::uint8_t>;
using test::PortEvent;
using test::RadioFaults;
using Kind = PortEvent::Kind;

constexpr int kReadBlocks = 127;
constexpr int kNormalWriteBlocks = 122;
using Rig = test::CloneRig;
using test::sampleImage;

Bytes command(std::uint8_t code, std::size_t address, std::size_t length) {
    return {code, static_cast<std::uint8_t>(address >> 8), static_cast<std::uint8_t>(address),
            static_cast<std::uint8_t>(length)};
}

std::vector<Bytes> handshakeWrites() {
    std::vector<Bytes> writes;
    for (const std::uint8_t byte : clone::kWakeUp) {
        writes.push_back({byte});
    }
    writes.push_back({clone::kStx});
    writes.push_back({clone::kAck});
    return writes;
}

TEST(CloneSessionRead, SendsHandshakeThenOneCommandAndAckPerRow) {
    Rig rig;
    MemoryImage image = sampleImage();
    ASSERT_EQ(rig.read(image), TransferOutcome::Completed);

    std::vector<Bytes> expected = handshakeWrites();
    for (std::size_t address = 0; address < 1008; address += 8) {
        expected.push_back(command(clone::kReadCommand, address, 8));
        expected.push_back({clone::kAck});
    }
    expected.push_back({0x52, 0x03, 0xF0, 0x01});
    expected.push_back({clone::kAck});
    EXPECT_EQ(rig.port.writes(), expected);
}

TEST(CloneSessionRead, CompletedReadReplacesTransferAreaAndKeepsTail) {
    Rig rig;
    const MemoryImage before = sampleImage();
    MemoryImage image = before;
    ASSERT_EQ(rig.read(image), TransferOutcome::Completed);
    for (std::size_t offset = 0; offset < MemoryImage::kSize; ++offset) {
        const std::uint8_t expected =
            offset < map::kTransferEnd ? rig.radio.memory[offset] : before[offset];
        ASSERT_EQ(image[offset], expected) << "offset " << offset;
    }
}

TEST(CloneSessionRead, ReportsStartOnceAndEveryBlock) {
    Rig rig;
    MemoryImage image;
    ASSERT_EQ(rig.read(image), TransferOutcome::Completed);
    EXPECT_EQ(rig.observer.started, std::vector<int>{kReadBlocks});
    ASSERT_EQ(rig.observer.done.size(), std::size_t{kReadBlocks});
    for (int block = 1; block <= kReadBlocks; ++block) {
        EXPECT_EQ(rig.observer.done[static_cast<std::size_t>(block - 1)], block);
    }
    EXPECT_EQ(rig.observer.checks, 6 + kReadBlocks);
    EXPECT_EQ(rig.observer.prompts, 0);
}

TEST(CloneSessionHandshake, OnePassInExactOrder) {
    Rig rig;
    MemoryImage image;
    ASSERT_EQ(rig.read(image), TransferOutcome::Completed);

    std::vector<PortEvent> expected(6, {Kind::Sleep, {}, 1});
    expected.push_back({Kind::Drain});
    expected.push_back({Kind::ClearAll});
    for (const std::uint8_t byte : clone::kWakeUp) {
        const std::vector<PortEvent> step = {
            {Kind::Sleep, {}, 2}, {Kind::Drain}, {Kind::Clear}, {Kind::Write, {byte}}};
        expected.insert(expected.end(), step.begin(), step.end());
    }
    const std::vector<PortEvent> rest = {{Kind::Read, {}, 1},
                                         {Kind::Sleep, {}, 1},
                                         {Kind::Drain},
                                         {Kind::Clear},
                                         {Kind::Write, {2}},
                                         {Kind::Sleep, {}, 1},
                                         {Kind::Read, {}, 8},
                                         {Kind::Drain},
                                         {Kind::Clear},
                                         {Kind::Write, {6}},
                                         {Kind::Drain},
                                         {Kind::Clear},
                                         {Kind::Sleep, {}, 1},
                                         {Kind::Read, {}, 1},
                                         {Kind::Drain},
                                         {Kind::Clear},
                                         {Kind::Write, command(clone::kReadCommand, 0, 8)},
                                         {Kind::Read, {}, 4},
                                         {Kind::Read, {}, 8},
                                         {Kind::Drain},
                                         {Kind::Clear},
                                         {Kind::Write, {6}},
                                         {Kind::Read, {}, 1}};
    expected.insert(expected.end(), rest.begin(), rest.end());

    const std::vector<PortEvent>& events = rig.port.events();
    ASSERT_GE(events.size(), expected.size());
    EXPECT_EQ(std::vector<PortEvent>(events.begin(),
                                     events.begin() + static_cast<std::ptrdiff_t>(expected.size())),
              expected);
}

TEST(CloneSessionWrite, NormalWriteSkipsServiceAreas) {
    Rig rig;
    const MemoryImage image = sampleImage();
    const MemoryImage radioBefore = rig.radio.memory;
    ASSERT_EQ(rig.write(image), TransferOutcome::Completed);

    const std::vector<Bytes> writes = rig.writesAfterHandshake();
    ASSERT_EQ(writes.size(), std::size_t{2 * kNormalWriteBlocks});
    EXPECT_EQ(writes[writes.size() - 6], (Bytes{0x57, 0x03, 0xC8, 0x08}));
    EXPECT_EQ(writes[writes.size() - 4], (Bytes{0x57, 0x03, 0xDB, 0x05}));
    EXPECT_EQ(writes[writes.size() - 2], (Bytes{0x57, 0x03, 0xF0, 0x01}));
    EXPECT_EQ(rig.observer.started, std::vector<int>{kNormalWriteBlocks});

    const auto isService = [](std::size_t offset) {
        return (offset >= 816 && offset < 832) || (offset >= 976 && offset < 987) ||
               (offset >= 992 && offset < 1008);
    };
    for (std::size_t index = 0; index < writes.size(); index += 2) {
        const Bytes& cmd = writes[index];
        ASSERT_EQ(cmd.size(), 4u);
        const std::size_t address = std::size_t{cmd[1]} << 8 | cmd[2];
        const Bytes& data = writes[index + 1];
        ASSERT_EQ(data.size(), cmd[3]);
        for (std::size_t i = 0; i < data.size(); ++i) {
            EXPECT_FALSE(isService(address + i)) << "block at " << address;
            EXPECT_EQ(data[i], image[address + i]);
        }
    }
    for (std::size_t offset = 0; offset < MemoryImage::kSize; ++offset) {
        const bool written = offset < map::kTransferEnd && !isService(offset);
        ASSERT_EQ(rig.radio.memory[offset], written ? image[offset] : radioBefore[offset])
            << "offset " << offset;
    }
}

TEST(CloneSessionWrite, UnlockedWriteSendsEveryRow) {
    Rig rig;
    const MemoryImage image = sampleImage();
    const MemoryImage radioBefore = rig.radio.memory;
    ASSERT_EQ(rig.write(image, true), TransferOutcome::Completed);

    const std::vector<Bytes> writes = rig.writesAfterHandshake();
    ASSERT_EQ(writes.size(), std::size_t{2 * kReadBlocks});
    for (std::size_t block = 0; block < std::size_t{kReadBlocks}; ++block) {
        const std::size_t length = block + 1 < std::size_t{kReadBlocks} ? 8 : 1;
        EXPECT_EQ(writes[2 * block], command(clone::kWriteCommand, block * 8, length));
    }
    for (std::size_t offset = 0; offset < MemoryImage::kSize; ++offset) {
        ASSERT_EQ(rig.radio.memory[offset],
                  offset < map::kTransferEnd ? image[offset] : radioBefore[offset]);
    }
    EXPECT_EQ(rig.observer.started, std::vector<int>{kReadBlocks});
}

// A clear right after a write would otherwise throw away bytes still in the transmit queue.
TEST(CloneSessionPurge, EveryClearWaitsForTheOutputFirst) {
    for (const bool reading : {true, false}) {
        Rig rig({.refusedHandshakes = 1});
        rig.observer.answers = {RetryChoice::Retry};
        MemoryImage image = sampleImage();
        ASSERT_EQ(reading ? rig.read(image) : rig.write(image), TransferOutcome::Completed);
        const std::vector<PortEvent>& events = rig.port.events();
        int clears = 0;
        for (std::size_t i = 0; i < events.size(); ++i) {
            if (events[i].kind == Kind::Clear || events[i].kind == Kind::ClearAll) {
                ++clears;
                ASSERT_GT(i, 0u);
                EXPECT_EQ(events[i - 1].kind, Kind::Drain) << "event " << i;
            }
        }
        EXPECT_GT(clears, 0);
    }
}

}  // namespace
}  // namespace radio
