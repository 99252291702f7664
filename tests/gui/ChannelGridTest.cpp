#include <QComboBox>
#include <QLineEdit>
#include <QScrollBar>
#include <QTest>

#include "GuiFixture.h"
#include "core/channels/ChannelCodec.h"
#include "core/image/ImageMap.h"
#include "core/image/NewImage.h"
#include "gui/app/CChildFrame.h"
#include "gui/channels/CProgramView.h"
#include "gui/channels/CellEditors.h"
#include "gui/channels/ChannelGrid.h"
#include "gui/image/CProgramDoc.h"

namespace radio::test {
namespace {

using namespace gui;

const QString kOutOfRange = "Out of range,please input again.";
const QString kOffRaster = "Error data Value, please input according the step value(6.25K/5k).";

struct GridFixture : ::testing::Test {
    void SetUp() override {
        clearUserSettings();
        program = std::make_unique<StartedProgram>();
        ASSERT_TRUE(program->started);
        program->frame().show();
        view = program->frame().activeView();
        grid = &view->grid();
    }
    void TearDown() override {
        program.reset();
        clearUserSettings();
    }

    void click(int row, int col) {
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, grid->cellRect(row, col).center());
    }
    QWidget* editor(int col) { return view->editors().editor(col); }
    // Clicks a cell, types into its edit box and presses Enter.
    void type(int row, int col, const QString& text) {
        click(row, col);
        QLineEdit* edit = view->editors().lineEdit(col);
        ASSERT_NE(edit, nullptr);
        ASSERT_FALSE(edit->isHidden());
        edit->selectAll();
        QTest::keyClick(edit, Qt::Key_Backspace);
        QTest::keyClicks(edit, text);
        QTest::keyClick(edit, Qt::Key_Return);
    }
    QString cell(int row, int col) { return grid->textMatrix(row, col); }
    QStringList rowTexts(int row) {
        QStringList texts;
        for (int col = 1; col <= 10; ++col) {
            texts << cell(row, col);
        }
        return texts;
    }
    ScriptedPrompts& prompts() { return program->prompts; }

