#include <QHeaderView>
#include <QScrollBar>
#include <QWheelEvent>

#include "GuiFixture.h"
#include "core/channels/ChannelCodec.h"
#include "gui/app/CChildFrame.h"
#include "gui/channels/ChannelDelegate.h"
#include "gui/channels/ChannelHeader.h"

namespace radio::test {
namespace {

using namespace gui;

const QString kOutOfRange = "Out of range,please input again.";
const QString kOffRaster = "Error data Value, please input according the step value(6.25K/5k).";
const QStringList kNewChannel = {"446.00625", "446.00625", "None", "None", "No",
                                 "Off",       "Wide",      "Off",  "Off"};

struct GridFixture : ::testing::Test, StartedProgram {
    void click(int row, int col) { clickCell(view(), row, col); }
    QWidget* editor() { return view().table().channelDelegate().openEditor(); }
    QString editorText() { return ChannelDelegate::text(editor()); }
    int currentRow() { return grid->currentIndex().row() + 1; }
    int currentCol() { return grid->currentIndex().column() + 1; }
    QString cell(int row, int col) { return cellText(view(), row, col); }
    QStringList rowTexts(int row) {
        QStringList texts;
        for (int col = 1; col <= 9; ++col) {
            texts << cell(row, col);
        }
        return texts;
    }

