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

const QString kInterrupt = "Program Interrupt, Please reset the radio and try again";
const QString kCommError =
    "Communication Error,Please check all the connections and the radio power";
constexpr auto kRead = clone::Direction::Read;
constexpr auto kWrite = clone::Direction::Write;

// Cancel before OK never opens the port, and commands wait for the open dialog; then Ctrl+R
// reads, fills the grid and counts all blocks.
TEST(Transfer, CancelBeforeOkNeverOpensThePortAndCtrlRReadsAllBlocks) {
    Bench bench;
    bench.command(kRead);
    CProcessDlg* dialog = bench.link().dialog();
    ASSERT_NE(dialog, nullptr);
    bench.command(kWrite);
    EXPECT_EQ(bench.link().dialog(), dialog);
    EXPECT_EQ(bench.link().direction(), kRead);
    QTest::mouseClick(dialog->cancelButton(), Qt::LeftButton);
    QApplication::processEvents();
    EXPECT_FALSE(bench.link().dialogOpen());

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
    EXPECT_EQ(cellText(bench.view(), 1, 1), "446.00625");
    EXPECT_TRUE(bench.document().isModified());
    EXPECT_EQ(bench.image()[820], 0xA5);
    EXPECT_EQ(bench.view().bandLimits().lower, 43000000);
    QApplication::processEvents();
    EXPECT_FALSE(bench.link().dialogOpen());
    bench.radioAfter();
    EXPECT_EQ(bench.lines("wake-up"), 1);
}

TEST(Transfer, WriteSendsWhatIsTypedAndTheAccessCodeWidensLaterWrites) {
    Bench bench;
    bench.typeInto(2, 1, "440.00000");  // typed and not yet confirmed: Write takes it along
    ASSERT_EQ(bench.run(kWrite), Outcome::Completed);
    bench.unlockAdjustment();
    ASSERT_EQ(bench.run(kWrite), Outcome::Completed);
    const MemoryImage after = bench.radioAfter();
    EXPECT_EQ(bench.lines("W "), 122 + 127);
    EXPECT_EQ(after[map::channelOffset(1) + 3], 0xFF);  // the new document's empty channel 1
    EXPECT_EQ(after[map::channelOffset(2) + 3], 0x44);
    EXPECT_EQ(after[820], bench.image()[820]);
    EXPECT_NE(after[820], 0xA5);
}

// A paced read (a few seconds) cancelled midway leaves the document untouched; New during it
// or Exit asks, stops the transfer and goes on once it has stopped.
TEST(Transfer, CancelOrNewDuringTheBlocksLeavesTheDocumentUntouched) {
    Bench bench("");  // paced
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
    EXPECT_EQ(cellText(bench.view(), 1, 1), "");
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
    QSignalSpy stopped(&bench.link(), &gui::RadioLink::transferFinished);
    bench.chooseMenu("New");  // returns at once: the window goes when the transfer has stopped
    ASSERT_EQ(bench.prompts.shown.size(), 4u);
    EXPECT_TRUE(bench.prompts.shown[3].text.contains("running"));
    ASSERT_TRUE(stopped.wait(10000));
    EXPECT_TRUE(QTest::qWaitFor([&] { return first.isNull(); }, 5000));
    ASSERT_EQ(bench.frame().childFrames().size(), 1);
    EXPECT_EQ(cellText(bench.view(), 1, 1), "");

    // Exit too: the main window closes once the transfer has stopped.
    bench.command(kRead);
    QSignalSpy reading(bench.link().dialog()->progress(), &QProgressBar::valueChanged);
    QTest::mouseClick(bench.link().dialog()->okButton(), Qt::LeftButton);
    ASSERT_TRUE(reading.wait(10000));
    bench.prompts.answers = {QMessageBox::Yes};
    bench.chooseMenu("Exit");
    EXPECT_TRUE(bench.frame().isVisible());
    EXPECT_TRUE(QTest::qWaitFor([&] { return !bench.frame().isVisible(); }, 10000));
}