    std::unique_ptr<StartedProgram> program;
    CProgramView* view = nullptr;
    ChannelGrid* grid = nullptr;
};

TEST_F(GridFixture, HeadersLabelsAndHiddenPowerColumn) {
    const QStringList headers = {"CH",         "Rx Frequency", "Tx Frequency", "QT/DQT Dec",
                                 "QT/DQT Enc", "Power",        "Scan Add",     "Busy Lock",
                                 "W/N",        "Compand",      "Scrambler"};
    for (int col = 0; col < 11; ++col) {
        EXPECT_EQ(cell(0, col), headers[col]);
    }
    EXPECT_EQ(cell(1, 0), " 1");
    EXPECT_EQ(cell(16, 0), "16");
    EXPECT_EQ(grid->columnWidthOf(5), 0);
    const int w = grid->columnWidthOf(10);
    EXPECT_EQ(grid->columnWidthOf(1), static_cast<int>(w * 1.2));
    EXPECT_EQ(grid->columnWidthOf(3), static_cast<int>(w * 1.1));
    EXPECT_EQ(grid->columnWidthOf(6), static_cast<int>(w * 0.9));
    EXPECT_EQ(grid->columnWidthOf(0), w / 2);
}

TEST_F(GridFixture, TypingANewChannelFillsBothFrequenciesAndTheDefaults) {
    type(3, 1, "446.00625");
    EXPECT_EQ(rowTexts(3), (QStringList{"446.00625", "446.00625", "None", "None", "High", "No",
                                        "Off", "Wide", "Off", "Off"}));
    EXPECT_TRUE(view->document().isModified());
    EXPECT_TRUE(prompts().shown.empty());
    // Enter moved on to the transmit cell and opened its editor.
    EXPECT_EQ(grid->row(), 3);
    EXPECT_EQ(grid->col(), 2);
    EXPECT_FALSE(editor(2)->isHidden());
    type(3, 1, "446");
    EXPECT_EQ(cell(3, 1), "446.00000");
    EXPECT_EQ(cell(3, 2), "446.00625");
}

TEST_F(GridFixture, FrequencyMessagesClearTheRowOrTheCell) {
    struct Case {
        int col;
        QString text;
        QString message;
    };
    const Case cases[] = {{1, "446.003", kOffRaster},
                          {1, "480", kOutOfRange},
                          {2, "446.003", kOffRaster},
                          {2, "399.99", kOutOfRange}};
    for (const Case& c : cases) {
        type(5, 1, "430.0125");
        prompts().shown.clear();
        type(5, c.col, c.text);
        ASSERT_EQ(prompts().shown.size(), 1u) << c.text.toStdString();
        EXPECT_EQ(prompts().shown[0].text, c.message);
        EXPECT_EQ(prompts().shown[0].caption, "Caution");
        if (c.col == 1) {
            EXPECT_EQ(rowTexts(5), QStringList(10, QString()));
        } else {
            EXPECT_EQ(cell(5, 1), "430.01250");
            EXPECT_EQ(cell(5, 2), "");
            EXPECT_EQ(cell(5, 3), "None");
        }
        // The cell stays current after a message.
        EXPECT_EQ(grid->row(), 5);
        EXPECT_EQ(grid->col(), c.col);
        EXPECT_TRUE(editor(c.col)->isHidden());
    }
    prompts().shown.clear();
    type(6, 1, "470");
    EXPECT_TRUE(prompts().shown.empty()) << "the upper limit is inclusive";
}

TEST_F(GridFixture, ClearingReceiveEmptiesTheRowClearingTransmitCopiesReceive) {
    type(2, 1, "446.1");
    type(2, 2, "447");
    EXPECT_EQ(cell(2, 2), "447.00000");
    type(2, 2, "");
    EXPECT_EQ(cell(2, 2), "446.10000");
    type(2, 1, "");
    EXPECT_EQ(rowTexts(2), QStringList(10, QString()));
}

TEST_F(GridFixture, ComboChoiceOnAnEmptyRowLeavesItEmpty) {
    click(4, 7);
    auto* combo = view->editors().comboBox(7);
    ASSERT_FALSE(combo->isHidden());
    combo->setCurrentIndex(1);
    QTest::keyClick(combo, Qt::Key_Return);
    EXPECT_EQ(cell(4, 7), "");
    type(4, 1, "446");
    click(4, 7);
    combo->setCurrentIndex(1);
    QTest::keyClick(combo, Qt::Key_Return);
    EXPECT_EQ(cell(4, 7), "Carrier");
}

TEST_F(GridFixture, EnterMovesAlongTheRowsAndWraps) {
    struct Case {
        int row, col, nextRow, nextCol;
    };
    const Case cases[] = {{16, 10, 1, 1}, {3, 10, 4, 1}, {3, 4, 3, 5}, {7, 1, 7, 2}};
    for (const Case& c : cases) {
        click(c.row, c.col);
        QTest::keyClick(editor(c.col), Qt::Key_Return);
        EXPECT_EQ(grid->row(), c.nextRow) << c.row << "," << c.col;
        EXPECT_EQ(grid->col(), c.nextCol) << c.row << "," << c.col;
        EXPECT_FALSE(editor(c.nextCol)->isHidden());
    }
    // The hidden power column's editor opens with no width.
    grid->setCell(3, 5);
    EXPECT_EQ(editor(5)->width(), 0);
}

TEST_F(GridFixture, ComboOpensOnTheCellTextOrTheFirstItem) {
    type(1, 1, "446");
    grid->setTextMatrix(1, 3, "67.0");
    click(1, 3);
    EXPECT_EQ(view->editors().comboBox(3)->currentText(), "67.0");
    click(2, 3);
    EXPECT_EQ(view->editors().comboBox(3)->currentIndex(), 0);
    grid->setTextMatrix(1, 10, "5");
    click(1, 10);
    EXPECT_EQ(view->editors().comboBox(10)->currentText(), "5");
}

TEST_F(GridFixture, EditorsSitExactlyOverTheirCells) {
    for (const auto& [row, col] : {std::pair{1, 1}, {9, 3}, {16, 10}, {4, 6}}) {
        click(row, col);
        EXPECT_EQ(editor(col)->geometry(), grid->cellRect(row, col)) << row << "," << col;
        EXPECT_EQ(editor(col)->parentWidget(), grid->viewport());
    }
}

TEST_F(GridFixture, ScrollingHidesTheEditorWithoutCommitting) {
    program->frame().activeChildFrame()->resize(320, 160);
    QApplication::processEvents();
    click(1, 1);
    auto* edit = view->editors().lineEdit(1);
    QTest::keyClicks(edit, "446");
    ASSERT_GT(grid->verticalScrollBar()->maximum(), 0);
    grid->verticalScrollBar()->setValue(grid->verticalScrollBar()->maximum());
    EXPECT_TRUE(edit->isHidden());
    EXPECT_EQ(cell(1, 1), "");
    EXPECT_FALSE(view->document().isModified());
}

MemoryImage fullImage() {
    MemoryImage image = newDocumentImage();
    ChannelTable table;
    const char* tones[] = {"67.0", "D023N", "D754I", "254.1", "None", "100.0", "D411N", "88.5"};
    for (int n = 0; n < 16; ++n) {
        const std::string f = formatFrequency(40000000 + n * 62500);
        table[static_cast<std::size_t>(n)] = {f,
                                              formatFrequency(40000000 + n * 125000),
                                              tones[n % 8],
                                              tones[(n + 3) % 8],
                                              "Low",
                                              n % 2 ? "Yes" : "No",
                                              n % 3 == 0 ? "Carrier" : "QT/DQT",
                                              n % 2 ? "Narrow" : "Wide",
                                              n % 4 ? "On" : "Off",
                                              n % 9 ? std::to_string(n % 9) : "Off"};
    }
    encodeChannels(image, table);
    return image;
}

TEST_F(GridFixture, LoadAndStoreRoundTripAFullImage) {
    const MemoryImage image = fullImage();
    CProgramDoc& document = view->document();
    document.image() = image;
    program->app.setNewImageFlag(false);
    view->LoadChannels();
    EXPECT_EQ(cell(2, 1), QString("400.62500"));
    EXPECT_EQ(cell(2, 4), "None");
    EXPECT_EQ(cell(2, 6), "Yes");
    document.image() = newDocumentImage();
    view->StoreChannels();
    for (std::size_t i = map::kChannelArea; i < map::kChannelAreaEnd; ++i) {
        ASSERT_EQ(document.image()[i], image[i]) << i;
    }
    EXPECT_EQ(document.image()[map::kScanAddLow], image[map::kScanAddLow]);
    EXPECT_EQ(document.image()[map::kScanAddHigh], image[map::kScanAddHigh]);
}

TEST_F(GridFixture, TypeAndBandComeFromOrGoToTheRegistry) {
    CProgramDoc& document = view->document();
    Registry registry = program->app.registry();
    registry.writeInt("Type", 1);
    registry.writeInt("Field", 2);
    program->app.setNewImageFlag(true);
    view->LoadChannels();
    EXPECT_EQ(document.image()[map::kRadioType], 1);
    EXPECT_EQ(document.image()[map::kBand], 2);
    EXPECT_EQ(program->frame().windowTitle(),
              "Test Radio Programming Software  [ Type:Beta  Fre:400-400 ]");
    EXPECT_EQ(view->bandLimits().lower, 40000000);
    EXPECT_EQ(view->bandLimits().upper, 40000000);

    document.image().set(map::kRadioType, 0);
    document.image().set(map::kBand, 5);  // beyond the list: its last band
    program->app.setNewImageFlag(false);
    view->LoadChannels();
    EXPECT_EQ(registry.readInt("Type"), 0);
    EXPECT_EQ(registry.readInt("Field"), 5);
    EXPECT_EQ(program->frame().windowTitle(),
              "Test Radio Programming Software  [ Type:Alpha  Fre:430-480 ]");
    EXPECT_EQ(view->bandLimits().lower, 43000000);
    EXPECT_EQ(view->bandLimits().upper, 48000000);
}

TEST_F(GridFixture, UsedChannelsGivePrintedPages) {
    for (int row : {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 16}) {
        grid->setTextMatrix(row, 1, "446.00000");
    }
    EXPECT_EQ(view->CountUsedChannels(), 3);
    EXPECT_EQ(view->usedChannelCount(), 15);
    EXPECT_EQ(view->printPageTable(), (std::array<int, 3>{0, 7, 14}));
}

TEST(GridChinese, TitleHeadersAndDefaultsInChinese) {
    clearUserSettings();
    StartedProgram program(ProgramFolder::defaultIni("Chinese"));
    ASSERT_TRUE(program.started);
    CProgramView* view = program.frame().activeView();
    EXPECT_EQ(view->grid().textMatrix(0, 1), QString::fromUtf8("接收频率"));
    EXPECT_EQ(program.frame().windowTitle(),
              QString::fromUtf8("测试对讲机 写频软件  [ 类型:Alpha  频率:400-470 ]"));
    program.frame().show();
    view->grid().setCell(1, 1);
    auto* edit = view->editors().lineEdit(1);
    QTest::keyClicks(edit, "446.00625");
    QTest::keyClick(edit, Qt::Key_Return);
    EXPECT_EQ(view->grid().textMatrix(1, 3), QString::fromUtf8("无"));
    EXPECT_EQ(view->grid().textMatrix(1, 5), QString::fromUtf8("高"));
    EXPECT_EQ(view->grid().textMatrix(1, 8), QString::fromUtf8("宽"));
    view->StoreChannels();
    EXPECT_EQ(view->document().image()[map::channelOffset(1) + 13] & 0x10, 0x10);
}

}  // namespace
}  // namespace radio::test
