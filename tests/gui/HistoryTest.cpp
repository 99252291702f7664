// Undo and redo of a document's changes, from the keyboard and the Edit menu.
#include "SimBench.h"
#include "gui/app/CMainFrame.h"
#include "gui/image/CProgramDoc.h"
#include "gui/settings/COptionalFeaturesDlg.h"

namespace radio::test {
namespace {

using namespace gui;

QString itemText(const QAction* command) {
    return QString(command->text()).remove('&');
}

TEST(History, CtrlZTakesBackEachKindOfChangeAndCtrlYDoesItAgain) {
    struct Case {
        const char* step;
        std::function<void(Bench&)> change;
    };
    const Case cases[] = {
        {"Edit Channel 1 Rx Frequency",
         [](Bench& bench) { typeIntoCell(bench.view(), 1, 1, "440.00000"); }},
        {"Edit Optional Features",
         [](Bench& bench) {
             openPage<COptionalFeaturesDlg>(*bench.program, "Optional Features",
                                            [](COptionalFeaturesDlg& page) {
                                                pick(page.list(OptionalField::TimeOutTimer), 3);
                                                click(button(page, "OK"));
                                            });
         }},
        {"Read From Radio",
         [](Bench& bench) {
             EXPECT_EQ(bench.run(clone::Direction::Read), TransferOutcome::Completed);
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.step);
        Bench bench;
        const Commands& commands = bench.frame().commands();
        const MemoryImage before = bench.view().shownImage();
        EXPECT_FALSE(commands.editUndo->isEnabled());
        EXPECT_EQ(itemText(commands.editUndo), "Undo");
        c.change(bench);
        const MemoryImage after = bench.view().shownImage();
        ASSERT_NE(after, before);
        EXPECT_TRUE(bench.view().document().isModified());
        EXPECT_EQ(itemText(commands.editUndo), QString("Undo ") + c.step);

        press(bench.frame(), Qt::Key_Z, Qt::ControlModifier);
        EXPECT_EQ(bench.view().shownImage(), before);
        EXPECT_FALSE(bench.view().document().isModified());
        EXPECT_FALSE(commands.editUndo->isEnabled());
        EXPECT_EQ(itemText(commands.editRedo), QString("Redo ") + c.step);

        press(bench.frame(), Qt::Key_Y, Qt::ControlModifier);
        EXPECT_EQ(bench.view().shownImage(), after);
        EXPECT_TRUE(bench.view().document().isModified());
        // Ctrl+Shift+Z is Redo too; the menu takes the step back as the key does.
        chooseMenu(bench.frame(), "Undo");
        press(bench.frame(), Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
        EXPECT_EQ(bench.view().shownImage(), after);
        EXPECT_FALSE(commands.editRedo->isEnabled());
    }
}

TEST(History, UndoCommitsTheOpenEditorFirstAndItsStepIsTheOneTakenBack) {
    Bench bench;
    CProgramView& view = bench.view();
    typeIntoCell(view, 1, 1, "440.00000");
    const MemoryImage first = view.shownImage();
    activate(*view.window());
    clickCell(view.grid(), 2, 1);
    typeInto(QApplication::focusWidget(), "441.00000");
    chooseMenu(bench.frame(), "Undo");
    EXPECT_EQ(view.shownImage(), first);
    EXPECT_EQ(view.grid().textMatrix(2, 1), "");
    EXPECT_EQ(itemText(bench.frame().commands().editRedo), "Redo Edit Channel 2 Rx Frequency");
}

TEST(History, TheChineseMenuNamesTheStep) {
    StartedProgram program(ProgramFolder::defaultIni("Chinese"));
    ASSERT_TRUE(program.started);
    typeIntoCell(*program.frame().activeView(), 3, 1, "440.00000");
    EXPECT_EQ(itemText(program.frame().commands().editUndo), "撤销编辑信道 3 接收频率(U)");
}

}  // namespace
}  // namespace radio::test