// Each Communication Error takes one answer; a message may go on with why (the port's reason).
TEST(Transfer, FailuresShowTheirMessagesAndTheirAnswersEndThem) {
    using enum QMessageBox::StandardButton;
    const QString noPort =
        "Could not Open the Port,Please check whether the Port are occupied or "
        "the device are ok\n/dev/radioprog-no-such-port does not exist";
    // The simulator, the direction, the port (com3 vanished after it was chosen), the outcome,
    // the handshakes (-1: not counted), the message and the answers to it. A write that stops
    // half-way says what the radio now holds.
    using Answers = std::deque<QMessageBox::StandardButton>;
    const QString halfWritten =
        kInterrupt +
        "\n9 of 122 blocks were written: the radio now holds part of the new settings. Write it "
        "again before using it.";
    const std::tuple<QString, clone::Direction, QString, Outcome, int, QString, Answers> cases[] = {
        {"--fast --fault short-data=4", kRead, "COM1", Outcome::Interrupted, -1, kInterrupt, {}},
        {"--fast --fault stop-at=10", kWrite, "COM1", Outcome::Interrupted, -1, halfWritten, {}},
        {"--fast", kRead, "com3", Outcome::PortNotOpened, 0, noPort, {}},
        {"--fast --fault no-final-ack",
         kRead,
         "COM1",
         Outcome::Cancelled,
         2,
         kCommError,
         {Retry, Cancel}},
        {"--fault silent", kRead, "COM1", Outcome::Cancelled, -1, kCommError, {Cancel}},
    };
    for (const auto& [options, direction, port, outcome, handshakes, message, answers] : cases) {
        SCOPED_TRACE(options.toStdString());
        Bench bench(options);
        const MemoryImage before = bench.image();
        bench.app.setPortName(port);
        bench.prompts.answers = answers;
        EXPECT_EQ(bench.run(direction), outcome);
        ASSERT_EQ(bench.prompts.shown.size(), std::max<std::size_t>(1, answers.size()));
        for (const auto& shown : bench.prompts.shown) {
            EXPECT_TRUE(outcome == Outcome::Interrupted ? shown.text == message
                                                        : shown.text.startsWith(message))
                << shown.text.toStdString();
            EXPECT_TRUE(shown.text != kCommError ||
                        shown.buttons == (QMessageBox::Retry | QMessageBox::Cancel));
        }
        EXPECT_EQ(bench.image(), before);
        bench.radioAfter();
        EXPECT_TRUE(handshakes < 0 || bench.lines("wake-up") == handshakes)
            << bench.log().toStdString();
    }
}

// Channels outside the image's band ask before a write; No sends nothing, Yes writes them.
TEST(Transfer, AWriteWithChannelsOutsideTheBandAsksFirst) {
    Bench bench;
    MemoryImage vhf = radioMemory();  // channel 1 at 446.00625 MHz, for Beta's 144-148 MHz
    vhf[map::kRadioType] = 1;
    ASSERT_TRUE(saveDatFile(bench.dir.file("vhf.dat"), vhf));
    bench.open(QString::fromStdString(bench.dir.file("vhf.dat")));
    bench.prompts.answers = {QMessageBox::No, QMessageBox::Yes};
    bench.command(kWrite);
    EXPECT_FALSE(bench.link().dialogOpen());
    EXPECT_EQ(bench.run(kWrite), Outcome::Completed);
    EXPECT_EQ(bench.prompts.shown.at(1).text,
              "Channel 1 lies outside the band 144-148 MHz.\nWrite to the radio anyway?");
    bench.radioAfter();
    EXPECT_EQ(bench.lines("W "), 122);  // the Yes write's only
}

// The stored port preselects its button (a greyed one too; one beyond the list, none) and OK
// stores the choice, which then serves a new document and the next run: the radio is on com2.
TEST(ComSetup, OkStoresThePortForEveryDocumentAndTheNextRun) {
    // {stored (0: nothing), shown, clicked (-1: none), stored after OK}
    const std::array<int, 4> cases[] = {
        {0, 0, -1, 1}, {3, 2, -1, 3}, {7, -1, -1, 0}, {0, -1, 1, 2}};
    Bench bench("--fast", 2);
    for (const auto& [stored, shown, clicked, storedAfterOk] : cases) {
        if (stored != 0) {
            bench.app.registry().writeInt("com", stored);
        }
        bench.openPage<CComSetupDlg>(
            "Com Setup", [&, shown = shown, clicked = clicked](auto& dialog) {
                EXPECT_EQ(dialog.portIndex(), shown);
                EXPECT_TRUE(dialog.portButton(1)->text().contains(bench.sim->devicePath().c_str()));
                EXPECT_FALSE(dialog.portButton(2)->isEnabled());
                if (clicked >= 0) {
                    click(dialog.portButton(clicked));
                }
                click(button(dialog, "OK"));
            });
        EXPECT_EQ(bench.app.registry().readInt("com"), storedAfterOk);
    }
    bench.press(Qt::Key_N, Qt::ControlModifier);
    EXPECT_EQ(bench.run(kRead), Outcome::Completed);
    EXPECT_EQ(StartedProgram(bench.ini(2), {}, true).app.portName(), "com2");
}

}  // namespace
}  // namespace radio::test
