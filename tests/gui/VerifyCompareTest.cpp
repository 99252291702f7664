// Write with its check, and Compare With Radio, from the program against radioprog-sim.
#include <QStatusBar>

#include "Accessibility.h"
#include "SimBench.h"
#include "gui/link/CCompareDlg.h"

namespace radio::test {
namespace {

using namespace gui;

TEST(Verify, AWriteIsCheckedInASecondPhaseUnlessTurnedOff) {
    // The simulator, whether Verify After Write is off, the start of the message (empty: none) and
    // the blocks the radio was asked for.
    const std::tuple<QString, bool, QString, int> cases[] = {
        {"--fast", false, "Write completed and verified", 122},
        {"--fast --fault lose=3", false,
         "Write completed, but the check found blocks in the radio that differ from the data "
         "(1):\n  0x0010, 8 bytes: channel 1",
         122},
        {"--fast --fault short-data=5", false,
         "Write completed, but the check could not read the radio back: Program Interrupt", 5},
        {"--fast", true, "", 0},
    };
    for (const auto& [sim, verifyOff, message, reads] : cases) {
        SCOPED_TRACE(sim.toStdString());
        Bench bench(sim);
        if (verifyOff) {
            ASSERT_TRUE(bench.chooseMenu("Verify After Write"));
        }
        bench.command(clone::Direction::Write);
        QSignalSpy captions(bench.link().dialog(), &QWidget::windowTitleChanged);
        ASSERT_EQ(bench.confirm(), TransferOutcome::Completed);
        EXPECT_EQ(captions.count(), verifyOff ? 0 : 1);
        const auto& shown = bench.prompts.shown;
        ASSERT_EQ(shown.size(), message.isEmpty() ? 0u : 1u);
        if (!shown.empty()) {
            EXPECT_TRUE(shown[0].text.startsWith(message)) << shown[0].text.toStdString();
            EXPECT_EQ(bench.frame().statusBar()->currentMessage(),
                      shown[0].text.section('\n', 0, 0));
        }
        EXPECT_FALSE(bench.document().isModified());
        bench.radioAfter();  // the radio stopped: its log is complete
        EXPECT_EQ(bench.lines("R "), reads);
        EXPECT_EQ(bench.lines("W "), 122);
    }
}

TEST(Compare, ListsTheDifferencesAndChangesNeitherSide) {
    // The simulator, whether the radio was read and written back as the program encodes it first,
    // and what the window shows (empty: no window).
    const std::tuple<QString, bool, QString> cases[] = {
        {"--fast", true, "No differences"},
        {"--fast", false, "channel 1 Rx Frequency: "},
        {"--fast --fault silent", false, ""},
    };
    for (const auto& [sim, writeFirst, expected] : cases) {
        SCOPED_TRACE(expected.toStdString());
        Bench bench(sim);
        if (writeFirst) {
            ASSERT_EQ(bench.run(clone::Direction::Read), TransferOutcome::Completed);
            ASSERT_EQ(bench.run(clone::Direction::Write), TransferOutcome::Completed);
        }
        const MemoryImage before = bench.image();
        QString shown;
        bench.prompts.onDialog = [&](QDialog& dialog) {
            shown = static_cast<CCompareDlg&>(dialog).text();
            EXPECT_EQ(namingFaults(QAccessible::queryAccessibleInterface(&dialog)), QStringList());
            return 0;
        };
        ASSERT_TRUE(bench.chooseMenu("Compare With Radio"));
        EXPECT_EQ(bench.confirm(),
                  expected.isEmpty() ? TransferOutcome::Cancelled : TransferOutcome::Completed);
        EXPECT_TRUE(shown.contains(expected)) << shown.toStdString();
        EXPECT_EQ(bench.image(), before);
        const MemoryImage radio = bench.radioAfter();
        EXPECT_TRUE(writeFirst || radio == radioMemory());
        EXPECT_EQ(bench.lines("W "), writeFirst ? 122 : 0);
    }
}

}  // namespace
}  // namespace radio::test
