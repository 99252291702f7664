#include <QCheckBox>
#include <QComboBox>
#include <QHeaderView>
#include <QLineEdit>
#include <QMenu>
#include <QRadioButton>
#include <QTest>

#include "GuiFixture.h"
#include "core/config/IniFile.h"
#include "core/image/ImageMap.h"
#include "gui/app/CommandIds.h"
#include "gui/channels/CProgramView.h"
#include "gui/channels/ChannelGrid.h"
#include "gui/image/CProgramDoc.h"
#include "gui/settings/AdjustTable.h"
#include "gui/settings/CLanguageDlg.h"
#include "gui/settings/CParamAdjustDlg.h"
#include "gui/settings/CPasswordDlg.h"
#include "gui/settings/CPowerAdjustDlg.h"

namespace radio::test {
namespace {

using namespace gui;

using Program = FreshProgram;

int commandCount(const QMenu& menu, int id) {
    int count = 0;
    for (const QAction* action : menu.actions()) {
        count += action->data().toInt() == id;
    }
    return count;
}

// --- Access-code gate -------------------------------------------------------------------------

TEST(AccessCode, AWrongCodeKeepsTheDialogOpenWithTheEntry) {
    Program program;
    CPasswordDlg dialog(program.started.app);
    dialog.show();
    QTest::keyClicks(dialog.entryBox(), "4728169");
    EXPECT_EQ(dialog.entryBox()->text(), "472816");  // six characters at most
    EXPECT_EQ(dialog.entryBox()->echoMode(), QLineEdit::Password);
    dialog.entryBox()->setText("123456");
    dialog.accept();
    ASSERT_EQ(program.started.prompts.shown.size(), 1u);
    EXPECT_EQ(program.started.prompts.shown[0].text, "Password Error");
    EXPECT_EQ(program.started.prompts.shown[0].caption, "Error");
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(dialog.entryBox()->text(), "123456");
}

TEST(AccessCode, CtrlF11UnlocksOnceAndAddsTheItemsOnce) {
    Program program;
    QMenu* edit = program.frame().documentSubmenu(1);
    ASSERT_NE(edit, nullptr);
    EXPECT_EQ(commandCount(*edit, cmd::ParamAdjust), 0);
    program.started.prompts.onDialog = [](QDialog& dialog) {
        auto& password = static_cast<CPasswordDlg&>(dialog);
        password.entryBox()->setText("472816");
        password.accept();
        return password.result();
    };
    ChannelGrid* grid = &program.frame().activeView()->grid();
    QTest::keyClick(grid, Qt::Key_F11);  // without Ctrl: nothing
    EXPECT_TRUE(program.started.prompts.dialogs.empty());
    EXPECT_FALSE(program.started.app.adjustmentUnlocked());

    QTest::keyClick(grid, Qt::Key_F11, Qt::ControlModifier);
    QTest::keyClick(grid, Qt::Key_F11, Qt::ControlModifier);
    EXPECT_EQ(program.started.prompts.dialogs.size(), 2u);
    EXPECT_TRUE(program.started.app.adjustmentUnlocked());
    EXPECT_EQ(commandCount(*edit, cmd::PowerAdjust), 1);
    EXPECT_EQ(commandCount(*edit, cmd::ParamAdjust), 1);
    const QList<QAction*> items = edit->actions();
    EXPECT_EQ(items[items.size() - 2]->text(), "Power Adjust");
    EXPECT_EQ(items.last()->text(), "Param Adjust");

    // The appended items open their pages.
    program.started.prompts.onDialog = [](QDialog& dialog) { return dialog.result(); };
    items.last()->trigger();
    EXPECT_EQ(program.started.prompts.dialogs.back(), "CParamAdjustDlg");
}

TEST(AccessCode, CancelLeavesTheProgramLocked) {
    Program program;
    QTest::keyClick(&program.frame().activeView()->grid(), Qt::Key_F11, Qt::ControlModifier);
    EXPECT_EQ(program.started.prompts.dialogs.size(), 1u);
    EXPECT_FALSE(program.started.app.adjustmentUnlocked());
    EXPECT_EQ(commandCount(*program.frame().documentSubmenu(1), cmd::ParamAdjust), 0);
}

// --- Power Adjustment -------------------------------------------------------------------------

QStringList rowLabels(const AdjustTable& table) {
    QStringList labels;
    for (int r = 0; r < table.rowCount(); ++r) {
        labels << table.verticalHeaderItem(r)->text();
    }
    return labels;
}

TEST(PowerAdjust, RowsFollowTheBand) {
    struct Case {
        BandLimits limits;
        QStringList labels;
    };
    const Case cases[] = {
        {{40000000, 48000000}, {"400", "410", "420", "430", "440", "450", "460", "470"}},
        {{13600000, 17400000}, {"136", "140", "150", "160", "170", "174"}},
        {{40000000, 40000000}, {}},
        {{13600000, 52000000}, {"136", "140", "150", "160", "170", "180", "190", "200"}},
    };
    for (const Case& c : cases) {
        Program program;
        MemoryImage image = program.image();
        for (std::size_t i = 0; i < 16; ++i) {
            image.set(map::kPowerTable + i, static_cast<std::uint8_t>(100 + i));
        }
        image.set(map::kCallTone, 3);
        CPowerAdjustDlg dialog(program.started.app);
        dialog.load(image, c.limits);
        EXPECT_EQ(rowLabels(*dialog.table()), c.labels);
        if (!c.labels.isEmpty()) {
            EXPECT_EQ(dialog.table()->cellText(0, 1), "101");
        }
        dialog.done(QDialog::Rejected);
        EXPECT_TRUE(dialog.image() == image);  // nothing edited: every byte as it was
        EXPECT_EQ(dialog.image()[map::kCallTone], 3);
    }
}

TEST(PowerAdjust, EditsAreClampedAndStoredOnClose) {
    struct Case {
        int col;
        QString typed;
        QString shown;
    };
    const Case cases[] = {
        {0, "200", "155"}, {0, "4", "155"},   {0, "77", "77"},
        {1, "99", "250"},  {1, "180", "180"}, {1, "abc", "250"},
    };
    for (const Case& c : cases) {
        Program program;
        CPowerAdjustDlg dialog(program.started.app);
        dialog.load(program.image(), {40000000, 48000000});
        dialog.show();
        AdjustTable* table = dialog.table();
        table->setCurrentCell(2, c.col);
        table->startEdit();
        auto* editor = qobject_cast<QLineEdit*>(table->openEditor());
        ASSERT_NE(editor, nullptr);
        EXPECT_EQ(editor->maxLength(), 3);
        editor->setText(c.typed);
        QTest::keyClick(editor, Qt::Key_Return);  // commits and moves one row down
        EXPECT_EQ(table->cellText(2, c.col), c.shown) << c.typed.toStdString();
        EXPECT_EQ(table->currentRow(), 3);
        dialog.done(QDialog::Rejected);  // the close box
        EXPECT_EQ(dialog.image()[map::kPowerTable + 4 + static_cast<std::size_t>(c.col)],
                  c.shown.toInt());
    }
}

TEST(PowerAdjust, EscapeCommitsAndNeverCloses) {
    Program program;
    CPowerAdjustDlg dialog(program.started.app);
    dialog.load(program.image(), {40000000, 48000000});
    dialog.show();
    dialog.table()->setCurrentCell(0, 0);
    dialog.table()->startEdit();
    QLineEdit* editor = qobject_cast<QLineEdit*>(dialog.table()->openEditor());
    ASSERT_NE(editor, nullptr);
    editor->setText("42");
    QTest::keyClick(editor, Qt::Key_Escape);
    EXPECT_EQ(dialog.table()->cellText(0, 0), "42");
    QTest::keyClick(dialog.table(), Qt::Key_Escape);
    EXPECT_TRUE(dialog.isVisible());
}

TEST(PowerAdjust, TheCommandStoresWhateverClosedThePage) {
    Program program;
    program.frame().activeView()->setBandLimits({40000000, 48000000});
    program.started.prompts.onDialog = [](QDialog& dialog) {
        auto& page = static_cast<CPowerAdjustDlg&>(dialog);
        page.table()->setCurrentCell(7, 1);
        page.table()->startEdit();
        static_cast<QLineEdit*>(page.table()->openEditor())->setText("222");
        page.done(QDialog::Rejected);  // closed with an edit still open
        return page.result();
    };
    program.frame().onCommand(cmd::PowerAdjust);
    EXPECT_EQ(program.image()[map::kPowerTable + 15], 222);
    EXPECT_TRUE(program.document().isModified());
}

// --- Param Adjust ----------------------------------------------------------------------------

MemoryImage paramImage(MemoryImage image) {
    const std::uint8_t bytes[] = {9, 3, 0, 8, 2, 7, 7, 1, 200, 255, 0x03};
    for (std::size_t i = 0; i < sizeof bytes; ++i) {
        image.set(map::kParamAdjust + i, bytes[i]);
    }
    return image;
}

TEST(ParamAdjust, ShowsCorrectedValuesAndStoresThem) {
    Program program;
    CParamAdjustDlg dialog(program.started.app);
    dialog.load(paramImage(program.image()));
    const QStringList expected = {"0", "3", "1", "1", "2", "7", "7", "1", "200", "255"};
    QStringList shown;
    for (int r = 0; r < 5; ++r) {
        for (int c = 0; c < 2; ++c) {
            shown << dialog.table()->cellText(r, c);
        }
    }
    EXPECT_EQ(shown, expected);
    EXPECT_TRUE(dialog.deEmphasisBox()->isChecked());
    EXPECT_TRUE(dialog.preEmphasisBox()->isChecked());
    EXPECT_EQ(dialog.table()->horizontalHeaderItem(0)->text(), "Compnad Off");
    EXPECT_EQ(dialog.table()->verticalHeaderItem(0)->text(), "Audio inpput");

    dialog.deEmphasisBox()->setChecked(false);
    dialog.done(QDialog::Rejected);
    const std::uint8_t stored[] = {0, 3, 1, 1, 2, 7, 7, 1, 200, 255, 0x02};
    for (std::size_t i = 0; i < sizeof stored; ++i) {
        EXPECT_EQ(dialog.image()[map::kParamAdjust + i], stored[i]) << i;
    }
}

TEST(ParamAdjust, EditorsByRowAndTheirReplacements) {
    struct Case {
        int row;
        QString typed;  // for the lists: the entry picked, or an unlisted text
        QString shown;
        int stored;
    };
    const Case cases[] = {
        {4, "300", "0", 0}, {4, "007", "007", 7}, {4, "12", "12", 12},
        {0, "5", "5", 5},   {1, "7", "7", 7},
    };
    for (const Case& c : cases) {
        Program program;
        CParamAdjustDlg dialog(program.started.app);
        dialog.load(program.image());
        dialog.show();
        dialog.table()->setCurrentCell(c.row, 1);
        dialog.table()->startEdit();
        QWidget* editor = dialog.table()->openEditor();
        ASSERT_NE(editor, nullptr);
        if (auto* list = qobject_cast<QComboBox*>(editor)) {
            EXPECT_EQ(list->itemText(0), c.row == 1 ? "1" : "0");
            list->setCurrentText(c.typed);
        } else {
            static_cast<QLineEdit*>(editor)->setText(c.typed);
        }
        dialog.table()->commitEdit();
        EXPECT_EQ(dialog.table()->cellText(c.row, 1), c.shown) << c.typed.toStdString();
        dialog.done(QDialog::Accepted);
        EXPECT_EQ(dialog.image()[map::kParamAdjust + 2 * static_cast<std::size_t>(c.row) + 1],
                  c.stored);
    }
}

TEST(ParamAdjust, EscapeClosesAndStillStores) {
    Program program;
    program.started.prompts.onDialog = [](QDialog& dialog) {
        auto& page = static_cast<CParamAdjustDlg&>(dialog);
        page.show();
        page.table()->setCurrentCell(4, 0);
        page.table()->startEdit();
        auto* editor = static_cast<QLineEdit*>(page.table()->openEditor());
        editor->setText("99");
        QTest::keyClick(editor, Qt::Key_Escape);
        EXPECT_FALSE(page.isVisible());
        return page.result();
    };
    program.frame().onCommand(cmd::ParamAdjust);
    EXPECT_EQ(program.image()[map::kParamAdjust + 8], 99);
    EXPECT_TRUE(program.document().isModified());
}

// --- Language ---------------------------------------------------------------------------------

std::string languageOnDisk(const ProgramFolder& folder) {
    IniFile ini;
    ini.load(folder.path("Program.ini").toStdString(), false, true, false);
    return ini.get("Setup", "Language", "");
}

TEST(Language, OkWithoutAChangeStoresNothingAndStaysRunning) {
    Program program;
    int restarts = 0;
    program.started.app.setRestartLauncher([&](const QString&) { ++restarts; });
    program.started.prompts.onDialog = [](QDialog& dialog) {
        dialog.accept();
        return dialog.result();
    };
    program.frame().show();
    program.frame().onCommand(cmd::Language);
    EXPECT_EQ(program.started.prompts.dialogs, std::vector<QString>{"CLanguageDlg"});
    EXPECT_EQ(restarts, 0);
    EXPECT_TRUE(program.frame().isVisible());
    EXPECT_EQ(program.started.app.config().get("Setup", "Language", ""), "English");
}

TEST(Language, AChangeIsOnDiskBeforeTheProgramStartsAgain) {
    Program program;
    std::string languageAtRestart;
    QString restarted;
    program.started.app.setRestartLauncher([&](const QString& path) {
        restarted = path;
        languageAtRestart = languageOnDisk(program.started.folder);
    });
    program.started.prompts.onDialog = [](QDialog& dialog) {
        auto& page = static_cast<CLanguageDlg&>(dialog);
        EXPECT_EQ(page.selectedLanguage(), 0);
        page.selectLanguage(1);
        page.accept();
        return page.result();
    };
    program.frame().show();
    program.frame().onCommand(cmd::Language);
    EXPECT_EQ(restarted, program.started.folder.programPath());
    EXPECT_EQ(languageAtRestart, "Chinese");
    EXPECT_FALSE(program.frame().isVisible());
}

TEST(Language, ChoosingTheRunningLanguageAfterACalledOffRestartPutsItBack) {
    Program program;
    std::vector<std::string> restartedIn;
    program.started.app.setRestartLauncher(
        [&](const QString&) { restartedIn.push_back(languageOnDisk(program.started.folder)); });
    int choice = 1;
    program.started.prompts.onDialog = [&](QDialog& dialog) {
        static_cast<CLanguageDlg&>(dialog).selectLanguage(choice);
        dialog.accept();
        return dialog.result();
    };
    program.document().setModified(true);
    program.started.prompts.answers.push_back(QMessageBox::Cancel);  // "Save changes?"
    program.frame().show();
    program.frame().onCommand(cmd::Language);
    EXPECT_TRUE(restartedIn.empty());

    choice = 0;  // back to the running English
    program.frame().onCommand(cmd::Language);
    EXPECT_TRUE(restartedIn.empty());
    EXPECT_EQ(program.started.app.config().get("Setup", "Language", ""), "English");
}

TEST(Language, CancelInTheSaveQuestionCancelsTheRestart) {
    Program program;
    int restarts = 0;
    program.started.app.setRestartLauncher([&](const QString&) { ++restarts; });
    program.started.prompts.onDialog = [](QDialog& dialog) {
        static_cast<CLanguageDlg&>(dialog).selectLanguage(1);
        dialog.accept();
        return dialog.result();
    };
    program.document().setModified(true);
    program.started.prompts.answers.push_back(QMessageBox::Cancel);
    program.frame().show();
    program.frame().onCommand(cmd::Language);
    EXPECT_EQ(restarts, 0);
    EXPECT_TRUE(program.frame().isVisible());
}

}  // namespace
}  // namespace radio::test
