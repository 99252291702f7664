#include <QFileInfo>

#include "GuiFixture.h"
#include "core/channels/ChannelCodec.h"
#include "core/image/NewImage.h"
#include "gui/app/CChildFrame.h"
#include "gui/app/HelpWindow.h"
#include "gui/link/CProcessDlg.h"
#include "gui/link/RadioLink.h"

namespace radio::test {
namespace {

using namespace gui;

TEST(Shortcuts, EveryMenuKeyWorksFromTheChannelWindow) {
    struct Case {
        const char* name;
        int key;
        Qt::KeyboardModifiers modifiers;
        std::function<void(StartedProgram&)> check;
    };
    const auto transfer = [](const char* caption) {
        return [caption](StartedProgram& program) {
            ASSERT_TRUE(program.view().link().dialogOpen());
            EXPECT_EQ(program.view().link().dialog()->windowTitle(), caption);
        };
    };
    const Case cases[] = {
        {"Ctrl+N", Qt::Key_N, Qt::ControlModifier,
         [](StartedProgram& program) {
             EXPECT_EQ(program.prompts.shown.at(0).text, "All data will be Cleared!");
         }},
        {"Ctrl+O", Qt::Key_O, Qt::ControlModifier,
         [](StartedProgram& program) { EXPECT_EQ(program.document().title(), "radio.dat"); }},
        {"Ctrl+S", Qt::Key_S, Qt::ControlModifier,
         [](StartedProgram& program) {
             EXPECT_EQ(program.prompts.proposedNames, std::vector<QString>{"RadioProgTest.dat"});
             EXPECT_EQ(program.document().title(), "radio.dat");
             EXPECT_EQ(readFile(program.folder.path("radio.dat")).size(), 1024);
             program.press(Qt::Key_S, Qt::ControlModifier);
             EXPECT_EQ(program.prompts.proposedNames.size(), 1u) << "the second Save asks no name";
         }},
        {"Ctrl+P", Qt::Key_P, Qt::ControlModifier,
         [](StartedProgram& program) { EXPECT_EQ(program.prompts.dialogs.size(), 1u); }},
        {"Ctrl+R", Qt::Key_R, Qt::ControlModifier, transfer("Read Data")},
        {"Ctrl+W", Qt::Key_W, Qt::ControlModifier, transfer("Write Data")},
        {"Ctrl+F11", Qt::Key_F11, Qt::ControlModifier,
         [](StartedProgram& program) {
             EXPECT_EQ(program.prompts.dialogs, std::vector<QString>{"CPasswordDlg"});
         }},
        {"F1", Qt::Key_F1, Qt::NoModifier,
         [](StartedProgram& program) {
             ASSERT_NE(program.app.helpWindow(), nullptr);
             EXPECT_EQ(program.app.helpWindow()->shownContext(), 2127);  // Rx edit box
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        StartedProgram program;
        program.prompts.files = {program.folder.writeFile("radio.dat", QByteArray(1024, '\0'))};
        program.press(c.key, c.modifiers);
        c.check(program);
    }
}

// The editor opened at load holds channel 1 unchanged: neither a click elsewhere nor Save may
// commit it. The file's channel 1 lies outside every band of the test radio types, as one read
// from a radio of another band would.
TEST(Documents, AnOpenedFileKeepsItsBytesUntilTheUserTypes) {
    StartedProgram program;
    MemoryImage image = newDocumentImage();
    ChannelTable table;
    table[0] = {"150.00000", "150.00000", "67.0", "None", "High",
                "Yes",       "Off",       "Wide", "Off",  "Off"};
    encodeChannels(image, table);
    const QByteArray bytes(reinterpret_cast<const char*>(image.data()), 1024);
    const QString path = program.folder.writeFile("foreign.dat", bytes);
    program.open(path);
    ChannelGrid& grid = program.view().grid();
    ASSERT_EQ(grid.textMatrix(1, 1), "150.00000");
    clickCell(grid, 10, 1);
    EXPECT_EQ(grid.textMatrix(10, 1), "");
    EXPECT_FALSE(program.document().isModified());
    clickCell(grid, 1, 1);
    program.press(Qt::Key_S, Qt::ControlModifier);
    EXPECT_TRUE(program.prompts.shown.empty());
    EXPECT_EQ(readFile(path), bytes);

    // A file that is no document is reported and changes nothing.
    program.open(program.folder.writeFile("short.dat", QByteArray(1023, 'x')));
    ASSERT_EQ(program.prompts.shown.size(), 1u);
    EXPECT_TRUE(program.prompts.shown[0].text.contains("short.dat"));
    EXPECT_EQ(program.document().path(), path);
}

TEST(Documents, ReopeningAnOpenFileBringsBackItsEdits) {
    StartedProgram program;
    const QString path = program.folder.writeFile("t1.dat", QByteArray(1024, '\0'));
    program.open(path);
    CChildFrame* window = program.frame().activeChildFrame();
    program.typeCell(8, 1, "446");
    ASSERT_TRUE(program.chooseMenu("Close"));
    program.open(QFileInfo(path).absolutePath() + "/./t1.dat");  // the same file, spelt apart
    EXPECT_EQ(program.frame().childFrames().size(), 2);
    EXPECT_EQ(program.frame().activeChildFrame(), window);
    EXPECT_TRUE(window->isVisible());
    EXPECT_TRUE(window->isWindowModified());
    EXPECT_EQ(program.view().grid().textMatrix(8, 1), "446.00000");
}

TEST(Documents, NewAsksBeforeReplacingTheActiveDocument) {
    StartedProgram program;
    QPointer<CChildFrame> first = program.frame().activeChildFrame();
    program.typeInto(2, 1, "446");
    program.prompts.answers = {QMessageBox::Cancel};
    program.press(Qt::Key_N, Qt::ControlModifier);
    EXPECT_EQ(program.prompts.shown.back().text, "All data will be Cleared!");
    EXPECT_EQ(program.frame().activeChildFrame(), first.data());

    // The typed text made a change, so the document is asked about too.
    program.prompts.answers = {QMessageBox::Ok, QMessageBox::Discard};
    program.press(Qt::Key_N, Qt::ControlModifier);
    EXPECT_TRUE(program.prompts.shown.back().text.startsWith("Save changes"));
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(first.isNull());
    ASSERT_EQ(program.frame().childFrames().size(), 1);
    EXPECT_TRUE(program.app.newImageFlag());
}

// Closing a channel window only hides it; leaving the program asks about a hidden document only
// when it has changed.
TEST(Documents, ClosingHidesAndExitAsksOnlyAboutAChangedHiddenDocument) {
    for (const bool changed : {false, true}) {
        StartedProgram program;
        CChildFrame* window = program.frame().activeChildFrame();
        const std::function<void()> closes[] = {
            [&] { program.chooseMenu("Close"); }, [&] { window->close(); },
            [&] { program.press(Qt::Key_F4, Qt::ControlModifier); }};
        for (const auto& close : closes) {
            close();
            EXPECT_FALSE(window->isVisible());
            EXPECT_EQ(program.frame().childFrames().size(), 1);
            ASSERT_TRUE(program.chooseMenu("Channel Information"));
            EXPECT_TRUE(window->isVisible());
            window->widget()->setFocus();
        }
        if (changed) {
            program.typeInto(4, 1, "446");
        }
        program.chooseMenu("Close");
        program.prompts.answers = {QMessageBox::Discard};
        EXPECT_TRUE(program.frame().close());
        EXPECT_EQ(program.prompts.shown.size(), changed ? 1u : 0u);
    }
}

// A text typed and not yet committed counts as a change, however the program is left.
TEST(Documents, LeavingWithATypedTextAsksSaveDiscardOrCancel) {
    const std::function<bool(StartedProgram&)> leaves[] = {
        [](StartedProgram& program) { return program.frame().close(); },  // the close box
        [](StartedProgram& program) {
            program.chooseMenu("Exit");
            return !program.frame().isVisible();
        }};
    for (const auto& leave : leaves) {
        StartedProgram program;
        program.typeInto(4, 1, "446");
        program.prompts.answers = {QMessageBox::Cancel};
        EXPECT_FALSE(leave(program));
        EXPECT_TRUE(program.prompts.shown.back().text.startsWith("Save changes"));
        EXPECT_EQ(program.view().grid().textMatrix(4, 1), "446.00000");

        program.prompts.answers = {QMessageBox::Save};  // the file dialog is cancelled
        EXPECT_FALSE(leave(program));
        program.prompts.answers = {QMessageBox::Save};
        program.prompts.files = {program.folder.path("kept")};
        EXPECT_TRUE(leave(program));
        EXPECT_EQ(readFile(program.folder.path("kept.dat")).size(), 1024);
    }
}

// The language is stored for the next start only when the restart happens; a typed text is
// asked about first.
TEST(Language, TheRestartAsksAboutATypedTextAndCancelKeepsTheLanguage) {
    struct Case {
        QString language;
        bool typed;
        QMessageBox::StandardButton answer;
        bool restarted;
        QByteArray stored;  // in Program.ini, on disk already when the new start comes
    };
    const Case cases[] = {{"English", false, QMessageBox::Cancel, false, "Language=English"},
                          {"Chinese", true, QMessageBox::Cancel, false, "Language=English"},
                          {"Chinese", true, QMessageBox::Discard, true, "Language=Chinese"},
                          {"Chinese", false, QMessageBox::Cancel, true, "Language=Chinese"}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.language.toStdString() + (c.typed ? " typed" : ""));
        StartedProgram program;
        const QString ini = program.folder.path("Program.ini");
        QByteArray iniAtRestart;
        program.app.setRestartLauncher([&](const QString& path) {
            EXPECT_EQ(path, program.folder.programPath());
            iniAtRestart = readFile(ini);
        });
        program.prompts.onDialog = byUser([&](QDialog& dialog) {
            click(button(dialog, c.language));
            click(button(dialog, "OK"));
        });
        if (c.typed) {
            program.typeInto(4, 1, "446");
        }
        program.prompts.answers = {c.answer};
        ASSERT_TRUE(program.chooseMenu("Language"));
        EXPECT_EQ(program.prompts.shown.size(), c.typed ? 1u : 0u);
        EXPECT_EQ(!iniAtRestart.isEmpty(), c.restarted);
        EXPECT_EQ(program.frame().isVisible(), !c.restarted);
        EXPECT_TRUE(readFile(ini).contains(c.stored));
        EXPECT_TRUE(!c.restarted || iniAtRestart.contains(c.stored));
    }
}

}  // namespace
}  // namespace radio::test
