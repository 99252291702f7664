#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <memory>
#include <string>
#include <tuple>
#include <vector>

#include "core/link/CloneSession.h"
#include "core/link/PortNaming.h"
#include "core/link/SerialDevice.h"
#include "tests/support/FakeSerialPort.h"

namespace radio {
namespace {

using test::CloneRig;
using test::PortFaults;

constexpr RetryChoice kRetry = RetryChoice::Retry;
constexpr TransferOutcome kDone = TransferOutcome::Completed;
constexpr TransferOutcome kCancelled = TransferOutcome::Cancelled;
constexpr TransferOutcome kInterrupted = TransferOutcome::Interrupted;

TEST(CloneSessionAttempts, EndAsTheCounterDecides) {
    const struct {
        const char* name;
        sim::Faults radio;
        PortFaults port;
        std::vector<RetryChoice> answers;
        TransferOutcome outcome;
        int prompts, wakeUps;
        bool cancelWhilePrompting = false;
    } cases[] = {
        {"first pass acked", {}, {}, {}, kDone, 0, 1},
        {"quiet wake-up still goes on", {.quietWakeUp = true}, {}, {}, kDone, 0, 1},
        // 14 failing reads raise the counter to 15: still retried without asking.
        {"14 I/O errors retry alone", {}, {.ioErrorReads = 14}, {}, kDone, 0, 15},
        {"15 I/O errors prompt", {}, {.ioErrorReads = 15}, {}, kCancelled, 1, 15},
        {"no final ACK prompts each pass", {.noFinalAck = true}, {}, {kRetry}, kCancelled, 2, 2},
        {"wrong final ACK prompts", {.wrongHandshakeAck = true}, {}, {}, kCancelled, 1, 1},
        // Four failing reads leave the counter at 5: the missing ACK still prompts.
        {"counter 5 prompts", {.noFinalAck = true}, {.ioErrorReads = 4}, {}, kCancelled, 1, 5},
        {"counter 6 interrupts", {.noFinalAck = true}, {.ioErrorReads = 5}, {}, kInterrupted, 0, 6},
        // After Retry the counter is 1 again: four more failing reads bring it to 5, and the
        // missing ACK prompts instead of interrupting.
        {"Retry resets", {.noFinalAck = true}, {.ioErrorReads = 19}, {kRetry}, kCancelled, 2, 20},
        // Cancel pressed while a pass ran is seen at the start of the pass after Retry.
        {"Cancel beats Retry", {.noFinalAck = true}, {}, {kRetry}, kCancelled, 1, 1, true}};
    for (const auto& c : cases) {
        for (const bool reading : {true, false}) {
            SCOPED_TRACE(c.name + std::string(reading ? " reading" : " writing"));
            CloneRig rig(c.radio, c.port);
            rig.observer.answers = c.answers;
            rig.observer.cancelWhilePrompting = c.cancelWhilePrompting;
            const MemoryImage before = test::patternedImage(100);
            MemoryImage image = before;
            EXPECT_EQ(reading ? rig.read(image) : rig.write(image), c.outcome);
            EXPECT_EQ(rig.observer.prompts, c.prompts);
            EXPECT_EQ(rig.wakeUpsSent(), c.wakeUps);
            EXPECT_EQ(rig.observer.started.size(), 1u);
            if (c.outcome != kDone) {
                EXPECT_EQ(image, before);
                EXPECT_EQ(rig.radio.memory(), test::patternedImage()) << "no block written";
            }
        }
    }
}

// Each open hands out the next radio of the list; nullptr while the cable is out.
class PluggedCable final : public SerialPortOpener {
  public:
    explicit PluggedCable(std::vector<sim::RadioModel*> radios) : radios_(std::move(radios)) {}
    std::unique_ptr<SerialPort> open(const std::string&) override {
        sim::RadioModel* radio = radios_.at(static_cast<std::size_t>(opens++));
        return radio ? std::make_unique<test::FakeSerialPort>(*radio) : nullptr;
    }
    int opens = 0;

