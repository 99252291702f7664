#include <QCheckBox>
#include <QHeaderView>
#include <QMenu>

#include "UserInput.h"
#include "core/config/IniFile.h"
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
    FreshProgram program;
    ScriptedPrompts& prompts = program.started.prompts;
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
    activate(program.frame());
    QTest::keyClick(&program.frame().activeView()->grid(), Qt::Key_F11, Qt::ControlModifier);
    EXPECT_FALSE(program.started.app.adjustmentUnlocked());
}

TEST(AccessCode, CtrlF11AndTheCodeUnlockOnceAndAddTheItemsOnce) {
    FreshProgram program;
    QMenu* edit = program.frame().documentSubmenu(1);
    const QStringList lockedItems = itemTexts(*edit);
    activate(program.frame());
    QTest::keyClick(&program.frame().activeView()->grid(), Qt::Key_F11);  // without Ctrl
    EXPECT_TRUE(program.started.prompts.dialogs.empty());
    QTest::keyClick(&program.frame().activeView()->grid(), Qt::Key_F11, Qt::ControlModifier);
    EXPECT_EQ(program.started.prompts.dialogs.size(), 1u);  // and cancelled
    EXPECT_FALSE(program.started.app.adjustmentUnlocked());
    EXPECT_EQ(itemTexts(*edit), lockedItems);

    unlockAdjustment(program.started);
    unlockAdjustment(program.started);
    EXPECT_EQ(program.started.prompts.dialogs.size(), 3u);
    EXPECT_TRUE(program.started.app.adjustmentUnlocked());
    EXPECT_EQ(itemTexts(*edit), lockedItems + QStringList({"Power Adjust", "Param Adjust"}));
    chooseMenu(program.frame(), "Param Adjust");
    EXPECT_EQ(program.started.prompts.dialogs.back(), "CParamAdjustDlg");
}

// A program past the gate whose next service page is worked by the given user.
struct ServicePage {
    explicit ServicePage(const QString& ini = ProgramFolder::defaultIni()) : started(ini) {
        unlockAdjustment(started);
    }
    CProgramDoc& document() { return *started.frame().activeDocument(); }
    MemoryImage& image() { return document().image(); }
    template <typename Page>
    void open(const QString& item, std::function<void(Page&)> work) {
        openPage(started, item, work);
    }
    FreshProgram::SettingsCleared cleared;
    StartedProgram started;
};

// Clicks a cell of a service table, which opens its editor.
QWidget* clickCell(AdjustTable& table, int row, int col) {
    QTest::mouseClick(table.viewport(), Qt::LeftButton, {},
                      table.visualRect(table.model()->index(row, col)).center());
    return table.openEditor();
}

// --- Power Adjustment -------------------------------------------------------------------------

TEST(PowerAdjust, RowsFollowTheBandChosenInProductInformation) {
    QString ini = ProgramFolder::defaultIni();
    ini.replace("Field1=400-470|430-480", "Field1=400-480|136-174|400-400|136-520");
    const QStringList cases[] = {
        {"400", "410", "420", "430", "440", "450", "460", "470"},
        {"136", "140", "150", "160", "170", "174"},
        {},
        {"136", "140", "150", "160", "170", "180", "190", "200"},
    };
    ServicePage service(ini);
    for (std::size_t i = 0; i < 16; ++i) {
        service.image().set(map::kPowerTable + i, static_cast<std::uint8_t>(100 + i));
    }
    for (int band = 0; band < int(std::size(cases)); ++band) {
        service.open<QDialog>("Product Information", [band](QDialog& page) {
            pick(page.findChildren<QComboBox*>().last(), band);
            click(button(page, "OK"));
        });
        MemoryImage before;
        service.open<CPowerAdjustDlg>("Power Adjust", [&](CPowerAdjustDlg& page) {
            before = service.image();
            QStringList labels;
            for (int r = 0; r < page.table()->rowCount(); ++r) {
                labels << page.table()->verticalHeaderItem(r)->text();
            }
            EXPECT_EQ(labels, cases[band]);
            if (!labels.isEmpty()) {
                EXPECT_EQ(page.table()->cellText(0, 1), "101");
            }
            page.close();
        });
        EXPECT_TRUE(service.image() == before) << band;  // nothing edited: every byte as it was
    }
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

TEST(ParamAdjust, ShowsCorrectedValuesAndStoresThemWhenClosed) {
    ServicePage service;
    const std::uint8_t bytes[] = {9, 3, 0, 8, 2, 7, 7, 1, 200, 255, 0x03};
    for (std::size_t i = 0; i < sizeof bytes; ++i) {
        service.image().set(map::kParamAdjust + i, bytes[i]);
    }
    service.open<CParamAdjustDlg>("Param Adjust", [](CParamAdjustDlg& page) {
        QStringList shown;
        for (int r = 0; r < 5; ++r) {
            shown << page.table()->cellText(r, 0) << page.table()->cellText(r, 1);
        }
        EXPECT_EQ(shown, QStringList({"0", "3", "1", "1", "2", "7", "7", "1", "200", "255"}));
        EXPECT_TRUE(page.deEmphasisBox()->isChecked() && page.preEmphasisBox()->isChecked());
        EXPECT_EQ(page.table()->horizontalHeaderItem(0)->text(), "Compnad Off");
        EXPECT_EQ(page.table()->verticalHeaderItem(0)->text(), "Audio inpput");
        click(page.deEmphasisBox());
        page.close();
    });
    const std::uint8_t stored[] = {0, 3, 1, 1, 2, 7, 7, 1, 200, 255, 0x02};
    for (std::size_t i = 0; i < sizeof stored; ++i) {
        EXPECT_EQ(service.image()[map::kParamAdjust + i], stored[i]) << i;
    }
}

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

// --- Language ---------------------------------------------------------------------------------

struct LanguageChange : FreshProgram {
    LanguageChange() {
        started.app.setRestartLauncher([this](const QString& path) {
            restarted = path;
            IniFile ini;
            ini.load(started.folder.path("Program.ini").toStdString(), false, true, false);
            languageAtRestart = ini.get("Setup", "Language", "");
        });
        activate(frame());
    }
    void choose(const QString& language) {
        started.prompts.onDialog = byUser([language](QDialog& dialog) {
            click(button(dialog, language));
            click(button(dialog, "OK"));
        });
        chooseMenu(frame(), "Language");
    }
    QString restarted;
    std::string languageAtRestart;
};

TEST(Language, TheChoiceRestartsOnlyWhenItChangesAndNothingUnsavedIsLost) {
    LanguageChange program;
    program.choose("English");  // the running one
    EXPECT_EQ(program.started.prompts.dialogs, std::vector<QString>{"CLanguageDlg"});
    EXPECT_TRUE(program.restarted.isEmpty());

    program.document().setModified(true);
    program.started.prompts.answers.push_back(QMessageBox::Cancel);  // "Save changes?"
    program.choose("Chinese");
    EXPECT_TRUE(program.restarted.isEmpty());
    EXPECT_TRUE(program.frame().isVisible());
    program.choose("English");  // back to the running one after the called-off restart
    EXPECT_TRUE(program.restarted.isEmpty());
    EXPECT_EQ(program.started.app.config().get("Setup", "Language", ""), "English");

    program.document().setModified(false);
    program.choose("Chinese");
    EXPECT_EQ(program.restarted, program.started.folder.programPath());
    EXPECT_EQ(program.languageAtRestart, "Chinese");  // on disk before the new start
    EXPECT_FALSE(program.frame().isVisible());
}

}  // namespace
}  // namespace radio::test
