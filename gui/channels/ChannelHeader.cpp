#include "gui/channels/ChannelHeader.h"

#include <QAbstractButton>
#include <QEvent>
#include <QPainter>
#include <QStyleOptionHeader>

#include "gui/channels/ChannelTableModel.h"

namespace radio {
namespace gui {

namespace {

class CornerPainter : public QObject {
  public:
    CornerPainter(QAbstractButton* corner, QString text)
        : QObject(corner), text_(std::move(text)) {}

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
        painter.setPen(ChannelTableModel::kHeaderColour);
        painter.drawText(corner->rect(), Qt::AlignCenter, text_);
        return true;
    }

  private:
    QString text_;
};

}  // namespace

QSize ChannelHeader::sectionSizeFromContents(int logicalIndex) const {
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

void ChannelHeader::changeEvent(QEvent* event) {
    if (event->type() == QEvent::FontChange || event->type() == QEvent::StyleChange) {
        sizes_.clear();
    }
    QHeaderView::changeEvent(event);
}

void paintCornerText(QAbstractButton& corner, const QString& text) {
    corner.installEventFilter(new CornerPainter(&corner, text));
}

}  // namespace gui
}  // namespace radio
