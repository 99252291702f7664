#include <QFileInfo>

#include "UserInput.h"
#include "core/channels/ChannelCodec.h"
#include "core/image/NewImage.h"
#include "gui/app/CChildFrame.h"
#include "gui/app/HelpWindow.h"
#include "gui/channels/CProgramView.h"
#include "gui/image/CProgramDoc.h"
#include "gui/link/CProcessDlg.h"
#include "gui/link/RadioLink.h"

namespace radio::test {
namespace {

using namespace gui;

QByteArray readAll(const QString& path) {
    QFile file(path);
    file.open(QIODevice::ReadOnly);
    return file.readAll();
}

// A file whose channel 1 lies outside every band of the test radio types, as one read from a
// radio of another band would.
QByteArray fileWithForeignChannel() {
    MemoryImage image = newDocumentImage();
    ChannelTable table;
    table[0] = {"150.00000", "150.00000", "67.0", "None", "High",
                "Yes",       "Off",       "Wide", "Off",  "Off"};
    encodeChannels(image, table);
    return QByteArray(reinterpret_cast<const char*>(image.data()), 1024);
}

// A started program on the screen, driven by keys and mouse.
struct Desk {
    CMainFrame& frame() { return program.frame(); }
    CProgramView& view() { return *frame().activeView(); }
    void press(int key, Qt::KeyboardModifiers modifiers = {}) {
        test::press(frame(), key, modifiers);
    }
    void typeInto(int row, int col, const QString& text) {
        clickCell(view().grid(), row, col);
        type(frame(), text);
    }
    // Ctrl+O with the file dialog answered by path.
    void open(const QString& path) {
        program.prompts.files.push_back(path);
        press(Qt::Key_O, Qt::ControlModifier);
    }
    QString file(const QString& name, const QByteArray& bytes) {
        program.folder.writeFile(name, bytes);
        return program.folder.path(name);
    }
    ScriptedPrompts& prompts() { return program.prompts; }

