#include <QMenu>

#include "UserInput.h"
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

// --- Access-code gate -------------------------------------------------------------------------

TEST(AccessCode, AWrongCodeKeepsTheDialogOpenWithTheEntry) {
    StartedProgram program;
    ScriptedPrompts& prompts = program.prompts;
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
    press(program.frame(), Qt::Key_F11, Qt::ControlModifier);
    EXPECT_FALSE(program.app.adjustmentUnlocked());
}

TEST(AccessCode, CtrlF11AndTheCodeUnlockOnceAndAddTheItemsOnce) {
    StartedProgram program;
    QMenu* edit = program.frame().documentSubmenu(1);
    const QStringList lockedItems = itemTexts(*edit);
    press(program.frame(), Qt::Key_F11);  // without Ctrl
    EXPECT_TRUE(program.prompts.dialogs.empty());
    press(program.frame(), Qt::Key_F11, Qt::ControlModifier);
    EXPECT_EQ(program.prompts.dialogs.size(), 1u);  // and cancelled
    EXPECT_EQ(itemTexts(*edit), lockedItems);
    unlockAdjustment(program);
    unlockAdjustment(program);
    EXPECT_EQ(program.prompts.dialogs.size(), 3u);
    EXPECT_EQ(itemTexts(*edit), lockedItems + QStringList({"Power Adjust", "Param Adjust"}));
    chooseMenu(program.frame(), "Param Adjust");
    EXPECT_EQ(program.prompts.dialogs.back(), "CParamAdjustDlg");
}

// A program past the gate whose next service page is worked by the given user.
struct ServicePage : StartedProgram {
    ServicePage() { unlockAdjustment(*this); }
    template <typename Page>
    void open(const QString& item, std::function<void(Page&)> work) {
        openPage(*this, item, work);
    }
};

// Clicks a cell of a service table, which opens its editor.
QWidget* clickCell(AdjustTable& table, int row, int col) {
    QTest::mouseClick(table.viewport(), Qt::LeftButton, {},
                      table.visualRect(table.model()->index(row, col)).center());
    return table.openEditor();
}

// --- Power Adjustment -------------------------------------------------------------------------

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
    ServicePage service;
    for (const Case& c : cases) {
        service.document().setModified(false);
        service.open<CPowerAdjustDlg>("Power Adjust", [&](CPowerAdjustDlg& page) {
            QWidget* editor = clickCell(*page.table(), c.row, c.col);
            ASSERT_NE(editor, nullptr);
            typeInto(editor, c.typed);
            if (c.key != 0) {
                QTest::keyClick(editor, Qt::Key(c.key));
                EXPECT_EQ(page.table()->cellText(c.row, c.col), c.shown) << c.typed.toStdString();
                EXPECT_EQ(page.table()->currentRow(), c.row + (c.key == Qt::Key_Return));
                QTest::keyClick(page.table(), Qt::Key_Escape);
                EXPECT_TRUE(page.isVisible());  // Escape never closes
            }
            page.close();
        });
        const std::size_t at = map::kPowerTable + 2 * std::size_t(c.row) + std::size_t(c.col);
        EXPECT_EQ(service.image()[at], c.shown.toInt()) << c.typed.toStdString();
        EXPECT_TRUE(c.key != 0 || service.document().isModified());
    }
}

// --- Param Adjust ----------------------------------------------------------------------------

TEST(ParamAdjust, EachRowsEditorAndEscapeClosesAndStores) {
    struct Case {
        int row;
        QString typed;  // for the lists: the entry picked
        QString firstEntry;
        QString shown;
        int stored;
    };
    const Case cases[] = {
        {4, "300", "", "0", 0}, {4, "007", "", "007", 7}, {4, "12", "", "12", 12},
        {0, "5", "0", "5", 5},  {1, "7", "1", "7", 7},
    };
    for (const Case& c : cases) {
        ServicePage service;
        service.open<CParamAdjustDlg>("Param Adjust", [&](CParamAdjustDlg& page) {
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
            EXPECT_EQ(page.table()->cellText(c.row, 1), c.shown) << c.typed.toStdString();
        });
        const std::size_t at = map::kParamAdjust + 2 * std::size_t(c.row) + 1;
        EXPECT_EQ(service.image()[at], c.stored) << c.typed.toStdString();
    }
}

}  // namespace
}  // namespace radio::test
