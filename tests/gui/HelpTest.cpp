#include <QCheckBox>

#include "GuiFixture.h"
#include "gui/app/HelpWindow.h"
#include "gui/settings/COptionalFeaturesDlg.h"
#include "gui/settings/CProductInfoDlg.h"

namespace radio::test {
namespace {

using namespace gui;

// F1 on the focused control of a page chosen from the menu, or on the page itself.
TEST(Help, F1OpensTheSectionOfTheFocusedControlOrPage) {
    const auto page = [](QDialog& dialog) -> QWidget* { return &dialog; };
    const auto timer = [](QDialog& dialog) -> QWidget* {
        return static_cast<COptionalFeaturesDlg&>(dialog).list(OptionalField::TimeOutTimer);
    };
    const auto beep = [](QDialog& dialog) -> QWidget* {
        return static_cast<COptionalFeaturesDlg&>(dialog).beepBox();
    };
    const auto band = [](QDialog& dialog) -> QWidget* {
        return static_cast<CProductInfoDlg&>(dialog).bandList();
    };
    const std::tuple<QString, QWidget* (*)(QDialog&), int> cases[] = {
        {"Com Setup", page, 32777},        {"Optional Features", timer, 1118},
        {"Optional Features", beep, 1016}, {"Product Information", band, 1014},
        {"Power Adjust", page, 32783},     {"Language", page, 32799},
        {"Scan Info", page, 32782},        {"Param Adjust", page, 32771}};
    StartedProgram program;
    program.unlockAdjustment();
    for (const auto& [menu, focus, context] : cases) {
        program.openPage<QDialog>(menu, [&](QDialog& dialog) {
            QWidget* target = focus(dialog);
            target->setFocus();
            QTest::keyClick(target, Qt::Key_F1);
            ASSERT_NE(program.app.helpWindow(), nullptr);
            EXPECT_EQ(program.app.helpWindow()->shownContext(), context) << menu.toStdString();
        });
    }
    EXPECT_TRUE(program.app.helpWindow()->source().toString().endsWith("enHelp.html#32771"));
}

}  // namespace
}  // namespace radio::test
