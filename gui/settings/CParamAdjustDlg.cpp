#include "gui/settings/CParamAdjustDlg.h"

#include <QCheckBox>
#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QRegularExpressionValidator>
#include <QVBoxLayout>

#include "core/settings/ParamTable.h"
#include "gui/app/CProgramApp.h"
#include "gui/app/CommandIds.h"
#include "gui/app/DialogHelpFilter.h"
#include "gui/settings/AdjustTable.h"

namespace radio {
namespace gui {

namespace {

constexpr int kLimitLength = 3;
constexpr int kLabelTwips = 2000;
constexpr int kCellTwips = 1500;
constexpr int kTwipsPerInch = 1440;

QWidget* makeParamEditor(int row, QWidget* parent) {
    const ParamEditor kind = paramEditor(row);
    if (kind == ParamEditor::Limit) {
        auto* box = new QLineEdit(parent);
        box->setMaxLength(kLimitLength);
        box->setAlignment(Qt::AlignCenter);
        box->setValidator(
            new QRegularExpressionValidator(QRegularExpression("[0-9]*"), box));  // digits only
        return box;
    }
    auto* list = new QComboBox(parent);
    for (const std::string& entry : paramEditorList(kind)) {
        list->addItem(QString::fromStdString(entry));
    }
    return list;
}

AdjustTable::Editing paramEditing() {
    AdjustTable::Editing editing;
    editing.makeEditor = [](int row, int, QWidget* parent) { return makeParamEditor(row, parent); };
    editing.showText = [](QWidget* editor, const QString& text) {
        if (auto* list = qobject_cast<QComboBox*>(editor)) {
            list->setCurrentIndex(list->findText(text, Qt::MatchStartsWith));
        } else if (auto* box = qobject_cast<QLineEdit*>(editor)) {
            box->setText(text);
            box->selectAll();
        }
    };
    editing.committedText = [](QWidget* editor, int row, int) {
        const auto* list = qobject_cast<QComboBox*>(editor);
        const QString typed = list ? list->currentText() : static_cast<QLineEdit*>(editor)->text();
        return QString::fromStdString(commitParamText(paramEditor(row), typed.toStdString()));
    };
    return editing;
}

}  // namespace

CParamAdjustDlg::CParamAdjustDlg(CProgramApp& app, QWidget* parent)
    : QDialog(parent),
      app_(app),
      table_(new AdjustTable(paramEditing(), this)),
      deEmphasis_(new QCheckBox(tr("De-emphasis"), this)),
      preEmphasis_(new QCheckBox(tr("Pre-emphasis"), this)) {
    new DialogHelpFilter(app_, *this, cmd::ParamAdjust);
    setObjectName("CParamAdjustDlg");
    setWindowTitle(tr("Param Adjust"));
    table_->setAccessibleName(windowTitle());  // no label above it: the page is the table
    table_->setRowCount(kParamRows);
    table_->setColumnCount(2);
    table_->setHorizontalHeaderLabels({tr("Compnad Off"), tr("Compand On")});
    QStringList labels;
    for (const std::string& label : paramRowLabels(app_.language())) {
        labels << QString::fromStdString(label);
    }
    table_->setVerticalHeaderLabels(labels);
    const auto pixels = [this](int twips) { return twips * logicalDpiX() / kTwipsPerInch; };
    table_->verticalHeader()->setFixedWidth(pixels(kLabelTwips));
    table_->setColumnWidth(0, pixels(kCellTwips));
    table_->setColumnWidth(1, pixels(kCellTwips));

    auto* checks = new QHBoxLayout;
    checks->addWidget(deEmphasis_);
    checks->addWidget(preEmphasis_);
    checks->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(table_);
    layout->addLayout(checks);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(table_, &QTableWidget::currentCellChanged, this, &CParamAdjustDlg::markCurrentCell);
    // Enter and Escape in an editor close the page, as they do anywhere in it.
    connect(table_, &AdjustTable::editKeyPressed, this,
            [this](int key) { key == Qt::Key_Escape ? reject() : accept(); });
}

void CParamAdjustDlg::load(const MemoryImage& image) {
    image_ = image;
    values_ = decodeParamAdjust(image);
    const ParamAdjustValues& values = values_;
    for (int r = 0; r < kParamRows; ++r) {
        for (int c = 0; c < 2; ++c) {
            table_->setCellText(
                r, c,
                QString::fromStdString(
                    values.cells[static_cast<std::size_t>(r)][static_cast<std::size_t>(c)]));
        }
    }
    deEmphasis_->setChecked(values.deEmphasis);
    preEmphasis_->setChecked(values.preEmphasis);
    table_->fitToContents();
    table_->setCurrentCell(0, 0);
}

void CParamAdjustDlg::markCurrentCell(int row, int col, int previousRow, int previousCol) {
    if (QTableWidgetItem* previous = table_->item(previousRow, previousCol)) {
        previous->setForeground(palette().text());
    }
    if (QTableWidgetItem* current = table_->item(row, col)) {
        current->setForeground(Qt::red);
    }
}

void CParamAdjustDlg::store(MemoryImage& image) const {
    encodeParamAdjust(image, values_);
}

void CParamAdjustDlg::done(int result) {
    table_->commitEdit();
    for (int r = 0; r < kParamRows; ++r) {
        for (int c = 0; c < 2; ++c) {
            values_.cells[static_cast<std::size_t>(r)][static_cast<std::size_t>(c)] =
                table_->cellText(r, c).toStdString();
        }
    }
    values_.deEmphasis = deEmphasis_->isChecked();
    values_.preEmphasis = preEmphasis_->isChecked();
    store(image_);
    QDialog::done(result);
}

void CParamAdjustDlg::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
            accept();  // no buttons, yet Enter closes the page as in any dialog
            return;
        default:
            break;
    }
    QDialog::keyPressEvent(event);
}

}  // namespace gui
}  // namespace radio
