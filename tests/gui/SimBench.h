#pragma once

// The program against radioprog-sim on a pseudo-terminal, driven by keys and mouse.
#include <QPushButton>
#include <QSignalSpy>

#include "UserInput.h"
#include "core/image/DatFile.h"
#include "core/image/ImageMap.h"
#include "core/image/NewImage.h"
#include "gui/channels/CProgramView.h"
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
    }

    gui::CMainFrame& frame() { return program->frame(); }
    gui::CProgramView& view() { return *frame().activeView(); }
    gui::RadioLink& link() { return view().link(); }
    ScriptedPrompts& prompts() { return program->prompts; }
    void command(clone::Direction direction) {
        press(frame(), direction == clone::Direction::Read ? Qt::Key_R : Qt::Key_W,
              Qt::ControlModifier);
    }
    // Opens the dialog of a command and presses OK; returns when the transfer ended.
    TransferOutcome run(clone::Direction direction, int timeoutMs = 30000) {
        command(direction);
        return confirm(timeoutMs);
    }
    // Presses OK in the open progress dialog; returns when the transfer ended.
    TransferOutcome confirm(int timeoutMs = 30000) {
        if (!link().dialogOpen()) {
            ADD_FAILURE() << "the command opened no dialog";
            return TransferOutcome::Cancelled;
        }
        QSignalSpy finished(&link(), &gui::RadioLink::transferFinished);
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
    // How often a text starts a line of the radio's log.
    int lines(const std::string& start) {
        const std::string text = std::string("\n").append(log());
        const std::string wanted = std::string("\n").append(start);
        int found = 0;
        for (std::size_t at = text.find(wanted); at != std::string::npos;
             at = text.find(wanted, at + 1)) {
            ++found;
        }
        return found;
    }
};

}  // namespace radio::test
