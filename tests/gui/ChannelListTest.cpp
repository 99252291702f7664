#include <QFile>

#include "UserInput.h"
#include "gui/channels/CProgramView.h"
#include "gui/channels/ChannelGrid.h"
#include "gui/image/CProgramDoc.h"

namespace radio::test {
namespace {

using namespace gui;

const QByteArray kHeader =
    "Channel,Rx Frequency,Tx Frequency,QT/DQT Dec,QT/DQT Enc,Scan Add,Busy Lock,W/N,Compand,"
    "Scrambler\r\n";

struct ListBench {
    CProgramView& view() { return *program.frame().activeView(); }
    ChannelGrid& grid() { return view().grid(); }
    QString write(const QString& name, const QByteArray& bytes) {
        program.folder.writeFile(name, bytes);
        return program.folder.path(name);
    }
    StartedProgram program;
};

TEST(ChannelLists, ExportWritesTheGridInEnglishAndImportFillsItBack) {
    StartedProgram program(ProgramFolder::defaultIni("Chinese"));
    CProgramView& view = *program.frame().activeView();
    typeIntoCell(view, 2, 1, "401.00000");
    const QString path = program.folder.path("list");
    program.prompts.files.push_back(path);
    chooseMenu(program.frame(), "导出信道");
    QFile file(path + ".csv");
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray csv = file.readAll();
    EXPECT_TRUE(csv.startsWith(kHeader));
    EXPECT_TRUE(csv.contains("\r\n2,401.00000,401.00000,None,None,No,Off,Wide,Off,Off\r\n"))
        << csv.toStdString();

    typeIntoCell(view, 2, 1, "");
    program.frame().activeDocument()->setModified(false);
    program.prompts.files.push_back(path + ".csv");
    chooseMenu(program.frame(), "导入信道");
    EXPECT_EQ(view.grid().textMatrix(2, 1), "401.00000");
    EXPECT_EQ(view.grid().textMatrix(2, 8), QString::fromUtf8("宽"));
    EXPECT_TRUE(program.frame().activeDocument()->isModified());
}

// The problems are named in the interface language, and the grid keeps what it had.
TEST(ChannelLists, ABadFileChangesNothingAndNamesEveryBadLine) {
    struct Case {
        QString language, item;
        QByteArray lines;
        QStringList named;
    };
    const Case cases[] = {
        {"English",
         "Import Channels",
         "1,401.00000,,,,,,,,\r\n2,999.00000,,,,,,,,\r\n3,401.00000,,,,Maybe,,,,\r\n",
         {"bad.csv was not imported:", "line 3, column 2:", "line 4, column 6:"}},
        {"Chinese",
         QString::fromUtf8("导入信道"),
         "1,390.00000,,,,,,,,\r\n1,,,,,,,,,\r\n",
         {QString::fromUtf8("第 2 行，第 2 列：\"390.00000\" 超出频段 "),
          QString::fromUtf8("第 3 行，第 1 列：信道 1 重复出现")}},
        // Thousands of bad lines: the first twenty and how many more.
        {"English", "Import Channels", QByteArray("x\n").repeated(5000), {"\n... and 4980 more"}},
    };
    for (const Case& c : cases) {
        StartedProgram program(ProgramFolder::defaultIni(c.language));
        typeIntoCell(*program.frame().activeView(), 1, 1, "430.00000");
        program.document().setModified(false);
        program.folder.writeFile("bad.csv", kHeader + c.lines);
        program.prompts.files.push_back(program.folder.path("bad.csv"));
        chooseMenu(program.frame(), c.item);
        ASSERT_EQ(program.prompts.shown.size(), 1u);
        const QString& message = program.prompts.shown[0].text;
        EXPECT_LE(message.count('\n'), 22);
        for (const QString& named : c.named) {
            EXPECT_TRUE(message.contains(named)) << message.toStdString();
        }
        EXPECT_EQ(program.frame().activeView()->grid().textMatrix(1, 1), "430.00000");
        EXPECT_FALSE(program.document().isModified());
    }
}

TEST(ChannelLists, AGbkFileFromAChineseSpreadsheetImports) {
    ListBench bench;
    // "窄" (narrow) and "有" (scan add yes) in GBK.
    const QByteArray line = "4,401.00000,,,,\xD3\xD0,,\xD5\xAD,,\r\n";
    bench.program.prompts.files.push_back(bench.write("gbk.csv", kHeader + line));
    chooseMenu(bench.program.frame(), "Import Channels");
    EXPECT_TRUE(bench.program.prompts.shown.empty());
    EXPECT_EQ(bench.grid().textMatrix(4, 8), "Narrow");
    EXPECT_EQ(bench.grid().textMatrix(4, 6), "Yes");
}

}  // namespace
}  // namespace radio::test
