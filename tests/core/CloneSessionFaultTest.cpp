#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "core/link/CloneSession.h"
#include "tests/support/FakeSerialPort.h"

namespace radio {
namespace {

using test::CloneRig;
using test::PortFaults;

constexpr RetryChoice kRetry = RetryChoice::Retry;
constexpr TransferOutcome kDone = TransferOutcome::Completed;
constexpr TransferOutcome kCancelled = TransferOutcome::Cancelled;
constexpr TransferOutcome kInterrupted = TransferOutcome::Interrupted;

template <typename Case>
std::string caseName(const testing::TestParamInfo<Case>& info) {
    return info.param.name;
}

// Failures name the case rather than dumping its bytes.
template <typename Case>
requires requires(const Case& c) {
    c.name;
}
void PrintTo(const Case& c, std::ostream* out) {
    *out << c.name;
}

struct HandshakeCase {
    const char* name;
    sim::Faults radio;
    PortFaults port;
    std::vector<RetryChoice> answers;
    TransferOutcome outcome;
    int prompts;
    int wakeUps;
    bool cancelWhilePrompting = false;
};

class CloneSessionAttempts : public testing::TestWithParam<HandshakeCase> {};

TEST_P(CloneSessionAttempts, EndAsTheCounterDecides) {
    const HandshakeCase& c = GetParam();
    for (const bool reading : {true, false}) {
        CloneRig rig(c.radio, c.port);
        rig.observer.answers = c.answers;
        rig.observer.cancelWhilePrompting = c.cancelWhilePrompting;
        const MemoryImage before = test::patternedImage(100);
        MemoryImage image = before;
        EXPECT_EQ(reading ? rig.read(image) : rig.write(image), c.outcome) << reading;
        EXPECT_EQ(rig.observer.prompts, c.prompts) << reading;
        EXPECT_EQ(rig.wakeUpsSent(), c.wakeUps) << reading;
        EXPECT_EQ(rig.observer.started.size(), 1u);
        if (c.outcome != kDone) {
            EXPECT_EQ(image, before);
            EXPECT_EQ(rig.radio.memory(), test::patternedImage()) << "no block written";
        }
    }
}

INSTANTIATE_TEST_SUITE_P(
    Clone, CloneSessionAttempts,
    testing::ValuesIn(std::vector<HandshakeCase>{
        {"FirstPassAcked", {}, {}, {}, kDone, 0, 1},
        {"QuietWakeUpStillGoesOn", {.quietWakeUp = true}, {}, {}, kDone, 0, 1},
        // 14 failing reads raise the counter to 15: still retried without asking.
        {"FourteenIoErrorsRetryAlone", {}, {.ioErrorReads = 14}, {}, kDone, 0, 15},
        {"FifteenIoErrorsPrompt", {}, {.ioErrorReads = 15}, {}, kCancelled, 1, 15},
        {"MissingFinalAckPromptsEachPass", {.noFinalAck = true}, {}, {kRetry}, kCancelled, 2, 2},
        {"WrongFinalAckPrompts", {.wrongHandshakeAck = true}, {}, {}, kCancelled, 1, 1},
        // Four failing reads leave the counter at 5: the missing ACK still prompts.
        {"CounterFivePrompts", {.noFinalAck = true}, {.ioErrorReads = 4}, {}, kCancelled, 1, 5},
        {"CounterSixInterrupts", {.noFinalAck = true}, {.ioErrorReads = 5}, {}, kInterrupted, 0, 6},
        // After Retry the counter is 1 again: four more failing reads bring it to 5, and the
        // missing ACK prompts instead of interrupting.
        {"RetryResets", {.noFinalAck = true}, {.ioErrorReads = 19}, {kRetry}, kCancelled, 2, 20},
        // Cancel pressed while a pass ran is seen at the start of the pass after Retry.
        {"CancelBeatsRetry", {.noFinalAck = true}, {}, {kRetry}, kCancelled, 1, 1, true}}),
    caseName<HandshakeCase>);

// Cancel seen at check N: the handshake makes checks 1 to 6, each block one more.
class CloneSessionCancelAt : public testing::TestWithParam<int> {};

TEST_P(CloneSessionCancelAt, StopsThereAndKeepsTheImage) {
    const int check = GetParam();
    for (const int blocks : {127, 122}) {
        const bool reading = blocks == 127;
        CloneRig rig;
        rig.observer.cancelAtCheck = check;
        const MemoryImage before = test::patternedImage(100);
        MemoryImage image = before;
        const bool cancelled = check <= 6 + blocks;
        EXPECT_EQ(reading ? rig.read(image) : rig.write(image), cancelled ? kCancelled : kDone);
        const int done = std::clamp(check - 6, 0, blocks);
        EXPECT_EQ(std::ssize(rig.observer.done), done) << reading;
        EXPECT_EQ(rig.radio.blockCount(), done) << reading;
        EXPECT_EQ(rig.observer.checks, cancelled ? check : 6 + blocks);
        if (reading) {
            EXPECT_EQ(image, before);
        }
        if (check <= 6) {
            EXPECT_TRUE(rig.port.writes().empty());
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Clone, CloneSessionCancelAt, testing::Values(1, 6, 7, 128, 133),
                         [](const testing::TestParamInfo<int>& info) {
                             return "Check" + std::to_string(info.param);
                         });

struct BlockFault {
    const char* name;
    bool write;
    sim::Faults radio;
    PortFaults port;
    int blocksDone;
};

class CloneSessionBlockFault : public testing::TestWithParam<BlockFault> {};

// Reads leave the image as it was; a write keeps what the radio acknowledged (the first rows)
// and sends nothing after the failing block.
TEST_P(CloneSessionBlockFault, InterruptsAtThatBlock) {
    const BlockFault& c = GetParam();
    CloneRig rig(c.radio, c.port);
    const MemoryImage before = test::patternedImage(100);
    MemoryImage image = before;
    EXPECT_EQ(c.write ? rig.write(image, true) : rig.read(image), kInterrupted);
    EXPECT_EQ(std::ssize(rig.observer.done), c.blocksDone);
    EXPECT_EQ(rig.observer.prompts, 0);
    EXPECT_EQ(image, before);
    if (c.write) {
        EXPECT_EQ(rig.port.writes().size(), 10u + 2u * static_cast<std::size_t>(c.blocksDone + 1));
        const std::size_t written = 8 * static_cast<std::size_t>(c.blocksDone);
        for (std::size_t offset = 0; offset < MemoryImage::kSize; ++offset) {
            ASSERT_EQ(rig.radio.memory()[offset],
                      offset < written ? image[offset] : test::patternedImage()[offset])
                << offset;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Clone, CloneSessionBlockFault,
                         testing::ValuesIn(std::vector<BlockFault>{
                             {"ReadShortDataFirstBlock", false, {.shortDataAtBlock = 1}, {}, 0},
                             {"ReadShortDataLastBlock", false, {.shortDataAtBlock = 127}, {}, 126},
                             {"ReadWrongAckBlock3", false, {.wrongAckAtBlock = 3}, {}, 2},
                             {"ReadIoErrorBlock8", false, {}, {.ioErrorAtBlock = 8}, 7},
                             {"WriteWrongAckBlock10", true, {.wrongAckAtBlock = 10}, {}, 9},
                             {"WriteStopsAtBlock50", true, {.stopAtBlock = 50}, {}, 49}}),
                         caseName<BlockFault>);

}  // namespace
}  // namespace radio
