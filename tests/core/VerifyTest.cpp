#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "core/link/CloneSession.h"
#include "core/link/Verify.h"
#include "support/FakeSerialPort.h"

namespace radio {
namespace {

using test::CloneRig;
using test::patternedImage;

MemoryImage sampleImage() {
    return patternedImage(5);
}

struct Case {
    const char* name;
    sim::Faults faults;
    bool unlocked;
    std::function<void(MemoryImage& radio)> change;  // the radio after the write
    VerifyOutcome outcome;
    std::vector<clone::Block> differing;
    std::vector<std::string> messageParts;
};

TEST(Verify, ReadsBackTheWrittenBlocksAndNamesEachOneThatDiffers) {
    const auto none = [](MemoryImage&) {};
    const auto changeAt = [](std::vector<std::size_t> offsets) {
        return [offsets](MemoryImage& radio) {
            for (std::size_t offset : offsets) {
                radio[offset] ^= 0x01;
            }
        };
    };
    const Case cases[] = {
        {"equal", {}, false, none, VerifyOutcome::Verified, {}, {"Write completed and verified"}},
        // A normal write leaves the service areas alone, so the check must not read them.
        {"service areas not written",
         {},
         false,
         changeAt({816, 980, 1000}),
         VerifyOutcome::Verified,
         {},
         {"Write completed and verified"}},
        {"channel, options, power table",
         {},
         true,
         changeAt({3 * 16 + 9, 0x13A, 0x3E1}),
         VerifyOutcome::Differs,
         {{0x38, 8}, {0x138, 8}, {0x3E0, 8}},
         {"(3):", "0x0038, 8 bytes: channel 3", "0x0138, 8 bytes: optional features",
          "0x03E0, 8 bytes: power adjustment"}},
        {"unused byte beside the options",
         {},
         false,
         changeAt({0x128, 0x12F}),
         VerifyOutcome::Differs,
         {{0x128, 8}},
         {"0x0128, 8 bytes: unused bytes, optional features"}},
        {"short block",
         {.shortDataAtBlock = 3},
         false,
         none,
         VerifyOutcome::Interrupted,
         {},
         {"Write completed, but the check", "Program Interrupt"}},
        {"silent radio",
         {.silent = true},
         false,
         none,
         VerifyOutcome::NoAnswer,
         {},
         {"Write completed, but the check", "Communication Error"}},
        {"stops midway",
         {.stopAtBlock = 50},
         false,
         none,
         VerifyOutcome::Interrupted,
         {},
         {"Program Interrupt"}},
    };
    const MemoryImage written = sampleImage();
    for (const Case& c : cases) {
        MemoryImage radioMemory = written;
        c.change(radioMemory);
        CloneRig rig(c.faults, {}, radioMemory);
        const MemoryImage before = written;
        const VerifyResult result =
            CloneSession(rig.port, rig.observer).verify(written, c.unlocked);
        EXPECT_EQ(result.outcome, c.outcome) << c.name;
        EXPECT_EQ(result.differing, c.differing) << c.name;
        EXPECT_EQ(written, before) << c.name;
        const std::string message = verifyMessage(result, written, Language::English);
        for (const std::string& part : c.messageParts) {
            EXPECT_NE(message.find(part), std::string::npos) << c.name << ": " << message;
        }
    }
}

TEST(Verify, SendsOnlyReadCommandsForEveryWrittenBlockAndCountsItsOwnPhase) {
    for (const bool unlocked : {false, true}) {
        CloneRig rig({}, {}, sampleImage());
        const VerifyResult result =
            CloneSession(rig.port, rig.observer).verify(sampleImage(), unlocked);
        ASSERT_EQ(result.outcome, VerifyOutcome::Verified);
        int reads = 0;
        for (const auto& bytes : rig.port.writes()) {
            EXPECT_FALSE(bytes.size() > 1 && bytes.front() == clone::kWriteCommand);
            reads += bytes.size() == 4 && bytes.front() == clone::kReadCommand;
        }
        const int expected = unlocked ? 127 : 122;
        EXPECT_EQ(reads, expected);
        EXPECT_TRUE(rig.observer.started.empty());  // a phase of its own, not a new transfer
        EXPECT_EQ(rig.observer.done.back(), expected);
    }
}

TEST(Verify, CancelAfterABlockAndChineseMessages) {
    CloneRig rig({}, {}, sampleImage());
    rig.observer.cancelAtCheck = 8;  // six at the handshake, then after the second block
    const VerifyResult cancelled =
        CloneSession(rig.port, rig.observer).verify(sampleImage(), false);
    EXPECT_EQ(cancelled.outcome, VerifyOutcome::Cancelled);
    EXPECT_EQ(verifyMessage(cancelled, sampleImage(), Language::Chinese),
              "写入已完成；校验已取消。");

    VerifyResult differs{VerifyOutcome::Differs, {{0x20, 8}}, sampleImage()};
    differs.readBack[0x21] ^= 1;
    EXPECT_NE(
        verifyMessage(differs, sampleImage(), Language::Chinese).find("0x0020，8 字节：信道2"),
        std::string::npos);
}

}  // namespace
}  // namespace radio
