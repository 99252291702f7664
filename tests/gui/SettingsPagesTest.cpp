#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QTest>

#include "GuiFixture.h"
#include "core/image/ImageMap.h"
#include "gui/app/CChildFrame.h"
#include "gui/app/CommandIds.h"
#include "gui/channels/CProgramView.h"
#include "gui/channels/ChannelGrid.h"
#include "gui/image/CProgramDoc.h"
#include "gui/settings/COptionalFeaturesDlg.h"
#include "gui/settings/CProductInfoDlg.h"
#include "gui/settings/CScanInfoDlg.h"
#include "gui/settings/KeyFilter.h"
#include "gui/settings/SpinEdit.h"

namespace radio::test {
namespace {

using namespace gui;

using Program = FreshProgram;

// --- Optional Features ----------------------------------------------------------------------

TEST(OptionalFeaturesKeys, OnlyDigitsEditingKeysArrowsAndHelpPass) {
    struct Case {
        int key;
        Qt::KeyboardModifiers modifiers;
        bool passes;
    };
    const Case cases[] = {
        {Qt::Key_1, Qt::NoModifier, true},
        {Qt::Key_7, Qt::KeypadModifier, true},
        {Qt::Key_Backspace, Qt::NoModifier, true},
        {Qt::Key_Delete, Qt::NoModifier, true},
        {Qt::Key_Left, Qt::NoModifier, true},
        {Qt::Key_Down, Qt::NoModifier, true},
        {Qt::Key_F1, Qt::NoModifier, true},
        {Qt::Key_Left, Qt::ShiftModifier, false},
        {Qt::Key_1, Qt::ShiftModifier, false},
        {Qt::Key_Exclam, Qt::ShiftModifier, false},  // what Shift+1 usually arrives as
        {Qt::Key_Tab, Qt::NoModifier, false},
        {Qt::Key_Return, Qt::NoModifier, false},
        {Qt::Key_Enter, Qt::KeypadModifier, false},
        {Qt::Key_Escape, Qt::NoModifier, false},
        {Qt::Key_A, Qt::NoModifier, false},
        {Qt::Key_Space, Qt::NoModifier, false},
        {Qt::Key_F2, Qt::NoModifier, false},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(optionalFeaturesKeyPasses(c.key, c.modifiers), c.passes) << c.key;
    }
}

TEST(OptionalFeaturesDialog, SwallowsEnterEscapeAndTabButLetsArrowsWork) {
    Program program;
    COptionalFeaturesDlg dialog(program.started.app);
    dialog.load(program.image());
    dialog.show();
    QComboBox* squelch = dialog.list(OptionalField::SquelchLevel);
    squelch->setFocus();
    const int before = squelch->currentIndex();
    QTest::keyClick(squelch, Qt::Key_Escape);
    QTest::keyClick(squelch, Qt::Key_Return);
    QTest::keyClick(squelch, Qt::Key_Tab);
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(dialog.result(), 0);
    QTest::keyClick(squelch, Qt::Key_Down);
    EXPECT_EQ(squelch->currentIndex(), before + 1);
    QTest::keyClick(squelch, Qt::Key_Down, Qt::ShiftModifier);
    EXPECT_EQ(squelch->currentIndex(), before + 1);
}

TEST(OptionalFeaturesDialog, ShowsTheImageAndStoresOnlyItsOwnBits) {
    Program program;
    MemoryImage image = program.image();
    image.set(map::kTimeOutTimer, 0x84);  // bit 7 belongs to someone else; 4 is 60 s
    image.set(map::kTotPreAlert, 0xA9);   // "8"
    image.set(map::kSquelchLevel, 0x5C);  // 12: no entry
    image.set(map::kVoiceAnnunciation, 7);
    image.set(map::kCallKeyDefine, 0);
    COptionalFeaturesDlg dialog(program.started.app);
    dialog.load(image);
    EXPECT_EQ(dialog.list(OptionalField::TimeOutTimer)->currentText(), "60s");
    EXPECT_EQ(dialog.list(OptionalField::TotPreAlert)->currentText(), "8");
    EXPECT_EQ(dialog.list(OptionalField::SquelchLevel)->currentIndex(), -1);
    EXPECT_EQ(dialog.list(OptionalField::VoiceAnnunciation)->currentText(), "Off");
    EXPECT_EQ(dialog.list(OptionalField::CallKeyDefine)->currentText(), "Call");

    QComboBox* timer = dialog.list(OptionalField::TimeOutTimer);
    timer->setCurrentIndex(timer->count() - 1);
    dialog.list(OptionalField::TotPreAlert)->setCurrentText("10");
    dialog.accept();
    const MemoryImage& stored = dialog.image();
    EXPECT_EQ(stored[map::kTimeOutTimer], 0x80 | 40);
    EXPECT_EQ(stored[map::kTotPreAlert], 0xA0 | 11);
    EXPECT_EQ(stored[map::kSquelchLevel], 0x50);
    EXPECT_EQ(stored[map::kVoiceAnnunciation], 0);
    EXPECT_EQ(stored[map::kCallKeyDefine], 0);
}

TEST(OptionalFeaturesDialog, ChineseListsUseChineseTexts) {
    clearUserSettings();
    StartedProgram program(ProgramFolder::defaultIni("Chinese"));
    COptionalFeaturesDlg dialog(program.app);
    EXPECT_EQ(dialog.list(OptionalField::CallKeyDefine)->itemText(2), "紧急报警");
    EXPECT_EQ(dialog.list(OptionalField::CallTone)->itemText(0), "关");
    EXPECT_EQ(dialog.windowTitle(), "可选功能");
}

// --- The pages through their commands ---------------------------------------------------------

TEST(SettingsPages, CancelLeavesEveryByteAndTheModifiedStateAlone) {
    for (const int command :
         {int(cmd::OptionalFeatures), int(cmd::ProductInformation), int(cmd::ScanInfo)}) {
        Program program;
        program.started.frame().activeView()->StoreChannels();  // Scan Info stores the grid first
        const MemoryImage before = program.image();
        program.started.prompts.onDialog = [](QDialog& dialog) {
            for (QComboBox* list : dialog.findChildren<QComboBox*>()) {
                list->setCurrentIndex(list->count() - 1);
            }
            for (QCheckBox* box : dialog.findChildren<QCheckBox*>()) {
                box->toggle();
            }
            return int(QDialog::Rejected);
        };
        const QString title = program.started.frame().windowTitle();
        program.started.frame().onCommand(command);
        ASSERT_EQ(program.started.prompts.dialogs.size(), 1u) << command;
        EXPECT_TRUE(program.image() == before) << command;
        EXPECT_FALSE(program.document().isModified()) << command;
        EXPECT_EQ(program.started.frame().windowTitle(), title) << command;
    }
}

TEST(SettingsPages, OkStoresOnlyThePagesOwnFieldsIntoTheImageAsItIsThen) {
    // A radio read may finish while a page is open; its bytes must survive the page's OK.
    for (const int command : {int(cmd::OptionalFeatures), int(cmd::ProductInformation),
                              int(cmd::ScanInfo), int(cmd::PowerAdjust), int(cmd::ParamAdjust)}) {
        Program program;
        CProgramDoc& document = program.document();
        program.started.prompts.onDialog = [&](QDialog& dialog) {
            document.image().set(820, 0xA5);
            document.image().set(map::channelOffset(4) + 2, 0x42);
            dialog.accept();
            return dialog.result();
        };
        program.started.frame().onCommand(command);
        EXPECT_EQ(document.image()[820], 0xA5) << command;
        EXPECT_EQ(document.image()[map::channelOffset(4) + 2], 0x42) << command;
    }
}

TEST(SettingsPages, OkMarksTheDocumentModifiedOnlyWhenAByteChanged) {
    Program program;
    program.image().set(map::kCallKeyDefine, 2);  // a new image's 0xFF would be stored as 2
    program.started.prompts.onDialog = [](QDialog& dialog) {
        dialog.accept();
        return dialog.result();
    };
    program.started.frame().onCommand(cmd::OptionalFeatures);
    EXPECT_FALSE(program.document().isModified());

    program.started.prompts.onDialog = [](QDialog& dialog) {
        auto& page = static_cast<COptionalFeaturesDlg&>(dialog);
        page.beepBox()->toggle();
        page.accept();
        return page.result();
    };
    program.started.frame().onCommand(cmd::OptionalFeatures);
    EXPECT_TRUE(program.document().isModified());
}

TEST(SettingsPages, WithoutADocumentThePageSaysSoAndShowsNothing) {
    Program program;
    CMainFrame& frame = program.started.frame();
    ASSERT_TRUE(frame.destroyChildFrame(frame.activeChildFrame()));
    for (const int command : {int(cmd::OptionalFeatures), int(cmd::ProductInformation)}) {
        program.started.prompts.shown.clear();
        frame.onCommand(command);
        ASSERT_EQ(program.started.prompts.shown.size(), 1u);
        EXPECT_EQ(program.started.prompts.shown[0].text, "No document is open.");
    }
    EXPECT_TRUE(program.started.prompts.dialogs.empty());
}

TEST(SettingsPages, ScanInfoSeesTheChannelsAsTheGridShowsThem) {
    Program program;
    CProgramView& view = *program.started.frame().activeView();
    // Channel 5 gets a receive frequency in the grid only; the image still has it empty.
    view.grid().setTextMatrix(5, 1, "401.00000");
    QString shownMode;
    program.started.prompts.onDialog = [&](QDialog& dialog) {
        auto& page = static_cast<CScanInfoDlg&>(dialog);
        page.priorityList()->setCurrentIndex(kPriorityFixed);
        page.priorityChannelBox()->setText("5");
        page.accept();
        return page.result();
    };
    program.started.frame().onCommand(cmd::ScanInfo);
    EXPECT_EQ(program.started.prompts.dialogs.size(), 1u);
    EXPECT_EQ(program.image()[map::kPriorityMode], kPriorityFixed);
    EXPECT_EQ(program.image()[map::kPriorityChannel], 5);
}

// --- Scan Information -------------------------------------------------------------------------

struct ScanDialog {
    explicit ScanDialog(std::vector<std::uint8_t> bytes352, std::vector<int> programmed = {5}) {
        image = program.image();
        for (std::size_t i = 0; i < bytes352.size(); ++i) {
            image.set(map::kPriorityMode + i, bytes352[i]);
        }
        for (int channel = 1; channel <= 16; ++channel) {
            image.set(map::channelOffset(channel) + 3, 0xFF);
        }
        for (const int channel : programmed) {
            image.set(map::channelOffset(channel) + 3, 0x44);
        }
        dialog.load(image);
        dialog.show();
    }
    std::vector<QString> messages() const {
        std::vector<QString> texts;
        for (const auto& shown : program.started.prompts.shown) {
            texts.push_back(shown.text);
        }
        return texts;
    }
    static void leave(QWidget* box) {
        QFocusEvent out(QEvent::FocusOut);
        QApplication::sendEvent(box, &out);
    }
    static QString text(SpinEdit* box) { return box->text(); }

