#include "gui/settings/AdjustTable.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QStyledItemDelegate>
#include <algorithm>

#include "gui/app/EditorName.h"

namespace radio {
namespace gui {

namespace {

// Names an in-cell editor by its cell's column and row.
void nameByCell(QWidget& editor, const QModelIndex& index) {
    const QAbstractItemModel& model = *index.model();
    const QString column = model.headerData(index.column(), Qt::Horizontal).toString();
    const QString row = model.headerData(index.row(), Qt::Vertical).toString();
    nameEditor(editor, AdjustTable::tr("%1, %2", "an in-cell editor's name: column, row")
                           .arg(column.simplified(), row.simplified()));
}

}  // namespace

class AdjustCellDelegate : public QStyledItemDelegate {
  public:
    AdjustCellDelegate(AdjustTable& table, AdjustTable::Editing editing)
        : QStyledItemDelegate(&table), table_(table), editing_(std::move(editing)) {}

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem&,
                          const QModelIndex& index) const override {
        QWidget* editor = editing_.makeEditor(index.row(), index.column(), parent);
        nameByCell(*editor, index);
        table_.editor_ = editor;
        return editor;
    }
    void setEditorData(QWidget* editor, const QModelIndex& index) const override {
        editing_.showText(editor, index.data().toString());
    }
    void setModelData(QWidget* editor, QAbstractItemModel* model,
                      const QModelIndex& index) const override {
        model->setData(index, editing_.committedText(editor, index.row(), index.column()));
    }

  protected:
    bool eventFilter(QObject* object, QEvent* event) override {
        auto* editor = qobject_cast<QWidget*>(object);
        if (editor && event->type() == QEvent::KeyPress) {
            const int key = static_cast<QKeyEvent*>(event)->key();
            const bool enter = key == Qt::Key_Return || key == Qt::Key_Enter;
            auto* list = qobject_cast<QComboBox*>(editor);
            const bool listOpen = list && list->view()->isVisible();
            if ((enter || key == Qt::Key_Escape) && !listOpen) {
                // Escape keeps what was typed too: these tables have nothing to go back to.
                emit commitData(editor);
                emit closeEditor(editor, NoHint);
                emit table_.editKeyPressed(key);
                return true;
            }
        }
        return QStyledItemDelegate::eventFilter(object, event);
    }

  private:
    AdjustTable& table_;
    AdjustTable::Editing editing_;
};

AdjustTable::AdjustTable(Editing editing, QWidget* parent) : QTableWidget(parent) {
    setItemDelegate(new AdjustCellDelegate(*this, std::move(editing)));
    setEditTriggers(NoEditTriggers);
    // The current cell shows by its focus frame (and its colour), not as a selection.
    setSelectionMode(NoSelection);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setSizeAdjustPolicy(AdjustToContents);
    horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setDefaultAlignment(Qt::AlignCenter);
    setCornerButtonEnabled(false);
}

QString AdjustTable::cellText(int row, int col) const {
    const QTableWidgetItem* cell = item(row, col);
    return cell ? cell->text() : QString();
}

void AdjustTable::setCellText(int row, int col, const QString& text) {
    QTableWidgetItem* cell = item(row, col);
    if (!cell) {
        cell = new QTableWidgetItem;
        cell->setTextAlignment(Qt::AlignCenter);
        cell->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsEditable);
        setItem(row, col, cell);
    }
    cell->setText(text);
}

void AdjustTable::startEdit() {
    if (currentIndex().isValid()) {
        edit(currentIndex());
    }
}

QWidget* AdjustTable::openEditor() const {
    return state() == EditingState ? editor_.data() : nullptr;
}

bool AdjustTable::isEditing() const {
    return openEditor() != nullptr;
}

void AdjustTable::commitEdit() {
    if (QWidget* editor = openEditor()) {
        commitData(editor);
        closeEditor(editor, QAbstractItemDelegate::NoHint);
    }
}

void AdjustTable::fitToContents() {
    // Header sizes from their hints: before the first showing their widgets have none yet.
    const QHeaderView* labels = verticalHeader();
    const int labelWidth = std::max(labels->minimumWidth(), labels->sizeHint().width());
    int width = labelWidth + 2 * frameWidth();
    for (int col = 0; col < columnCount(); ++col) {
        width += columnWidth(col);
    }
    int height = horizontalHeader()->sizeHint().height() + 2 * frameWidth();
    for (int row = 0; row < rowCount(); ++row) {
        height += rowHeight(row);
    }
    setFixedSize(width, height);
}

void AdjustTable::mousePressEvent(QMouseEvent* event) {
    QTableWidget::mousePressEvent(event);
    if (event->button() == Qt::LeftButton && indexAt(event->position().toPoint()).isValid()) {
        startEdit();
    }
}

void AdjustTable::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_F2 && event->modifiers() == Qt::NoModifier) {
        startEdit();
        return;
    }
    QTableWidget::keyPressEvent(event);
}

}  // namespace gui
}  // namespace radio
