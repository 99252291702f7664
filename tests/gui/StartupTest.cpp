#include "GuiFixture.h"
#include "gui/app/HelpWindow.h"

namespace radio::test {
namespace {

using namespace gui;

TEST(Startup, AMissingLanguagePackStopsWithAMessageInItsLanguage) {
    const std::tuple<QString, QString, QString> cases[] = {
        // language, message, caption
        {"French", "Load language DLL fail", "RadioProgTest"},  // [Setup] AppName
        {"", "Load language DLL fail", "RadioProgTest"},
        {"Chinese", "加载语言链接库失败", "radioprog"}};  // no name configured: the program's own
    for (const auto& [language, message, caption] : cases) {
        ScriptedPrompts prompts;
        const ProgramFolder folder(language == "Chinese" ? "[Setup]\nLanguage=Chinese\n"
                                                         : ProgramFolder::defaultIni(language));
        QFile::remove(folder.path("Chinese.qm"));
        CProgramApp app(folder.programPath(), prompts);
        EXPECT_FALSE(app.initInstance({}));
        ASSERT_EQ(prompts.shown.size(), 1u);
        EXPECT_EQ(prompts.shown[0].text, message);
        EXPECT_EQ(prompts.shown[0].caption, caption);
        EXPECT_EQ(app.mainFrame(), nullptr);
    }
}

TEST(Startup, ChineseRunsInChinese) {
    StartedProgram program(ProgramFolder::defaultIni("Chinese"));
    ASSERT_TRUE(program.started);
    EXPECT_EQ(program.frame().windowTitle(), "测试对讲机 写频软件  [ 类型:Alpha  频率:400-470 ]");
    EXPECT_EQ(program.frame().submenu(0)->title(), "文件(&F)");
    program.typeCell(3, 1, "446.00625");
    EXPECT_EQ(cellText(program.view(), 3, 3), "无");
    EXPECT_EQ(cellText(program.view(), 3, 7), "宽");
    EXPECT_EQ(QString(program.frame().commands().editUndo->text()).remove('&'),
              "撤销编辑信道 3 接收频率(U)");

    // Help in Chinese; without its file there is none to show.
    const QString help = program.folder.path("chHelp.html");
    QFile::rename(help, help + ".gone");
    program.press(Qt::Key_F1);
    EXPECT_EQ(program.app.helpWindow(), nullptr);
    QFile::rename(help + ".gone", help);
    program.press(Qt::Key_F1);
    ASSERT_NE(program.app.helpWindow(), nullptr);
    EXPECT_TRUE(program.app.helpWindow()->toPlainText().contains("读频"));
}

// A file named on the command line opens instead of a new document; ShowLang decides whether
// there is a Language command.
TEST(Startup, CommandLineFileAndShowLang) {
    ProgramFolder scratch;
    const QString path = scratch.writeFile("radio.dat", QByteArray(1024, char(0x5A)));
    const std::pair<QString, bool> cases[] = {
        {"ShowLang=1abc", true}, {"ShowLang=0", false}, {"ShowLang=abc", false}, {"", false}};
    for (const auto& [line, kept] : cases) {
        StartedProgram program(ProgramFolder::defaultIni().replace("ShowLang=1\n", line + "\n"),
                               {path});
        ASSERT_TRUE(program.started);
        EXPECT_EQ(program.menuItem("Language") != nullptr, kept) << line.toStdString();
        EXPECT_EQ(program.document().title(), "radio.dat");
        EXPECT_EQ(program.image()[1023], 0x5A);
        EXPECT_FALSE(program.app.newImageFlag());
    }
    StartedProgram broken(ProgramFolder::defaultIni(), {scratch.path("missing.dat")});
    EXPECT_FALSE(broken.started);
    ASSERT_EQ(broken.prompts.shown.size(), 1u);
    EXPECT_TRUE(broken.prompts.shown[0].text.contains("missing.dat"));
    EXPECT_EQ(broken.prompts.shown[0].caption, "Test Company");
}

}  // namespace
}  // namespace radio::test
