// Undo and redo of a document's changes, from the keyboard and the Edit menu.
#include "SimBench.h"
#include "gui/channels/ChannelDelegate.h"
#include "gui/settings/COptionalFeaturesDlg.h"

namespace radio::test {
namespace {

using namespace gui;

QString itemText(const QAction* command) {
    return QString(command->text()).remove('&');
}

TEST(History, CtrlZTakesBackEachKindOfChangeAndCtrlYDoesItAgain) {
    const std::pair<const char*, std::function<void(Bench&)>> cases[] = {
        {"Edit Channel 1 Rx Frequency", [](Bench& bench) { bench.typeCell(1, 1, "440.00000"); }},
        {"Edit Optional Features",
         [](Bench& bench) {
             bench.openPage<COptionalFeaturesDlg>(
                 "Optional Features", [](COptionalFeaturesDlg& page) {
                     pick(page.list(OptionalField::TimeOutTimer), 3);
                     click(button(page, "OK"));
                 });
         }},
        {"Read From Radio",
         [](Bench& bench) {
             EXPECT_EQ(bench.run(clone::Direction::Read), TransferOutcome::Completed);
         }},
    };
    for (const auto& [step, change] : cases) {
        SCOPED_TRACE(step);
        Bench bench;
        const Commands& commands = bench.frame().commands();
        const MemoryImage before = bench.document().storedImage();
        EXPECT_FALSE(commands.editUndo->isEnabled());
        EXPECT_EQ(itemText(commands.editUndo), "Undo");
        change(bench);
        const MemoryImage after = bench.document().storedImage();
        ASSERT_NE(after, before);
        EXPECT_TRUE(bench.document().isModified());
        EXPECT_EQ(itemText(commands.editUndo), QString("Undo ") + step);

        bench.press(Qt::Key_Z, Qt::ControlModifier);
        EXPECT_EQ(bench.document().storedImage(), before);
        EXPECT_FALSE(bench.document().isModified());
        EXPECT_FALSE(commands.editUndo->isEnabled());
        EXPECT_EQ(itemText(commands.editRedo), QString("Redo ") + step);

        bench.press(Qt::Key_Y, Qt::ControlModifier);
        EXPECT_EQ(bench.document().storedImage(), after);
        EXPECT_TRUE(bench.document().isModified());
        EXPECT_FALSE(commands.editRedo->isEnabled());
    }
}

TEST(History, UndoCommitsTheOpenEditorFirstAndItsStepIsTheOneTakenBack) {
    StartedProgram program;
    program.typeCell(1, 1, "440.00000");
    const MemoryImage first = program.document().storedImage();
    program.typeInto(2, 1, "441.00000");
    program.chooseMenu("Undo");
    EXPECT_EQ(program.document().storedImage(), first);
    EXPECT_EQ(cellText(program.view(), 2, 1), "");
    EXPECT_NE(program.view().table().channelDelegate().openEditor(), nullptr) << "open again";
    EXPECT_EQ(itemText(program.frame().commands().editRedo), "Redo Edit Channel 2 Rx Frequency");
}

}  // namespace
}  // namespace radio::test
