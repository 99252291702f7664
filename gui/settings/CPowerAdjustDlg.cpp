#include "gui/settings/CPowerAdjustDlg.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QVBoxLayout>

#include "core/settings/PowerTable.h"
#include "gui/app/CProgramApp.h"
#include "gui/app/CommandIds.h"
#include "gui/app/DialogHelpFilter.h"
#include "gui/settings/AdjustTable.h"

namespace radio {
namespace gui {

namespace {

constexpr int kCellLength = 3;

AdjustTable::Editing powerEditing() {
    AdjustTable::Editing editing;
    editing.makeEditor = [](int, int, QWidget* parent) -> QWidget* {
        auto* editor = new QLineEdit(parent);
        editor->setMaxLength(kCellLength);
        editor->setAlignment(Qt::AlignCenter);
        return editor;
    };
    editing.showText = [](QWidget* editor, const QString& text) {
        auto* box = static_cast<QLineEdit*>(editor);
        box->setText(text);
        box->selectAll();
    };
    editing.committedText = [](QWidget* editor, int, int col) {
        const PowerColumn column = col == 0 ? PowerColumn::Low : PowerColumn::High;
        return QString::fromStdString(
            commitPowerText(column, static_cast<QLineEdit*>(editor)->text().toStdString()));
    };
    return editing;
}

}  // namespace

CPowerAdjustDlg::CPowerAdjustDlg(CProgramApp& app, QWidget* parent)
    : QDialog(parent), app_(app), table_(new AdjustTable(powerEditing(), this)) {
    new DialogHelpFilter(app_, *this, cmd::PowerAdjust);
    setObjectName("CPowerAdjustDlg");
    setWindowTitle(tr("Power Adjustment"));
    table_->setAccessibleName(windowTitle());  // no label above it: the page is the table
    table_->setColumnCount(2);
    table_->setHorizontalHeaderLabels({tr("Low Power\n(5-155)"), tr("High Power\n(100-250)")});
    const int w = table_->horizontalHeader()->defaultSectionSize();
    table_->verticalHeader()->setFixedWidth(w * 8 / 10);
    table_->setColumnWidth(0, w * 11 / 10);
    table_->setColumnWidth(1, w * 12 / 10);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(table_);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    connect(table_, &AdjustTable::editKeyPressed, this, [this](int key) {
        if (key == Qt::Key_Escape) {
            table_->setFocus();
        } else {
            moveDown();
        }
    });
}

void CPowerAdjustDlg::load(const MemoryImage& image, BandLimits limits) {
    image_ = image;
    const std::vector<int> points = powerPoints(limits);
    rows_ = decodePowerTable(image, static_cast<int>(points.size()));
    const std::vector<PowerRow>& rows = rows_;
    table_->setRowCount(static_cast<int>(points.size()));
    QStringList labels;
    for (std::size_t r = 0; r < points.size(); ++r) {
        labels << QString::number(points[r]);
        for (int c = 0; c < 2; ++c) {
            table_->setCellText(static_cast<int>(r), c,
                                QString::fromStdString(rows[r][static_cast<std::size_t>(c)]));
        }
    }
    table_->setVerticalHeaderLabels(labels);
    table_->fitToContents();
    if (!points.empty()) {
        table_->setCurrentCell(0, 0);
    }
}

void CPowerAdjustDlg::moveDown() {
    table_->setFocus();
    const int next = table_->currentRow() + 1;
    if (next < table_->rowCount()) {
        table_->setCurrentCell(next, table_->currentColumn());
    }
}

void CPowerAdjustDlg::store(MemoryImage& image) const {
    encodePowerTable(image, rows_);
}

void CPowerAdjustDlg::done(int result) {
    table_->commitEdit();
    rows_.assign(static_cast<std::size_t>(table_->rowCount()), PowerRow{});
    for (std::size_t r = 0; r < rows_.size(); ++r) {
        for (std::size_t c = 0; c < 2; ++c) {
            rows_[r][c] = table_->cellText(static_cast<int>(r), static_cast<int>(c)).toStdString();
        }
    }
    store(image_);
    QDialog::done(result);
}

void CPowerAdjustDlg::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
            if (table_->hasFocus()) {
                table_->startEdit();
                return;
            }
            break;
        case Qt::Key_Escape:
            table_->setFocus();  // never closes the page
            return;
        default:
            break;
    }
    QDialog::keyPressEvent(event);
}

}  // namespace gui
}  // namespace radio
