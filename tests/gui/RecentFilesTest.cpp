#include <QDir>
#include <QRegularExpression>

#include "GuiFixture.h"
#include "gui/app/RecentFiles.h"

namespace radio::test {
namespace {

const QByteArray kEmpty(1024, '\0');

// What the File menu shows of its recent files: each item's text and status tip.
QStringList recentItems(gui::CMainFrame& frame) {
    QStringList items;
    for (QAction* item : frame.menuBar()->actions().first()->menu()->actions()) {
        if (item->isVisible() && item->text().contains(QRegularExpression("^&\\d "))) {
            items << item->text() + " | " + item->statusTip();
        }
    }
    return items;
}

// The items the File menu should show for these file names of a folder, in order.
QStringList itemsFor(const QString& folder, const QStringList& names) {
    QStringList items;
    for (const QString& name : names) {
        items << QStringLiteral("&%1 %2 | %3")
                     .arg(QString::number(items.size() + 1), QString(name).replace('&', "&&"),
                          QDir::toNativeSeparators(folder + '/' + name));
    }
    return items;
}

// Alt+F opens the File menu, the item's key (its digit, A for Save As) chooses it.
void chooseFromFileMenu(StartedProgram& program, int key) {
    program.press(Qt::Key_F, Qt::AltModifier);
    QWidget* menu = QApplication::activePopupWidget();
    ASSERT_NE(menu, nullptr);
    QTest::keyClick(menu, Qt::Key(key));
}

TEST(RecentFiles, FileMenuListsTheLastFourOpenedOrSavedAndOpensThemByKey) {
    for (const auto& [language, gone] : {std::pair{"English", "The file %1 no longer exists."},
                                         std::pair{"Chinese", "文件 %1 已不存在。"}}) {
        SCOPED_TRACE(language);
        StartedProgram program(ProgramFolder::defaultIni(language));
        const ProgramFolder& data = program.folder;
        program.open(data.writeFile("a.dat", kEmpty));
        program.open(data.writeFile("b.dat", kEmpty));
        program.prompts.files.push_back(data.path("c.dat"));
        chooseFromFileMenu(program, Qt::Key_A);
        program.open(data.path() + "/./a.dat");  // open already, and the same file
        program.open(data.writeFile("d.dat", kEmpty));
        program.open(data.writeFile("e.dat", kEmpty));
        EXPECT_EQ(recentItems(program.frame()),
                  itemsFor(data.path(), {"e.dat", "d.dat", "a.dat", "c.dat"}));

        QFile::remove(data.path("d.dat"));
        chooseFromFileMenu(program, Qt::Key_2);
        ASSERT_FALSE(program.prompts.shown.empty());
        EXPECT_EQ(program.prompts.shown.back().text,
                  QString(gone).arg(QDir::toNativeSeparators(data.path("d.dat"))));
        EXPECT_EQ(recentItems(program.frame()), itemsFor(data.path(), {"e.dat", "a.dat", "c.dat"}));

        chooseFromFileMenu(program, Qt::Key_3);
        EXPECT_EQ(program.document().path(), data.path("c.dat"));
        EXPECT_EQ(recentItems(program.frame()), itemsFor(data.path(), {"c.dat", "e.dat", "a.dat"}));
        EXPECT_EQ(program.frame().childFrames().size(), 5);  // c was brought back, not opened twice
    }
}

// Another running copy stores its list between two of this copy's opens: nothing is lost, and
// the File menu shows what the other copy opened.
TEST(RecentFiles, TwoRunningCopiesKeepEachOthersFiles) {
    StartedProgram program;
    const ProgramFolder& data = program.folder;
    program.open(data.writeFile("a.dat", kEmpty));
    program.app.registry().writeTexts("Recent Files", {data.path("b.dat"), data.path("a.dat")});
    EXPECT_EQ(recentItems(program.frame()).size(), 1);
    program.press(Qt::Key_F, Qt::AltModifier);
    ASSERT_NE(QApplication::activePopupWidget(), nullptr);
    EXPECT_EQ(recentItems(program.frame()), itemsFor(data.path(), {"b.dat", "a.dat"}));
    QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_Escape);
    program.open(data.writeFile("c.dat", kEmpty));
    EXPECT_EQ(program.app.registry().readTexts("Recent Files"),
              QStringList({data.path("c.dat"), data.path("b.dat"), data.path("a.dat")}));
}

TEST(RecentFiles, ListSurvivesARestart) {
    const ProgramFolder data;
    const QString odd = "North, 2 & 3.dat";  // a comma for the settings, an & for the menu
    {
        StartedProgram first;
        first.prompts.files = {data.path(odd), data.writeFile("a.dat", kEmpty)};
        first.press(Qt::Key_S, Qt::ControlModifier);
        first.press(Qt::Key_O, Qt::ControlModifier);
    }
    StartedProgram again(ProgramFolder::defaultIni(), {}, true);
    EXPECT_EQ(recentItems(again.frame()), itemsFor(data.path(), {"a.dat", odd}));
    chooseFromFileMenu(again, Qt::Key_2);
    EXPECT_EQ(again.document().path(), data.path(odd));
    // A longer list in the settings, edited by hand, keeps its first four.
    EXPECT_EQ(gui::RecentFiles({"1", "2", "3", "4", "5"}).paths(),
              QStringList({"1", "2", "3", "4"}));
}

}  // namespace
}  // namespace radio::test
