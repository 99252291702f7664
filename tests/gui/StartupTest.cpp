#include <QMenu>
#include <QMenuBar>
#include <QTreeWidget>

#include "GuiFixture.h"
#include "gui/app/CNavTreeBar.h"
#include "gui/image/CProgramDoc.h"

namespace radio::test {
namespace {

using namespace gui;

bool hasMenuItem(QMainWindow& window, const QString& item) {
    for (QAction* menu : window.menuBar()->actions()) {
        for (QAction* action : menu->menu() ? menu->menu()->actions() : QList<QAction*>{}) {
            if (QString(action->text()).remove('&').startsWith(item)) {
                return true;
            }
        }
    }
    return false;
}

QString iniWith(const QString& setupLine) {
    QString ini = ProgramFolder::defaultIni();
    return ini.replace("ShowLang=1\n", setupLine + "\n");
}

TEST(Startup, ShowLangDecidesTheLanguageCommand) {
    struct Case {
        QString line;
        bool kept;
    };
    const Case cases[] = {{"ShowLang=1", true}, {"ShowLang=1abc", true}, {"ShowLang=0", false},
                          {"ShowLang=", false}, {"ShowLang=abc", false}, {"", false}};
    for (const Case& c : cases) {
        StartedProgram program(iniWith(c.line));
        ASSERT_TRUE(program.started);
        EXPECT_EQ(hasMenuItem(program.frame(), "Language"), c.kept) << c.line.toStdString();
    }
}

TEST(Startup, MissingLanguagePackStopsWithAMessage) {
    for (const QString language : {"French", "English // note", ""}) {
        StartedProgram program(ProgramFolder::defaultIni(language));
        EXPECT_FALSE(program.started);
        ASSERT_EQ(program.prompts.shown.size(), 1u);
        EXPECT_EQ(program.prompts.shown[0].text, "Load language DLL fail");
        EXPECT_EQ(program.prompts.shown[0].caption, "RadioProgTest");  // [Setup] AppName
        EXPECT_EQ(program.app.mainFrame(), nullptr);
    }
}

TEST(Startup, MissingChinesePackSaysSoInChinese) {
    ScriptedPrompts prompts;
    ProgramFolder folder(ProgramFolder::defaultIni("Chinese"));
    QFile::remove(folder.path("Chinese.qm"));
    folder.writeFile("Program.ini", "[Setup]\nLanguage=Chinese\n");
    CProgramApp app(folder.programPath(), prompts);
    EXPECT_FALSE(app.initInstance({}));
    ASSERT_EQ(prompts.shown.size(), 1u);
    EXPECT_EQ(prompts.shown[0].text, QString::fromUtf8("加载语言链接库失败"));
    EXPECT_EQ(prompts.shown[0].caption, "radioprog") << "no name configured: the program's own";
}

TEST(Startup, ChineseRunsInChinese) {
    StartedProgram program(ProgramFolder::defaultIni("Chinese"));
    ASSERT_TRUE(program.started);
    CMainFrame& frame = program.frame();
    EXPECT_EQ(frame.documentSubmenu(0)->title(), QString::fromUtf8("文件(&F)"));
    QTreeWidget* tree = frame.navigationBar()->tree();
    EXPECT_EQ(tree->topLevelItem(0)->text(0), QString::fromUtf8("测试对讲机"));
    EXPECT_EQ(tree->topLevelItem(0)->child(0)->text(0), QString::fromUtf8("类型设置"));
    EXPECT_EQ(frame.activeDocument()->title(), QString::fromUtf8("信道信息"));
}

TEST(Startup, CommandLineFileOpensInsteadOfANewDocument) {
    ProgramFolder scratch;
    scratch.writeFile("radio.dat", QByteArray(1024, char(0x5A)));
    StartedProgram program(ProgramFolder::defaultIni(), {scratch.path("radio.dat")});
    ASSERT_TRUE(program.started);
    CProgramDoc* document = program.frame().activeDocument();
    ASSERT_NE(document, nullptr);
    EXPECT_EQ(document->title(), "radio.dat");
    EXPECT_EQ(document->image()[1023], 0x5A);
    EXPECT_FALSE(program.app.newImageFlag());

    StartedProgram broken(ProgramFolder::defaultIni(), {scratch.path("missing.dat")});
    EXPECT_FALSE(broken.started);
    ASSERT_EQ(broken.prompts.shown.size(), 1u);
    EXPECT_TRUE(broken.prompts.shown[0].text.contains("missing.dat"));
    EXPECT_EQ(broken.prompts.shown[0].caption, "Test Company");
}

}  // namespace
}  // namespace radio::test
