#include <gtest/gtest.h>

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "core/link/CloneSession.h"
#include "core/link/Transfer.h"
#include "tests/support/FakeSerialPort.h"

namespace radio {
namespace {

using Bytes = std::vector<std::uint8_t>;
using test::CloneRig;
using test::RadioFaults;
using test::sampleImage;

constexpr RetryChoice kRetry = RetryChoice::Retry;
constexpr RetryChoice kCancel = RetryChoice::Cancel;

struct HandshakeCase {
    const char* name;
    RadioFaults faults;
    std::vector<RetryChoice> answers;
    TransferOutcome outcome;
    int prompts;
    int wakeUps;
};

class CloneSessionAttempts : public testing::TestWithParam<HandshakeCase> {};

TEST_P(CloneSessionAttempts, EndAsTheCounterDecides) {
    const HandshakeCase& c = GetParam();
    CloneRig rig(c.faults);
    rig.observer.answers = c.answers;
    const MemoryImage before = sampleImage();
    MemoryImage image = before;
    EXPECT_EQ(rig.read(image), c.outcome);
    EXPECT_EQ(rig.observer.prompts, c.prompts);
    EXPECT_EQ(rig.wakeUpsSent(), c.wakeUps);
    EXPECT_EQ(rig.observer.started.size(), 1u);
    if (c.outcome != TransferOutcome::Completed) {
        EXPECT_EQ(image, before);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Clone, CloneSessionAttempts,
    testing::Values(HandshakeCase{"FirstPassAcked", {}, {}, TransferOutcome::Completed, 0, 1},
                    // 14 failing reads raise the counter to 15: still retried without asking.
                    HandshakeCase{"FourteenIoErrorsRetryAlone",
                                  {.ioErrorReads = 14},
                                  {},
                                  TransferOutcome::Completed,
                                  0,
                                  15},
                    HandshakeCase{"FifteenIoErrorsPrompt",
                                  {.ioErrorReads = 15},
                                  {kCancel},
                                  TransferOutcome::Cancelled,
                                  1,
                                  15},
                    HandshakeCase{"FifteenIoErrorsThenRetry",
                                  {.ioErrorReads = 15},
                                  {kRetry},
                                  TransferOutcome::Completed,
                                  1,
                                  16},
                    HandshakeCase{"MissingFinalAckPrompts",
                                  {.refusedHandshakes = 1},
                                  {kCancel},
                                  TransferOutcome::Cancelled,
                                  1,
                                  1},
                    HandshakeCase{"MissingFinalAckThenRetry",
                                  {.refusedHandshakes = 1},
                                  {kRetry},
                                  TransferOutcome::Completed,
                                  1,
                                  2},
                    // Four failing reads leave the counter at 5: the missing ACK still prompts.
                    HandshakeCase{"CounterFivePrompts",
                                  {.ioErrorReads = 4, .refusedHandshakes = 1},
                                  {kCancel},
                                  TransferOutcome::Cancelled,
                                  1,
                                  5},
                    HandshakeCase{"CounterSixInterrupts",
                                  {.ioErrorReads = 5, .refusedHandshakes = 1},
                                  {},
                                  TransferOutcome::Interrupted,
                                  0,
                                  6},
                    // After Retry the counter is 1 again, so the missing ACK prompts instead of
                    // interrupting although 15 failing reads came before.
                    HandshakeCase{"RetryResetsCounter",
                                  {.ioErrorReads = 15, .refusedHandshakes = 1},
                                  {kRetry, kRetry},
                                  TransferOutcome::Completed,
                                  2,
                                  17},
                    HandshakeCase{"SilentRadioPromptsEveryPass",
                                  {.silent = true},
                                  {kRetry, kRetry, kCancel},
                                  TransferOutcome::Cancelled,
                                  3,
                                  3},
                    HandshakeCase{"QuietWakeUpStillSucceeds",
                                  {.quietWakeUp = true},
                                  {},
                                  TransferOutcome::Completed,
                                  0,
                                  1}),
    [](const testing::TestParamInfo<HandshakeCase>& info) { return info.param.name; });

TEST(CloneSessionHandshake, WakeUpAnsweredWithNothingStillGetsStx) {
    CloneRig rig({.quietWakeUp = true});
    MemoryImage image;
    ASSERT_EQ(rig.read(image), TransferOutcome::Completed);
    EXPECT_EQ(rig.port.writes().at(8), Bytes{clone::kStx});
}

TEST(CloneSessionHandshake, WriteInterruptedByCounterSendsNoBlock) {
    CloneRig rig({.ioErrorReads = 5, .refusedHandshakes = 1});
    const MemoryImage radioBefore = rig.radio.memory;
    EXPECT_EQ(rig.write(sampleImage()), TransferOutcome::Interrupted);
    EXPECT_EQ(rig.radio.blockCommands(), 0);
    EXPECT_EQ(rig.radio.memory, radioBefore);
}

// The user pressed Cancel while a pass ran and then chose Retry: the next pass sees it first.
TEST(CloneSessionCancel, PressedDuringFailedPassWinsOverRetry) {
    CloneRig rig({.refusedHandshakes = 1});
    rig.observer.answers = {kRetry};
    rig.observer.cancelWhilePrompting = true;
    MemoryImage image;
    EXPECT_EQ(rig.read(image), TransferOutcome::Cancelled);
    EXPECT_EQ(rig.observer.prompts, 1);
    EXPECT_EQ(rig.wakeUpsSent(), 1);
    EXPECT_EQ(rig.radio.blockCommands(), 0);
}

struct CancelCase {
    const char* name;
    int check;       // the cancel check that first sees Cancel
    int blocksDone;  // blocks acknowledged before the transfer stops
};

class CloneSessionCancelAt : public testing::TestWithParam<CancelCase> {};

TEST_P(CloneSessionCancelAt, ReadStopsThereAndKeepsImage) {
    const CancelCase& c = GetParam();
    CloneRig rig;
    rig.observer.cancelAtCheck = c.check;
    const MemoryImage before = sampleImage();
    MemoryImage image = before;
    EXPECT_EQ(rig.read(image), TransferOutcome::Cancelled);
    EXPECT_EQ(rig.observer.checks, c.check);
    EXPECT_EQ(static_cast<int>(rig.observer.done.size()), c.blocksDone);
    EXPECT_EQ(rig.radio.blockCommands(), c.blocksDone);
    EXPECT_EQ(image, before);
    if (c.check <= 6) {
        EXPECT_TRUE(rig.port.writes().empty());
    }
}

TEST_P(CloneSessionCancelAt, WriteStopsThere) {
    const CancelCase& c = GetParam();
    CloneRig rig;
    rig.observer.cancelAtCheck = c.check;
    EXPECT_EQ(rig.write(sampleImage()), TransferOutcome::Cancelled);
    EXPECT_EQ(static_cast<int>(rig.observer.done.size()), std::min(c.blocksDone, 122));
    EXPECT_EQ(rig.radio.blockCommands(), std::min(c.blocksDone, 122));
}

INSTANTIATE_TEST_SUITE_P(
    Clone, CloneSessionCancelAt,
    testing::Values(CancelCase{"FirstHandshakeCheck", 1, 0}, CancelCase{"LastHandshakeCheck", 6, 0},
                    CancelCase{"AfterFirstBlock", 7, 1}, CancelCase{"AfterBlock60", 66, 60},
                    CancelCase{"AfterLastWriteBlock", 6 + 122, 122}),
    [](const testing::TestParamInfo<CancelCase>& info) { return info.param.name; });

TEST(CloneSessionCancel, AfterLastReadBlockStillCancels) {
    CloneRig rig;
    rig.observer.cancelAtCheck = 6 + 127;
    const MemoryImage before = sampleImage();
    MemoryImage image = before;
    EXPECT_EQ(rig.read(image), TransferOutcome::Cancelled);
    EXPECT_EQ(rig.observer.done.size(), 127u);
    EXPECT_EQ(image, before);
}

struct BlockFault {
    const char* name;
    RadioFaults faults;
    int blocksDone;
};

class CloneSessionBlockFault : public testing::TestWithParam<BlockFault> {};

TEST_P(CloneSessionBlockFault, ReadInterruptsAndLeavesImageAsItWas) {
    const BlockFault& c = GetParam();
    CloneRig rig(c.faults);
    const MemoryImage before = sampleImage();
    MemoryImage image = before;
    EXPECT_EQ(rig.read(image), TransferOutcome::Interrupted);
    EXPECT_EQ(static_cast<int>(rig.observer.done.size()), c.blocksDone);
    EXPECT_EQ(image, before);
    EXPECT_EQ(rig.observer.prompts, 0);
}

INSTANTIATE_TEST_SUITE_P(
    Clone, CloneSessionBlockFault,
    testing::Values(BlockFault{"ShortDataFirstBlock", {.shortDataAtBlock = 1}, 0},
                    BlockFault{"ShortDataBlock5", {.shortDataAtBlock = 5}, 4},
                    BlockFault{"ShortDataLastBlock", {.shortDataAtBlock = 127}, 126},
                    BlockFault{"WrongAckBlock3", {.wrongAckAtBlock = 3}, 2},
                    BlockFault{"WrongAckLastBlock", {.wrongAckAtBlock = 127}, 126},
                    BlockFault{"StopsAtBlock40", {.stopAtBlock = 40}, 39},
                    BlockFault{"IoErrorBlock8", {.ioErrorAtBlock = 8}, 7}),
    [](const testing::TestParamInfo<BlockFault>& info) { return info.param.name; });

TEST(CloneSessionWrite, WrongAckInterruptsAtThatBlock) {
    CloneRig rig({.wrongAckAtBlock = 10});
    EXPECT_EQ(rig.write(sampleImage()), TransferOutcome::Interrupted);
    EXPECT_EQ(rig.observer.done.size(), 9u);
    EXPECT_EQ(rig.radio.blockCommands(), 10);
}

TEST(CloneSessionWrite, StopsAnsweringMidwayKeepsAcknowledgedBlocks) {
    CloneRig rig({.stopAtBlock = 50});
    const MemoryImage image = sampleImage();
    const MemoryImage radioBefore = rig.radio.memory;
    EXPECT_EQ(rig.write(image, true), TransferOutcome::Interrupted);
    EXPECT_EQ(rig.observer.done.size(), 49u);
    // No further command goes out once the radio fell silent.
    EXPECT_EQ(rig.writesAfterHandshake().size(), 2u * 50u);
    for (std::size_t offset = 0; offset < MemoryImage::kSize; ++offset) {
        ASSERT_EQ(rig.radio.memory[offset], offset < 49 * 8 ? image[offset] : radioBefore[offset])
            << "offset " << offset;
    }
}

// Hands out fake ports and notes what became of them.
class FakeOpener final : public SerialPortOpener {
  public:
    explicit FakeOpener(bool available) : available_(available) {}

    std::unique_ptr<SerialPort> open(const std::string& name) override {
        openedNames.push_back(name);
        if (!available_) {
            return nullptr;
        }
        return std::make_unique<ClosingPort>(radio, closed);
    }

    test::FakeRadio radio;
    std::vector<std::string> openedNames;
    bool closed = false;

  private:
    class ClosingPort final : public SerialPort {
      public:
        ClosingPort(test::FakeRadio& radio, bool& closed) : port_(radio), closed_(closed) {}
        ~ClosingPort() override { closed_ = true; }
        ClosingPort(const ClosingPort&) = delete;
        ClosingPort& operator=(const ClosingPort&) = delete;

        std::size_t write(const std::uint8_t* data, std::size_t length) override {
            return port_.write(data, length);
        }
        ReadResult read(std::uint8_t* buffer, std::size_t length) override {
            return port_.read(buffer, length);
        }
        void drainOutput() override { port_.drainOutput(); }
        void clearBuffers(bool abandonPending) override { port_.clearBuffers(abandonPending); }
        void sleepMs(int milliseconds) override { port_.sleepMs(milliseconds); }

      private:
        test::FakeSerialPort port_;
        bool& closed_;
    };

    bool available_;
};

TEST(CloneTransfer, PortNotOpenedStartsNothing) {
    FakeOpener opener(false);
    test::ScriptedObserver observer;
    const MemoryImage before = sampleImage();
    MemoryImage image = before;
    EXPECT_EQ(runTransfer(opener, {"com7", clone::Direction::Read, false}, image, observer),
              TransferOutcome::PortNotOpened);
    EXPECT_EQ(opener.openedNames, std::vector<std::string>{"com7"});
    EXPECT_TRUE(observer.started.empty());
    EXPECT_EQ(observer.checks, 0);
    EXPECT_EQ(image, before);
}

struct DirectionCase {
    const char* name;
    TransferRequest request;
    int blocks;
};

class CloneTransferRuns : public testing::TestWithParam<DirectionCase> {};

TEST_P(CloneTransferRuns, OpensRunsAndClosesThePort) {
    const DirectionCase& c = GetParam();
    FakeOpener opener(true);
    test::ScriptedObserver observer;
    MemoryImage image = sampleImage();
    EXPECT_EQ(runTransfer(opener, c.request, image, observer), TransferOutcome::Completed);
    EXPECT_EQ(opener.openedNames, std::vector<std::string>{c.request.portName});
    EXPECT_TRUE(opener.closed);
    EXPECT_EQ(observer.started, std::vector<int>{c.blocks});
    EXPECT_EQ(static_cast<int>(observer.done.size()), c.blocks);
    EXPECT_EQ(opener.radio.blockCommands(), c.blocks);
}

INSTANTIATE_TEST_SUITE_P(
    Clone, CloneTransferRuns,
    testing::Values(DirectionCase{"Read", {"COM1", clone::Direction::Read, false}, 127},
                    DirectionCase{"ReadUnlocked", {"COM1", clone::Direction::Read, true}, 127},
                    DirectionCase{"Write", {"com3", clone::Direction::Write, false}, 122},
                    DirectionCase{"WriteUnlocked", {"com3", clone::Direction::Write, true}, 127}),
    [](const testing::TestParamInfo<DirectionCase>& info) { return info.param.name; });

TEST(CloneTransfer, ClosesThePortWhenInterrupted) {
    FakeOpener opener(true);
    opener.radio = test::FakeRadio({.stopAtBlock = 3});
    test::ScriptedObserver observer;
    MemoryImage image;
    EXPECT_EQ(runTransfer(opener, {"COM1"}, image, observer), TransferOutcome::Interrupted);
    EXPECT_TRUE(opener.closed);
}

}  // namespace
}  // namespace radio
