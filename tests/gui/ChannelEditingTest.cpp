// The channel table's spreadsheet commands, by keys, menu and mouse.
#include <QClipboard>
#include <QMimeData>

#include "GuiFixture.h"
#include "core/channels/ChannelCodec.h"
#include "core/channels/ChannelRecords.h"
#include "gui/channels/ChannelDelegate.h"

namespace radio::test {
namespace {

using namespace gui;

struct Editing : ::testing::Test, StartedProgram {
    Editing() : StartedProgram() {
        for (int channel = 1; channel <= 3; ++channel) {
            typeCell(channel, 1, QString::number(440 + channel));
        }
        document().history().clear();
    }
    void clickChannel(int channel, Qt::KeyboardModifiers modifiers = {}) {
        test::clickChannel(view(), channel, modifiers);
    }
    QStringList rx() {
        QStringList texts;
        for (int channel = 1; channel <= 16; ++channel) {
            texts << cellText(view(), channel, 1).section('.', 0, 0);
        }
        return texts;
    }
    QStringList rxList(std::initializer_list<const char*> first) {
        QStringList texts;
        for (const char* text : first) {
            texts << text;
        }
        while (texts.size() < 16) {
            texts << "";
        }
        return texts;
    }
    void setClipboard(const QString& text) { QApplication::clipboard()->setText(text); }
};

// Insert, delete and move, each one step undone by Ctrl+Z; scan membership travels along.
TEST_F(Editing, ChannelsAreInsertedDeletedAndMovedByKey) {
    clickCell(view(), 2, 5);
    press(Qt::Key_Up);  // No -> Yes
    press(Qt::Key_Return);
    document().history().clear();
    const auto scanned = [&](int channel) { return cellText(view(), channel, 5) == "Yes"; };
    // the keys, the numbers of channels 1 to 4 afterwards, the channel scanned
    const std::tuple<const char*, std::function<void()>, QStringList, int> cases[] = {
        {"insert", [&] { press(Qt::Key_Plus, Qt::ControlModifier); },
         rxList({"441", "", "442", "443"}), 3},
        {"insert without Shift", [&] { press(Qt::Key_Equal, Qt::ControlModifier); },
         rxList({"441", "", "442", "443"}), 3},
        {"delete", [&] { press(Qt::Key_Minus, Qt::ControlModifier); }, rxList({"441", "443"}), 0},
        {"down", [&] { press(Qt::Key_Down, Qt::ControlModifier | Qt::ShiftModifier); },
         rxList({"441", "443", "442"}), 3},
        {"up", [&] { press(Qt::Key_Up, Qt::ControlModifier | Qt::ShiftModifier); },
         rxList({"442", "441", "443"}), 1},
    };
    for (const auto& [name, keys, after, scannedChannel] : cases) {
        SCOPED_TRACE(name);
        clickCell(view(), 2, 1);
        keys();
        EXPECT_EQ(rx(), after);
        if (scannedChannel > 0) {
            EXPECT_TRUE(scanned(scannedChannel));
        }
        EXPECT_EQ(document().history().count(), 1);
        press(Qt::Key_Z, Qt::ControlModifier);
        EXPECT_EQ(rx(), rxList({"441", "442", "443"}));
        document().history().clear();
    }
    typeCell(16, 1, "446");
    clickCell(view(), 2, 1);
    press(Qt::Key_Plus, Qt::ControlModifier);
    ASSERT_EQ(prompts.shown.size(), 1u);
    EXPECT_TRUE(prompts.shown[0].text.contains("channel 16 is in use"));
    EXPECT_EQ(rx()[1], "442");
}

// Whole channels copied and pasted inside the program are byte for byte the same; the text on
// the clipboard is what a spreadsheet pastes.
TEST_F(Editing, CopiedChannelsArePastedByteForByte) {
    document().change("stray bit", [&] { image()[2 * 16 + 15] = 0x5A; });
    clickChannel(2);
    clickChannel(3, Qt::ShiftModifier);
    press(Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QApplication::clipboard()->text(),
              "442.00000\t442.00000\tNone\tNone\tNo\tOff\tWide\tOff\tOff\r\n"
              "443.00000\t443.00000\tNone\tNone\tNo\tOff\tWide\tOff\tOff\r\n");
    clickChannel(7);
    chooseMenu("Paste");
    EXPECT_EQ(channelRecord(image(), 7), channelRecord(image(), 2));
    EXPECT_EQ(channelRecord(image(), 8), channelRecord(image(), 3));

    // Cut empties what it copied; Delete empties the selection.
    clickChannel(7);
    press(Qt::Key_X, Qt::ControlModifier);
    EXPECT_EQ(rx()[6], "");
    clickChannel(8);
    press(Qt::Key_Delete);
    EXPECT_EQ(rx(), rxList({"441", "442", "443"}));
}

// Text from a spreadsheet fills from the current cell, decimal commas and whole-number tones
// included; a text with a refused cell changes nothing and names every refused cell.
TEST_F(Editing, SpreadsheetTextIsPastedAsTypedAllOrNothing) {
    setClipboard("446,0125\t\t67\r\n447.5\r\n");
    clickCell(view(), 5, 1);
    press(Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(cellText(view(), 5, 1), "446.01250");
    EXPECT_EQ(cellText(view(), 5, 2), "446.01250");
    EXPECT_EQ(cellText(view(), 5, 3), "67.0");
    EXPECT_EQ(cellText(view(), 6, 1), "447.50000");
    EXPECT_TRUE(prompts.shown.empty());

    setClipboard("480\n446.003\n");
    clickCell(view(), 9, 1);
    press(Qt::Key_V, Qt::ControlModifier);
    ASSERT_EQ(prompts.shown.size(), 1u);
    EXPECT_TRUE(prompts.shown[0].text.contains("Channel 9, Rx Frequency: Out of range"));
    EXPECT_TRUE(prompts.shown[0].text.contains("Channel 10, Rx Frequency: Error data Value"));
    EXPECT_EQ(rx()[8], "");

    setClipboard("Channel\tRx Frequency\n12\t430\n");  // a header: channels by their numbers
    clickCell(view(), 1, 3);
    press(Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(rx()[11], "430");
}

// Several channels selected by Shift+Down: Enter opens the current cell's list and the value
// chosen goes to all of them; one value pasted fills every selected cell.
TEST_F(Editing, OneValueGoesToEverySelectedChannel) {
    clickCell(view(), 1, 6);
    press(Qt::Key_Down, Qt::ShiftModifier);
    press(Qt::Key_Down, Qt::ShiftModifier);
    EXPECT_EQ(view().table().selectedChannels(), (QList<int>{1, 2, 3}));
    EXPECT_EQ(view().table().channelDelegate().openEditor(), nullptr);
    press(Qt::Key_Return);
    press(Qt::Key_Down);  // Off -> Carrier
    press(Qt::Key_Return);
    for (int channel = 1; channel <= 3; ++channel) {
        EXPECT_EQ(cellText(view(), channel, 6), "Carrier") << channel;
    }
    EXPECT_EQ(document().history().count(), 1);

    setClipboard("Narrow");
    clickCell(view(), 1, 7);
    clickCell(view(), 3, 7, Qt::ShiftModifier);
    chooseMenu("Paste");
    for (int channel = 1; channel <= 3; ++channel) {
        EXPECT_EQ(cellText(view(), channel, 7), "Narrow") << channel;
    }
}

// The commands are on the right-click menu and in the Edit menu in Chinese.
TEST(ChannelEditingMenus, RightClickAndChinese) {
    StartedProgram program(ProgramFolder::defaultIni("Chinese"));
    program.typeCell(1, 1, "441");
    QStringList items;
    for (QAction* action : program.view().table().actions()) {
        items << QString(action->text()).remove('&');
    }
    EXPECT_EQ(items, (QStringList{"剪切(T)", "复制(C)", "粘贴(P)", "清除(A)", "插入信道(I)",
                                  "删除信道(D)", "上移(U)", "下移(W)"}));
    clickCell(program.view(), 1, 1);
    ASSERT_TRUE(program.chooseMenu("插入信道"));
    EXPECT_EQ(cellText(program.view(), 2, 1), "441.00000");
    EXPECT_EQ(program.document().history().undoText(), "插入信道");
}

}  // namespace
}  // namespace radio::test
