// Read and Write from the program against radioprog-sim on a pseudo-terminal.
#include <QLabel>
#include <QProgressBar>
#include <QRadioButton>

#include "SimBench.h"
#include "gui/app/CChildFrame.h"
#include "gui/link/CComSetupDlg.h"

namespace radio::test {
namespace {

using namespace gui;
using Outcome = TransferOutcome;

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
    EXPECT_EQ(finished[0][0].value<Outcome>(), Outcome::Completed);
    EXPECT_EQ(open->counter()->text(), "127");
    EXPECT_EQ(counted.count(), 127);
    EXPECT_EQ(bench.view().grid().textMatrix(1, 1), "446.00625");
    EXPECT_TRUE(bench.document().isModified());
    EXPECT_EQ(bench.image()[820], 0xA5);
    EXPECT_EQ(bench.view().bandLimits().lower, 43000000);
    QApplication::processEvents();
    EXPECT_FALSE(bench.link().dialogOpen());
}

TEST(Transfer, WriteSendsWhatIsTypedAndTheAccessCodeWidensLaterWrites) {
    Bench bench;
    bench.typeInto(2, 1, "440.00000");  // typed and not yet confirmed: Write takes it along
    ASSERT_EQ(bench.run(kWrite), Outcome::Completed);
    EXPECT_EQ(bench.link().direction(), kWrite);
    bench.unlockAdjustment();
    ASSERT_EQ(bench.run(kWrite), Outcome::Completed);
    const MemoryImage after = bench.radioAfter();
    EXPECT_EQ(bench.lines("W "), 122 + 127);
    EXPECT_EQ(after[map::channelOffset(1) + 3], 0xFF);  // the new document's empty channel 1
    EXPECT_EQ(after[map::channelOffset(2) + 3], 0x44);
    EXPECT_EQ(after[820], bench.image()[820]);
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

// A paced read (a few seconds) cancelled midway leaves the document untouched; New during it
// asks, stops the transfer and waits for it.
TEST(Transfer, CancelOrNewDuringTheBlocksLeavesTheDocumentUntouched) {
    Bench bench(std::vector<std::string>{});
    const MemoryImage before = bench.image();
    bench.command(kRead);
    CProcessDlg* dialog = bench.link().dialog();
    const auto cancel =
        QObject::connect(dialog->progress(), &QProgressBar::valueChanged, [dialog](int value) {
            if (value == 5) {
                QTest::mouseClick(dialog->cancelButton(), Qt::LeftButton);
            }
        });
    EXPECT_EQ(bench.confirm(), Outcome::Cancelled);
    QObject::disconnect(cancel);
    EXPECT_EQ(bench.image(), before);
    EXPECT_EQ(bench.view().grid().textMatrix(1, 1), "");
    EXPECT_FALSE(bench.document().isModified());
    EXPECT_TRUE(bench.prompts.shown.empty());

    QPointer<CChildFrame> first = bench.frame().activeChildFrame();
    bench.command(kRead);
    QSignalSpy started(bench.link().dialog()->progress(), &QProgressBar::valueChanged);
    QTest::mouseClick(bench.link().dialog()->okButton(), Qt::LeftButton);
    ASSERT_TRUE(started.wait(10000));
    bench.prompts.answers = {QMessageBox::Ok, QMessageBox::No};
    bench.chooseMenu("New");
    EXPECT_EQ(bench.frame().activeChildFrame(), first.data());
    EXPECT_TRUE(bench.link().running());
    bench.prompts.answers = {QMessageBox::Ok, QMessageBox::Yes};
    bench.chooseMenu("New");
    ASSERT_EQ(bench.prompts.shown.size(), 4u);
    EXPECT_TRUE(bench.prompts.shown[3].text.contains("running"));
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(first.isNull());
    EXPECT_EQ(bench.frame().childFrames().size(), 1);
}

TEST(Transfer, FailuresShowTheirMessagesAndTheirAnswersEndThem) {
    struct Case {
        std::vector<std::string> options;
        QString port;
        std::deque<QMessageBox::StandardButton> answers;
        Outcome outcome;
        std::vector<QString> messages;  // each may go on with why (the port's reason line)
        int handshakes;                 // -1: not counted
    };
    const Case cases[] = {
        {{"--fast", "--fault", "short-data=4"},
         "COM1",
         {},
         Outcome::Interrupted,
         {"Program Interrupt, Please reset the radio and try again"},
         -1},
        {{"--fast"},
         "com3",
         {},
         Outcome::PortNotOpened,  // a port that vanished once chosen
         {"Could not Open the Port,Please check whether the Port are occupied or the device are "
          "ok\n/dev/radioprog-no-such-port does not exist"},
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
        const MemoryImage before = bench.image();
        bench.link().setPortName(c.port);
        bench.prompts.answers = c.answers;
        EXPECT_EQ(bench.run(kRead), c.outcome);
        const auto& shown = bench.prompts.shown;
        ASSERT_EQ(shown.size(), c.messages.size());
        for (std::size_t i = 0; i < shown.size(); ++i) {
            EXPECT_TRUE(shown[i].text.startsWith(c.messages[i])) << shown[i].text.toStdString();
            EXPECT_TRUE(shown[i].text != kCommunicationError ||
                        shown[i].buttons == (QMessageBox::Retry | QMessageBox::Cancel));
        }
        EXPECT_EQ(bench.image(), before);
        bench.radioAfter();
        EXPECT_TRUE(c.handshakes < 0 || bench.lines("wake-up") == c.handshakes)
            << bench.log().toStdString();
    }
}

TEST(ComSetup, PreselectsTheStoredPortAndOkStoresTheChoice) {
    // {stored (0: nothing), shown, stored after OK}: a stored port that cannot be opened now
    // shows chosen; one beyond the list shows none.
    const std::array<int, 3> cases[] = {{0, 0, 1}, {3, 2, 3}, {7, -1, 0}};
    Bench bench;
    for (const auto& [stored, shown, storedAfterOk] : cases) {
        if (stored != 0) {
            bench.app.registry().writeInt("com", stored);
        }
        bench.openPage<CComSetupDlg>("Com Setup", [&](CComSetupDlg& dialog) {
            EXPECT_EQ(dialog.portIndex(), shown);
            EXPECT_TRUE(dialog.portButton(0)->text().contains(bench.sim->devicePath().c_str()));
            EXPECT_FALSE(dialog.portButton(2)->isEnabled());
            click(button(dialog, "OK"));
        });
        EXPECT_EQ(bench.app.registry().readInt("com"), storedAfterOk);
    }
}

}  // namespace
}  // namespace radio::test