  private:
    std::vector<sim::RadioModel*> radios_;
};

// A cable pulled and plugged back is a new device: Retry opens the port again, and a Retry
// while it is still out only leads to the prompt again.
TEST(TransferRetry, OpensThePortAgainSoAReconnectedRadioAnswers) {
    sim::RadioModel dead(test::patternedImage(), sim::Faults{.silent = true});
    sim::RadioModel radio(test::patternedImage(9));
    const struct {
        std::vector<sim::RadioModel*> opened;
        std::vector<RetryChoice> answers;
        TransferOutcome outcome;
    } cases[] = {
        {{&dead, &radio}, {kRetry}, kDone},
        {{&dead, nullptr, &radio}, {kRetry, kRetry}, kDone},
        {{&dead, &dead}, {kRetry}, kCancelled},
    };
    for (const auto& c : cases) {
        PluggedCable cable(c.opened);
        test::ScriptedObserver user;
        user.answers = c.answers;
        MemoryImage image = test::patternedImage(5);
        const TransferRequest request{"com1", clone::Direction::Read, false};
        EXPECT_EQ(runTransfer(cable, request, image, user), c.outcome);
        EXPECT_EQ(cable.opens, static_cast<int>(c.opened.size()));
        EXPECT_EQ(image == test::patternedImage(5), c.outcome != kDone);
        EXPECT_EQ(image[100], test::patternedImage(c.outcome == kDone ? 9 : 5)[100]);
    }
}

TEST(PortNaming, ComNamesMapToDevices) {
    std::map<std::string, std::string, std::less<>> ports = {{"com2", "/dev/ttyACM0"},
                                                             {"com3", "  "}};
    PortsLookup lookup = [&](std::string_view key) {
        auto it = ports.find(key);
        return it == ports.end() ? std::string() : it->second;
    };
#ifdef _WIN32
    const std::string standard[] = {"", "COM1", "COM2", "COM3", "COM4"};
#else
    const std::string standard[] = {"", "/dev/ttyUSB0", "/dev/ttyUSB1", "/dev/ttyUSB2",
                                    "/dev/ttyUSB3"};
#endif
    // clang-format off
    const std::pair<std::string, std::string> cases[] = {
        {"com1", standard[1]}, {"COM4", standard[4]}, {"Com2", "/dev/ttyACM0"},
        {"com3", standard[3]}, {"com0", "com0"}, {"com5", "com5"}, {"/dev/pts/7", "/dev/pts/7"},
        {"", ""}, {"com", "com"}, {"com12", "com12"}, {"tty1", "tty1"}};
    // clang-format on
    for (const auto& [name, device] : cases) {
        EXPECT_EQ(devicePathForPort(name, lookup), device) << name;
    }
    EXPECT_EQ(devicePathForPort("com2", nullptr), standard[2]);
    EXPECT_EQ(comNumberForDevice(standard[4], lookup), 4);
}

// Cancel seen at check N: the handshake makes checks 1 to 6, each block one more.
TEST(CloneSessionCancel, StopsAtTheCheckAndKeepsTheImage) {
    for (const int check : {1, 6, 7, 128, 133}) {
        for (const int blocks : {127, 122}) {
            const bool reading = blocks == 127;
            SCOPED_TRACE("check " + std::to_string(check) + (reading ? " reading" : " writing"));
            CloneRig rig;
            rig.observer.cancelAtCheck = check;
            const MemoryImage before = test::patternedImage(100);
            MemoryImage image = before;
            const bool cancelled = check <= 6 + blocks;
            EXPECT_EQ(reading ? rig.read(image) : rig.write(image), cancelled ? kCancelled : kDone);
            const int done = std::clamp(check - 6, 0, blocks);
            EXPECT_EQ(std::ssize(rig.observer.done), done);
            EXPECT_EQ(rig.radio.blockCount(), done);
            EXPECT_EQ(rig.observer.checks, cancelled ? check : 6 + blocks);
            if (reading) {
                EXPECT_EQ(image, before);
            }
            if (check <= 6) {
                EXPECT_TRUE(rig.port.writes().empty());
            }
        }
    }
}

// Reads leave the image as it was; a write keeps what the radio acknowledged (the first rows)
// and sends nothing after the failing block.
TEST(CloneSessionBlockFault, InterruptsAtThatBlock) {
    const std::tuple<const char*, bool, sim::Faults, PortFaults, int> cases[] = {
        {"read, short data at block 1", false, {.shortDataAtBlock = 1}, {}, 0},
        {"read, short data at block 127", false, {.shortDataAtBlock = 127}, {}, 126},
        {"read, wrong ACK at block 3", false, {.wrongAckAtBlock = 3}, {}, 2},
        {"read, I/O error at block 8", false, {}, {.ioErrorAtBlock = 8}, 7},
        {"read, late header byte", false, {}, {.lateHeaderByteAtBlock = 5}, 4},
        {"write, wrong ACK at block 10", true, {.wrongAckAtBlock = 10}, {}, 9},
        {"write, radio stops at block 50", true, {.stopAtBlock = 50}, {}, 49}};
    for (const auto& [name, write, radioFaults, portFaults, blocksDone] : cases) {
        SCOPED_TRACE(name);
        CloneRig rig(radioFaults, portFaults);
        const MemoryImage before = test::patternedImage(100);
        MemoryImage image = before;
        EXPECT_EQ(write ? rig.write(image, true) : rig.read(image), kInterrupted);
        EXPECT_EQ(std::ssize(rig.observer.done), blocksDone);
        EXPECT_EQ(rig.observer.prompts, 0);
        EXPECT_EQ(image, before);
        if (write) {
            const std::size_t blocks = static_cast<std::size_t>(blocksDone);
            EXPECT_EQ(rig.port.writes().size(), 10u + 2u * (blocks + 1));
            for (std::size_t offset = 0; offset < MemoryImage::kSize; ++offset) {
                ASSERT_EQ(rig.radio.memory()[offset],
                          offset < 8 * blocks ? image[offset] : test::patternedImage()[offset])
                    << offset;
            }
        }
    }
}

}  // namespace
}  // namespace radio
