#include "GuiFixture.h"
#include "core/image/ImageMap.h"
#include "gui/settings/CParamAdjustDlg.h"
#include "gui/settings/CPowerAdjustDlg.h"

namespace radio::test {
namespace {

using namespace gui;

// Only Ctrl+F11 and the right code open the service pages, once; a wrong code keeps the dialog
// open with the entry.
TEST(AccessCode, CtrlF11AndTheCodeUnlockOnceAndAddTheItemsOnce) {
    StartedProgram program;
    ScriptedPrompts& prompts = program.prompts;
    const QMenu* edit = program.frame().submenu(CMainFrame::kEditMenu);
    const auto shownItems = [edit] {
        return std::ranges::count_if(edit->actions(), &QAction::isVisible);
    };
    const auto lockedItems = shownItems();
    program.press(Qt::Key_F11);  // without Ctrl
    EXPECT_TRUE(prompts.dialogs.empty());
    prompts.onDialog = byUser([&](QDialog& dialog) {
        QLineEdit* entry = static_cast<CPasswordDlg&>(dialog).entryBox();
        QTest::keyClicks(entry, "4728169");
        EXPECT_EQ(entry->text(), "472816");  // six characters at most
        EXPECT_EQ(entry->echoMode(), QLineEdit::Password);
        typeInto(entry, "123456");
        QTest::keyClick(entry, Qt::Key_Return);
        ASSERT_EQ(prompts.shown.size(), 1u);
        EXPECT_EQ(prompts.shown[0].text, "Password Error");
        EXPECT_EQ(prompts.shown[0].caption, "Error");
        EXPECT_TRUE(dialog.isVisible());
        EXPECT_EQ(entry->text(), "123456");
    });
    program.press(Qt::Key_F11, Qt::ControlModifier);
    prompts.onDialog = nullptr;
    EXPECT_FALSE(program.app.adjustmentUnlocked());
    EXPECT_EQ(shownItems(), lockedItems);
    program.unlockAdjustment();
    program.unlockAdjustment();
    EXPECT_EQ(prompts.dialogs.size(), 3u);
    EXPECT_EQ(shownItems(), lockedItems + 2);  // Power Adjust and Param Adjust
    program.chooseMenu("Param Adjust");
    EXPECT_EQ(prompts.dialogs.back(), "CParamAdjustDlg");
}

// Power Adjust clamps and stores an edit however the page is closed; each row of Param Adjust
// has its editor, which F2 opens, and Escape closes the page and stores.
TEST(ServicePages, EditsAreClampedAndStoredWhateverClosesThePage) {
    StartedProgram service;
    service.unlockAdjustment();
    // Power Adjust: the cell, the text typed, the key that leaves (0: the close box with the
    // editor still open) and what the cell shows.
    const std::tuple<int, int, QString, int, QString> cases[] = {
        {2, 0, "200", Qt::Key_Return, "155"},  {2, 0, "77", Qt::Key_Return, "77"},
        {2, 1, "1801", Qt::Key_Return, "180"}, {2, 1, "abc", Qt::Key_Return, "250"},
        {0, 0, "42", Qt::Key_Escape, "42"},    {3, 1, "222", 0, "222"},
    };
    for (const auto& [row, col, typed, key, shown] : cases) {
        SCOPED_TRACE(typed.toStdString());
        service.document().setModified(false);
        service.openPage<CPowerAdjustDlg>(
            "Power Adjust", [&, row = row, col = col, typed = typed, key = key,
                             shown = shown](CPowerAdjustDlg& page) {
                QWidget* editor = clickCell(*page.table(), row, col);
                ASSERT_NE(editor, nullptr);
                typeInto(editor, typed);
                if (key != 0) {
                    QTest::keyClick(editor, Qt::Key(key));
                    EXPECT_EQ(page.table()->cellText(row, col), shown);
                    EXPECT_EQ(page.table()->currentRow(), row + (key == Qt::Key_Return));
                    QTest::keyClick(page.table(), Qt::Key_Escape);
                    EXPECT_TRUE(page.isVisible());  // Escape never closes
                }
                page.close();
            });
        const std::size_t at = map::kPowerTable + 2 * std::size_t(row) + std::size_t(col);
        EXPECT_EQ(service.image()[at], shown.toInt());
        EXPECT_TRUE(key != 0 || service.document().isModified());
    }

    // Param Adjust: the row, the text typed or the entry picked, the list's first entry, what the
    // cell shows and the byte stored.
    const std::tuple<int, QString, QString, QString, int> rows[] = {
        {4, "300", "", "0", 0}, {4, "007", "", "007", 7}, {4, "12", "", "12", 12},
        {0, "5", "0", "5", 5},  {1, "7", "1", "7", 7},
    };
    for (const auto& [row, typed, firstEntry, shown, stored] : rows) {
        SCOPED_TRACE(typed.toStdString());
        service.openPage<CParamAdjustDlg>("Param Adjust",
                                          [&, row = row, typed = typed, firstEntry = firstEntry,
                                           shown = shown](CParamAdjustDlg& page) {
                                              page.table()->setCurrentCell(row, 1);
                                              QTest::keyClick(page.table(), Qt::Key_F2);
                                              QWidget* editor = page.table()->openEditor();
                                              ASSERT_NE(editor, nullptr);
                                              if (auto* list = qobject_cast<QComboBox*>(editor)) {
                                                  EXPECT_EQ(list->itemText(0), firstEntry);
                                                  pick(list, typed);
                                              } else {
                                                  typeInto(editor, typed);
                                              }
                                              QTest::keyClick(editor, Qt::Key_Escape);
                                              EXPECT_FALSE(page.isVisible());
                                              EXPECT_EQ(page.table()->cellText(row, 1), shown);
                                          });
        EXPECT_EQ(service.image()[map::kParamAdjust + 2 * std::size_t(row) + 1], stored);
    }
}

}  // namespace
}  // namespace radio::test
