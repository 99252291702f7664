#include "gui/channels/CProgramView.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QIcon>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QUndoStack>
#include <QVBoxLayout>
#include <algorithm>
#include <utility>

#include "core/channels/BandText.h"
#include "core/channels/ChannelCodec.h"
#include "core/image/ImageMap.h"
#include "core/print/ReportLayout.h"
#include "core/settings/ProductInfo.h"
#include "core/text/Texts.h"
#include "core/util/CRuntimeText.h"
#include "gui/app/CMainFrame.h"
#include "gui/app/CProgramApp.h"
#include "gui/app/HelpContext.h"
#include "gui/app/HistoryKeys.h"
#include "gui/app/Pictures.h"
#include "gui/app/RunTimeText.h"
#include "gui/app/StringTable.h"
#include "gui/app/UserPrompts.h"
#include "gui/channels/CellEditors.h"
#include "gui/channels/ChannelGrid.h"
#include "gui/channels/ChannelListFiles.h"
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

// The grid column that shows a channel field; column 0 holds the channel numbers.
constexpr int column(ChannelField field) {
    return static_cast<int>(fieldIndex(field)) + 1;
}
constexpr int kRxColumn = column(ChannelField::RxFrequency);
constexpr int kTxColumn = column(ChannelField::TxFrequency);
constexpr int kScanAddColumn = column(ChannelField::ScanAdd);
constexpr int kLastFieldColumn = static_cast<int>(kChannelFieldCount);

constexpr TextId kHeaders[ChannelGrid::kCols] = {
    TextId::HeaderChannel, TextId::HeaderRxFrequency, TextId::HeaderTxFrequency,
    TextId::HeaderDecode,  TextId::HeaderEncode,      TextId::HeaderPower,
    TextId::HeaderScanAdd, TextId::HeaderBusyLock,    TextId::HeaderWideNarrow,
    TextId::HeaderCompand, TextId::HeaderScrambler,
};

}  // namespace

CProgramView::CProgramView(CProgramApp& app, CProgramDoc& document, QWidget* parent)
    : QWidget(parent), app_(app), document_(document), grid_(new ChannelGrid(this)) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(grid_);
    setHelpContext(*grid_, kGridHelpId);
    link_ = std::make_unique<RadioLink>(app_, *this);
    document_.setViewHooks({[this] { StoreChannels(); }, [this] { return gridTexts(); },
                            [this](const DocumentState& state) { showState(state); }});
}

CProgramView::~CProgramView() {
    document_.setViewHooks({});
}

void CProgramView::initialUpdate() {
    if (firstUpdate_) {
        setupGrid();
        firstUpdate_ = false;
    }
    if (auto* frame = qobject_cast<QMdiSubWindow*>(parentWidget())) {
        frame->setWindowIcon(app_.titleIcon());
        // Fit the frame to the grid; never grow it beyond the workspace.
        const QSize wanted = frame->sizeHint().expandedTo(grid_->fullSize() + QSize(12, 36));
        frame->resize(wanted);
    }
    LoadChannels();
}

void CProgramView::setupGrid() {
    const Language language = app_.language();
    editors_ = std::make_unique<CellEditors>(
        grid_->viewport(), language, [this](QWidget& editor) { editor.installEventFilter(this); });
    for (int col = 0; col < ChannelGrid::kCols; ++col) {
        grid_->setTextMatrix(0, col, uiText(kHeaders[col], language));
    }
    for (int row = 1; row < ChannelGrid::kRows; ++row) {
        grid_->setTextMatrix(row, 0, QString::fromStdString(formatInt(row, 2)));
    }
    grid_->applyColumnWidths();
    grid_->setLeaveHandler([this] { return CommitCellEdit(); });
    connect(grid_, &ChannelGrid::enterCell, this, &CProgramView::ShowCellEditor);
    connect(grid_, &ChannelGrid::cellPressed, this, &CProgramView::ShowCellEditor);
    connect(grid_, &ChannelGrid::scrolled, this, &CProgramView::HideCellEditors);
    grid_->installEventFilter(this);
}

