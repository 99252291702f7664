#include "gui/channels/CProgramView.h"

#include <QMdiSubWindow>
#include <QUndoStack>
#include <QVBoxLayout>

#include "core/channels/BandText.h"
#include "core/print/ReportLayout.h"
#include "core/settings/ProductInfo.h"
#include "core/text/Texts.h"
#include "gui/app/CMainFrame.h"
#include "gui/app/CProgramApp.h"
#include "gui/app/HelpContext.h"
#include "gui/app/StringTable.h"
#include "gui/app/UserPrompts.h"
#include "gui/channels/ChannelDelegate.h"
#include "gui/channels/ChannelEditing.h"
#include "gui/channels/ChannelListFiles.h"
#include "gui/channels/ChannelTableModel.h"
#include "gui/channels/ChannelTableView.h"
#include "gui/image/CProgramDoc.h"
#include "gui/link/CComSetupDlg.h"
#include "gui/link/RadioLink.h"
#include "gui/print/ReportPrinting.h"
#include "gui/settings/CLanguageDlg.h"
#include "gui/settings/CScanInfoDlg.h"
#include "gui/settings/SettingsPage.h"
#include "qtshared/ConfigText.h"

namespace radio {
namespace gui {

namespace {

constexpr int kGridHelpId = 1000;

}  // namespace

CProgramView::CProgramView(CProgramApp& app, CProgramDoc& document, QWidget* parent)
    : QWidget(parent),
      app_(app),
      document_(document),
      model_(std::make_unique<ChannelTableModel>(document_, app_.language(),
                                                 [this] { return bandLimits(); })),
      delegate_(std::make_unique<ChannelDelegate>(app_.language())),
      table_(new ChannelTableView(
          *model_, *delegate_, [this](FrequencyCheck check) { reportRefusal(check); }, this)) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(table_);
    setHelpContext(*table_, kGridHelpId);
    table_->setAccessibleName(tr("Channels"));
    editing_ = std::make_unique<ChannelEditing>(app_, *this);
    link_ = std::make_unique<RadioLink>(app_, *this);
    connect(table_, &ChannelTableView::helpRequested, this,
            [this](QObject* focused) { app_.showHelp(helpContextOf(focused, kGridHelpId)); });
    connect(table_, &ChannelTableView::accessCodeRequested, this,
            &CProgramView::accessCodeRequested);
}

CProgramView::~CProgramView() {
    delete table_;  // before the model and the delegate it shows
    table_ = nullptr;
}

void CProgramView::initialUpdate() {
    if (CMainFrame* frame = app_.mainFrame()) {
        table_->addActions(frame->channelCommands());  // the right-click menu
    }
    if (auto* frame = qobject_cast<QMdiSubWindow*>(parentWidget())) {
        frame->setWindowIcon(app_.titleIcon());
        // Fit the frame to the table; never grow it beyond the workspace.
        const QSize wanted = frame->sizeHint().expandedTo(table_->fullSize() + QSize(12, 36));
        frame->resize(wanted);
    }
    LoadChannels();
    table_->setCurrentIndex(model_->index(0, 0));
    table_->ShowCellEditor();
}

void CProgramView::LoadChannels() {
    table_->HideCellEditors();  // an open editor would show a text of the old channels
    syncTypeAndBand();
}

void CProgramView::syncTypeAndBand() {
    Registry registry = app_.registry();
    if (app_.newImageFlag()) {
        MemoryImage& image = document_.image();
        encodeProductInfo(
            image, {registry.readInt("Type").value_or(0), registry.readInt("Field").value_or(0)});
    } else {
        const ProductInfoValues product = decodeProductInfo(document_.image());
        registry.writeInt("Type", product.typeIndex);
        registry.writeInt("Field", product.bandIndex);
    }
    showTypeAndBand();
}

void CProgramView::showTypeAndBand() {
    const ProductInfoValues product = decodeProductInfo(document_.image());
    const QString typeName = app_.setupText(QStringLiteral("Type%1").arg(product.typeIndex + 1));
    const std::string band = configuredBand(app_.config(), product.typeIndex, product.bandIndex);

    const QString title = QString::fromStdString(mainWindowTitle(
        TitleForm::ImageLoaded, app_.languageText("AppName").toStdString(), typeName.toStdString(),
        decodeConfigText(band).toStdString(), app_.language()));
    if (CMainFrame* frame = app_.mainFrame()) {
        frame->setWindowTitle(title);
    }
}

BandLimits CProgramView::bandLimits() const {
    const ProductInfoValues product = decodeProductInfo(document_.image());
    return radio::bandLimits(configuredBand(app_.config(), product.typeIndex, product.bandIndex));
}

ChannelTable CProgramView::channelTexts() const {
    return model_->channels();
}

int CProgramView::CountUsedChannels() const {
    return reportPageCount(channelTexts()) - 1;  // the first page holds the options
}

bool CProgramView::CommitCellEdit() {
    return table_->CommitCellEdit();
}

void CProgramView::reportRefusal(FrequencyCheck check) {
    const auto id =
        check == FrequencyCheck::OutOfRange ? StringTable::OutOfRange : StringTable::OffRaster;
    app_.prompts().message(this, QMessageBox::Warning, StringTable::text(StringTable::Caution),
                           StringTable::text(id), QMessageBox::Ok);
}

bool CProgramView::undo() {
    return stepHistory(true);
}

bool CProgramView::redo() {
    return stepHistory(false);
}

bool CProgramView::stepHistory(bool back) {
    QUndoStack& history = document_.history();
    const bool editing = table_->channelDelegate().openEditor() != nullptr;
    // What the open editor holds becomes a step of its own first; a text the cell refuses
    // (its message shown) stays one step back, since the user asked to go back.
    table_->CommitCellEdit();
    table_->HideCellEditors();
    const bool stepped = back ? history.canUndo() : history.canRedo();
    if (stepped) {
        back ? history.undo() : history.redo();
        showTypeAndBand();  // the step may have been a type and band of its own
    }
    if (editing) {
        table_->ShowCellEditor();  // the current cell's editor again, with the text put back
    }
    return stepped;
}

bool CProgramView::prepareToClose(const std::function<void()>& whenStopped) {
    return link_->prepareToClose(whenStopped);
}

void CProgramView::onComSetup() {
    CComSetupDlg dialog(app_, this);
    if (app_.prompts().runDialog(dialog) == QDialog::Accepted) {
        dialog.acceptChoice();  // the port of every document from now on
    }
}

void CProgramView::onScanInfo() {
    if (!CommitCellEdit()) {
        return;
    }
    if (!scanInfoDlg_) {
        scanInfoDlg_ = new CScanInfoDlg(app_, this);
    }
    runSettingsPage(app_.prompts(), *scanInfoDlg_, document_);
}

void CProgramView::onLanguage() {
    if (!CommitCellEdit()) {
        return;
    }
    if (!languageDlg_) {
        languageDlg_ = new CLanguageDlg(app_, this);
    }
    languageDlg_->load();
    if (app_.prompts().runDialog(*languageDlg_) == QDialog::Accepted && languageDlg_->changed()) {
        app_.restartProgram(languageDlg_->chosenLanguageName());
    }
}

void CProgramView::onRead() {
    link_->onRead();
}

void CProgramView::onWrite() {
    link_->onWrite();
}

void CProgramView::onCompare() {
    link_->onCompare();
}

void CProgramView::onPrint() {
    if (CommitCellEdit()) {
        app_.printing().print(*this, true);
    }
}

void CProgramView::onPrintPreview() {
    if (CommitCellEdit()) {
        app_.printing().preview(*this);
    }
}

void CProgramView::onExportPdf() {
    if (CommitCellEdit()) {
        app_.printing().exportPdf(*this);
    }
}

void CProgramView::onExportChannels() {
    if (CommitCellEdit()) {
        ChannelListFiles::exportTo(app_, *this);
    }
}

void CProgramView::onImportChannels() {
    if (CommitCellEdit()) {
        ChannelListFiles::importFrom(app_, *this);
    }
}

}  // namespace gui
}  // namespace radio
