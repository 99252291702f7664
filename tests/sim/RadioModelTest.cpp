#include <gtest/gtest.h>

#include "core/image/ImageMap.h"
#include "core/link/CloneProtocol.h"
#include "sim/ModelDriver.h"

namespace radio::sim::test {
namespace {

using clone::kAck;
using clone::kStx;

const Bytes kAckOnly = {kAck};

Bytes memoryBytes(const MemoryImage& memory, std::size_t address, std::size_t length) {
    const auto span = memory.bytes(address, length);
    return Bytes(span.begin(), span.end());
}

Bytes readAnswer(const MemoryImage& memory, std::size_t address, std::size_t length) {
    return concat({'W', static_cast<std::uint8_t>(address >> 8),
                   static_cast<std::uint8_t>(address & 0xFF), static_cast<std::uint8_t>(length)},
                  memoryBytes(memory, address, length));
}

TEST(RadioModel, AnswersEachHandshakeStep) {
    ModelDriver radio;
    EXPECT_EQ(radio.send(wakeUpString()), kAckOnly);
    EXPECT_EQ(radio.send(kStx), memoryBytes(patternedMemory(), map::kIdentification, 8));
    EXPECT_FALSE(radio.model().programming());
    EXPECT_EQ(radio.send(kAck), kAckOnly);
    EXPECT_TRUE(radio.model().programming());
    EXPECT_EQ(radio.log(), (std::vector<std::string>{"wake-up", "ident", "ack"}));
}

TEST(RadioModel, AnswersOnlyOnTheLastByteOfTheWakeUp) {
    ModelDriver radio;
    const Bytes wakeUp = wakeUpString();
    for (std::size_t i = 0; i + 1 < wakeUp.size(); ++i) {
        EXPECT_TRUE(radio.send(wakeUp[i]).empty()) << i;
    }
    EXPECT_EQ(radio.send(wakeUp.back()), kAckOnly);
}

TEST(RadioModel, ServesAWholeRead) {
    const MemoryImage memory = patternedMemory();
    ModelDriver radio(memory);
    ASSERT_EQ(radio.handshake(), kAckOnly);
    const auto blocks =
        clone::divideIntoBlocks(clone::transferRanges(clone::Direction::Read, false));
    for (const clone::Block& block : blocks) {
        ASSERT_EQ(radio.read(block.address, block.length),
                  readAnswer(memory, block.address, block.length))
            << block.address;
        ASSERT_EQ(radio.send(kAck), kAckOnly) << block.address;
    }
    EXPECT_EQ(radio.model().blockCount(), 127);
    EXPECT_EQ(radio.log().back(), "ack");
    EXPECT_EQ(radio.log()[radio.log().size() - 2], "R 03F0 01");
    EXPECT_EQ(radio.model().memory(), memory);
}

TEST(RadioModel, StoresExactlyTheWrittenBlocks) {
    const MemoryImage before = patternedMemory();
    ModelDriver radio(before);
    ASSERT_EQ(radio.handshake(), kAckOnly);
    MemoryImage expected = before;
    const auto blocks =
        clone::divideIntoBlocks(clone::transferRanges(clone::Direction::Write, false));
    for (const clone::Block& block : blocks) {
        Bytes data(block.length);
        for (std::size_t i = 0; i < block.length; ++i) {
            data[i] = static_cast<std::uint8_t>(0xA5 ^ (block.address + i));
            expected[block.address + i] = data[i];
        }
        ASSERT_EQ(radio.write(block.address, data), kAckOnly) << block.address;
    }
    EXPECT_EQ(radio.model().blockCount(), 122);
    EXPECT_EQ(radio.model().memory(), expected);
    for (std::size_t offset : {816u, 831u, 976u, 986u, 992u, 1007u, 1009u, 1023u}) {
        EXPECT_EQ(radio.model().memory()[offset], before[offset]) << offset;
    }
}

TEST(RadioModel, LogsWritesWithTheirData) {
    ModelDriver radio;
    radio.handshake();
    radio.write(0x3DB, {0x01, 0x02, 0xAB, 0xCD, 0xEF});
    EXPECT_EQ(radio.log().back(), "W 03DB 05 01 02 AB CD EF");
}

TEST(RadioModel, TakesTheWakeUpStringAsWriteData) {
    ModelDriver radio;
    radio.handshake();
    EXPECT_EQ(radio.write(0x100, wakeUpString()), kAckOnly);
    EXPECT_EQ(memoryBytes(radio.model().memory(), 0x100, 8), wakeUpString());
    EXPECT_TRUE(radio.model().programming());
}

TEST(RadioModel, IgnoresEverythingBeforeTheWakeUp) {
    ModelDriver radio;
    EXPECT_TRUE(radio.send({kStx, kAck, 'R', 0, 0, 8, 'W', 0, 0, 1, 0x55, 'P', 'R'}).empty());
    EXPECT_TRUE(radio.log().empty());
    EXPECT_EQ(radio.model().memory(), patternedMemory());
    EXPECT_EQ(radio.send(concat({0x00, kStx, 'P'}, wakeUpString())), kAckOnly);
}

TEST(RadioModel, IgnoresGarbageBetweenCommands) {
    const MemoryImage memory = patternedMemory();
    ModelDriver radio(memory);
    radio.handshake();
    EXPECT_TRUE(radio.send({0x00, 0xFF, kAck, kStx, 0x13}).empty());
    EXPECT_EQ(radio.read(8, 8), readAnswer(memory, 8, 8));
}

// Every point at which a program may give up and start a new handshake.
struct RestartPoint {
    const char* name;
    Bytes before;
};

class HandshakeRestart : public ::testing::TestWithParam<RestartPoint> {};

TEST_P(HandshakeRestart, StartsANewSession) {
    const MemoryImage memory = patternedMemory();
    ModelDriver radio(memory);
    radio.send(GetParam().before);
    const Bytes answer = radio.send(wakeUpString());
    ASSERT_FALSE(answer.empty());
    EXPECT_EQ(answer.back(), kAck);
    EXPECT_EQ(radio.model().blockCount(), 0);
    EXPECT_EQ(radio.send(kStx), memoryBytes(memory, map::kIdentification, 8));
    EXPECT_EQ(radio.send(kAck), kAckOnly);
    EXPECT_EQ(radio.read(0x3F0, 1), readAnswer(memory, 0x3F0, 1));
}

// An STX while the identification request is due can only be taken for one; the program
// purges before its own STX, so the extra answer does no harm.
TEST(RadioModel, AWakeUpRightAfterAWakeUpIsFirstTakenForAnIdentRequest) {
    const MemoryImage memory = patternedMemory();
    ModelDriver radio(memory);
    radio.send(wakeUpString());
    EXPECT_EQ(radio.send(wakeUpString()),
              concat(memoryBytes(memory, map::kIdentification, 8), kAckOnly));
    EXPECT_EQ(radio.log(), (std::vector<std::string>{"wake-up", "ident", "wake-up"}));
}

const Bytes kHandshake = concat(wakeUpString(), {kStx, kAck});

INSTANTIATE_TEST_SUITE_P(
    RadioModel, HandshakeRestart,
    ::testing::Values(RestartPoint{"nothing", {}}, RestartPoint{"after_wake_up", wakeUpString()},
                      RestartPoint{"half_a_wake_up", {kStx, 'P', 'R', 'O'}},
                      RestartPoint{"after_ident", concat(wakeUpString(), {kStx})},
                      RestartPoint{"programming", kHandshake},
                      RestartPoint{"read_data_unacknowledged", concat(kHandshake, {'R', 0, 0, 8})},
                      RestartPoint{"read_acknowledged", concat(kHandshake, {'R', 0, 0, 8, kAck})},
                      RestartPoint{"half_a_command", concat(kHandshake, {'R', 0})},
                      RestartPoint{"after_a_write", concat(kHandshake, {'W', 0, 0x20, 1, 0x20})}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(RadioModel, AWakeUpInProgrammingModeIsNotReadAsCommands) {
    ModelDriver radio;
    radio.handshake();
    radio.send(wakeUpString());
    EXPECT_EQ(radio.log().back(), "wake-up");
    EXPECT_EQ(radio.log().size(), 4u);
}

TEST(RadioModel, DropsAHalfReceivedCommandWhenTheLineGoesQuiet) {
    const MemoryImage memory = patternedMemory();
    ModelDriver radio(memory);
    radio.handshake();
    radio.send({'W', 0x00, 0x10, 8, 1, 2});
    EXPECT_TRUE(radio.model().midCommand());
    radio.model().lineIdle();
    EXPECT_FALSE(radio.model().midCommand());
    EXPECT_EQ(radio.read(0x10, 8), readAnswer(memory, 0x10, 8));
}

struct BadCommand {
    const char* name;
    Bytes bytes;
    const char* logged;
};

class OutOfRange : public ::testing::TestWithParam<BadCommand> {};

TEST_P(OutOfRange, IsIgnored) {
    const MemoryImage memory = patternedMemory();
    ModelDriver radio(memory);
    radio.handshake();
    EXPECT_TRUE(radio.send(GetParam().bytes).empty());
    EXPECT_EQ(radio.log().back(), GetParam().logged);
    EXPECT_EQ(radio.model().blockCount(), 0);
    EXPECT_EQ(radio.model().memory(), memory);
    // The radio is still listening for the next command.
    EXPECT_EQ(radio.read(0x3F8, 8), readAnswer(memory, 0x3F8, 8));
}

INSTANTIATE_TEST_SUITE_P(
    RadioModel, OutOfRange,
    ::testing::Values(
        BadCommand{"read_length_0", {'R', 0, 0, 0}, "R 0000 00 ignored"},
        BadCommand{"read_length_9", {'R', 0, 0, 9}, "R 0000 09 ignored"},
        BadCommand{"read_length_255", {'R', 0, 0, 0xFF}, "R 0000 FF ignored"},
        BadCommand{"read_past_the_end", {'R', 0x03, 0xFC, 8}, "R 03FC 08 ignored"},
        BadCommand{"read_at_1024", {'R', 0x04, 0x00, 1}, "R 0400 01 ignored"},
        BadCommand{"read_far_away", {'R', 0xFF, 0xF8, 8}, "R FFF8 08 ignored"},
        BadCommand{"write_length_0", {'W', 0, 0, 0}, "W 0000 00 ignored"},
        BadCommand{"write_length_9", {'W', 0, 0, 9}, "W 0000 09 ignored"},
        // The data of a write outside the memory is swallowed, not taken for commands.
        BadCommand{"write_past_the_end", {'W', 0x03, 0xFF, 2, 'R', 0}, "W 03FF 02 52 00 ignored"},
        BadCommand{
            "write_at_1024", {'W', 0x04, 0x00, 4, 'R', 0, 0, 8}, "W 0400 04 52 00 00 08 ignored"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(RadioModel, ReadsTheLastByteOfTheMemory) {
    const MemoryImage memory = patternedMemory();
    ModelDriver radio(memory);
    radio.handshake();
    EXPECT_EQ(radio.read(0x3FF, 1), readAnswer(memory, 0x3FF, 1));
    radio.send(kAck);
    EXPECT_EQ(radio.write(0x3FF, {0x42}), kAckOnly);
    EXPECT_EQ(radio.model().memory()[0x3FF], 0x42);
}

TEST(RadioModel, IgnoresCommandsAfterAFailedHandshake) {
    ModelDriver radio;
    radio.send(wakeUpString());
    radio.send(kStx);
    // No final acknowledge: the program went on regardless.
    EXPECT_TRUE(radio.write(0, {1, 2, 3, 4}).empty());
    EXPECT_EQ(radio.model().memory(), patternedMemory());
}

}  // namespace
}  // namespace radio::sim::test
