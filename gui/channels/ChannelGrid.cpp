#include "gui/channels/ChannelGrid.h"

#include <QAbstractButton>
#include <QHash>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QStyleOptionHeader>
#include <algorithm>

namespace radio {
namespace gui {

namespace {

// Header text colour of the grid: red 0, green 0x32, blue 0xF0.
const QColor kHeaderColour(0x00, 0x32, 0xF0);

// Paints the corner cell (row 0, column 0) as a header section with its text.
class CornerPainter : public QObject {
  public:
    CornerPainter(QAbstractButton* corner, const QString* text) : QObject(corner), text_(text) {}

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::Paint) {
            return false;
        }
        auto* corner = static_cast<QAbstractButton*>(watched);
        QPainter painter(corner);
        QStyleOptionHeader option;
        option.initFrom(corner);
        option.rect = corner->rect();
        option.position = QStyleOptionHeader::OnlyOneSection;
        corner->style()->drawControl(QStyle::CE_HeaderSection, &option, &painter, corner);
        painter.setPen(kHeaderColour);
        painter.drawText(corner->rect(), Qt::AlignCenter, *text_);
        return true;
    }

  private:
    const QString* text_;
};

// A header that measures each text once, in the grid's own font. The style measures every section
// in bold each time the header changes, which at start-up also loads a second face.
class GridHeader : public QHeaderView {
  public:
    using QHeaderView::QHeaderView;

  protected:
    QSize sectionSizeFromContents(int logicalIndex) const override {
        const QString text =
            model() ? model()->headerData(logicalIndex, orientation()).toString() : QString();
        auto known = sizes_.constFind(text);
        if (known == sizes_.cend()) {
            const int margin = style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr, this);
            const QSize size = fontMetrics().size(0, text.isEmpty() ? QStringLiteral("0") : text);
            known = sizes_.insert(text, size + QSize(4 * margin, 2 * margin));
        }
        return *known;
    }

    void changeEvent(QEvent* event) override {
        if (event->type() == QEvent::FontChange || event->type() == QEvent::StyleChange) {
            sizes_.clear();
        }
        QHeaderView::changeEvent(event);
    }

  private:
    mutable QHash<QString, QSize> sizes_;
};

}  // namespace

ChannelGrid::ChannelGrid(QWidget* parent) : QTableWidget(parent) {
    setObjectName("ChannelGrid");
    setHorizontalHeader(new GridHeader(Qt::Horizontal, this));
    setVerticalHeader(new GridHeader(Qt::Vertical, this));
    setRowCount(kRows - 1);
    setColumnCount(kCols - 1);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSelectionBehavior(QAbstractItemView::SelectItems);
    setTabKeyNavigation(false);
    setWordWrap(false);
    horizontalHeader()->setSectionsClickable(false);
    verticalHeader()->setSectionsClickable(false);
    horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    horizontalHeader()->setHighlightSections(false);
    verticalHeader()->setHighlightSections(false);
    verticalHeader()->setDefaultAlignment(Qt::AlignCenter);
    // The default column width fits the widest header of the flag columns.
    horizontalHeader()->setDefaultSectionSize(
        std::max(78, fontMetrics().horizontalAdvance(QStringLiteral("Scrambler")) + 20));
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 8);
    for (QHeaderView* header : {horizontalHeader(), verticalHeader()}) {
        QPalette palette = header->palette();
        palette.setColor(QPalette::ButtonText, kHeaderColour);
        header->setPalette(palette);
    }
    for (int r = 0; r < rowCount(); ++r) {
        for (int c = 0; c < columnCount(); ++c) {
            auto* item = new QTableWidgetItem;
            item->setTextAlignment(Qt::AlignCenter);
            item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
            setItem(r, c, item);
        }
        setVerticalHeaderItem(r, new QTableWidgetItem);
    }
    for (int c = 0; c < columnCount(); ++c) {
        setHorizontalHeaderItem(c, new QTableWidgetItem);
    }
    if (auto* corner = findChild<QAbstractButton*>()) {
        corner->installEventFilter(new CornerPainter(corner, &cornerText_));
    }
    connect(this, &QTableWidget::currentCellChanged, this, [this](int row, int col, int, int) {
        if (row >= 0 && col >= 0) {
            emit enterCell();
        }
    });
    connect(horizontalScrollBar(), &QScrollBar::valueChanged, this, &ChannelGrid::scrolled);
    connect(verticalScrollBar(), &QScrollBar::valueChanged, this, &ChannelGrid::scrolled);
}

QString ChannelGrid::textMatrix(int row, int col) const {
    if (row == 0 && col == 0) {
        return cornerText_;
    }
    if (row == 0) {
        return horizontalHeaderItem(col - 1)->text();
    }
    if (col == 0) {
        return verticalHeaderItem(row - 1)->text();
    }
    return item(row - 1, col - 1)->text();
}

void ChannelGrid::setTextMatrix(int row, int col, const QString& text) {
    if (row == 0 && col == 0) {
        cornerText_ = text;
        if (auto* corner = findChild<QAbstractButton*>()) {
            corner->update();
        }
    } else if (row == 0) {
        horizontalHeaderItem(col - 1)->setText(text);
    } else if (col == 0) {
        verticalHeaderItem(row - 1)->setText(text);
    } else {
        item(row - 1, col - 1)->setText(text);
    }
}

void ChannelGrid::setCell(int row, int col) {
    if ((row != this->row() || col != this->col()) && !mayLeave()) {
        return;
    }
    setCurrentCell(row - 1, col - 1);
}

QRect ChannelGrid::cellRect(int row, int col) const {
    return visualRect(model()->index(row - 1, col - 1));
}

void ChannelGrid::applyColumnWidths() {
    const int w = horizontalHeader()->defaultSectionSize();
    verticalHeader()->setFixedWidth(w / 2);
    for (int col = 1; col < kCols; ++col) {
        double factor = 1.0;
        if (col <= 2) {
            factor = 1.2;
        } else if (col <= 4) {
            factor = 1.1;
        } else if (col <= 9) {
            factor = 0.9;
        }
        setColumnWidth(col - 1, static_cast<int>(w * factor));
    }
    setColumnWidth(kPowerColumn - 1, 0);
}

int ChannelGrid::columnWidthOf(int col) const {
    return col == 0 ? verticalHeader()->width() : columnWidth(col - 1);
}

QSize ChannelGrid::fullSize() const {
    int width = verticalHeader()->width() + 2 * frameWidth();
    for (int c = 0; c < columnCount(); ++c) {
        width += columnWidth(c);
    }
    int height = horizontalHeader()->height() + 2 * frameWidth();
    for (int r = 0; r < rowCount(); ++r) {
        height += rowHeight(r);
    }
    return {width, height};
}

void ChannelGrid::mousePressEvent(QMouseEvent* event) {
    const QModelIndex pressed = indexAt(event->position().toPoint());
    if (pressed.isValid() && pressed != currentIndex() && !mayLeave()) {
        event->accept();  // the cell being left keeps the focus
        return;
    }
    QTableWidget::mousePressEvent(event);
    if (pressed.isValid()) {
        emit cellPressed();
    }
}

void ChannelGrid::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
        case Qt::Key_Up:
        case Qt::Key_Down:
        case Qt::Key_Left:
        case Qt::Key_Right:
        case Qt::Key_PageUp:
        case Qt::Key_PageDown:
        case Qt::Key_Home:
        case Qt::Key_End:
            if (!mayLeave()) {
                event->accept();
                return;
            }
            break;
        default:
            break;
    }
    QTableWidget::keyPressEvent(event);
}

}  // namespace gui
}  // namespace radio