    Program program;
    MemoryImage image;
    CScanInfoDlg dialog{program.started.app};
};

TEST(ScanInfoDialog, ShowsTheStoredBytes) {
    ScanDialog scan({1, 5, 1, 91, 3, 44, 1, 0, 0});
    EXPECT_EQ(scan.dialog.priorityList()->currentText(), "Fixed");
    EXPECT_EQ(scan.dialog.priorityChannelBox()->text(), " 5");
    EXPECT_EQ(scan.text(scan.dialog.lookBackABox()), "0.5");
    EXPECT_EQ(scan.text(scan.dialog.lookBackBBox()), "5");
    EXPECT_EQ(scan.dialog.revertList()->currentText(), "Priority+Talk back");
    EXPECT_EQ(scan.text(scan.dialog.dropoutDelayBox()), "300");
    EXPECT_EQ(scan.text(scan.dialog.txDwellBox()), "0");
}

TEST(ScanInfoDialog, SelectedModeShowsTwoRevertEntries) {
    ScanDialog scan({2, 5, 1, 1, 3, 0, 0, 0, 0});
    EXPECT_EQ(scan.dialog.revertList()->count(), 2);
    EXPECT_EQ(scan.dialog.revertList()->currentText(), "Priority+Talk back");
    EXPECT_FALSE(scan.dialog.priorityChannelBox()->isEnabled());
    EXPECT_TRUE(scan.dialog.priorityChannelBox()->text().isEmpty());
    EXPECT_FALSE(scan.dialog.lookBackABox()->isEnabled());
}

TEST(ScanInfoDialog, SwitchingFromFixedToNoneEmptiesTheChannelBox) {
    ScanDialog scan({1, 5, 1, 1, 3, 0, 0, 0, 0});
    scan.dialog.priorityList()->setCurrentIndex(kPriorityNone);
    EXPECT_TRUE(scan.dialog.priorityChannelBox()->text().isEmpty());
    EXPECT_FALSE(scan.dialog.priorityChannelBox()->isEnabled());
    EXPECT_EQ(scan.dialog.revertList()->count(), 2);
    scan.dialog.priorityList()->setCurrentIndex(kPriorityFixed);
    EXPECT_TRUE(scan.dialog.priorityChannelBox()->isEnabled());
    EXPECT_EQ(scan.dialog.revertList()->count(), 4);
}

TEST(ScanInfoDialog, SpinArrowsRunTheRadiosWayRoundAndWrap) {
    ScanDialog scan({1, 5, 91, 1, 0, 0x2C, 0x01, 0, 0});
    SpinEdit* a = scan.dialog.lookBackABox();
    a->stepDown();  // the down arrow raises: 5 wraps to 0.5
    EXPECT_EQ(scan.text(a), "0.5");
    a->stepUp();  // and the up arrow lowers: 0.5 wraps to 5
    EXPECT_EQ(scan.text(a), "5");
    QTest::keyClick(a, Qt::Key_Up);
    EXPECT_EQ(scan.text(a), "4.95");

    SpinEdit* dropout = scan.dialog.dropoutDelayBox();
    dropout->stepDown();
    EXPECT_EQ(scan.text(dropout), "0");
    dropout->stepUp();
    EXPECT_EQ(scan.text(dropout), "300");
}

TEST(ScanInfoDialog, LeavingABoxTakesItsValueIntoRange) {
    struct Case {
        QString typed;
        QString shown;
    };
    for (const Case& c : {Case{"0.57", "0.55"}, Case{"9", "5"}, Case{"0.2", "0.5"}}) {
        ScanDialog scan({1, 5, 1, 1, 0, 0, 0, 0, 0});
        scan.dialog.lookBackBBox()->setText(c.typed);
        ScanDialog::leave(scan.dialog.lookBackBBox());
        EXPECT_EQ(scan.text(scan.dialog.lookBackBBox()), c.shown) << c.typed.toStdString();
    }
    ScanDialog scan({1, 5, 1, 1, 0, 0, 0, 0, 0});
    scan.dialog.txDwellBox()->setText("999");
    ScanDialog::leave(scan.dialog.txDwellBox());
    EXPECT_EQ(scan.text(scan.dialog.txDwellBox()), "300");
}

TEST(ScanInfoDialog, NoNumberInABoxIsReportedAndItsLastValueComesBack) {
    ScanDialog scan({1, 5, 1, 1, 0, 0, 0, 0, 0});
    scan.dialog.lookBackABox()->setText("abc");
    ScanDialog::leave(scan.dialog.lookBackABox());
    EXPECT_EQ(scan.messages(), std::vector<QString>{"Please enter a number."});
    EXPECT_EQ(scan.text(scan.dialog.lookBackABox()), "0.5");

    scan.dialog.dropoutDelayBox()->setText("");
    scan.dialog.accept();
    EXPECT_EQ(scan.messages().back(), "Please enter an integer.");
    EXPECT_NE(scan.dialog.result(), QDialog::Accepted);
}

TEST(ScanInfoDialog, AFixedPriorityNeedsAProgrammedChannel) {
    for (const QString channel : {"17", "0", "3", ""}) {
        ScanDialog scan({1, 5, 1, 1, 0, 0, 0, 0, 0});
        scan.dialog.priorityChannelBox()->setText(channel);
        scan.dialog.accept();
        EXPECT_EQ(scan.messages(), std::vector<QString>{"Please select channel inputed"})
            << channel.toStdString();
        EXPECT_NE(scan.dialog.result(), QDialog::Accepted);
        EXPECT_TRUE(scan.dialog.image() == scan.image);
    }
}

TEST(ScanInfoDialog, OkTakesValuesConfirmedWithoutLeavingTheirBoxIntoRange) {
    ScanDialog scan({1, 5, 1, 1, 0, 0, 0, 0, 0});
    scan.dialog.lookBackABox()->setText("99");
    scan.dialog.lookBackBBox()->setText("0.7");
    scan.dialog.dropoutDelayBox()->setText("70000");
    scan.dialog.txDwellBox()->setText("12");
    scan.dialog.revertList()->setCurrentIndex(2);
    scan.dialog.accept();
    ASSERT_EQ(scan.dialog.result(), QDialog::Accepted);
    const MemoryImage& stored = scan.dialog.image();
    EXPECT_EQ(stored[map::kLookBackA], 91);
    EXPECT_EQ(stored[map::kLookBackB], 5);
    EXPECT_EQ(stored[map::kRevertChannel], 2);
    EXPECT_EQ(stored[map::kDropoutDelay], 300 & 0xFF);
    EXPECT_EQ(stored[map::kDropoutDelay + 1], 300 >> 8);
    EXPECT_EQ(stored[map::kTxDwellTime], 12);
}

// --- Product Information ----------------------------------------------------------------------

TEST(ProductInfoDialog, OpensOnTheRememberedChoiceAndOkSetsTitleLimitsAndRegistry) {
    Program program;
    Registry registry = program.started.app.registry();
    registry.writeInt("Type", 1);
    registry.writeInt("Field", 2);
    program.started.prompts.onDialog = [](QDialog& dialog) {
        auto& page = static_cast<CProductInfoDlg&>(dialog);
        EXPECT_EQ(page.typeList()->currentText(), "Beta");
        EXPECT_EQ(page.bandList()->currentText(), "400-400");
        page.bandList()->setCurrentIndex(0);
        page.accept();
        return page.result();
    };
    program.started.frame().onCommand(cmd::ProductInformation);
    EXPECT_EQ(program.started.frame().windowTitle(), "Test Radio  [ Type:Beta  Fre:136-174 ]");
    EXPECT_EQ(program.started.frame().activeView()->bandLimits(), (BandLimits{13600000, 17400000}));
    EXPECT_EQ(program.image()[map::kRadioType], 1);
    EXPECT_EQ(program.image()[map::kBand], 0);
    EXPECT_EQ(registry.readInt("Type"), 1);
    EXPECT_EQ(registry.readInt("Field"), 0);
}

TEST(ProductInfoDialog, ListsComeFromProgramIni) {
    clearUserSettings();
    QString ini = ProgramFolder::defaultIni();
    ini.replace("Field1=400-470|430-480", "Field1=400-420|420-440|");
    ini.replace("Type2=Beta", "Type2=Beta\nType4=Delta");
    StartedProgram program(ini);
    CProductInfoDlg dialog(program.app);
    dialog.load(program.frame().activeDocument()->image());
    ASSERT_EQ(dialog.typeList()->count(), 2);
    ASSERT_EQ(dialog.bandList()->count(), 3);
    EXPECT_EQ(dialog.bandList()->itemText(2), "");
    dialog.bandList()->setCurrentIndex(1);
    dialog.typeList()->setCurrentIndex(1);  // another type starts at its first band
    EXPECT_EQ(dialog.bandList()->currentText(), "136-174");
    dialog.typeList()->setCurrentIndex(0);
    dialog.accept();
    EXPECT_EQ(dialog.bandLimits(), (BandLimits{40000000, 42000000}));
    clearUserSettings();
}

TEST(ProductInfoDialog, ARememberedTypeBeyondTheListLeavesNoSelection) {
    Program program;
    program.started.app.registry().writeInt("Type", 7);
    CProductInfoDlg dialog(program.started.app);
    dialog.load(program.image());
    EXPECT_EQ(dialog.typeList()->currentIndex(), -1);
    ASSERT_EQ(dialog.bandList()->count(), 1);
    EXPECT_EQ(dialog.bandList()->itemText(0), "");
    dialog.accept();
    EXPECT_EQ(dialog.image()[map::kRadioType], 0xFF);
    EXPECT_EQ(program.started.app.registry().readInt("Type"), -1);
    EXPECT_EQ(dialog.bandLimits(), (BandLimits{0, 0}));
}

}  // namespace
}  // namespace radio::test