    StartedProgram program;
};

TEST(Shortcuts, EveryMenuKeyWorksFromTheChannelWindow) {
    struct Case {
        const char* name;
        int key;
        Qt::KeyboardModifiers modifiers;
        std::function<void(Desk&)> check;
    };
    const auto transfer = [](const char* caption) {
        return [caption](Desk& desk) {
            ASSERT_TRUE(desk.view().link().dialogOpen());
            EXPECT_EQ(desk.view().link().dialog()->windowTitle(), caption);
        };
    };
    const Case cases[] = {
        {"Ctrl+N", Qt::Key_N, Qt::ControlModifier,
         [](Desk& desk) {
             EXPECT_EQ(desk.prompts().shown.at(0).text, "All data will be Cleared!");
         }},
        {"Ctrl+O", Qt::Key_O, Qt::ControlModifier,
         [](Desk& desk) { EXPECT_EQ(desk.frame().activeDocument()->title(), "radio.dat"); }},
        {"Ctrl+S", Qt::Key_S, Qt::ControlModifier,
         [](Desk& desk) { EXPECT_EQ(desk.prompts().proposedNames.size(), 1u); }},
        {"Ctrl+P", Qt::Key_P, Qt::ControlModifier,
         [](Desk& desk) { EXPECT_EQ(desk.prompts().dialogs.size(), 1u); }},
        {"Ctrl+R", Qt::Key_R, Qt::ControlModifier, transfer("Read Data")},
        {"Ctrl+W", Qt::Key_W, Qt::ControlModifier, transfer("Write Data")},
        {"Ctrl+F11", Qt::Key_F11, Qt::ControlModifier,
         [](Desk& desk) {
             EXPECT_EQ(desk.prompts().dialogs, std::vector<QString>{"CPasswordDlg"});
         }},
        {"F1", Qt::Key_F1, Qt::NoModifier,
         [](Desk& desk) {
             ASSERT_NE(desk.program.app.helpWindow(), nullptr);
             EXPECT_EQ(desk.program.app.helpWindow()->shownContext(), 2127);  // Rx edit box
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Desk desk;
        desk.program.prompts.files.push_back(desk.file("radio.dat", QByteArray(1024, '\0')));
        desk.press(c.key, c.modifiers);
        c.check(desk);
    }
}

TEST(Documents, SaveOfANewDocumentAsksForANameAndWrites1024Bytes) {
    Desk desk;
    const QString path = desk.program.folder.path("saved");
    desk.prompts().files.push_back(path);
    desk.press(Qt::Key_S, Qt::ControlModifier);
    ASSERT_EQ(desk.prompts().proposedNames, std::vector<QString>{"RadioProgTest.dat"});
    EXPECT_EQ(readAll(path + ".dat").size(), 1024);
    EXPECT_EQ(desk.frame().activeDocument()->title(), "saved.dat");
    desk.press(Qt::Key_S, Qt::ControlModifier);
    EXPECT_EQ(desk.prompts().proposedNames.size(), 1u) << "the second Save asks no name";
}

// The editor opened at load holds channel 1 unchanged: neither a click elsewhere nor Save may
// commit it.
TEST(Documents, AnOpenedFileKeepsItsBytesUntilTheUserTypes) {
    Desk desk;
    const QByteArray bytes = fileWithForeignChannel();
    const QString path = desk.file("foreign.dat", bytes);
    desk.open(path);
    ChannelGrid& grid = desk.view().grid();
    ASSERT_EQ(grid.textMatrix(1, 1), "150.00000");
    clickCell(grid, 10, 1);
    EXPECT_EQ(grid.textMatrix(10, 1), "");
    EXPECT_FALSE(desk.frame().activeDocument()->isModified());
    clickCell(grid, 1, 1);
    desk.press(Qt::Key_S, Qt::ControlModifier);
    EXPECT_TRUE(desk.prompts().shown.empty());
    EXPECT_EQ(readAll(path), bytes);
}

TEST(Documents, ReopeningAnOpenFileBringsBackItsEdits) {
    Desk desk;
    const QString path = desk.file("t1.dat", QByteArray(1024, '\0'));
    desk.open(path);
    CChildFrame* window = desk.frame().activeChildFrame();
    desk.typeInto(8, 1, "446");
    desk.press(Qt::Key_Return);
    ASSERT_TRUE(chooseMenu(desk.frame(), "Close"));
    desk.open(QFileInfo(path).absolutePath() + "/./t1.dat");  // the same file, spelt apart
    EXPECT_EQ(desk.frame().childFrames().size(), 2);
    EXPECT_EQ(desk.frame().activeChildFrame(), window);
    EXPECT_TRUE(window->isVisible());
    EXPECT_TRUE(window->isWindowModified());
    EXPECT_EQ(desk.view().grid().textMatrix(8, 1), "446.00000");
}

TEST(Documents, BadFilesAreReportedAndChangeNothing) {
    Desk desk;
    CChildFrame* first = desk.frame().activeChildFrame();
    struct Case {
        QString name;
        QByteArray bytes;
        QString reason;
    };
    const Case cases[] = {{"short.dat", QByteArray(1023, 'x'), "1023 bytes"},
                          {"empty.dat", QByteArray(), "empty"}};
    for (const Case& c : cases) {
        desk.open(desk.file(c.name, c.bytes));
        ASSERT_FALSE(desk.prompts().shown.empty());
        EXPECT_TRUE(desk.prompts().shown.back().text.contains(c.name));
        EXPECT_TRUE(desk.prompts().shown.back().text.contains(c.reason));
        EXPECT_EQ(desk.frame().childFrames().size(), 1);
        EXPECT_TRUE(first->isVisible());
        EXPECT_TRUE(desk.program.app.newImageFlag());
    }
}

TEST(Documents, NewAsksBeforeReplacingTheActiveDocument) {
    Desk desk;
    QPointer<CChildFrame> first = desk.frame().activeChildFrame();
    desk.typeInto(2, 1, "446");
    desk.prompts().answers = {QMessageBox::Cancel};
    desk.press(Qt::Key_N, Qt::ControlModifier);
    EXPECT_EQ(desk.prompts().shown.back().text, "All data will be Cleared!");
    EXPECT_EQ(desk.frame().activeChildFrame(), first.data());

    // The typed text made a change, so the document is asked about too.
    desk.prompts().answers = {QMessageBox::Ok, QMessageBox::Discard};
    desk.press(Qt::Key_N, Qt::ControlModifier);
    EXPECT_TRUE(desk.prompts().shown.back().text.startsWith("Save changes"));
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(first.isNull());
    ASSERT_EQ(desk.frame().childFrames().size(), 1);
    EXPECT_TRUE(desk.program.app.newImageFlag());
}

TEST(Documents, ClosingOnlyHidesAndChannelInformationShowsAgain) {
    Desk desk;
    CChildFrame* window = desk.frame().activeChildFrame();
    const std::function<void()> closes[] = {[&] { chooseMenu(desk.frame(), "Close"); },
                                            [&] { window->close(); },
                                            [&] { desk.press(Qt::Key_F4, Qt::ControlModifier); }};
    for (const auto& close : closes) {
        close();
        EXPECT_FALSE(window->isVisible());
        EXPECT_EQ(desk.frame().childFrames().size(), 1);
        ASSERT_TRUE(chooseMenu(desk.frame(), "Channel Information"));
        EXPECT_TRUE(window->isVisible());
        window->widget()->setFocus();
    }
}

// A text typed and not yet committed counts as a change, however the program is left.
TEST(Documents, LeavingWithATypedTextAsksSaveDiscardOrCancel) {
    const std::function<bool(Desk&)> leaves[] = {
        [](Desk& desk) { return desk.frame().close(); },  // the close box
        [](Desk& desk) {
            chooseMenu(desk.frame(), "Exit");
            return !desk.frame().isVisible();
        }};
    for (const auto& leave : leaves) {
        Desk desk;
        desk.typeInto(4, 1, "446");
        desk.prompts().answers = {QMessageBox::Cancel};
        EXPECT_FALSE(leave(desk));
        EXPECT_TRUE(desk.prompts().shown.back().text.startsWith("Save changes"));
        EXPECT_EQ(desk.view().grid().textMatrix(4, 1), "446.00000");

        desk.prompts().answers = {QMessageBox::Save};  // the file dialog is cancelled
        EXPECT_FALSE(leave(desk));
        const QString path = desk.program.folder.path("kept.dat");
        desk.prompts().answers = {QMessageBox::Save};
        desk.prompts().files = {path};
        EXPECT_TRUE(leave(desk));
        EXPECT_EQ(readAll(path).size(), 1024);
    }
}

TEST(Documents, HiddenDocumentsAreAskedAboutOnlyWhenChanged) {
    for (const bool changed : {false, true}) {
        Desk desk;
        if (changed) {
            desk.typeInto(4, 1, "446");
        }
        chooseMenu(desk.frame(), "Close");
        desk.prompts().answers = {QMessageBox::Discard};
        EXPECT_TRUE(desk.frame().close());
        EXPECT_EQ(desk.prompts().shown.size(), changed ? 1u : 0u);
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
        Desk desk;
        const QString ini = desk.program.folder.path("Program.ini");
        QByteArray iniAtRestart;
        desk.program.app.setRestartLauncher([&](const QString& path) {
            EXPECT_EQ(path, desk.program.folder.programPath());
            iniAtRestart = readAll(ini);
        });
        desk.prompts().onDialog = byUser([&](QDialog& dialog) {
            click(button(dialog, c.language));
            click(button(dialog, "OK"));
        });
        if (c.typed) {
            desk.typeInto(4, 1, "446");
        }
        desk.prompts().answers = {c.answer};
        ASSERT_TRUE(chooseMenu(desk.frame(), "Language"));
        EXPECT_EQ(desk.prompts().shown.size(), c.typed ? 1u : 0u);
        EXPECT_EQ(!iniAtRestart.isEmpty(), c.restarted);
        EXPECT_EQ(desk.frame().isVisible(), !c.restarted);
        EXPECT_TRUE(readAll(ini).contains(c.stored));
        EXPECT_TRUE(!c.restarted || iniAtRestart.contains(c.stored));
    }
}

}  // namespace
}  // namespace radio::test
