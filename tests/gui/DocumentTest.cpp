#include <QFileInfo>

#include "GuiFixture.h"
#include "core/channels/ChannelCodec.h"
#include "core/image/NewImage.h"
#include "gui/app/CChildFrame.h"

namespace radio::test {
namespace {

using namespace gui;

TEST(Documents, SaveOfANewDocumentAsksForANameOnce) {
    StartedProgram program;
    program.prompts.files = {program.folder.path("saved")};
    program.press(Qt::Key_S, Qt::ControlModifier);
    EXPECT_EQ(program.prompts.proposedNames, std::vector<QString>{"RadioProgTest.dat"});
    EXPECT_EQ(program.document().title(), "saved.dat");
    EXPECT_EQ(readFile(program.folder.path("saved.dat")).size(), 1024);
    program.press(Qt::Key_S, Qt::ControlModifier);
    EXPECT_EQ(program.prompts.proposedNames.size(), 1u);
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
    table[7] = table[0];  // the Scan Add bits of channels 1-8 are read from the high bit down
    encodeChannels(image, table);
    const QByteArray bytes(reinterpret_cast<const char*>(image.data()), 1024);
    const QString path = program.folder.writeFile("foreign.dat", bytes);
    program.open(path);
    CProgramView& view = program.view();
    ASSERT_EQ(cellText(view, 1, 1), "150.00000");
    EXPECT_EQ(cellText(view, 8, 5), "Yes");
    clickCell(view, 10, 1);
    EXPECT_EQ(cellText(view, 10, 1), "");
    EXPECT_FALSE(program.document().isModified());
    clickCell(view, 1, 1);
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
    EXPECT_EQ(program.frame().activeChildFrame(), window);
    EXPECT_TRUE(window->isVisible());
    EXPECT_TRUE(window->isWindowModified());
    EXPECT_EQ(cellText(program.view(), 8, 1), "446.00000");
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

// A text typed and not yet committed counts as a change, however the program or the document
// is left.
TEST(Documents, LeavingWithATypedTextAsksSaveDiscardOrCancel) {
    const std::function<bool(StartedProgram&)> leaves[] = {
        [](StartedProgram& program) { return program.frame().close(); },  // the close box
        [](StartedProgram& program) {
            program.chooseMenu("Exit");
            return !program.frame().isVisible();
        },
        [](StartedProgram& program) {  // New, once the user agrees that the data is cleared
            QPointer<CChildFrame> window = program.frame().activeChildFrame();
            program.prompts.answers.push_front(QMessageBox::Ok);
            program.press(Qt::Key_N, Qt::ControlModifier);
            EXPECT_EQ(program.prompts.shown.front().text, "All data will be Cleared!");
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            return window.isNull();
        }};
    for (const auto& leave : leaves) {
        StartedProgram program;
        program.typeInto(4, 1, "446");
        program.prompts.answers = {QMessageBox::Cancel};
        EXPECT_FALSE(leave(program));
        EXPECT_TRUE(program.prompts.shown.back().text.startsWith("Save changes"));
        EXPECT_EQ(cellText(program.view(), 4, 1), "446.00000");

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
    // The language chosen, whether a text was typed, the answer to the question about it, whether
    // the program restarted, and what Program.ini holds (on disk already when the new start comes).
    const std::tuple<QString, bool, QMessageBox::StandardButton, bool, QByteArray> cases[] = {
        {"English", false, QMessageBox::Cancel, false, "Language=English"},
        {"Chinese", true, QMessageBox::Cancel, false, "Language=English"},
        {"Chinese", true, QMessageBox::Discard, true, "Language=Chinese"},
        {"Chinese", false, QMessageBox::Cancel, true, "Language=Chinese"}};
    for (const auto& [language, typed, answer, restarted, stored] : cases) {
        SCOPED_TRACE(language.toStdString() + (typed ? " typed" : ""));
        StartedProgram program;
        const QString ini = program.folder.path("Program.ini");
        QByteArray iniAtRestart;
        program.app.setRestartLauncher([&](const QString& path) {
            EXPECT_EQ(path, program.folder.programPath());
            iniAtRestart = readFile(ini);
        });
        program.prompts.onDialog = byUser([&, language = language](QDialog& dialog) {
            click(button(dialog, language));
            click(button(dialog, "OK"));
        });
        if (typed) {
            program.typeInto(4, 1, "446");
        }
        program.prompts.answers = {answer};
        ASSERT_TRUE(program.chooseMenu("Language"));
        EXPECT_EQ(program.prompts.shown.size(), typed ? 1u : 0u);
        EXPECT_EQ(!iniAtRestart.isEmpty(), restarted);
        EXPECT_EQ(program.frame().isVisible(), !restarted);
        EXPECT_TRUE(readFile(ini).contains(stored));
        EXPECT_TRUE(!restarted || iniAtRestart.contains(stored));
    }
}

}  // namespace
}  // namespace radio::test
