#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QTreeWidget>

#include "GuiFixture.h"
#include "gui/app/CAboutDlg.h"
#include "gui/app/CChildFrame.h"
#include "gui/app/CNavTreeBar.h"
#include "gui/app/CommandIds.h"
#include "gui/app/HelpContext.h"
#include "gui/image/CProgramDoc.h"

namespace radio::test {
namespace {

using namespace gui;

QList<int> idsOf(const QMenu* menu) {
    QList<int> ids;
    for (const QAction* action : menu->actions()) {
        ids.append(action->isSeparator() ? 0 : helpContextOf(action, -1));
    }
    return ids;
}

QString iniWith(const QString& setupLine) {
    QString ini = ProgramFolder::defaultIni();
    return ini.replace("ShowLang=1\n", setupLine + "\n");
}

TEST(Startup, BuildsTheDocumentMenuFromProgramIni) {
    StartedProgram program;
    ASSERT_TRUE(program.started);
    CMainFrame& frame = program.frame();
    ASSERT_TRUE(frame.showsDocumentMenu());
    const QList<QList<int>> expected = {
        {cmd::FileNew, cmd::FileOpen, cmd::FileClose, cmd::FileSave, cmd::FileSaveAs, 0,
         cmd::FilePrint, cmd::FilePrintPreview, cmd::FilePrintSetup, 0, cmd::ExportPdf,
         cmd::ExportChannels, cmd::ImportChannels, 0, cmd::AppExit},
        {cmd::ProductInformation, cmd::ChannelInformation, cmd::OptionalFeatures},
        {cmd::Read, cmd::Write, cmd::ScanInfo},
        {cmd::ViewToolbar, cmd::ViewStatusBar, cmd::ControlBar},
        {cmd::ComSetup, cmd::Language},
        {cmd::AppAbout},
    };
    const QStringList titles = {"&File", "&Edit", "&Program", "&View", "&Setup", "&Help"};
    ASSERT_EQ(frame.menuBar()->actions().size(), 6);
    for (int i = 0; i < 6; ++i) {
        EXPECT_EQ(frame.documentSubmenu(i)->title(), titles[i]);
        EXPECT_EQ(idsOf(frame.documentSubmenu(i)), expected[i]) << i;
    }
    EXPECT_EQ(frame.commands().appAbout->text(), "About Test");
    EXPECT_EQ(frame.commands().read->text(), "&Read    Ctrl+R");
    EXPECT_EQ(frame.commands().read->statusTip(), "Read Data From Radio");
    EXPECT_EQ(frame.commands().read->toolTip(), "Read");
    EXPECT_EQ(program.app.settings().displayName, "Test Company");
    EXPECT_FALSE(program.app.settings().chinese);
    EXPECT_EQ(program.app.settings().helpFile, "enHelp.html");
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
        EXPECT_EQ(program.frame().inDocumentMenu(program.frame().commands().language), c.kept)
            << c.line.toStdString();
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
    EXPECT_TRUE(program.app.settings().chinese);
    EXPECT_EQ(program.app.settings().helpFile, "chHelp.html");
    EXPECT_EQ(frame.documentSubmenu(0)->title(), QString::fromUtf8("文件(&F)"));
    EXPECT_EQ(frame.commands().appAbout->text(), QString::fromUtf8("关于测试"));
    EXPECT_EQ(program.app.settings().displayName, QString::fromUtf8("测试公司"));
    QTreeWidget* tree = frame.navigationBar()->tree();
    EXPECT_EQ(tree->topLevelItem(0)->text(0), QString::fromUtf8("测试对讲机"));
    EXPECT_EQ(tree->topLevelItem(0)->child(0)->text(0), QString::fromUtf8("类型设置"));
    EXPECT_EQ(frame.activeDocument()->title(), QString::fromUtf8("信道信息"));
}

TEST(Startup, GbkProgramIniShowsCorrectly) {
    QByteArray ini = ProgramFolder::defaultIni().toUtf8();
    ini.replace("Company=Test Company", "Company=\xB2\xE2\xCA\xD4");  // GBK for 测试
    ScriptedPrompts prompts;
    ProgramFolder folder;
    folder.writeFile("Program.ini", ini);
    CProgramApp app(folder.programPath(), prompts);
    ASSERT_TRUE(app.initInstance({}));
    EXPECT_EQ(app.settings().displayName, QString::fromUtf8("测试"));
}

TEST(Startup, TreeHoldsTheRootAndThreeEntries) {
    StartedProgram program;
    QTreeWidget* tree = program.frame().navigationBar()->tree();
    ASSERT_EQ(tree->topLevelItemCount(), 1);
    QTreeWidgetItem* root = tree->topLevelItem(0);
    EXPECT_EQ(root->text(0), "Test Radio");
    EXPECT_TRUE(root->isExpanded());
    QStringList entries;
    for (int i = 0; i < root->childCount(); ++i) {
        entries << root->child(i)->text(0);
    }
    EXPECT_EQ(entries,
              (QStringList{"Product Information", "Channel Information", "Optional Features"}));
}

TEST(Startup, AboutShowsTheConfiguredTexts) {
    StartedProgram program;
    CAboutDlg about(program.app);
    EXPECT_EQ(about.windowTitle(), "About Test");
    EXPECT_EQ(about.findChild<QLabel*>("Version")->text(), "Version 9");
    EXPECT_EQ(about.findChild<QLabel*>("Copyrights")->text(), "(C) Test");
    EXPECT_EQ(about.findChild<QLabel*>("Copyrights Owner")->text(), "Owner Line");
    EXPECT_FALSE(about.picture()->pixmap().isNull());
}

TEST(Startup, CommandLineFileOpensInsteadOfANewDocument) {
    ProgramFolder scratch;
    QFile file(scratch.path("radio.dat"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(QByteArray(1024, char(0x5A)));
    file.close();
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
