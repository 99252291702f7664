#include "GuiFixture.h"

namespace radio::test {
namespace {

const QByteArray kHeader =
    "Channel,Rx Frequency,Tx Frequency,QT/DQT Dec,QT/DQT Enc,Scan Add,Busy Lock,W/N,Compand,"
    "Scrambler\r\n";

TEST(ChannelLists, ExportWritesTheGridInEnglishAndImportFillsItBack) {
    StartedProgram program(ProgramFolder::defaultIni("Chinese"));
    gui::CProgramView& view = program.view();
    program.typeCell(2, 1, "401.00000");
    program.prompts.files = {program.folder.path("list")};
    program.chooseMenu("导出信道");
    const QByteArray csv = readFile(program.folder.path("list.csv"));
    EXPECT_TRUE(csv.startsWith(kHeader));
    EXPECT_TRUE(csv.contains("\r\n2,401.00000,401.00000,None,None,No,Off,Wide,Off,Off\r\n"))
        << csv.toStdString();

    program.typeCell(2, 1, "");
    program.document().setModified(false);
    program.prompts.files = {program.folder.path("list.csv")};
    program.chooseMenu("导入信道");
    EXPECT_EQ(cellText(view, 2, 1), "401.00000");
    EXPECT_EQ(cellText(view, 2, 7), "宽");
    EXPECT_TRUE(program.document().isModified());

    // A GBK file from a Chinese spreadsheet: "有" (scan add yes) and "窄" (narrow).
    const QByteArray gbk = kHeader + "4,401.00000,,,,\xD3\xD0,,\xD5\xAD,,\r\n";
    program.prompts.files = {program.folder.writeFile("gbk.csv", gbk)};
    program.chooseMenu("导入信道");
    EXPECT_TRUE(program.prompts.shown.empty());
    EXPECT_EQ(cellText(view, 4, 5), "有");
    EXPECT_EQ(cellText(view, 4, 7), "窄");
}

// The problems are named in the interface language, and the grid keeps what it had.
TEST(ChannelLists, ABadFileChangesNothingAndNamesEveryBadLine) {
    // The language, its Import Channels item, the lines and what the message names.
    using Case = std::tuple<QString, QString, QByteArray, QStringList>;
    // Thousands of bad lines show the first twenty and how many more.
    // clang-format off
    const Case cases[] = {
        {"Chinese", "导入信道", "1,390.00000,,,,,,,,\r\n1,,,,,,,,,\r\n",
         {"第 2 行，第 2 列：\"390.00000\" 超出频段 ", "第 3 行，第 1 列：信道 1 重复出现"}},
        {"English", "Import Channels", QByteArray("x\n").repeated(5000),
         {"bad.csv was not imported:\n\nline 2:", "\n... and 4980 more"}}};
    // clang-format on
    for (const auto& [language, item, lines, named] : cases) {
        StartedProgram program(ProgramFolder::defaultIni(language));
        program.typeCell(1, 1, "430.00000");
        program.document().setModified(false);
        program.prompts.files = {program.folder.writeFile("bad.csv", kHeader + lines)};
        program.chooseMenu(item);
        ASSERT_EQ(program.prompts.shown.size(), 1u);
        const QString& message = program.prompts.shown[0].text;
        EXPECT_LE(message.count('\n'), 22);
        for (const QString& part : named) {
            EXPECT_TRUE(message.contains(part)) << message.toStdString();
        }
        EXPECT_EQ(cellText(program.view(), 1, 1), "430.00000");
        EXPECT_FALSE(program.document().isModified());
    }
}

}  // namespace
}  // namespace radio::test
