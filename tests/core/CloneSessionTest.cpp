#include "core/link/CloneSession.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <numeric>
#include <vector>

#include "core/image/ImageMap.h"
#include "tests/support/FakeSerialPort.h"

namespace radio {
namespace {

using test::Bytes;
using test::CloneRig;
using test::PortEvent;
using Kind = PortEvent::Kind;

constexpr std::size_t kHandshakeWrites = 10;  // 8 wake-up bytes, STX, ACK

// Which bytes each kind of transfer moves, and in how many blocks.
struct Coverage {
    const char* name;
    clone::Direction direction;
    bool unlocked;
    std::vector<clone::Range> moved;
    int blocks;
};

bool inside(const std::vector<clone::Range>& ranges, std::size_t offset) {
    return std::ranges::any_of(
        ranges, [&](const clone::Range& r) { return offset >= r.start && offset < r.end; });
}

void PrintTo(const Coverage& c, std::ostream* out) {
    *out << c.name;
}

class CloneSessionCoverage : public testing::TestWithParam<Coverage> {};

TEST_P(CloneSessionCoverage, MovesExactlyItsRangesInRowBlocks) {
    const Coverage& c = GetParam();
    const bool reading = c.direction == clone::Direction::Read;
    CloneRig rig;
    const MemoryImage radioBefore = rig.radio.memory();
    const MemoryImage before = test::patternedImage(100);
    MemoryImage image = before;
    ASSERT_EQ(reading ? rig.read(image) : rig.write(image, c.unlocked), TransferOutcome::Completed);

    std::vector<int> counted(static_cast<std::size_t>(c.blocks));
    std::iota(counted.begin(), counted.end(), 1);
    EXPECT_EQ(rig.observer.done, counted);
    EXPECT_EQ(rig.observer.started, std::vector<int>{c.blocks});

    // After the handshake: a command, then the ACK (read) or the data (write), per block.
    const std::vector<Bytes> writes = rig.port.writes();
    ASSERT_EQ(writes.size(), kHandshakeWrites + 2 * static_cast<std::size_t>(c.blocks));
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
        const Bytes expected =
            reading ? Bytes{clone::kAck} : Bytes(&image[address], &image[address] + length);
        EXPECT_EQ(writes[index + 1], expected) << "block at " << address;
        std::fill_n(moved.begin() + static_cast<std::ptrdiff_t>(address), length, true);
        next = address + length;
    }
    for (std::size_t offset = 0; offset < MemoryImage::kSize; ++offset) {
        ASSERT_EQ(moved[offset], inside(c.moved, offset)) << "offset " << offset;
        const bool changed = moved[offset];
        if (reading) {
            ASSERT_EQ(image[offset], changed ? radioBefore[offset] : before[offset]) << offset;
        } else {
            ASSERT_EQ(rig.radio.memory()[offset], changed ? image[offset] : radioBefore[offset])
                << offset;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Clone, CloneSessionCoverage,
                         testing::ValuesIn(std::vector<Coverage>{
                             {"Read", clone::Direction::Read, false, {{0, 1009}}, 127},
                             {"ReadUnlocked", clone::Direction::Read, true, {{0, 1009}}, 127},
                             {"Write",
                              clone::Direction::Write,
                              false,
                              {{0, 816}, {832, 976}, {987, 992}, {1008, 1009}},
                              122},
                             {"WriteUnlocked", clone::Direction::Write, true, {{0, 1009}}, 127}}),
                         [](const testing::TestParamInfo<Coverage>& info) {
                             return info.param.name;
                         });

TEST(CloneSessionHandshake, OnePassAndFirstBlockInExactOrder) {
    CloneRig rig;
    MemoryImage image;
    ASSERT_EQ(rig.read(image), TransferOutcome::Completed);

    const PortEvent drain{Kind::Drain}, clear{Kind::Clear}, sleep1{Kind::Sleep, {}, 1};
    std::vector<PortEvent> expected(6, sleep1);
    expected.insert(expected.end(), {drain, {Kind::ClearAll}});
    for (const std::uint8_t byte : clone::kWakeUp) {
        expected.insert(expected.end(),
                        {{Kind::Sleep, {}, 2}, drain, clear, {Kind::Write, {byte}}});
    }
    expected.insert(expected.end(), {{Kind::Read, {}, 1},
                                     sleep1,
                                     drain,
                                     clear,
                                     {Kind::Write, {2}},
                                     sleep1,
                                     {Kind::Read, {}, 8},
                                     drain,
                                     clear,
                                     {Kind::Write, {6}},
                                     drain,
                                     clear,
                                     sleep1,
                                     {Kind::Read, {}, 1},
                                     drain,
                                     clear,
                                     {Kind::Write, {'R', 0, 0, 8}},
                                     {Kind::Read, {}, 4},
                                     {Kind::Read, {}, 8},
                                     drain,
                                     clear,
                                     {Kind::Write, {6}},
                                     {Kind::Read, {}, 1}});
    const std::vector<PortEvent>& events = rig.port.events();
    ASSERT_GE(events.size(), expected.size());
    EXPECT_EQ(std::vector<PortEvent>(events.begin(), events.begin() + std::ssize(expected)),
              expected);
}

// A clear right after a write would otherwise throw away bytes still in the transmit queue.
TEST(CloneSessionPurge, EveryClearWaitsForTheOutputFirst) {
    for (const bool reading : {true, false}) {
        CloneRig rig({}, {.ioErrorReads = 1});
        MemoryImage image;
        ASSERT_EQ(reading ? rig.read(image) : rig.write(image), TransferOutcome::Completed);
        const std::vector<PortEvent>& events = rig.port.events();
        int clears = 0;
        for (std::size_t i = 1; i < events.size(); ++i) {
            if (events[i].kind == Kind::Clear || events[i].kind == Kind::ClearAll) {
                ++clears;
                EXPECT_EQ(events[i - 1].kind, Kind::Drain) << "event " << i;
            }
        }
        EXPECT_GT(clears, 122);
    }
}

}  // namespace
}  // namespace radio
