#include "GuiFixture.h"
#include "core/image/ImageMap.h"
#include "gui/settings/AdjustTable.h"
#include "gui/settings/CParamAdjustDlg.h"
#include "gui/settings/CPowerAdjustDlg.h"

namespace radio::test {
namespace {

using namespace gui;

QStringList itemTexts(const QMenu& menu) {
    QStringList texts;
    for (const QAction* action : menu.actions()) {
        texts << action->text();
    }
    return texts;
}

// Only Ctrl+F11 and the right code open the service pages, once; a wrong code keeps the dialog
// open with the entry.
TEST(AccessCode, CtrlF11AndTheCodeUnlockOnceAndAddTheItemsOnce) {
    StartedProgram program;
    ScriptedPrompts& prompts = program.prompts;
    QMenu* edit = program.frame().documentSubmenu(1);
    const QStringList lockedItems = itemTexts(*edit);
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
    EXPECT_EQ(itemTexts(*edit), lockedItems);
    program.unlockAdjustment();
    program.unlockAdjustment();
    EXPECT_EQ(prompts.dialogs.size(), 3u);
    EXPECT_EQ(itemTexts(*edit), lockedItems + QStringList({"Power Adjust", "Param Adjust"}));
    program.chooseMenu("Param Adjust");
    EXPECT_EQ(prompts.dialogs.back(), "CParamAdjustDlg");
}

// Clicks a cell of a service table, which opens its editor.
QWidget* clickCell(AdjustTable& table, int row, int col) {
    QTest::mouseClick(table.viewport(), Qt::LeftButton, {},
                      table.visualRect(table.model()->index(row, col)).center());
    return table.openEditor();
}

TEST(PowerAdjust, EditsAreClampedAndStoredWhateverClosesThePage) {
    struct Case {
        int row, col;
        QString typed;
        int key;  // 0: the close box with the editor still open
        QString shown;
    };
    const Case cases[] = {
        {2, 0, "200", Qt::Key_Return, "155"},  {2, 0, "4", Qt::Key_Return, "155"},
        {2, 0, "77", Qt::Key_Return, "77"},    {2, 1, "99", Qt::Key_Return, "250"},
        {2, 1, "1801", Qt::Key_Return, "180"}, {2, 1, "abc", Qt::Key_Return, "250"},
        {0, 0, "42", Qt::Key_Escape, "42"},    {3, 1, "222", 0, "222"},
    };
    StartedProgram service;
    service.unlockAdjustment();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed.toStdString());
        service.document().setModified(false);
        service.openPage<CPowerAdjustDlg>("Power Adjust", [&](CPowerAdjustDlg& page) {
            QWidget* editor = clickCell(*page.table(), c.row, c.col);
            ASSERT_NE(editor, nullptr);
            typeInto(editor, c.typed);
            if (c.key != 0) {
                QTest::keyClick(editor, Qt::Key(c.key));
                EXPECT_EQ(page.table()->cellText(c.row, c.col), c.shown);
                EXPECT_EQ(page.table()->currentRow(), c.row + (c.key == Qt::Key_Return));
                QTest::keyClick(page.table(), Qt::Key_Escape);
                EXPECT_TRUE(page.isVisible());  // Escape never closes
            }
            page.close();
        });
        const std::size_t at = map::kPowerTable + 2 * std::size_t(c.row) + std::size_t(c.col);
        EXPECT_EQ(service.image()[at], c.shown.toInt());
        EXPECT_TRUE(c.key != 0 || service.document().isModified());
    }
}

TEST(ParamAdjust, EachRowsEditorAndEscapeClosesAndStores) {
    struct Case {
        int row;
        QString typed;  // for the lists: the entry picked
        QString firstEntry, shown;
        int stored;
    };
    const Case cases[] = {
        {4, "300", "", "0", 0}, {4, "007", "", "007", 7}, {4, "12", "", "12", 12},
        {0, "5", "0", "5", 5},  {1, "7", "1", "7", 7},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed.toStdString());
        StartedProgram service;
        service.unlockAdjustment();
        service.openPage<CParamAdjustDlg>("Param Adjust", [&](CParamAdjustDlg& page) {
            QWidget* editor = clickCell(*page.table(), c.row, 1);
            ASSERT_NE(editor, nullptr);
            if (auto* list = qobject_cast<QComboBox*>(editor)) {
                EXPECT_EQ(list->itemText(0), c.firstEntry);
                pick(list, c.typed);
            } else {
                typeInto(editor, c.typed);
            }
            QTest::keyClick(editor, Qt::Key_Escape);
            EXPECT_FALSE(page.isVisible());
            EXPECT_EQ(page.table()->cellText(c.row, 1), c.shown);
        });
        EXPECT_EQ(service.image()[map::kParamAdjust + 2 * std::size_t(c.row) + 1], c.stored);
    }
}

}  // namespace
}  // namespace radio::test
