#include <QCheckBox>

#include "UserInput.h"
#include "gui/app/HelpWindow.h"
#include "gui/settings/COptionalFeaturesDlg.h"
#include "gui/settings/CProductInfoDlg.h"

namespace radio::test {
namespace {

using namespace gui;

// F1 on the focused control of a page chosen from the menu; nullptr focus: the page itself.
struct Case {
    QString menu;
    QWidget* (*focus)(QDialog&);
    int context;
};

QWidget* page(QDialog& dialog) {
    return &dialog;
}
QWidget* timer(QDialog& d) {
    return static_cast<COptionalFeaturesDlg&>(d).list(OptionalField::TimeOutTimer);
}
QWidget* beep(QDialog& d) {
    return static_cast<COptionalFeaturesDlg&>(d).beepBox();
}
QWidget* band(QDialog& d) {
    return static_cast<CProductInfoDlg&>(d).bandList();
}

TEST(Help, F1OpensTheSectionOfTheFocusedControlOrPage) {
    StartedProgram started;
    clickCell(started.frame().activeView()->grid(), 2, 1);
    press(started.frame(), Qt::Key_F1);
    ASSERT_NE(started.app.helpWindow(), nullptr);
    EXPECT_TRUE(started.app.helpWindow()->source().toString().endsWith("enHelp.html#2127"));

    unlockAdjustment(started);
    const Case cases[] = {
        {"Com Setup", page, 32777},        {"Optional Features", timer, 1118},
        {"Optional Features", beep, 1016}, {"Product Information", band, 1014},
        {"Power Adjust", page, 32783},     {"Language", page, 32799},
    };
    for (const Case& c : cases) {
        openPage<QDialog>(started, c.menu, [&](QDialog& dialog) {
            QWidget* target = c.focus(dialog);
            target->setFocus();
            QTest::keyClick(target, Qt::Key_F1);
            ASSERT_NE(started.app.helpWindow(), nullptr);
            EXPECT_EQ(started.app.helpWindow()->shownContext(), c.context) << c.menu.toStdString();
        });
    }
}

TEST(Help, ChineseHelpAndAMissingFile) {
    for (const bool missing : {false, true}) {
        StartedProgram program(ProgramFolder::defaultIni("Chinese"));
        if (missing) {
            QFile::remove(program.folder.path("chHelp.html"));
        }
        press(program.frame(), Qt::Key_F1);
        HelpWindow* help = program.app.helpWindow();
        ASSERT_EQ(help == nullptr, missing);
        EXPECT_TRUE(missing || help->toPlainText().contains(QString::fromUtf8("读频")));
    }
}

}  // namespace
}  // namespace radio::test