void CProgramView::LoadChannels() {
    HideCellEditors();  // an open editor would show a text of the old channels
    const Language language = app_.language();
    const ChannelTable channels = decodeChannels(document_.image(), language);
    const auto field = [&](int channel, int col) {
        return QString::fromStdString(
            channels[static_cast<std::size_t>(channel - 1)][static_cast<std::size_t>(col - 1)]);
    };
    for (int channel = 1; channel <= map::kChannelCount; ++channel) {
        for (int col = kRxColumn; col <= kLastFieldColumn; ++col) {
            if (col != kScanAddColumn) {
                grid_->setTextMatrix(channel, col, field(channel, col));
            }
        }
    }
    // Scan Add is one bit a channel in two bytes (channels 1-8, 9-16), walked byte by byte from
    // the high bit down: 8..1, then 16..9. The cells end the same in any order; the walk is
    // kept so the grid is filled in the sequence the bytes are read.
    for (int channel : {8, 7, 6, 5, 4, 3, 2, 1, 16, 15, 14, 13, 12, 11, 10, 9}) {
        grid_->setTextMatrix(channel, kScanAddColumn, field(channel, kScanAddColumn));
    }
    syncTypeAndBand();
}

void CProgramView::syncTypeAndBand() {
    MemoryImage& image = document_.image();
    Registry registry = app_.registry();
    if (app_.newImageFlag()) {
        encodeProductInfo(
            image, {registry.readInt("Type").value_or(0), registry.readInt("Field").value_or(0)});
    }
    if (!app_.newImageFlag()) {
        const ProductInfoValues product = decodeProductInfo(image);
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
    bandLimits_ = radio::bandLimits(band);
}

ChannelTable CProgramView::gridTexts() const {
    ChannelTable table;
    for (int channel = 1; channel <= map::kChannelCount; ++channel) {
        for (int col = kRxColumn; col <= kLastFieldColumn; ++col) {
            table[static_cast<std::size_t>(channel - 1)][static_cast<std::size_t>(col - 1)] =
                grid_->textMatrix(channel, col).toStdString();
        }
    }
    return table;
}

void CProgramView::showChannels(const ChannelTable& table) {
    HideCellEditors();
    for (int channel = 1; channel <= map::kChannelCount; ++channel) {
        for (int col = 1; col < ChannelGrid::kCols; ++col) {
            setCellText(channel, col,
                        QString::fromStdString(table[static_cast<std::size_t>(channel - 1)]
                                                    [static_cast<std::size_t>(col - 1)]));
        }
    }
}

void CProgramView::StoreChannels() {
    encodeChannels(document_.image(), gridTexts());
}

MemoryImage CProgramView::shownImage() const {
    MemoryImage shown = document_.image();
    encodeChannels(shown, gridTexts());
    return shown;
}

void CProgramView::showState(const DocumentState& state) {
    HideCellEditors();
    for (int channel = 1; channel <= map::kChannelCount; ++channel) {
        for (int col = 1; col < ChannelGrid::kCols; ++col) {
            grid_->setTextMatrix(channel, col,
                                 QString::fromStdString(state.channels[static_cast<std::size_t>(
                                     channel - 1)][static_cast<std::size_t>(col - 1)]));
        }
    }
    // The type and band may be another step's: the title and the frequency checks follow.
    showTypeAndBand();
}

QString CProgramView::cellStepName(int row, int col) const {
    return tr("Edit Channel %1 %2").arg(row).arg(uiText(kHeaders[col], app_.language()));
}

bool CProgramView::undo() {
    return stepHistory(true);
}

bool CProgramView::redo() {
    return stepHistory(false);
}

bool CProgramView::stepHistory(bool back) {
    QUndoStack& history = document_.history();
    const bool editing = editors_ && editors_->visibleColumn() != 0;
    // What the open editor holds becomes a step of its own first; a text the cell refuses
    // (its message shown) is dropped, since the user asked to go back.
    if (!CommitCellEdit()) {
        HideCellEditors();
    }
    const bool stepped = back ? history.canUndo() : history.canRedo();
    if (stepped) {
        back ? history.undo() : history.redo();
    }
    if (editing) {
        ShowCellEditor();  // the current cell's editor again, with the text put back
    }
    return stepped;
}

int CProgramView::CountUsedChannels() const {
    return reportPageCount(gridTexts()) - 1;  // the first page holds the options
}

void CProgramView::ShowCellEditor() {
    if (!editors_ || grid_->currentRow() < 0 || grid_->currentColumn() < 0) {
        return;
    }
    const int row = grid_->row();
    const int col = grid_->col();
    if (editors_->visibleColumn() != 0 &&
        (editors_->openRow() != row || editors_->visibleColumn() != col)) {
        commitOpenEditor();  // a move the grid made on its own: settle the cell it left
    }
    editors_->show(row, col, grid_->cellRect(row, col), grid_->textMatrix(row, col));
    grid_->viewport()->update();
}

void CProgramView::HideCellEditors() {
    if (editors_) {
        editors_->hideAll();
        grid_->viewport()->update();
    }
}

void CProgramView::setCellText(int row, int col, const QString& text) {
    if (grid_->textMatrix(row, col) != text) {
        grid_->setTextMatrix(row, col, text);
    }
}

void CProgramView::clearRow(int row) {
    for (int col = 1; col < ChannelGrid::kCols; ++col) {
        setCellText(row, col, QString());
    }
}

void CProgramView::reportInput(int messageId) {
    app_.prompts().message(this, QMessageBox::Warning, StringTable::text(StringTable::Caution),
                           StringTable::text(static_cast<StringTable::Id>(messageId)),
                           QMessageBox::Ok);
}

bool CProgramView::commitFrequency(int row, int col, const QString& typed, const QString& rx) {
    const QString t = QString::fromStdString(formatFixed(leadingDouble(typed.toStdString()), 5));
    const FrequencyCheck check = checkFrequency(parseFrequency(t.toStdString()), bandLimits_);
    if (check != FrequencyCheck::Accepted) {
        reportInput(check == FrequencyCheck::OutOfRange ? StringTable::OutOfRange
                                                        : StringTable::OffRaster);
        if (col == kRxColumn) {
            clearRow(row);
        } else {
            setCellText(row, col, QString());
        }
        editors_->hideAll();
        return false;
    }
    if (col == kTxColumn) {
        setCellText(row, col, rx.isEmpty() ? QString() : t);
    } else if (!rx.isEmpty()) {
        setCellText(row, col, t);
    } else {
        const ChannelRow defaults = newChannelDefaults(t.toStdString(), app_.language());
        for (int c = kRxColumn; c <= kLastFieldColumn; ++c) {
            setCellText(row, c, QString::fromStdString(defaults[static_cast<std::size_t>(c - 1)]));
        }
    }
    return true;
}

bool CProgramView::commitOpenEditor() {
    const int col = editors_ ? editors_->visibleColumn() : 0;
    if (col == 0) {
        return true;
    }
    const int row = editors_->openRow();
    if (!editors_->changedByUser()) {
        // What the cell showed goes back unchecked: a channel read from a radio of another
        // band keeps its bytes until the user types over it.
        editors_->hideAll();
        return true;
    }
    const QString rx = grid_->textMatrix(row, kRxColumn);
    const QString tx = grid_->textMatrix(row, kTxColumn);
    const QString typed = editors_->text(col);
    bool accepted = true;
    // A rejected frequency clears what it was typed into: that is a step too.
    document_.change(cellStepName(row, col), [&] {
        const bool frequency = col == kRxColumn || col == kTxColumn;
        if (frequency && !typed.isEmpty()) {
            accepted = commitFrequency(row, col, typed, rx);
        } else if (col == kRxColumn) {
            clearRow(row);
        } else if (col == kTxColumn) {
            setCellText(row, col, rx);
        } else {
            setCellText(row, col, rx.isEmpty() && tx.isEmpty() ? QString() : typed);
        }
    });
    editors_->hideAll();
    return accepted;
}

bool CProgramView::CommitCellEdit() {
    const int row = editors_ ? editors_->openRow() : 0;
    const int col = editors_ ? editors_->visibleColumn() : 0;
    if (commitOpenEditor()) {
        return true;
    }
    // The user corrects at once: the cell stays current and its editor takes the keys again.
    if (grid_->row() != row || grid_->col() != col) {
        grid_->setCell(row, col);
    } else {
        ShowCellEditor();
    }
    return false;
}

void CProgramView::moveAfterEnter() {
    const int row = grid_->row();
    const int col = grid_->col();
    if (col < ChannelGrid::kCols - 1) {
        grid_->setCell(row, col + 1);
    } else if (row < ChannelGrid::kRows - 1) {
        grid_->setCell(row + 1, 1);
    } else {
        grid_->setCell(1, 1);
    }
}

void CProgramView::showHelpForFocus(QObject* focused) {
    // The key goes to the focused control, so the receiver is the control to explain.
    app_.showHelp(helpContextOf(focused, kGridHelpId));
}

namespace {

// The cell Tab (step 1) or Shift+Tab (step -1) moves to: the visible cells row by row, wrapping
// at the ends. The hidden power column has nothing to show, so it is skipped.
std::pair<int, int> tabNeighbour(int row, int col, int step) {
    const int lastRow = ChannelGrid::kRows - 1;
    const int lastCol = ChannelGrid::kCols - 1;
    do {
        col += step;
        if (col > lastCol) {
            col = 1;
            row = row == lastRow ? 1 : row + 1;
        } else if (col < 1) {
            col = lastCol;
            row = row == 1 ? lastRow : row - 1;
        }
    } while (col == ChannelGrid::kPowerColumn);
    return {row, col};
}

}  // namespace

bool CProgramView::leaveByKey(QObject* watched, const QKeyEvent& key) {
    const auto* combo = qobject_cast<QComboBox*>(watched);
    const bool edit = qobject_cast<QLineEdit*>(watched) != nullptr;
    if (combo && combo->view()->isVisible()) {
        return false;  // an open list takes its keys first
    }
    const int row = grid_->row();
    const int col = grid_->col();
    std::pair<int, int> next{row, col};
    switch (key.key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
            if (CommitCellEdit()) {
                moveAfterEnter();
            }
            return true;
        case Qt::Key_Tab:
        case Qt::Key_Backtab:
            next = tabNeighbour(row, col, key.key() == Qt::Key_Tab ? 1 : -1);
            break;
        // In an edit box Left and Right move the caret, in a list Up and Down change the item.
        case Qt::Key_Up:
        case Qt::Key_Down:
            if (!edit) {
                return false;
            }
            next.first =
                std::clamp(row + (key.key() == Qt::Key_Up ? -1 : 1), 1, ChannelGrid::kRows - 1);
            break;
        case Qt::Key_Left:
        case Qt::Key_Right:
            if (!combo) {
                return false;
            }
            do {
                next.second += key.key() == Qt::Key_Left ? -1 : 1;
            } while (next.second == ChannelGrid::kPowerColumn);
            if (next.second < 1 || next.second >= ChannelGrid::kCols) {
                return true;  // the grid's edge: stay
            }
            break;
        default:
            return false;
    }
    if (next != std::pair{row, col} && CommitCellEdit()) {
        grid_->setCell(next.first, next.second);
    }
    return true;
}

bool CProgramView::historyKeyForEditor(const QKeyEvent& key) const {
    const QKeySequence pressed(key.keyCombination());
    return (undoKeys().contains(pressed) || redoKeys().contains(pressed)) &&
           !(editors_ && editors_->changedByUser());
}

bool CProgramView::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::ShortcutOverride &&
        historyKeyForEditor(*static_cast<QKeyEvent*>(event))) {
        // An edit box takes Ctrl+Z for its own typing; with nothing typed it goes to the
        // document's history.
        return true;
    }
    if (event->type() != QEvent::KeyPress) {
        return QWidget::eventFilter(watched, event);
    }
    auto* key = static_cast<QKeyEvent*>(event);
    if (leaveByKey(watched, *key)) {
        return true;
    }
    if (key->key() == Qt::Key_F1) {
        showHelpForFocus(watched);
        return true;
    }
    if (key->key() == Qt::Key_F11 && (key->modifiers() & Qt::ControlModifier)) {
        emit accessCodeRequested();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

bool CProgramView::prepareToClose() {
    return link_->prepareToClose();
}

void CProgramView::onComSetup() {
    CComSetupDlg dialog(app_, this);
    if (app_.prompts().runDialog(dialog) == QDialog::Accepted) {
        link_->setPortName(dialog.acceptChoice());
    }
}

void CProgramView::onScanInfo() {
    // The priority-channel check must see the channels as the grid shows them.
    StoreChannels();
    if (!scanInfoDlg_) {
        scanInfoDlg_ = new CScanInfoDlg(app_, this);
    }
    runSettingsPage(app_.prompts(), *scanInfoDlg_, document_);
}

void CProgramView::onLanguage() {
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
    CommitCellEdit();
    app_.printing().print(*this, true);
}

void CProgramView::onPrintPreview() {
    CommitCellEdit();
    app_.printing().preview(*this);
}

void CProgramView::onExportPdf() {
    CommitCellEdit();
    app_.printing().exportPdf(*this);
}

void CProgramView::onExportChannels() {
    CommitCellEdit();
    ChannelListFiles::exportTo(app_, *this);
}

void CProgramView::onImportChannels() {
    CommitCellEdit();
    ChannelListFiles::importFrom(app_, *this);
}

}  // namespace gui
}  // namespace radio
