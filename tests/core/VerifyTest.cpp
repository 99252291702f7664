#include <gtest/gtest.h>

#include <string>

#include "core/link/CloneSession.h"
#include "core/link/Verify.h"
#include "support/FakeSerialPort.h"

namespace radio {
namespace {

using test::CloneRig;

const MemoryImage kWritten = test::patternedImage(5);

TEST(Verify, ReadsBackTheWrittenBlocksAndNamesEachOneThatDiffers) {
    const std::string verified = "Write completed and verified";
    const std::string unchecked = "Write completed, but the check";
    const struct {
        const char* name;
        sim::Faults faults;
        bool unlocked;
        std::vector<std::size_t> changed;  // bytes of the radio flipped after the write
        VerifyOutcome outcome;
        std::vector<clone::Block> differing;
        std::vector<std::string> messageParts;
    } cases[] = {
        {"equal", {}, false, {}, VerifyOutcome::Verified, {}, {verified}},
        // A normal write leaves the service areas alone, so the check must not read them.
        {"service areas not written",
         {},
         false,
         {816, 980, 1000},
         VerifyOutcome::Verified,
         {},
         {verified}},
        {"channel, options, power table",
         {},
         true,
         {3 * 16 + 9, 0x13A, 0x3E1},
         VerifyOutcome::Differs,
         {{0x38, 8}, {0x138, 8}, {0x3E0, 8}},
         {"(3):", "0x0038, 8 bytes: channel 3", "0x0138, 8 bytes: optional features",
          "0x03E0, 8 bytes: power adjustment"}},
        {"unused byte beside the options",
         {},
         false,
         {0x128, 0x12F},
         VerifyOutcome::Differs,
         {{0x128, 8}},
         {"0x0128, 8 bytes: unused bytes, optional features"}},
        {"short block",
         {.shortDataAtBlock = 3},
         false,
         {},
         VerifyOutcome::Interrupted,
         {},
         {unchecked, "Program Interrupt"}},
        {"silent radio",
         {.silent = true},
         false,
         {},
         VerifyOutcome::NoAnswer,
         {},
         {unchecked, "Communication Error"}},
    };
    for (const auto& c : cases) {
        MemoryImage radioMemory = kWritten;
        for (const std::size_t offset : c.changed) {
            radioMemory[offset] ^= 0x01;
        }
        CloneRig rig(c.faults, {}, radioMemory);
        const VerifyResult result =
            CloneSession(rig.port, rig.observer).verify(kWritten, c.unlocked);
        EXPECT_EQ(result.outcome, c.outcome) << c.name;
        EXPECT_EQ(result.differing, c.differing) << c.name;
        const std::string message = verifyMessage(result, kWritten, Language::English);
        for (const std::string& part : c.messageParts) {
            EXPECT_NE(message.find(part), std::string::npos) << c.name << ": " << message;
        }
    }
}

TEST(Verify, SendsOnlyReadCommandsForEveryWrittenBlockAndCountsItsOwnPhase) {
    for (const bool unlocked : {false, true}) {
        CloneRig rig({}, {}, kWritten);
        ASSERT_EQ(CloneSession(rig.port, rig.observer).verify(kWritten, unlocked).outcome,
                  VerifyOutcome::Verified);
        int reads = 0;
        for (const auto& bytes : rig.port.writes()) {
            EXPECT_FALSE(bytes.size() > 1 && bytes.front() == clone::kWriteCommand);
            reads += bytes.size() == 4 && bytes.front() == clone::kReadCommand;
        }
        EXPECT_EQ(reads, unlocked ? 127 : 122);
        EXPECT_TRUE(rig.observer.started.empty());  // a phase of its own, not a new transfer
        EXPECT_EQ(rig.observer.done.back(), reads);
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
