#include <QAccessible>
#include <QAbstractButton>
#include <QCheckBox>
#include <QRegularExpression>
#include <QTreeWidget>

#include "Accessibility.h"
#include "GuiFixture.h"
#include "core/image/ImageMap.h"
#include "gui/app/CNavTreeBar.h"
#include "gui/settings/COptionalFeaturesDlg.h"
#include "gui/settings/CProductInfoDlg.h"
#include "gui/settings/CScanInfoDlg.h"
#include "gui/settings/SpinEdit.h"

namespace radio::test {
namespace {

using namespace gui;

// Digits and arrows without Shift reach the lists, letters and shifted keys do not. The keys of
// every dialog work: Tab and Shift+Tab move on and back, Space ticks, Enter keeps what the keys
// changed (and the bits of a byte the page does not own) and Escape cancels.
TEST(OptionalFeaturesDialog, OnlyDigitsAndArrowsWithoutShiftReachTheListsAndDialogKeysWork) {
    // One after another: a key and what the Call Tone list shows then ("O" would pick "Off").
    const std::tuple<int, Qt::KeyboardModifiers, QString> typed[] = {
        {Qt::Key_O, Qt::NoModifier, "3"},    {Qt::Key_5, Qt::NoModifier, "5"},
        {Qt::Key_Down, Qt::NoModifier, "6"}, {Qt::Key_Down, Qt::ShiftModifier, "6"},
        {Qt::Key_5, Qt::ShiftModifier, "6"}, {Qt::Key_Percent, Qt::ShiftModifier, "6"}};
    StartedProgram program;
    program.image().set(map::kCallTone, 3);
    program.image().set(map::kTimeOutTimer, 0x84);  // bit 7 belongs to someone else
    const MemoryImage before = program.image();
    program.openPage<COptionalFeaturesDlg>("Optional Features", [&](COptionalFeaturesDlg& page) {
        QComboBox* callTone = page.list(OptionalField::CallTone);
        callTone->setFocus();
        for (const auto& [key, modifiers, shown] : typed) {
            QTest::keyClick(callTone, Qt::Key(key), modifiers);
            EXPECT_EQ(callTone->currentText(), shown) << key;
        }
        press(page, Qt::Key_Tab);
        EXPECT_TRUE(page.list(OptionalField::VoxGainLevel)->hasFocus());
        press(page, Qt::Key_Tab, Qt::ShiftModifier);
        EXPECT_TRUE(callTone->hasFocus());
        page.beepBox()->setFocus();
        press(page, Qt::Key_Space);
        pick(page.list(OptionalField::TimeOutTimer), "600s");
        press(page, Qt::Key_Return);
    });
    EXPECT_EQ(program.image()[map::kCallTone], 6);
    EXPECT_EQ(program.image()[map::kBeep], before[map::kBeep] ^ 1);
    EXPECT_EQ(program.image()[map::kTimeOutTimer], 0x80 | 40);
    EXPECT_TRUE(program.document().isModified());
    // Enter on what is stored changes nothing, nor does Escape after a change.
    const MemoryImage kept = program.image();
    for (const int key : {Qt::Key_Return, Qt::Key_Escape}) {
        program.document().setModified(false);
        program.openPage<COptionalFeaturesDlg>(
            "Optional Features", [&](COptionalFeaturesDlg& page) {
                pick(page.list(OptionalField::CallTone), key == Qt::Key_Escape ? 0 : 6);
                press(page, key);
                EXPECT_FALSE(page.isVisible());
            });
        EXPECT_TRUE(program.image() == kept);
        EXPECT_FALSE(program.document().isModified());
    }
}

// The tree's entries open their pages when clicked, and from the keyboard when Return
// activates the selected one, wherever the pointer rests; F6 goes between the bar and the
// document; the dock's close button hides the bar.
TEST(NavigationBar, EntriesOpenByClickOrReturnAndF6SwitchesPanes) {
    StartedProgram program;
    CNavTreeBar& bar = *program.frame().navigationBar();
    QTreeWidget& tree = *bar.tree();
    const QTreeWidgetItem* optional = tree.findItems("Optional Features", Qt::MatchRecursive)[0];
    QTest::mouseClick(tree.viewport(), Qt::LeftButton, {}, tree.visualItemRect(optional).center());
    EXPECT_EQ(program.prompts.dialogs, std::vector<QString>{"COptionalFeaturesDlg"});

    QCursor::setPos(tree.viewport()->mapToGlobal(tree.visualItemRect(optional).center()));
    program.press(Qt::Key_F6);
    EXPECT_TRUE(program.view().table().hasFocus());
    program.press(Qt::Key_F6);
    ASSERT_TRUE(tree.hasFocus());
    tree.setCurrentItem(tree.topLevelItem(0));
    for (const auto& [key, dialogs] : {std::pair{Qt::Key_Down, 1}, {Qt::Key_Return, 2},
                                       {Qt::Key_Down, 2}, {Qt::Key_Down, 2}, {Qt::Key_Enter, 3}}) {
        QTest::keyClick(&tree, key);
        EXPECT_EQ(program.prompts.dialogs.size(), dialogs) << key;
    }
    EXPECT_EQ(program.prompts.dialogs,
              (std::vector<QString>{"COptionalFeaturesDlg", "CProductInfoDlg",
                                    "COptionalFeaturesDlg"}));

    auto* close = bar.findChild<QAbstractButton*>("qt_dockwidget_closebutton");
    ASSERT_NE(close, nullptr);
    click(close);
    EXPECT_FALSE(bar.isVisible());
    EXPECT_FALSE(program.frame().commands().controlBar->isChecked());
}

// Cancel after changing every control leaves the document alone. Closing stores only the page's
// own fields, into the image as it is then: a radio read may finish while a page is open.
TEST(SettingsPages, CancelLeavesTheDocumentAloneAndClosingStoresOnlyThePagesOwnFields) {
    for (const QString item : {"Optional Features", "Product Information", "Scan Info",
                               "Power Adjust", "Param Adjust"}) {
        SCOPED_TRACE(item.toStdString());
        StartedProgram program;
        program.unlockAdjustment();
        const bool service = item.endsWith("Adjust");  // these have only the close box
        const QString title = program.frame().windowTitle();
        MemoryImage before;
        program.openPage<QDialog>(service ? "Optional Features" : item, [&](QDialog& page) {
            before = program.image();  // Scan Info has stored the grid by now
            for (QComboBox* list : page.findChildren<QComboBox*>()) {
                pick(list, list->count() - 1);
            }
            for (QCheckBox* box : page.findChildren<QCheckBox*>()) {
                click(box);
            }
            click(button(page, "Cancel"));
        });
        EXPECT_TRUE(program.image() == before);
        EXPECT_FALSE(program.document().isModified());
        EXPECT_EQ(program.frame().windowTitle(), title);
        program.openPage<QDialog>(item, [&](QDialog& page) {
            program.image().set(820, 0xA5);
            program.image().set(map::channelOffset(4) + 2, 0x42);
            service ? (void)page.close() : click(button(page, "OK"));
        });
        EXPECT_EQ(program.prompts.dialogs.size(), 3u);
        EXPECT_EQ(program.image()[820], 0xA5);
        EXPECT_EQ(program.image()[map::channelOffset(4) + 2], 0x42);
    }
}

// Every control of every settings page and dialog has a name a screen reader can say, in both
// languages; the editor of a service table's cell names its column and row.
TEST(SettingsPages, EveryControlHasANameInBothLanguages) {
    QAction* Commands::*const commands[] = {
        &Commands::optionalFeatures, &Commands::scanInfo,    &Commands::productInformation,
        &Commands::powerAdjust,      &Commands::paramAdjust, &Commands::comSetup,
        &Commands::language};
    for (const QString language : {"English", "Chinese"}) {
        StartedProgram program(ProgramFolder::defaultIni(language));
        QStringList faults;
        program.prompts.onDialog = byUser([&](QDialog& dialog) {
            faults << namingFaults(QAccessible::queryAccessibleInterface(&dialog));
            for (AdjustTable* table : dialog.findChildren<AdjustTable*>()) {
                for (int cell = 0; cell < table->rowCount() * table->columnCount(); ++cell) {
                    const int row = cell / table->columnCount(), col = cell % table->columnCount();
                    faults << namingFaults(
                        QAccessible::queryAccessibleInterface(clickCell(*table, row, col)),
                        {table->horizontalHeaderItem(col)->text(),
                         table->verticalHeaderItem(row)->text()});
                }
            }
            if (dialog.objectName() == "CPasswordDlg") {
                QTest::keyClicks(dialog.focusWidget(), "472816\r");
            }
        });
        program.press(Qt::Key_F11, Qt::ControlModifier);
        for (QAction* Commands::*command : commands) {
            (program.frame().commands().*command)->trigger();
        }
        EXPECT_EQ(program.prompts.dialogs.size(), 1 + std::size(commands));
        EXPECT_EQ(faults, QStringList()) << language.toStdString();
    }
}

// A program whose image holds the given scan bytes.
struct ScanPage : StartedProgram {
    explicit ScanPage(std::vector<std::uint8_t> scanBytes) {
        for (std::size_t i = 0; i < scanBytes.size(); ++i) {
            image().set(map::kPriorityMode + i, scanBytes[i]);
        }
    }
};

// The priority mode decides the controls; keys and leaving a box keep every value in range.
TEST(ScanInfoDialog, ThePriorityModeDecidesTheControlsAndKeysKeepValuesInRange) {
    // The box, the text typed (empty: only the key), the key (Up and Down step, Tab leaves) and
    // what the box shows then.
    const std::tuple<SpinEdit* (CScanInfoDlg::*)() const, QString, int, QString> cases[] = {
        // The down arrow raises and wraps at the top, the up arrow lowers.
        {&CScanInfoDlg::lookBackABox, "", Qt::Key_Down, "0.5"},
        {&CScanInfoDlg::lookBackABox, "", Qt::Key_Up, "5"},
        {&CScanInfoDlg::lookBackABox, "", Qt::Key_Up, "4.95"},
        {&CScanInfoDlg::lookBackBBox, "0.57", Qt::Key_Tab, "0.55"},
        {&CScanInfoDlg::txDwellBox, "999", Qt::Key_Tab, "300"},
        {&CScanInfoDlg::lookBackABox, "abc", Qt::Key_Tab, "4.95"},  // the last value comes back
    };
    ScanPage scan({1, 5, 91, 1, 3, 0x2C, 0x01, 0, 0});
    scan.openPage<CScanInfoDlg>("Scan Info", [&](CScanInfoDlg& page) {
        EXPECT_EQ(page.priorityChannelBox()->text(), " 5");
        EXPECT_EQ(page.revertList()->currentText(), "Priority+Talk back");
        pick(page.priorityList(), "None");
        EXPECT_TRUE(page.priorityChannelBox()->text().isEmpty());
        EXPECT_FALSE(page.priorityChannelBox()->isEnabled());
        EXPECT_EQ(page.revertList()->count(), 2);
        pick(page.priorityList(), "Fixed");
        EXPECT_TRUE(page.priorityChannelBox()->isEnabled());
        EXPECT_EQ(page.revertList()->count(), 4);
        for (const auto& [boxOf, typed, key, shown] : cases) {
            SpinEdit* box = (page.*boxOf)();
            box->setFocus();
            if (!typed.isEmpty()) {
                typeInto(box, typed);
            }
            QTest::keyClick(box, Qt::Key(key));
            EXPECT_EQ(box->text(), shown) << typed.toStdString() << " " << key;
        }
    });
    ASSERT_EQ(scan.prompts.shown.size(), 1u);
    EXPECT_EQ(scan.prompts.shown[0].text, "Please enter a number.");
}

// OK refuses what it cannot store and the dialog stays open; the page sees the grid's channels,
// and Enter in a box stores every value in range.
TEST(ScanInfoDialog, OkRefusesWhatItCannotStoreAndEnterStoresEveryValueInRange) {
    ScanPage scan({1, 5, 1, 1, 0, 0, 0, 0, 0});
    scan.typeCell(5, 1, "401.00000");  // not in the image yet
    scan.openPage<CScanInfoDlg>("Scan Info", [&](CScanInfoDlg& page) {
        const MemoryImage before = scan.image();
        for (const QString channel : {"17", "3"}) {  // beyond the list; not programmed
            typeInto(page.priorityChannelBox(), channel);
            click(button(page, "OK"));
            EXPECT_EQ(scan.prompts.shown.back().text, "Please select channel inputed");
        }
        typeInto(page.priorityChannelBox(), "5");
        typeInto(page.dropoutDelayBox(), "");
        QTest::keyClick(page.dropoutDelayBox(), Qt::Key_Tab);
        EXPECT_EQ(scan.prompts.shown.at(2).text, "Please enter an integer.");
        EXPECT_EQ(page.dropoutDelayBox()->text(), "0");
        EXPECT_EQ(page.priorityChannelBox()->text(), "5") << "a refused number keeps other boxes";
        EXPECT_TRUE(page.isVisible());
        EXPECT_TRUE(scan.image() == before);
        typeInto(page.lookBackABox(), "99");
        typeInto(page.lookBackBBox(), "0.7");
        typeInto(page.dropoutDelayBox(), "70000");
        pick(page.revertList(), 2);
        typeInto(page.txDwellBox(), "12");
        QTest::keyClick(page.txDwellBox(), Qt::Key_Return);
    });
    const MemoryImage& stored = scan.image();
    EXPECT_EQ(stored[map::kPriorityChannel], 5);
    EXPECT_EQ(stored[map::kLookBackA], 91);
    EXPECT_EQ(stored[map::kDropoutDelay] + 256 * stored[map::kDropoutDelay + 1], 300);
    EXPECT_EQ(stored[map::kTxDwellTime], 12);
}

TEST(ProductInfoDialog, OpensOnTheRememberedChoiceAndOkSetsTitleLimitsAndRegistry) {
    StartedProgram program;
    Registry registry = program.app.registry();
    registry.writeInt("Type", 1);
    registry.writeInt("Field", 2);
    program.openPage<CProductInfoDlg>("Product Information", [](CProductInfoDlg& page) {
        EXPECT_EQ(page.typeList()->currentText(), "Beta");
        EXPECT_EQ(page.bandList()->currentText(), "400-400");
        pick(page.bandList(), 0);
        click(button(page, "OK"));
    });
    EXPECT_EQ(program.frame().windowTitle(), "Test Radio  [ Type:Beta  Fre:136-174 ]");
    EXPECT_EQ(program.view().bandLimits(), (BandLimits{13600000, 17400000}));
    EXPECT_EQ(program.image()[map::kRadioType], 1);
    EXPECT_EQ(program.image()[map::kBand], 0);
    EXPECT_EQ(registry.readInt("Type"), 1);
    EXPECT_EQ(registry.readInt("Field"), 0);
}

// A band that leaves channels outside it asks, naming them: No goes back to the choice, Yes keeps
// it. The same band, or one holding every channel, asks nothing.
TEST(ProductInfoDialog, ABandLeavingChannelsOutsideAsksBeforeItIsKept) {
    // The band picked (Beta's, or Alpha's 430-480), the answer and the band in force after OK.
    const std::tuple<QString, QMessageBox::StandardButton, BandLimits> cases[] = {
        {"144-148", QMessageBox::No, {40000000, 47000000}},
        {"144-148", QMessageBox::Yes, {14400000, 14800000}},
        {"144-148", QMessageBox::No, {14400000, 14800000}},
        {"430-480", QMessageBox::No, {43000000, 48000000}}};
    StartedProgram program;
    program.typeCell(1, 1, "440.00000");
    program.typeCell(3, 1, "450.00000");
    for (const auto& [band, answer, limits] : cases) {
        program.prompts.answers = {answer};
        program.openPage<CProductInfoDlg>(
            "Product Information", [&, band = band](CProductInfoDlg& page) {
                pick(page.typeList(), band == "430-480" ? "Alpha" : "Beta");
                pick(page.bandList(), band);
                QTest::keyClick(page.bandList(), Qt::Key_Return);
            });
        EXPECT_EQ(program.view().bandLimits(), limits) << band.toStdString();
    }
    ASSERT_EQ(program.prompts.shown.size(), 2u);  // by the first two only
    EXPECT_EQ(program.prompts.shown[1].text,
              "Channels 1, 3 lie outside the band 144-148 MHz.\nKeep this band?");
}

}  // namespace
}  // namespace radio::test