    ChannelTableView* grid = &view().table();
};

// Receive fills both frequencies and the defaults; a cleared transmit copies receive, a cleared
// receive empties the row.
TEST_F(GridFixture, TypingAndClearingTheFrequencies) {
    typeCell(3, 1, "446.00625");
    EXPECT_EQ(rowTexts(3), kNewChannel);
    EXPECT_TRUE(document().isModified());
    EXPECT_TRUE(prompts.shown.empty());
    typeCell(3, 1, "446");
    EXPECT_EQ(cell(3, 1), "446.00000");
    EXPECT_EQ(cell(3, 2), "446.00625");
    typeCell(3, 2, "447");
    EXPECT_EQ(cell(3, 2), "447.00000");
    typeCell(3, 2, "");
    EXPECT_EQ(cell(3, 2), "446.00000");
    typeCell(3, 1, "");
    EXPECT_EQ(rowTexts(3), QStringList(9, QString()));
}

// However the user leaves a cell, the text goes into that cell, and one editor is open after.
TEST_F(GridFixture, LeavingACellCommitsIntoTheCellLeft) {
    struct Way {
        const char* name;
        std::function<void(GridFixture&)> leave;
        int row, col;  // where the user is afterwards
    };
    const Way ways[] = {
        {"click below", [](GridFixture& f) { f.click(5, 1); }, 5, 1},
        {"click aside", [](GridFixture& f) { f.click(3, 4); }, 3, 4},
        {"Down", [](GridFixture& f) { f.press(Qt::Key_Down); }, 4, 1},
        {"Up", [](GridFixture& f) { f.press(Qt::Key_Up); }, 2, 1},
        {"Enter", [](GridFixture& f) { f.press(Qt::Key_Return); }, 3, 2},
        {"Tab", [](GridFixture& f) { f.press(Qt::Key_Tab); }, 3, 2},
        {"Shift+Tab", [](GridFixture& f) { f.press(Qt::Key_Backtab, Qt::ShiftModifier); }, 2, 9},
    };
    for (const Way& way : ways) {
        SCOPED_TRACE(way.name);
        typeCell(3, 1, "");
        typeInto(3, 1, "446.00625");
        way.leave(*this);
        EXPECT_EQ(rowTexts(3), kNewChannel);
        EXPECT_EQ(rowTexts(way.row == 3 ? 5 : way.row).first(2), QStringList(2, QString()));
        EXPECT_EQ(currentRow(), way.row);
        EXPECT_EQ(currentCol(), way.col);
        ASSERT_NE(editor(), nullptr);
        EXPECT_EQ(editor()->geometry(), cellRect(view(), way.row, way.col));
        EXPECT_TRUE(editor()->hasFocus());
    }
}

// After a message the row (receive) or the cell (transmit) is empty, the cell stays current, and
// typing goes into its editor at once.
TEST_F(GridFixture, AMessageKeepsTheCellAndTypingCorrectsAtOnce) {
    const auto click = [](GridFixture& f) { f.click(7, 1); };
    const auto enter = [](GridFixture& f) { f.press(Qt::Key_Return); };
    const auto tab = [](GridFixture& f) { f.press(Qt::Key_Tab); };
    // The column, the text typed, the message and how the cell is left.
    const std::tuple<int, QString, QString, std::function<void(GridFixture&)>> cases[] = {
        {1, "446.003", kOffRaster, click},
        {1, "480", kOutOfRange, enter},
        {2, "446.003", kOffRaster, tab},
        {2, "399.99", kOutOfRange, click},
        {1, "470.1", kOutOfRange, tab}};
    typeCell(7, 1, "440");  // a programmed row the click must leave alone
    for (const auto& [col, text, message, leave] : cases) {
        SCOPED_TRACE(text.toStdString());
        typeCell(5, 1, "430.0125");
        prompts.shown.clear();
        typeInto(5, col, text);
        leave(*this);
        ASSERT_EQ(prompts.shown.size(), 1u);
        EXPECT_EQ(prompts.shown[0].text, message);
        EXPECT_EQ(prompts.shown[0].caption, "Caution");
        if (col == 1) {
            EXPECT_EQ(rowTexts(5), QStringList(9, QString()));
        } else {
            EXPECT_EQ(rowTexts(5).mid(0, 2), (QStringList{"430.01250", ""}));
        }
        EXPECT_EQ(cell(7, 1), "440.00000");
        EXPECT_EQ(currentRow(), 5);
        EXPECT_EQ(currentCol(), col);
        EXPECT_EQ(editorText(), "");
        test::type(frame(), "446.5");
        press(Qt::Key_Return);
        EXPECT_EQ(cell(5, col), "446.50000");
    }
    prompts.shown.clear();
    typeCell(6, 1, "470");
    EXPECT_TRUE(prompts.shown.empty()) << "the upper limit is inclusive";
}

// A list choice goes in only when the row has a frequency. Tab keeps a list choice, and the
// cell after it is left by Right, as typed text is by Tab.
TEST_F(GridFixture, ListChoicesNeedAFrequencyAndTabAndArrowsKeepThem) {
    for (const QString& expected : {QString(), QString("Carrier")}) {
        click(4, 6);
        press(Qt::Key_Down);  // Off -> Carrier
        press(Qt::Key_Return);
        EXPECT_EQ(cell(4, 6), expected);
        typeCell(4, 1, "446");
    }
    typeCell(1, 1, "446");
    click(1, 3);
    test::type(frame(), "88.5");
    press(Qt::Key_Tab);
    press(Qt::Key_Down);
    press(Qt::Key_Right);
    press(Qt::Key_Return);
    EXPECT_EQ(rowTexts(1).mid(2, 3), (QStringList{"88.5", "67.0", "No"}));
    EXPECT_EQ(currentCol(), 6);
    click(1, 9);
    press(Qt::Key_Down);
    press(Qt::Key_Return);
    EXPECT_EQ(decodeChannels(document().storedImage(), Language::English)[0][9], "1");
    typeInto(2, 1, "447");
    press(Qt::Key_Tab);
    press(Qt::Key_Tab);
    EXPECT_EQ(cell(2, 1), "447.00000");
    EXPECT_EQ(currentCol(), 3);
}

TEST_F(GridFixture, KeysMoveAlongTheRowsAndWrap) {
    // row, column, key, next row, next column
    const std::array<int, 5> cases[] = {
        {16, 9, Qt::Key_Return, 1, 1},  {3, 9, Qt::Key_Return, 4, 1},
        {3, 4, Qt::Key_Return, 3, 5},   {16, 9, Qt::Key_Tab, 1, 1},
        {3, 8, Qt::Key_Tab, 3, 9},      {3, 4, Qt::Key_Tab, 3, 5},
        {1, 1, Qt::Key_Backtab, 16, 9}, {3, 5, Qt::Key_Backtab, 3, 4},
        {1, 1, Qt::Key_Up, 1, 1},       {16, 2, Qt::Key_Down, 16, 2},
        {4, 3, Qt::Key_Left, 4, 2},     {4, 4, Qt::Key_Right, 4, 5}};
    for (const auto& [row, col, key, nextRow, nextCol] : cases) {
        SCOPED_TRACE(testing::Message() << row << "," << col << " key " << key);
        click(row, col);
        press(key, key == Qt::Key_Backtab ? Qt::ShiftModifier : Qt::NoModifier);
        EXPECT_EQ(currentRow(), nextRow);
        EXPECT_EQ(currentCol(), nextCol);
        ASSERT_NE(editor(), nullptr);
        EXPECT_EQ(editor()->objectName(), QString("editor%1").arg(nextCol));
        EXPECT_EQ(editor()->width(), cellRect(view(), nextRow, nextCol).width());
    }
    const double widths[] = {1.2, 1.2, 1.1, 1.1, 0.9, 0.9, 0.9, 0.9, 1.0};
    const int standard = grid->horizontalHeader()->defaultSectionSize();
    for (int col = 1; col <= 9; ++col) {
        EXPECT_EQ(grid->columnWidth(col - 1), int(standard * widths[col - 1])) << col;
    }
}

// Scrolling closes the editor without committing it, and the wheel over an open list scrolls the
// table instead of turning the list.
TEST_F(GridFixture, ScrollingAndTheWheelNeverChangeACell) {
    frame().activeChildFrame()->resize(320, 160);
    QApplication::processEvents();
    typeInto(1, 1, "446");
    ASSERT_GT(grid->verticalScrollBar()->maximum(), 0);
    grid->verticalScrollBar()->setValue(grid->verticalScrollBar()->maximum());
    EXPECT_EQ(editor(), nullptr);
    EXPECT_EQ(cell(1, 1), "");
    EXPECT_FALSE(view().document().isModified());

    grid->verticalScrollBar()->setValue(0);
    typeCell(2, 1, "446");
    click(2, 3);
    QWidget* list = editor();
    ASSERT_NE(list, nullptr);
    for (int turn = 0; turn < 2; ++turn) {
        const QPointF at = list->rect().center();
        QWheelEvent wheel(at, list->mapToGlobal(at), {}, QPoint(0, -120), Qt::NoButton,
                          Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(editor() ? editor() : grid->viewport(), &wheel);
    }
    EXPECT_EQ(editor(), nullptr);
    EXPECT_GT(grid->verticalScrollBar()->value(), 0);
    click(currentRow() + 1, 1);
    EXPECT_EQ(cell(2, 3), "None");
    EXPECT_EQ(document().history().count(), 1);
}

// A comma is the decimal point; Escape puts the cell's text back; Enter on an empty transmit
// cell takes the receive frequency.
TEST_F(GridFixture, CommaEscapeAndAnEmptyTransmitCell) {
    typeInto(4, 1, "44");
    press(Qt::Key_Left);  // in an edit box the arrows move the caret
    test::type(frame(), "6");
    press(Qt::Key_Return);
    EXPECT_EQ(cell(4, 1), "464.00000");
    document().history().clear();
    typeCell(2, 1, "446,0125");
    EXPECT_EQ(rowTexts(2).first(2), (QStringList{"446.01250", "446.01250"}));
    // A channel of another band keeps its text when the user puts it back with Escape.
    document().change("", [&] { image().set(map::channelOffset(2) + 3, 0x14); });  // 146.01250
    typeInto(2, 1, "450");
    press(Qt::Key_Escape);
    EXPECT_EQ(editorText(), "146.01250");
    click(3, 1);
    EXPECT_EQ(cell(2, 1), "146.01250");
    EXPECT_EQ(document().history().count(), 2);
    EXPECT_TRUE(prompts.shown.empty());

    typeCell(2, 2, "480");  // refused: the transmit cell is emptied and stays current
    ASSERT_EQ(prompts.shown.size(), 1u);
    EXPECT_EQ(cell(2, 2), "");
    press(Qt::Key_Return);
    EXPECT_EQ(cell(2, 2), "146.01250");
    EXPECT_EQ(decodeChannels(document().storedImage(), Language::English)[1][1], "146.01250");
}

// A refused text stops the command that committed it: nothing is written or closed, and what
// the refusal cleared is one Undo away.
TEST_F(GridFixture, ARefusedTextStopsTheCommandThatCommittedIt) {
    const QString saved = folder.path("saved.dat");
    const QString exported = folder.path("list.csv");
    struct Command {
        const char* name;
        std::function<void()> run;
        std::function<bool()> happened;
    };
    const Command commands[] = {
        {"Save",
         [&] {
             prompts.files = {saved};
             press(Qt::Key_S, Qt::ControlModifier);
         },
         [&] { return QFile::exists(saved); }},
        {"Export Channels",
         [&] {
             prompts.files = {exported};
             chooseMenu("Export Channels");
         },
         [&] { return QFile::exists(exported); }},
        {"Write", [&] { press(Qt::Key_W, Qt::ControlModifier); },
         [&] { return view().findChild<QDialog*>() != nullptr; }},
        {"Channel number", [&] { clickChannel(view(), 3); },
         [&] { return grid->selectedChannels() != QList<int>{16}; }},
        {"Close", [&] { chooseMenu("Close"); },
         [&] { return !frame().activeChildFrame()->isVisible(); }},
        {"Exit", [&] { frame().close(); }, [&] { return !frame().isVisible(); }},
    };
    typeCell(16, 1, "447.5");
    for (const Command& command : commands) {
        SCOPED_TRACE(command.name);
        prompts.shown.clear();
        typeInto(16, 1, "480");
        command.run();
        ASSERT_EQ(prompts.shown.size(), 1u);
        EXPECT_EQ(prompts.shown[0].text, kOutOfRange);
        EXPECT_FALSE(command.happened());
        EXPECT_EQ(cell(16, 1), "");
        prompts.files.clear();
        press(Qt::Key_Z, Qt::ControlModifier);
        EXPECT_EQ(cell(16, 1), "447.50000");
    }
}

// The headers keep their blue where it stands out and take the palette's own text colour else.
TEST(ChannelHeader, BlueWhereItStandsOutElseThePalettesTextColour) {
    EXPECT_EQ(headerTextColour(QPalette(QColor(239, 239, 239))), QColor(0x00, 0x32, 0xF0));
    EXPECT_EQ(headerTextColour(QPalette(QColor(53, 53, 53))), QColor(Qt::white));
}

}  // namespace
}  // namespace radio::test
