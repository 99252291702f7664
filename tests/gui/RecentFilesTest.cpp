#include <QDir>
#include <QRegularExpression>

#include "UserInput.h"
#include "core/image/NewImage.h"

namespace radio::test {
namespace {

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
void chooseFromFileMenu(gui::CMainFrame& frame, int key) {
    press(frame, Qt::Key_F, Qt::AltModifier);
    QWidget* menu = QApplication::activePopupWidget();
    ASSERT_NE(menu, nullptr);
    QTest::keyClick(menu, Qt::Key(key));
}
void chooseRecent(gui::CMainFrame& frame, int digit) {
    chooseFromFileMenu(frame, Qt::Key_0 + digit);
}

QString dataFile(const QString& folder, const QString& name) {
    QFile file(folder + '/' + name);
    file.open(QIODevice::WriteOnly);
    file.write(QByteArray(reinterpret_cast<const char*>(newDocumentImage().data()), 1024));
    return file.fileName();
}

TEST(RecentFiles, FileMenuListsTheLastFourOpenedOrSavedAndOpensThemByKey) {
    for (const auto& [language, gone] : {std::pair{"English", "The file %1 no longer exists."},
                                         std::pair{"Chinese", "文件 %1 已不存在。"}}) {
        SCOPED_TRACE(language);
        StartedProgram program(ProgramFolder::defaultIni(language));
        gui::CMainFrame& frame = program.frame();
        const QTemporaryDir dir;
        const QString folder = QDir(dir.path()).canonicalPath();
        const auto open = [&](const QString& path) {
            program.prompts.files.push_back(path);
            press(frame, Qt::Key_O, Qt::ControlModifier);
        };
        open(dataFile(folder, "a.dat"));
        open(dataFile(folder, "b.dat"));
        program.prompts.files.push_back(folder + "/c.dat");
        chooseFromFileMenu(frame, Qt::Key_A);
        open(folder + "/./a.dat");  // open already, and the same file
        open(dataFile(folder, "d.dat"));
        open(dataFile(folder, "e.dat"));
        EXPECT_EQ(recentItems(frame), itemsFor(folder, {"e.dat", "d.dat", "a.dat", "c.dat"}));

        QFile::remove(folder + "/d.dat");
        chooseRecent(frame, 2);
        ASSERT_FALSE(program.prompts.shown.empty());
        EXPECT_EQ(program.prompts.shown.back().text,
                  QString::fromUtf8(gone).arg(QDir::toNativeSeparators(folder + "/d.dat")));
        EXPECT_EQ(recentItems(frame), itemsFor(folder, {"e.dat", "a.dat", "c.dat"}));

        chooseRecent(frame, 3);
        EXPECT_EQ(program.document().path(), folder + "/c.dat");
        EXPECT_EQ(recentItems(frame), itemsFor(folder, {"c.dat", "e.dat", "a.dat"}));
        EXPECT_EQ(frame.childFrames().size(), 5);  // c was brought back, not opened twice
    }
}

TEST(RecentFiles, ListSurvivesARestart) {
    const QTemporaryDir dir;
    const QString folder = QDir(dir.path()).canonicalPath();
    const QString odd = "North, 2 & 3.dat";  // a comma for the settings, an & for the menu
    {
        StartedProgram first(ProgramFolder::defaultIni(), {}, UserSettings::LeftForNextRun);
        first.prompts.files = {folder + '/' + odd, dataFile(folder, "a.dat")};
        press(first.frame(), Qt::Key_S, Qt::ControlModifier);
        press(first.frame(), Qt::Key_O, Qt::ControlModifier);
    }
    StartedProgram again(ProgramFolder::defaultIni(), {}, UserSettings::FromLastRun);
    EXPECT_EQ(recentItems(again.frame()), itemsFor(folder, {"a.dat", odd}));
    chooseRecent(again.frame(), 2);
    EXPECT_EQ(again.document().path(), folder + '/' + odd);
}

}  // namespace
}  // namespace radio::test
