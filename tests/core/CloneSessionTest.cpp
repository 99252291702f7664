#include "core/link/CloneSession.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <numeric>
#include <string>
#include <tuple>
#include <vector>

#include "core/link/Verify.h"
#include "tests/support/FakeSerialPort.h"

namespace radio {
namespace {

using test::Bytes;
using test::CloneRig;

constexpr std::size_t kHandshakeWrites = 10;  // 8 wake-up bytes, STX, ACK

// Which bytes each kind of transfer moves, and in how many blocks.
TEST(CloneSessionCoverage, MovesExactlyItsRangesInRowBlocks) {
    const std::tuple<const char*, bool, bool, std::vector<clone::Range>, int> cases[] = {
        {"read", true, false, {{0, 1009}}, 127},
        {"unlocked read", true, true, {{0, 1009}}, 127},
        {"write", false, false, {{0, 816}, {832, 976}, {987, 992}, {1008, 1009}}, 122},
        {"unlocked write", false, true, {{0, 1009}}, 127}};
    for (const auto& [name, reading, unlocked, expectedRanges, blocks] : cases) {
        SCOPED_TRACE(name);
        CloneRig rig;
        const MemoryImage radioBefore = rig.radio.memory();
        const MemoryImage before = test::patternedImage(100);
        MemoryImage image = before;
        ASSERT_EQ(reading ? rig.read(image) : rig.write(image, unlocked),
                  TransferOutcome::Completed);
        std::vector<int> counted(static_cast<std::size_t>(blocks));
        std::iota(counted.begin(), counted.end(), 1);
        EXPECT_EQ(rig.observer.done, counted);
        EXPECT_EQ(rig.observer.started, std::vector<int>{blocks});

        // After the handshake: a command, then the ACK (read) or the data (write), per block.
        const std::vector<Bytes>& writes = rig.port.writes();
        ASSERT_EQ(writes.size(), kHandshakeWrites + 2 * static_cast<std::size_t>(blocks));
        std::vector<bool> moved(MemoryImage::kSize, false);
        std::size_t next = 0;
        for (std::size_t index = kHandshakeWrites; index < writes.size(); index += 2) {
            const Bytes& command = writes[index];
            ASSERT_EQ(command.size(), 4u);
            EXPECT_EQ(command[0], reading ? 'R' : 'W');
            const std::size_t address = std::size_t{command[1]} << 8 | command[2];
            const std::size_t length = command[3];
            EXPECT_GE(address, next) << "blocks in address order";
            EXPECT_EQ(address / 8, (address + length - 1) / 8) << "block at " << address;
            const Bytes data =
                reading ? Bytes{clone::kAck} : Bytes(&image[address], &image[address] + length);
            EXPECT_EQ(writes[index + 1], data) << "block at " << address;
            std::fill_n(moved.begin() + static_cast<std::ptrdiff_t>(address), length, true);
            next = address + length;
        }
        for (std::size_t offset = 0; offset < MemoryImage::kSize; ++offset) {
            const bool inRange = std::ranges::any_of(expectedRanges, [&](const clone::Range& r) {
                return offset >= r.start && offset < r.end;
            });
            ASSERT_EQ(moved[offset], inRange) << "offset " << offset;
            if (reading) {
                ASSERT_EQ(image[offset], inRange ? radioBefore[offset] : before[offset]) << offset;
            } else {
                ASSERT_EQ(rig.radio.memory()[offset], inRange ? image[offset] : radioBefore[offset])
                    << offset;
            }
        }
    }
}

// The radio needs its pauses: a purge before the wake-up, 2 ms between its bytes.
TEST(CloneSessionHandshake, OnePassAndFirstBlockInExactOrder) {
    CloneRig rig;
    MemoryImage image;
    ASSERT_EQ(rig.read(image), TransferOutcome::Completed);
    std::string expected = "z1 z1 z1 z1 z1 z1 d C ";
    for (std::size_t i = 0; i < clone::kWakeUp.size(); ++i) {
        expected += "z2 d c w1 ";
    }
    expected += "r1 z1 d c w1 z1 r8 d c w1 d c z1 r1 d c w4 r4 r8 d c w1 r1 ";
    EXPECT_EQ(rig.port.trace().substr(0, expected.size()), expected);
    Bytes sent;
    for (std::size_t i = 0; i < kHandshakeWrites + 1; ++i) {
        sent.insert(sent.end(), rig.port.writes()[i].begin(), rig.port.writes()[i].end());
    }
    Bytes handshake(clone::kWakeUp.begin(), clone::kWakeUp.end());
    handshake.insert(handshake.end(), {clone::kStx, clone::kAck, 'R', 0, 0, 8});
    EXPECT_EQ(sent, handshake);
}

// A clear right after a write would otherwise throw away bytes still in the transmit queue.
TEST(CloneSessionPurge, EveryClearWaitsForTheOutputFirst) {
    for (const bool reading : {true, false}) {
        CloneRig rig({}, {.ioErrorReads = 1});
        MemoryImage image;
        ASSERT_EQ(reading ? rig.read(image) : rig.write(image), TransferOutcome::Completed);
        const std::string& trace = rig.port.trace();
        int clears = 0;
        for (std::size_t at = 0; (at = trace.find_first_of("cC", at)) != std::string::npos;
             ++at, ++clears) {
            ASSERT_EQ(trace.substr(at - 2, 2), "d ") << "at " << at;
        }
        EXPECT_GT(clears, 122);
        EXPECT_NE(trace.find(" w1 r1 z2 z1 "), std::string::npos);  // 2 ms after a failed wake-up
    }
}

const MemoryImage kWritten = test::patternedImage(5);

TEST(Verify, ReadsBackTheWrittenBlocksAndNamesEachOneThatDiffers) {
    using O = VerifyOutcome;
    const std::string verified = "Write completed and verified";
    const std::string unchecked = "Write completed, but the check could not read the radio back: ";
    using Blocks = std::vector<clone::Block>;
    const Blocks three = {{0x38, 8}, {0x138, 8}, {0x3E0, 8}};
    const std::string threeBlocks =
        "(3):\n  0x0038, 8 bytes: channel 3\n  0x0138, 8 bytes: optional features\n"
        "  0x03E0, 8 bytes: power adjustment";
    const std::string unusedBlock = "0x0128, 8 bytes: unused bytes, optional features";
    // The radio's faults, whether the write was unlocked, the radio's bytes flipped after it,
    // then the outcome, the blocks that differ and a part of the message.
    // clang-format off
    const std::tuple<sim::Faults, bool, std::vector<std::size_t>, O, Blocks, std::string> cases[] = {
        {{}, false, {}, O::Verified, {}, verified},
        // A normal write leaves the service areas alone, so the check must not read them.
        {{}, false, {816, 980, 1000}, O::Verified, {}, verified},
        {{}, true, {3 * 16 + 9, 0x13A, 0x3E1}, O::Differs, three, threeBlocks},
        {{}, false, {0x128, 0x12F}, O::Differs, {{0x128, 8}}, "\n  " + unusedBlock},
        {{.shortDataAtBlock = 3}, false, {}, O::Interrupted, {}, unchecked + "Program Interrupt"},
        {{.silent = true}, false, {}, O::NoAnswer, {}, unchecked + "the radio did not answer after the write."},
    };
    // clang-format on
    for (const auto& [faults, unlocked, changed, outcome, differing, part] : cases) {
        MemoryImage radioMemory = kWritten;
        for (const std::size_t offset : changed) {
            radioMemory[offset] ^= 0x01;
        }
        CloneRig rig(faults, {}, radioMemory);
        const VerifyResult result = CloneSession(rig.port, rig.observer).verify(kWritten, unlocked);
        const std::string message = verifyMessage(result, kWritten, Language::English);
        EXPECT_EQ(result.outcome, outcome) << message;
        EXPECT_EQ(result.differing, differing) << message;
        EXPECT_NE(message.find(part), std::string::npos) << message;
        // Only reads, counted as a phase of its own rather than as a new transfer.
        EXPECT_TRUE(std::ranges::none_of(rig.port.writes(), [](const test::Bytes& bytes) {
            return bytes.size() > 1 && bytes.front() == clone::kWriteCommand;
        }));
        EXPECT_TRUE(rig.observer.started.empty());
        EXPECT_EQ(rig.observer.prompts, 0);  // a radio restarting after a write is no error
        if (outcome == O::Verified || outcome == O::Differs) {
            EXPECT_EQ(rig.observer.done.back(), unlocked ? 127 : 122);
        }
    }
}

TEST(Verify, CancelAfterABlockAndChineseMessages) {
    CloneRig rig({}, {}, kWritten);
    rig.observer.cancelAtCheck = 8;  // six at the handshake, then after the second block
    const VerifyResult cancelled = CloneSession(rig.port, rig.observer).verify(kWritten, false);
    EXPECT_EQ(cancelled.outcome, VerifyOutcome::Cancelled);
    EXPECT_EQ(verifyMessage(cancelled, kWritten, Language::Chinese), "写入已完成；校验已取消。");
    VerifyResult differs{VerifyOutcome::Differs, {{0x20, 8}}, kWritten};
    differs.readBack[0x21] ^= 1;
    EXPECT_NE(verifyMessage(differs, kWritten, Language::Chinese).find("0x0020，8 字节：信道2"),
              std::string::npos);
}

}  // namespace
}  // namespace radio
