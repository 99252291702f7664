// Read and Write from the program against radioprog-sim on a pseudo-terminal.
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTest>

#include "GuiFixture.h"
#include "core/image/DatFile.h"
#include "core/image/ImageMap.h"
#include "core/image/NewImage.h"
#include "gui/app/CChildFrame.h"
#include "gui/app/CommandIds.h"
#include "gui/channels/CProgramView.h"
#include "gui/channels/ChannelGrid.h"
#include "gui/image/CProgramDoc.h"
#include "gui/link/CComSetupDlg.h"
#include "gui/link/CProcessDlg.h"
#include "gui/link/RadioLink.h"
#include "gui/settings/CPasswordDlg.h"
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

// A radio whose memory holds channel 1 at 446.00625 MHz and recognisable service bytes.
MemoryImage radioMemory() {
    MemoryImage image = newDocumentImage();
    const std::uint8_t record[16] = {0x25, 0x06, 0x60, 0x44, 0x25, 0x06, 0x60, 0x44,
                                     0x9E, 0x02, 0xFF, 0xFF, 0x00, 0x30, 0x00, 0xFF};
    for (std::size_t k = 0; k < 16; ++k) {
        image[map::channelOffset(1) + k] = record[k];
    }
    for (std::size_t i = 816; i < 832; ++i) {
        image[i] = 0xA5;
    }
    image[map::kRadioType] = 0;
    image[map::kBand] = 1;
    return image;
}

struct Bench {
    TempDir dir;
    std::unique_ptr<sim::test::SimProcess> sim;
    std::unique_ptr<StartedProgram> program;

    explicit Bench(std::vector<std::string> options = {"--fast"}) {
        clearUserSettings();
        EXPECT_TRUE(saveDatFile(dir.file("memory.dat"), radioMemory()));
        std::vector<std::string> arguments = {"--image", dir.file("memory.dat"),
                                              "--save",  dir.file("saved.dat"),
                                              "--log",   dir.file("log.txt")};
        arguments.insert(arguments.end(), options.begin(), options.end());
        sim = std::make_unique<sim::test::SimProcess>(arguments);
        const QString ini = ProgramFolder::defaultIni() +
                            "[Ports]\ncom1=" + QString::fromStdString(sim->devicePath()) +
                            "\ncom3=/dev/radioprog-no-such-port\n";
        program = std::make_unique<StartedProgram>(ini);
        EXPECT_TRUE(program->started);
        program->frame().show();
    }
    ~Bench() { clearUserSettings(); }

    CProgramView& view() { return *program->frame().activeView(); }
    RadioLink& link() { return view().link(); }
    ScriptedPrompts& prompts() { return program->prompts; }
    // Opens the dialog of a command and presses OK; returns when the transfer ended.
    TransferOutcome run(int command, int timeoutMs = 30000) {
        program->frame().onCommand(command);
        EXPECT_TRUE(link().dialogOpen());
        QSignalSpy finished(&link(), &RadioLink::transferFinished);
        QTest::mouseClick(link().dialog()->okButton(), Qt::LeftButton);
        EXPECT_TRUE(finished.wait(timeoutMs));
        return finished.isEmpty() ? TransferOutcome::Cancelled
                                  : finished[0][0].value<TransferOutcome>();
    }
    MemoryImage radioAfter() {
        EXPECT_EQ(sim->stop(), 0);
        return loadDatFile(dir.file("saved.dat")).value();
    }
    std::string log() {
        auto bytes = radio::test::readBytes(dir.file("log.txt"));
        return std::string(bytes.begin(), bytes.end());
    }
};

TEST(Transfer, ReadFillsTheGridAndCountsAllBlocks) {
    Bench bench;
    CProcessDlg* dialog = nullptr;
    QObject::connect(&bench.link(), &RadioLink::transferFinished,
                     [&] { dialog = bench.link().dialog(); });
    bench.program->frame().onCommand(cmd::Read);
    CProcessDlg* open = bench.link().dialog();
    ASSERT_NE(open, nullptr);
    EXPECT_EQ(open->windowTitle(), "Read Data");
    EXPECT_EQ(open->progress()->maximum(), 63);
    EXPECT_EQ(open->counter()->text(), "0");
    QSignalSpy finished(&bench.link(), &RadioLink::transferFinished);
    QSignalSpy counted(open->progress(), &QProgressBar::valueChanged);
    QTest::mouseClick(open->okButton(), Qt::LeftButton);
    EXPECT_FALSE(open->okButton()->isEnabled());
    ASSERT_TRUE(finished.wait(30000));
    EXPECT_EQ(finished[0][0].value<TransferOutcome>(), TransferOutcome::Completed);
    EXPECT_EQ(open->progress()->maximum(), 127);
    EXPECT_EQ(open->counter()->text(), "127");
    EXPECT_EQ(counted.count(), 127);
    EXPECT_EQ(bench.view().grid().textMatrix(1, 1), "446.00625");
    EXPECT_EQ(bench.view().grid().textMatrix(1, 3), "67.0");
    EXPECT_FALSE(bench.program->app.newImageFlag());
    EXPECT_TRUE(bench.view().document().isModified());
    EXPECT_EQ(bench.view().document().image()[820], 0xA5);
    EXPECT_EQ(bench.view().bandLimits().lower, 43000000);
    QApplication::processEvents();
    EXPECT_FALSE(bench.link().dialogOpen());
}

