// Read and Write from the program against radioprog-sim on a pseudo-terminal.
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>

#include "SimBench.h"
#include "UserInput.h"
#include "core/image/DatFile.h"
#include "core/image/ImageMap.h"
#include "core/image/NewImage.h"
#include "gui/app/CChildFrame.h"
#include "gui/channels/CProgramView.h"
#include "gui/channels/ChannelGrid.h"
#include "gui/image/CProgramDoc.h"
#include "gui/link/CComSetupDlg.h"
#include "gui/link/CProcessDlg.h"
#include "gui/link/RadioLink.h"
#include "support/SimProcess.h"
#include "support/TempDir.h"

namespace radio::test {
namespace {

using namespace gui;

const QString kInterrupt = "Program Interrupt, Please reset the radio and try again";
const QString kPortNotOpened =
    "Could not Open the Port,Please check whether the Port are occupied or the device are ok";
const QString kCommunicationError =
    "Communication Error,Please check all the connections and the radio power";

constexpr auto kRead = clone::Direction::Read;
constexpr auto kWrite = clone::Direction::Write;

TEST(Transfer, CtrlRReadsFillsTheGridAndCountsAllBlocks) {
    Bench bench;
    bench.command(kRead);
    CProcessDlg* open = bench.link().dialog();
    ASSERT_NE(open, nullptr);
    EXPECT_EQ(open->windowTitle(), "Read Data");
    EXPECT_EQ(open->progress()->maximum(), 63);
    EXPECT_EQ(open->counter()->text(), "0");
    QSignalSpy counted(open->progress(), &QProgressBar::valueChanged);
    QSignalSpy finished(&bench.link(), &RadioLink::transferFinished);
    QTest::mouseClick(open->okButton(), Qt::LeftButton);
    EXPECT_FALSE(open->okButton()->isEnabled());
    ASSERT_TRUE(finished.wait(30000));
    EXPECT_EQ(finished[0][0].value<TransferOutcome>(), TransferOutcome::Completed);
    EXPECT_EQ(open->counter()->text(), "127");
    EXPECT_EQ(counted.count(), 127);
    EXPECT_EQ(bench.view().grid().textMatrix(1, 1), "446.00625");
    EXPECT_TRUE(bench.view().document().isModified());
    EXPECT_EQ(bench.view().document().image()[820], 0xA5);
    EXPECT_EQ(bench.view().bandLimits().lower, 43000000);
    QApplication::processEvents();
    EXPECT_FALSE(bench.link().dialogOpen());
}

TEST(Transfer, WriteSendsWhatIsTypedAndTheAccessCodeWidensLaterWrites) {
    Bench bench;
    // Typed and not yet confirmed: Write takes it along.
    clickCell(bench.view().grid(), 2, 1);
    type(bench.frame(), "440.00000");
    ASSERT_EQ(bench.run(kWrite), TransferOutcome::Completed);
    EXPECT_EQ(bench.link().direction(), kWrite);
    unlockAdjustment(*bench.program);
    ASSERT_EQ(bench.run(kWrite), TransferOutcome::Completed);
    const MemoryImage after = bench.radioAfter();
    EXPECT_EQ(bench.lines("W "), 122 + 127);
    EXPECT_EQ(after[map::channelOffset(1) + 3], 0xFF);  // the new document's empty channel 1
    EXPECT_EQ(after[map::channelOffset(2) + 3], 0x44);
    EXPECT_EQ(after[820], bench.view().document().image()[820]);
    EXPECT_NE(after[820], 0xA5);
}

TEST(Transfer, CancelBeforeOkNeverOpensThePortAndCommandsWaitForTheOpenDialog) {
    Bench bench;
    bench.command(kRead);
    CProcessDlg* dialog = bench.link().dialog();
    ASSERT_NE(dialog, nullptr);
    bench.command(kWrite);
    EXPECT_EQ(bench.link().dialog(), dialog);
    EXPECT_EQ(dialog->windowTitle(), "Read Data");
    EXPECT_EQ(bench.link().direction(), kRead);
    QTest::mouseClick(dialog->cancelButton(), Qt::LeftButton);
    QApplication::processEvents();
    EXPECT_FALSE(bench.link().dialogOpen());
    bench.radioAfter();
    EXPECT_EQ(bench.log(), "");
}

TEST(Transfer, CancelDuringTheBlocksLeavesTheDocumentUntouched) {
    Bench bench(std::vector<std::string>{});  // paced: the read takes a few seconds
    const MemoryImage before = bench.view().document().image();
    bench.command(kRead);
    CProcessDlg* dialog = bench.link().dialog();
    QObject::connect(dialog->progress(), &QProgressBar::valueChanged, [dialog](int value) {
        if (value == 5) {
            QTest::mouseClick(dialog->cancelButton(), Qt::LeftButton);
        }
    });
    QSignalSpy finished(&bench.link(), &RadioLink::transferFinished);
    QTest::mouseClick(dialog->okButton(), Qt::LeftButton);
    ASSERT_TRUE(finished.wait(30000));
    EXPECT_EQ(finished[0][0].value<TransferOutcome>(), TransferOutcome::Cancelled);
    EXPECT_EQ(bench.view().document().image(), before);
    EXPECT_EQ(bench.view().grid().textMatrix(1, 1), "");
    EXPECT_FALSE(bench.view().document().isModified());
    EXPECT_TRUE(bench.prompts().shown.empty());
}

TEST(Transfer, FailuresShowTheirMessagesAndTheirAnswersEndThem) {
    using Outcome = TransferOutcome;
    struct Case {
        std::vector<std::string> options;
        QString port;
        std::deque<QMessageBox::StandardButton> answers;
        TransferOutcome outcome;
        std::vector<QString> messages;
        int handshakes;
    };
    const Case cases[] = {
        {{"--fast", "--fault", "short-data=4"}, "COM1", {}, Outcome::Interrupted, {kInterrupt}, -1},
        // A port that vanished after it was chosen.
        {{"--fast"},
         "com3",
         {},
         Outcome::PortNotOpened,
         {kPortNotOpened + "\n/dev/radioprog-no-such-port does not exist"},
         0},
        {{"--fast", "--fault", "no-final-ack"},
         "COM1",
         {QMessageBox::Retry, QMessageBox::Cancel},
         Outcome::Cancelled,
         {kCommunicationError, kCommunicationError},
         2},
        {{"--fault", "silent"},
         "COM1",
         {QMessageBox::Cancel},
         Outcome::Cancelled,
         {kCommunicationError},
         -1},
    };
    for (const Case& c : cases) {
        Bench bench(c.options);
        const MemoryImage before = bench.view().document().image();
        bench.link().setPortName(c.port);
        bench.prompts().answers = c.answers;
        EXPECT_EQ(bench.run(kRead), c.outcome);
        const auto& shown = bench.prompts().shown;
        ASSERT_EQ(shown.size(), c.messages.size());
        for (std::size_t i = 0; i < shown.size(); ++i) {
            // A message may go on with why (the port's reason line).
            EXPECT_TRUE(shown[i].text.startsWith(c.messages[i])) << shown[i].text.toStdString();
            EXPECT_TRUE(shown[i].text != kCommunicationError ||
                        shown[i].buttons == (QMessageBox::Retry | QMessageBox::Cancel));
        }
        EXPECT_EQ(bench.view().document().image(), before);
        bench.radioAfter();
        if (c.handshakes >= 0) {
            EXPECT_EQ(bench.lines("wake-up"), c.handshakes) << bench.log();
        }
    }
}

TEST(Transfer, NewDuringATransferAsksStopsAndWaits) {
    Bench bench(std::vector<std::string>{});
    QPointer<CChildFrame> first = bench.frame().activeChildFrame();
    bench.command(kRead);
    CProcessDlg* dialog = bench.link().dialog();
    QSignalSpy started(dialog->progress(), &QProgressBar::valueChanged);
    QTest::mouseClick(dialog->okButton(), Qt::LeftButton);
    ASSERT_TRUE(started.wait(10000));
    bench.prompts().answers = {QMessageBox::Ok, QMessageBox::No};
    chooseMenu(bench.frame(), "New");
    EXPECT_EQ(bench.frame().activeChildFrame(), first.data());
    EXPECT_TRUE(bench.link().running());
    bench.prompts().answers = {QMessageBox::Ok, QMessageBox::Yes};
    chooseMenu(bench.frame(), "New");
    ASSERT_GE(bench.prompts().shown.size(), 4u);
    EXPECT_TRUE(bench.prompts().shown[3].text.contains("running"));
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(first.isNull());
    ASSERT_EQ(bench.frame().childFrames().size(), 1);
}

TEST(ComSetup, PreselectsTheStoredPortAndOkStoresTheChoice) {
    struct Case {
        int stored;  // 0: nothing stored
        int shown;
        int storedAfterOk;
    };
    // A stored port that cannot be opened now shows chosen; one beyond the list shows none.
    const Case cases[] = {{0, 0, 1}, {3, 2, 3}, {7, -1, 0}};
    Bench bench;
    for (const Case& c : cases) {
        if (c.stored != 0) {
            bench.program->app.registry().writeInt("com", c.stored);
        }
        openPage<CComSetupDlg>(*bench.program, "Com Setup", [&](CComSetupDlg& dialog) {
            EXPECT_EQ(dialog.portIndex(), c.shown);
            EXPECT_TRUE(dialog.portButton(0)->text().contains(bench.sim->devicePath().c_str()));
            EXPECT_FALSE(dialog.portButton(2)->isEnabled());
            click(button(dialog, "OK"));
        });
        EXPECT_EQ(bench.program->app.registry().readInt("com"), c.storedAfterOk);
    }
}

}  // namespace
}  // namespace radio::test
