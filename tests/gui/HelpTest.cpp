#include "GuiFixture.h"
#include "gui/app/HelpWindow.h"
#include "gui/settings/COptionalFeaturesDlg.h"

namespace radio::test {
namespace {

using namespace gui;

// F1 in the grid, and on the focused control of a page chosen from the menu or on the page.
TEST(Help, F1OpensTheSectionOfTheFocusedControlOrPage) {
    const auto page = [](QDialog& dialog) -> QWidget* { return &dialog; };
    const auto timer = [](QDialog& dialog) -> QWidget* {
        return static_cast<COptionalFeaturesDlg&>(dialog).list(OptionalField::TimeOutTimer);
    };
    using Case = std::tuple<QString, QWidget* (*)(QDialog&), int>;
    const Case cases[] = {{"Optional Features", timer, 1118},
                          {"Language", page, 32799},
                          {"Param Adjust", page, 32771}};
    StartedProgram program;
    clickCell(program.view(), 2, 1);
    program.press(Qt::Key_F1);
    ASSERT_NE(program.app.helpWindow(), nullptr);
    EXPECT_EQ(program.app.helpWindow()->shownContext(), 2127);  // the Rx edit box
    EXPECT_TRUE(program.app.helpWindow()->source().toString().endsWith("enHelp.html#2127"));
    program.unlockAdjustment();
    for (const auto& [menu, focus, context] : cases) {
        program.openPage<QDialog>(
            menu, [&, menu = menu, focus = focus, context = context](QDialog& dialog) {
                QWidget* target = focus(dialog);
                target->setFocus();
                QTest::keyClick(target, Qt::Key_F1);
                ASSERT_NE(program.app.helpWindow(), nullptr);
                EXPECT_EQ(program.app.helpWindow()->shownContext(), context) << menu.toStdString();
            });
    }
    program.press(Qt::Key_F, Qt::AltModifier);  // File > Open highlighted in its menu
    QWidget* menu = QApplication::activePopupWidget();
    ASSERT_NE(menu, nullptr);
    QTest::keyClick(menu, Qt::Key_Down);
    QTest::keyClick(menu, Qt::Key_F1);
    EXPECT_EQ(program.app.helpWindow()->shownContext(), 57601);
}

}  // namespace
}  // namespace radio::test