TEST(Transfer, WriteChangesTheRadioOutsideTheServiceAreas) {
    Bench bench;
    CProgramView& view = bench.view();
    view.grid().setTextMatrix(1, 1, "");  // a new document: every channel empty
    ASSERT_EQ(bench.run(cmd::Write), TransferOutcome::Completed);
    EXPECT_EQ(bench.link().direction(), clone::Direction::Write);
    const MemoryImage after = bench.radioAfter();
    const MemoryImage sent = view.document().image();
    const MemoryImage before = radioMemory();
    for (std::size_t i = 0; i < MemoryImage::kSize; ++i) {
        const bool written = i < 816 || (i >= 832 && i < 976) || (i >= 987 && i < 992) || i == 1008;
        ASSERT_EQ(after[i], written ? sent[i] : before[i]) << i;
    }
    EXPECT_EQ(after[map::channelOffset(1) + 3], 0xFF);  // the empty grid reached the radio
}

TEST(Transfer, UnlockedWriteCoversAllBlocks) {
    Bench bench;
    bench.program->app.setAdjustmentUnlocked();
    ASSERT_EQ(bench.run(cmd::Write), TransferOutcome::Completed);
    const MemoryImage after = bench.radioAfter();
    EXPECT_EQ(after[820], bench.view().document().image()[820]);
    EXPECT_NE(after[820], 0xA5);
}

int writtenBlocks(const std::string& log) {
    int blocks = 0;
    for (std::size_t at = 0; at < log.size(); at = log.find('\n', at) + 1) {
        blocks += log.compare(at, 2, "W ") == 0;
        if (log.find('\n', at) == std::string::npos) {
            break;
        }
    }
    return blocks;
}

TEST(Transfer, TheAccessCodeWidensLaterWritesFrom122To127Blocks) {
    Bench bench;
    ASSERT_EQ(bench.run(cmd::Write), TransferOutcome::Completed);
    bench.prompts().onDialog = [](QDialog& dialog) {
        auto& password = static_cast<CPasswordDlg&>(dialog);
        password.entryBox()->setText("472816");
        password.accept();
        return password.result();
    };
    QTest::keyClick(&bench.view().grid(), Qt::Key_F11, Qt::ControlModifier);
    ASSERT_TRUE(bench.program->app.adjustmentUnlocked());
    ASSERT_EQ(bench.run(cmd::Write), TransferOutcome::Completed);
    bench.radioAfter();  // stops the radio, so its log is complete
    EXPECT_EQ(writtenBlocks(bench.log()), 122 + 127);
}

TEST(Transfer, CancelBeforeOkNeverOpensThePort) {
    Bench bench;
    bench.program->frame().onCommand(cmd::Read);
    ASSERT_TRUE(bench.link().dialogOpen());
    QTest::mouseClick(bench.link().dialog()->cancelButton(), Qt::LeftButton);
    QApplication::processEvents();
    EXPECT_FALSE(bench.link().dialogOpen());
    bench.radioAfter();
    EXPECT_EQ(bench.log(), "");
}

TEST(Transfer, CommandsAreIgnoredWhileTheDialogIsOpen) {
    Bench bench;
    bench.program->frame().onCommand(cmd::Read);
    CProcessDlg* dialog = bench.link().dialog();
    bench.program->frame().onCommand(cmd::Write);
    EXPECT_EQ(bench.link().dialog(), dialog);
    EXPECT_EQ(dialog->windowTitle(), "Read Data");
    EXPECT_EQ(bench.link().direction(), clone::Direction::Read);
    dialog->reject();
}

