#include "gui/channels/ChannelTableView.h"

#include <QAbstractButton>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMimeData>
#include <QScrollBar>
#include <algorithm>

#include "core/channels/ChannelFields.h"
#include "gui/app/HistoryKeys.h"
#include "gui/app/RunTimeText.h"
#include "gui/channels/ChannelDelegate.h"
#include "gui/channels/ChannelHeader.h"
#include "gui/channels/ChannelTableModel.h"

namespace radio {
namespace gui {

namespace {

constexpr int kTxColumn = static_cast<int>(fieldIndex(ChannelField::TxFrequency));
constexpr int kLastColumn = ChannelTableModel::kColumnCount - 1;
constexpr int kLastRow = 15;

// The cell Tab (step 1) or Shift+Tab (step -1) moves to: the cells row by row, wrapping at the
// ends.
QPoint tabNeighbour(int row, int col, int step) {
    col += step;
    if (col > kLastColumn) {
        col = 0;
        row = row == kLastRow ? 0 : row + 1;
    } else if (col < 0) {
        col = kLastColumn;
        row = row == 0 ? kLastRow : row - 1;
    }
    return {col, row};
}

bool isNavigationKey(int key) {
    switch (key) {
        case Qt::Key_Up:
        case Qt::Key_Down:
        case Qt::Key_Left:
        case Qt::Key_Right:
        case Qt::Key_PageUp:
        case Qt::Key_PageDown:
        case Qt::Key_Home:
        case Qt::Key_End:
            return true;
        default:
            return false;
    }
}

// Text from a spreadsheet or another table: more than one cell.
bool clipboardHoldsCells() {
    const QMimeData* data = QApplication::clipboard()->mimeData();
    if (!data) {
        return false;
    }
    const QString text = data->text().trimmed();
    return text.contains('\t') || text.contains('\n') ||
           data->hasFormat(ChannelTableModel::kRecordsMimeType);
}

}  // namespace

ChannelTableView::ChannelTableView(ChannelTableModel& model, ChannelDelegate& delegate,
                                   RefusalReport report, QWidget* parent)
    : QTableView(parent), model_(model), delegate_(delegate), report_(std::move(report)) {
    setObjectName("ChannelGrid");
    setHorizontalHeader(new ChannelHeader(Qt::Horizontal, this));
    setVerticalHeader(new ChannelHeader(Qt::Vertical, this));
    setModel(&model_);
    setItemDelegate(&delegate_);
    setEditTriggers(QAbstractItemView::EditKeyPressed | QAbstractItemView::AnyKeyPressed |
                    QAbstractItemView::DoubleClicked);
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setSelectionBehavior(QAbstractItemView::SelectItems);
    setTabKeyNavigation(false);
    setWordWrap(false);
    setContextMenuPolicy(Qt::ActionsContextMenu);
    horizontalHeader()->setSectionsClickable(false);
    verticalHeader()->setSectionsClickable(true);
    horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    horizontalHeader()->setHighlightSections(false);
    verticalHeader()->setHighlightSections(true);
    verticalHeader()->setDefaultAlignment(Qt::AlignCenter);
    // The default column width fits the widest header of the flag columns.
    horizontalHeader()->setDefaultSectionSize(
        std::max(78, fontMetrics().horizontalAdvance(QStringLiteral("Scrambler")) + 20));
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 8);
    if (auto* corner = findChild<QAbstractButton*>()) {
        const QString text = uiText(TextId::HeaderChannel, model_.language());
        paintCornerText(*corner, text);
        corner->setEnabled(false);  // selecting all 160 cells at once has no use here
    }
    verticalHeader()->viewport()->installEventFilter(this);
    connect(horizontalScrollBar(), &QScrollBar::valueChanged, this,
            &ChannelTableView::HideCellEditors);
    connect(verticalScrollBar(), &QScrollBar::valueChanged, this,
            &ChannelTableView::HideCellEditors);
    applyColumnWidths();
}

void ChannelTableView::applyColumnWidths() {
    const int w = horizontalHeader()->defaultSectionSize();
    verticalHeader()->setFixedWidth(w / 2);
    for (int col = 0; col <= kLastColumn; ++col) {
        const ChannelField field = ChannelTableModel::field(col);
        double factor = 1.0;
        if (field <= ChannelField::TxFrequency) {
            factor = 1.2;
        } else if (field <= ChannelField::EncodeTone) {
            factor = 1.1;
        } else if (field <= ChannelField::Compand) {
            factor = 0.9;
        }
        setColumnWidth(col, static_cast<int>(w * factor));
    }
}

QSize ChannelTableView::fullSize() const {
    int width = verticalHeader()->width() + 2 * frameWidth();
    for (int c = 0; c < model_.columnCount(); ++c) {
        width += isColumnHidden(c) ? 0 : columnWidth(c);
    }
    int height = horizontalHeader()->height() + 2 * frameWidth();
    for (int r = 0; r < model_.rowCount(); ++r) {
        height += rowHeight(r);
    }
    return {width, height};
}

QList<int> ChannelTableView::selectedChannels() const {
    QList<int> channels;
    for (const QModelIndex& index : selectionModel()->selectedIndexes()) {
        if (!channels.contains(index.row() + 1)) {
            channels << index.row() + 1;
        }
    }
    if (channels.isEmpty() && currentIndex().isValid()) {
        channels << currentIndex().row() + 1;
    }
    std::sort(channels.begin(), channels.end());
    return channels;
}

void ChannelTableView::ShowCellEditor() {
    const QModelIndex current = currentIndex();
    if (!current.isValid()) {
        return;
    }
    if (delegate_.openEditor() && delegate_.openIndex() != current) {
        CommitCellEdit();  // a move the table made on its own: settle the cell it left
    }
    if (!delegate_.openEditor()) {
        scrollTo(current);  // first, since scrolling closes editors
        edit(current, QAbstractItemView::AllEditTriggers, nullptr);
    }
    if (QWidget* editor = delegate_.openEditor()) {
        editor->setFocus(Qt::OtherFocusReason);
    }
}

void ChannelTableView::HideCellEditors() {
    if (QWidget* editor = delegate_.openEditor()) {
        const bool focused = editor->hasFocus();
        closeEditor(editor, QAbstractItemDelegate::NoHint);
        if (focused) {
            setFocus(Qt::OtherFocusReason);
        }
    }
}

bool ChannelTableView::CommitCellEdit() {
    QWidget* editor = delegate_.openEditor();
    if (!editor) {
        return true;
    }
    const QModelIndex index = delegate_.openIndex();
    const QString text = ChannelDelegate::text(editor);
    // An empty transmit cell takes the receive frequency, typed into or not.
    const bool wanted =
        delegate_.changedByUser() || (index.column() == kTxColumn && text.isEmpty());
    const QList<int> channels = selectedChannels();
    bool accepted = true;
    if (wanted && ChannelTableModel::isList(index.column()) && channels.size() > 1 &&
        channels.contains(index.row() + 1)) {
        accepted = model_.commitText(channels, ChannelTableModel::field(index), text);
    } else if (wanted) {
        commitData(editor);
        accepted = model_.lastCheck() == FrequencyCheck::Accepted;
    }
    HideCellEditors();
    if (accepted) {
        return true;
    }
    // The user corrects at once: the cell is current again with its editor open.
    report_(model_.lastCheck());
    setCurrentIndex(index);
    ShowCellEditor();
    return false;
}

bool ChannelTableView::moveTo(const QModelIndex& index) {
    if (!CommitCellEdit()) {
        return false;
    }
    setCurrentIndex(index);
    selectionModel()->select(index, QItemSelectionModel::ClearAndSelect);
    ShowCellEditor();
    return true;
}

bool ChannelTableView::edit(const QModelIndex& index, EditTrigger trigger, QEvent* event) {
    const bool opened = QTableView::edit(index, trigger, event);
    if (QWidget* editor = delegate_.openEditor(); opened && editor) {
        editor->removeEventFilter(this);
        editor->installEventFilter(this);
    }
    return opened;
}

void ChannelTableView::currentChanged(const QModelIndex& current, const QModelIndex& previous) {
    // Every move of the user's commits first; this catches the ones the table makes itself.
    if (delegate_.openEditor() && delegate_.openIndex() != current) {
        CommitCellEdit();
    }
    QTableView::currentChanged(current, previous);
}

void ChannelTableView::moveAfterEnter() {
    const QModelIndex current = currentIndex();
    int row = current.row();
    int col = current.column();
    if (col < kLastColumn) {
        ++col;
    } else if (row < kLastRow) {
        col = 0;
        ++row;
    } else {
        row = 0;
        col = 0;
    }
    moveTo(model_.index(row, col));
}

void ChannelTableView::extendChannelSelection(int step) {
    if (!CommitCellEdit()) {
        return;
    }
    HideCellEditors();
    const QModelIndex current = currentIndex();
    const bool rowsSelected = selectionModel()->isRowSelected(current.row(), {});
    if (anchorRow_ < 0 || !rowsSelected) {
        anchorRow_ = current.row();
    }
    const int row = std::clamp(current.row() + step, 0, kLastRow);
    const QModelIndex next = model_.index(row, current.column());
    selectionModel()->setCurrentIndex(next, QItemSelectionModel::NoUpdate);
    const QItemSelection rows(model_.index(std::min(anchorRow_, row), 0),
                              model_.index(std::max(anchorRow_, row), kLastColumn));
    selectionModel()->select(rows, QItemSelectionModel::ClearAndSelect);
    setFocus(Qt::OtherFocusReason);
}

bool ChannelTableView::editorShortcut(const QKeyEvent& key) const {
    const QKeySequence pressed(key.keyCombination());
    // An edit box takes Ctrl+Z for its own typing; with nothing typed it goes to the
    // document's history. Cells from a spreadsheet are pasted into the table, not the box.
    if (undoKeys().contains(pressed) || redoKeys().contains(pressed)) {
        return !delegate_.changedByUser();
    }
    return key.matches(QKeySequence::Paste) && clipboardHoldsCells();
}

bool ChannelTableView::commonKey(QObject* watched, const QKeyEvent& key) {
    if (key.key() == Qt::Key_F1) {
        emit helpRequested(watched);
        return true;
    }
    if (key.key() == Qt::Key_F11 && (key.modifiers() & Qt::ControlModifier)) {
        emit accessCodeRequested();
        return true;
    }
    return false;
}

bool ChannelTableView::editorKey(QWidget* editor, QKeyEvent& key) {
    const auto* combo = qobject_cast<QComboBox*>(editor);
    if (combo && combo->view()->isVisible()) {
        return false;  // an open list takes its keys first
    }
    const QModelIndex current = delegate_.openIndex();
    const Qt::KeyboardModifiers modifiers = key.modifiers() & ~Qt::KeypadModifier;
    switch (key.key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
            if (CommitCellEdit()) {
                moveAfterEnter();
            }
            return true;
        case Qt::Key_Escape:
            delegate_.setEditorData(editor, current);
            if (auto* edit = qobject_cast<QLineEdit*>(editor)) {
                edit->setModified(false);
            }
            return true;
        case Qt::Key_Tab:
        case Qt::Key_Backtab: {
            const QPoint next =
                tabNeighbour(current.row(), current.column(), key.key() == Qt::Key_Tab ? 1 : -1);
            moveTo(model_.index(next.y(), next.x()));
            return true;
        }
        case Qt::Key_Up:
        case Qt::Key_Down: {
            const int step = key.key() == Qt::Key_Up ? -1 : 1;
            if (modifiers == Qt::ShiftModifier) {
                extendChannelSelection(step);
                return true;
            }
            if (combo || modifiers != Qt::NoModifier) {
                return false;  // in a list Up and Down change the item
            }
            const int row = std::clamp(current.row() + step, 0, kLastRow);
            if (row != current.row()) {
                moveTo(model_.index(row, current.column()));
            }
            return true;
        }
        case Qt::Key_Left:
        case Qt::Key_Right: {
            if (!combo || modifiers != Qt::NoModifier) {
                return false;  // in an edit box Left and Right move the caret
            }
            const int col = current.column() + (key.key() == Qt::Key_Left ? -1 : 1);
            if (col >= 0 && col <= kLastColumn) {
                moveTo(model_.index(current.row(), col));
            }
            return true;  // the table's edge: stay
        }
        default:
            return false;
    }
}

bool ChannelTableView::eventFilter(QObject* watched, QEvent* event) {
    if (watched == verticalHeader()->viewport() && event->type() == QEvent::MouseButtonPress) {
        // Selecting channels by their numbers leaves the cell too: a refused text keeps it.
        return !CommitCellEdit();
    }
    auto* editor = qobject_cast<QWidget*>(watched);
    if (!editor || editor != delegate_.openEditor()) {
        return QTableView::eventFilter(watched, event);
    }
    switch (event->type()) {
        case QEvent::ShortcutOverride:
            if (editorShortcut(*static_cast<QKeyEvent*>(event))) {
                return true;  // the window's command takes the key
            }
            break;
        case QEvent::KeyPress: {
            auto* key = static_cast<QKeyEvent*>(event);
            if (commonKey(watched, *key) || editorKey(editor, *key)) {
                return true;
            }
            break;
        }
        case QEvent::Wheel:
            // The wheel scrolls the table; it never turns the list under the pointer.
            HideCellEditors();
            wheelEvent(static_cast<QWheelEvent*>(event));
            return true;
        default:
            break;
    }
    return QTableView::eventFilter(watched, event);
}

void ChannelTableView::mousePressEvent(QMouseEvent* event) {
    const QModelIndex pressed = indexAt(event->position().toPoint());
    if (pressed.isValid() && pressed != delegate_.openIndex() && !CommitCellEdit()) {
        event->accept();  // the refused cell keeps the focus
        return;
    }
    QTableView::mousePressEvent(event);
    const bool plain = event->modifiers() == Qt::NoModifier && event->button() == Qt::LeftButton;
    if (pressed.isValid() && plain) {
        anchorRow_ = -1;
        ShowCellEditor();
    }
}

void ChannelTableView::keyPressEvent(QKeyEvent* event) {
    if (commonKey(this, *event)) {
        return;
    }
    const Qt::KeyboardModifiers modifiers = event->modifiers() & ~Qt::KeypadModifier;
    const int key = event->key();
    if ((key == Qt::Key_Up || key == Qt::Key_Down) && modifiers == Qt::ShiftModifier) {
        extendChannelSelection(key == Qt::Key_Up ? -1 : 1);
        return;
    }
    if ((key == Qt::Key_Return || key == Qt::Key_Enter) && modifiers == Qt::NoModifier) {
        ShowCellEditor();  // with the selection kept: a list value then goes to all of it
        return;
    }
    QTableView::keyPressEvent(event);
    if (isNavigationKey(key) && modifiers == Qt::NoModifier) {
        anchorRow_ = -1;
        selectionModel()->select(currentIndex(), QItemSelectionModel::ClearAndSelect);
        ShowCellEditor();
    }
}

}  // namespace gui
}  // namespace radio
