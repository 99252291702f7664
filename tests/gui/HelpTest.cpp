#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QTest>

#include "GuiFixture.h"
#include "gui/app/HelpWindow.h"
#include "gui/channels/CProgramView.h"
#include "gui/channels/CellEditors.h"
#include "gui/channels/ChannelGrid.h"
#include "gui/image/CProgramDoc.h"
#include "gui/link/CComSetupDlg.h"
#include "gui/settings/CLanguageDlg.h"
#include "gui/settings/COptionalFeaturesDlg.h"
#include "gui/settings/CPowerAdjustDlg.h"
#include "gui/settings/CProductInfoDlg.h"

namespace radio::test {
namespace {

using namespace gui;

TEST(Help, F1OpensTheSectionOfTheFocusedControlOrDialog) {
    StartedProgram program;
    program.frame().show();
    CProgramView* view = program.frame().activeView();
    view->grid().setCell(2, 1);
    QLineEdit* edit = view->editors().lineEdit(1);
    edit->setFocus();
    QTest::keyClick(edit, Qt::Key_F1);
    ASSERT_NE(program.app.helpWindow(), nullptr);
    EXPECT_EQ(program.app.helpWindow()->shownContext(), 2127);
    EXPECT_TRUE(program.app.helpWindow()->source().toString().endsWith("enHelp.html#2127"));

    CComSetupDlg setup(program.app, nullptr, [](const std::string&) { return false; });
    QTest::keyClick(&setup, Qt::Key_F1);
    EXPECT_EQ(program.app.helpWindow()->shownContext(), 32777);
}

TEST(Help, F1InTheSettingsPagesOpensTheirSections) {
    StartedProgram program;
    const MemoryImage& image = program.frame().activeDocument()->image();
    COptionalFeaturesDlg optional(program.app);
    optional.load(image);
    CProductInfoDlg product(program.app);
    product.load(image);
    CPowerAdjustDlg power(program.app);
    CLanguageDlg language(program.app);
    struct Case {
        QDialog* dialog;
        QWidget* focus;  // nullptr: the dialog itself
        int context;
    };
    const Case cases[] = {
        {&optional, optional.list(OptionalField::TimeOutTimer), 1118},
        {&optional, optional.beepBox(), 1016},
        {&product, product.bandList(), 1014},
        {&power, nullptr, 32783},
        {&language, nullptr, 32799},
    };
    for (const Case& c : cases) {
        c.dialog->show();
        QWidget* target = c.focus ? c.focus : c.dialog;
        target->setFocus();
        QTest::keyClick(target, Qt::Key_F1);
        ASSERT_NE(program.app.helpWindow(), nullptr);
        EXPECT_EQ(program.app.helpWindow()->shownContext(), c.context);
        c.dialog->hide();
    }
}

TEST(Help, ChineseHelpAndAMissingFile) {
    StartedProgram chinese(ProgramFolder::defaultIni("Chinese"));
    chinese.app.showHelp(32773);
    ASSERT_NE(chinese.app.helpWindow(), nullptr);
    EXPECT_TRUE(chinese.app.helpWindow()->source().toString().contains("chHelp.html"));
    EXPECT_TRUE(chinese.app.helpWindow()->toPlainText().contains(QString::fromUtf8("读频")));

    StartedProgram missing;
    QFile::remove(missing.folder.path("enHelp.html"));
    missing.app.showHelp(32773);
    EXPECT_EQ(missing.app.helpWindow(), nullptr);
}

}  // namespace
}  // namespace radio::test
