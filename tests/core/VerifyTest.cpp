#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <tuple>

#include "core/link/CloneSession.h"
#include "core/link/Verify.h"
#include "support/FakeSerialPort.h"

namespace radio {
namespace {

using test::CloneRig;

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
