#pragma once

// The program against radioprog-sim on a pseudo-terminal, driven by keys and mouse.
#include <QPushButton>
#include <QRegularExpression>
#include <QSignalSpy>

#include "GuiFixture.h"
#include "core/image/DatFile.h"
#include "core/image/ImageMap.h"
#include "core/image/NewImage.h"
#include "gui/link/CProcessDlg.h"
#include "gui/link/RadioLink.h"
#include "support/SimProcess.h"
#include "support/TempDir.h"

namespace radio::test {

// A radio whose memory holds channel 1 at 446.00625 MHz and recognisable service bytes.
inline MemoryImage radioMemory() {
    MemoryImage image = newDocumentImage();
    const std::uint8_t record[16] = {0x25, 0x06, 0x60, 0x44, 0x25, 0x06, 0x60, 0x44,
                                     0x9E, 0x02, 0xFF, 0xFF, 0x00, 0x30, 0x00, 0xFF};
    std::copy(std::begin(record), std::end(record), &image[map::channelOffset(1)]);
    std::fill_n(&image[816], 16, 0xA5);
    image[map::kRadioType] = 0;
    image[map::kBand] = 1;
    return image;
}

// The radio: a simulator with its memory, the memory it saves at its end and its log.
struct SimRadio {
    // The simulator's options, separated by spaces.
    explicit SimRadio(const QString& options) {
        EXPECT_TRUE(saveDatFile(dir.file("memory.dat"), radioMemory()));
        std::vector<std::string> arguments = {"--image", dir.file("memory.dat"),
                                              "--save",  dir.file("saved.dat"),
                                              "--log",   dir.file("log.txt")};
        for (const QString& option : options.split(' ', Qt::SkipEmptyParts)) {
            arguments.push_back(option.toStdString());
        }
        sim = std::make_unique<sim::test::SimProcess>(arguments);
    }
    TempDir dir;
    std::unique_ptr<sim::test::SimProcess> sim;
};

struct Bench : SimRadio, StartedProgram {
    // radioPort: the radio is behind comN; com1..com3 otherwise stand for a missing device.
    explicit Bench(const QString& options = "--fast", int radioPort = 1)
        : SimRadio(options), StartedProgram(ini(radioPort)) {
        EXPECT_TRUE(started);
    }
    QString ini(int radioPort) const {
        const QString radio = QString::fromStdString(sim->devicePath());
        const QString none = "/dev/radioprog-no-such-port";
        return ProgramFolder::defaultIni() +
               QStringLiteral("[Ports]\ncom1=%1\ncom2=%2\ncom3=%3\n")
                   .arg(radioPort == 1 ? radio : none, radioPort == 2 ? radio : none, none);
    }
    gui::RadioLink& link() { return view().link(); }
    void command(clone::Direction direction) {
        press(direction == clone::Direction::Read ? Qt::Key_R : Qt::Key_W, Qt::ControlModifier);
    }
    TransferOutcome run(clone::Direction direction) {
        command(direction);
        return confirm();
    }
    // Presses OK in the open progress dialog; returns when the transfer ended.
    TransferOutcome confirm() {
        if (!link().dialogOpen()) {
            ADD_FAILURE() << "the command opened no dialog";
            return TransferOutcome::Cancelled;
        }
        QSignalSpy finished(&link(), &gui::RadioLink::transferFinished);
        QTest::mouseClick(link().dialog()->okButton(), Qt::LeftButton);
        EXPECT_TRUE(finished.wait(30000));
        return finished.isEmpty() ? TransferOutcome::Cancelled
                                  : finished[0][0].value<TransferOutcome>();
    }
    MemoryImage radioAfter() {
        EXPECT_EQ(sim->stop(), 0);
        return loadDatFile(dir.file("saved.dat")).value();
    }
    QString log() {
        return QString::fromUtf8(readFile(QString::fromStdString(dir.file("log.txt"))));
    }
    // How many lines of the radio's log start with the text.
    int lines(const QString& start) {
        return log().split('\n').filter(QRegularExpression("^" + start)).size();
    }
};

}  // namespace radio::test