TEST(Transfer, CancelDuringTheBlocksLeavesTheDocumentUntouched) {
    Bench bench(std::vector<std::string>{});  // paced: the read takes a few seconds
    const MemoryImage before = bench.view().document().image();
    bench.program->frame().onCommand(cmd::Read);
    CProcessDlg* dialog = bench.link().dialog();
    QObject::connect(dialog->progress(), &QProgressBar::valueChanged, [dialog](int value) {
        if (value == 5) {
            dialog->reject();
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

TEST(Transfer, FailuresShowTheirMessages) {
    struct Case {
        std::vector<std::string> options;
        QString port;
        TransferOutcome outcome;
        QString message;
    };
    const Case cases[] = {
        {{"--fast", "--fault", "short-data=4"}, "COM1", TransferOutcome::Interrupted, kInterrupt},
        // The message of old, then why, in the interface language.
        {{"--fast"},
         "com3",
         TransferOutcome::PortNotOpened,
         kPortNotOpened + "\n/dev/radioprog-no-such-port does not exist"},
    };
    for (const Case& c : cases) {
        Bench bench(c.options);
        const MemoryImage before = bench.view().document().image();
        bench.link().setPortName(c.port);
        EXPECT_EQ(bench.run(cmd::Read), c.outcome);
        ASSERT_EQ(bench.prompts().shown.size(), 1u);
        EXPECT_TRUE(bench.prompts().shown[0].text.startsWith(c.message))
            << bench.prompts().shown[0].text.toStdString();
        EXPECT_EQ(bench.view().document().image(), before);
    }
}

TEST(Transfer, RetryAndCancelAtTheCommunicationPrompt) {
    Bench bench({"--fast", "--fault", "no-final-ack"});
    bench.prompts().answers = {QMessageBox::Retry, QMessageBox::Cancel};
    EXPECT_EQ(bench.run(cmd::Read), TransferOutcome::Cancelled);
    ASSERT_EQ(bench.prompts().shown.size(), 2u);
    EXPECT_EQ(bench.prompts().shown[0].text, kCommunicationError);
    EXPECT_EQ(bench.prompts().shown[0].buttons, QMessageBox::Retry | QMessageBox::Cancel);
    bench.radioAfter();
    const std::string log = bench.log();
    int handshakes = 0;
    for (std::size_t at = log.find("wake-up"); at != std::string::npos;
         at = log.find("wake-up", at + 1)) {
        ++handshakes;
    }
    EXPECT_EQ(handshakes, 2) << log;
}

TEST(Transfer, SilentRadioAsksAndTheAnswerEndsIt) {
    Bench bench({"--fault", "silent"});
    bench.prompts().answers = {QMessageBox::Cancel};
    EXPECT_EQ(bench.run(cmd::Read, 20000), TransferOutcome::Cancelled);
    ASSERT_EQ(bench.prompts().shown.size(), 1u);
    EXPECT_EQ(bench.prompts().shown[0].text, kCommunicationError);
}

TEST(Transfer, NewDuringATransferAsksStopsAndWaits) {
    Bench bench(std::vector<std::string>{});
    QPointer<CChildFrame> first = bench.program->frame().activeChildFrame();
    bench.program->frame().onCommand(cmd::Read);
    CProcessDlg* dialog = bench.link().dialog();
    QSignalSpy started(dialog->progress(), &QProgressBar::valueChanged);
    QTest::mouseClick(dialog->okButton(), Qt::LeftButton);
    ASSERT_TRUE(started.wait(10000));
    bench.prompts().answers = {QMessageBox::Ok, QMessageBox::No};
    bench.program->frame().onCommand(cmd::FileNew);
    EXPECT_EQ(bench.program->frame().activeChildFrame(), first.data());
    EXPECT_TRUE(bench.link().running());
    bench.prompts().answers = {QMessageBox::Ok, QMessageBox::Yes};
    bench.program->frame().onCommand(cmd::FileNew);
    ASSERT_GE(bench.prompts().shown.size(), 4u);
    EXPECT_TRUE(bench.prompts().shown[3].text.contains("running"));
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(first.isNull());
    ASSERT_EQ(bench.program->frame().childFrames().size(), 1);
}

TEST(ComSetup, PreselectsTheStoredPortAndStoresTheChoice) {
    clearUserSettings();
    StartedProgram program;
    auto probe = [](const std::string& device) { return device != "/dev/ttyUSB2"; };
    {
        CComSetupDlg dialog(program.app, nullptr, probe);
        EXPECT_EQ(dialog.portIndex(), 0);  // nothing stored: COM1
        EXPECT_TRUE(dialog.portButton(0)->text().startsWith("COM1"));
        EXPECT_TRUE(dialog.portButton(0)->text().contains("/dev/ttyUSB0"));
        EXPECT_FALSE(dialog.portButton(2)->isEnabled());
        EXPECT_EQ(dialog.acceptChoice(), "com1");
        EXPECT_EQ(program.app.registry().readInt("com"), 1);
    }
    program.app.registry().writeInt("com", 3);
    {
        CComSetupDlg dialog(program.app, nullptr, probe);
        EXPECT_EQ(dialog.portIndex(), 2);  // shown chosen although it cannot be opened
        EXPECT_FALSE(dialog.portButton(2)->isEnabled());
    }
    program.app.registry().writeInt("com", 7);
    {
        CComSetupDlg dialog(program.app, nullptr, probe);
        EXPECT_EQ(dialog.portIndex(), -1);
        EXPECT_EQ(dialog.acceptChoice(), "com0");
        EXPECT_EQ(program.app.registry().readInt("com"), 0);
    }
    clearUserSettings();
}

}  // namespace
}  // namespace radio::test
