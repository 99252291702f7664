// The program from the keyboard alone, and as a screen reader finds it.
#include <QAccessible>
#include <QMenuBar>
#include <QProgressBar>
#include <QTreeWidget>

#include "Accessibility.h"
#include "SimBench.h"
#include "gui/app/CChildFrame.h"
#include "gui/app/CNavTreeBar.h"
#include "gui/channels/ChannelDelegate.h"

namespace radio::test {
namespace {

using namespace gui;

QStringList menuTextFaults(QMenuBar& bar) {
    QStringList faults;
    for (QAction* menu : bar.actions()) {
        for (QAction* item : menu->menu()->actions()) {
            if (item->text().contains(QRegularExpression("\t|Ctrl"))) {
                faults << item->text();
            }
        }
    }
    return faults;
}

// Every focusable element of the main window, of a channel cell's editors and of the progress
// window has a name a screen reader can say, in both languages; no name or menu text carries
// a key, which the menus show from the actions instead.
TEST(Accessibility, TheMainWindowItsEditorsAndTheProgressWindowAreNamed) {
    for (const QString language : {"English", "Chinese"}) {
        SCOPED_TRACE(language.toStdString());
        StartedProgram program(ProgramFolder::defaultIni(language));
        activate(program.frame());
        QStringList faults = namingFaults(QAccessible::queryAccessibleInterface(&program.frame()));
        faults << menuTextFaults(*program.frame().menuBar());
        const Commands& c = program.frame().commands();
        for (QAction* command : {c.fileNew, c.fileOpen, c.fileSave, c.filePrint, c.read, c.write}) {
            EXPECT_FALSE(command->shortcut().isEmpty()) << command->text().toStdString();
        }
        QAccessibleInterface* table =
            QAccessible::queryAccessibleInterface(&program.view().table());
        EXPECT_EQ(table->tableInterface()->columnCount(), 9);  // Rx Frequency .. Scrambler
        for (const int col : {1, 2}) {  // Tx Frequency's edit box, then Decode's list
            program.press(Qt::Key_Tab);
            QWidget* editor = program.view().table().channelDelegate().openEditor();
            ASSERT_NE(editor, nullptr);
            faults << namingFaults(QAccessible::queryAccessibleInterface(editor),
                                   {cellIndex(program.view(), 1, col + 1)
                                        .model()
                                        ->headerData(col, Qt::Horizontal)
                                        .toString(),
                                    "1"});
        }
        program.press(Qt::Key_R, Qt::ControlModifier);
        CProcessDlg* progress = program.view().link().dialog();
        ASSERT_NE(progress, nullptr);
        faults << namingFaults(QAccessible::queryAccessibleInterface(progress));
        QAccessibleInterface* bar = QAccessible::queryAccessibleInterface(progress->progress());
        EXPECT_NE(bar->valueInterface(), nullptr);
        EXPECT_EQ(bar->text(QAccessible::Name), progress->windowTitle());
        QTest::keyClick(progress, Qt::Key_Escape);
        EXPECT_EQ(faults, QStringList());
    }
}

// A whole session by keys alone: read the radio, edit two channels, change an option page,
// save, write, export the report, and bring back a hidden document and go between documents.
TEST(Keyboard, AWholeSessionWithoutTheMouse) {
    Bench bench;
    const auto transfer = [&bench](Qt::Key command) {
        QSignalSpy finished(&bench.link(), &RadioLink::transferFinished);
        bench.press(command, Qt::ControlModifier);
        ASSERT_TRUE(bench.link().dialogOpen());
        QTest::keyClick(bench.link().dialog(), Qt::Key_Return);  // OK is the default button
        ASSERT_TRUE(finished.wait(30000));
        EXPECT_EQ(finished[0][0].value<TransferOutcome>(), TransferOutcome::Completed);
    };
    transfer(Qt::Key_R);
    EXPECT_EQ(cellText(bench.view(), 1, 1), "446.00625");

    ASSERT_TRUE(bench.view().table().isAncestorOf(bench.frame().focusWidget()));
    const auto typeOver = [&bench](const QString& text) {  // as the keyboard replaces a text
        bench.press(Qt::Key_A, Qt::ControlModifier);
        type(bench.frame(), text);
        bench.press(Qt::Key_Return);
    };
    typeOver("446.5");
    typeOver("446.6");
    for (int tab = 0; tab < 7; ++tab) {  // to channel 2's receive frequency
        bench.press(Qt::Key_Tab);
    }
    typeOver("447");
    EXPECT_EQ(cellText(bench.view(), 1, 1), "446.50000");
    EXPECT_EQ(cellText(bench.view(), 1, 2), "446.60000");
    EXPECT_EQ(cellText(bench.view(), 2, 1), "447.00000");

    const MemoryImage beforePage = bench.image();
    bench.prompts.onDialog = byUser([](QDialog& page) {
        QTest::keyClick(page.focusWidget(), Qt::Key_Down);  // the first list's next value
        QTest::keyClick(page.focusWidget(), Qt::Key_Return);
    });
    bench.press(Qt::Key_F6);
    QTreeWidget& tree = *bench.frame().navigationBar()->tree();
    ASSERT_TRUE(tree.hasFocus());
    for (const Qt::Key key : {Qt::Key_Home, Qt::Key_End, Qt::Key_Return}) {
        QTest::keyClick(&tree, key);  // End: Optional Features, the last entry
    }
    EXPECT_EQ(bench.prompts.dialogs, std::vector<QString>{"COptionalFeaturesDlg"});
    EXPECT_NE(bench.image(), beforePage);

    const QString saved = bench.folder.path("session.dat"), report = bench.folder.path("r.pdf");
    bench.prompts.files = {saved, report};
    bench.press(Qt::Key_S, Qt::ControlModifier);
    EXPECT_FALSE(bench.document().isModified());
    transfer(Qt::Key_W);
    EXPECT_TRUE(bench.prompts.shown.back().text.startsWith("Write completed and verified"));
    const auto fromMenu = [&bench](Qt::Key menu, Qt::Key item) {
        bench.press(menu, Qt::AltModifier);
        ASSERT_NE(QApplication::activePopupWidget(), nullptr);
        QTest::keyClick(QApplication::activePopupWidget(), item);
    };
    fromMenu(Qt::Key_F, Qt::Key_D);  // Export PDF
    EXPECT_TRUE(readFile(report).startsWith("%PDF"));

    CChildFrame* first = bench.frame().activeChildFrame();
    fromMenu(Qt::Key_F, Qt::Key_C);  // Close only hides the document window
    EXPECT_TRUE(first->isHidden());
    fromMenu(Qt::Key_W, Qt::Key_1);
    EXPECT_TRUE(first->isVisible());
    bench.open(bench.folder.writeFile("other.dat", QByteArray(1024, '\0')));
    CChildFrame* second = bench.frame().activeChildFrame();
    ASSERT_NE(second, first);
    for (const auto& [modifiers, active] :
         {std::pair<Qt::KeyboardModifiers, CChildFrame*>{Qt::ControlModifier, first},
          {Qt::ControlModifier | Qt::ShiftModifier, second}}) {
        bench.press(Qt::Key_F6, modifiers);
        EXPECT_EQ(bench.frame().activeChildFrame(), active);
    }
}

}  // namespace
}  // namespace radio::test
