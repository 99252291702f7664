#include "gui/channels/ChannelHeader.h"

#include <QAbstractButton>
#include <QEvent>
#include <QPainter>
#include <QStyleOptionHeader>
#include <algorithm>
#include <cmath>

namespace radio {
namespace gui {

namespace {

const QColor kHeaderBlue{0x00, 0x32, 0xF0};
// Text against its background needs this contrast ratio to be read with ease.
constexpr double kLegibleContrast = 4.5;

double relativeLuminance(const QColor& colour) {
    const auto linear = [](double c) {
        return c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(colour.redF()) + 0.7152 * linear(colour.greenF()) +
           0.0722 * linear(colour.blueF());
}

double contrastRatio(const QColor& a, const QColor& b) {
    // The list form returns values: the pair form would refer to the temporaries.
    const auto [darker, lighter] = std::minmax({relativeLuminance(a), relativeLuminance(b)});
    return (lighter + 0.05) / (darker + 0.05);
}

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
        painter.setPen(headerTextColour(corner->palette()));
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

void ChannelHeader::initStyleOptionForIndex(QStyleOptionHeader* option, int logicalIndex) const {
    QHeaderView::initStyleOptionForIndex(option, logicalIndex);
    option->palette.setColor(QPalette::ButtonText, headerTextColour(palette()));
}

QColor headerTextColour(const QPalette& palette) {
    // The active colours: the corner is a disabled button, yet its text reads like the others.
    const QColor background = palette.color(QPalette::Active, QPalette::Button);
    return contrastRatio(kHeaderBlue, background) >= kLegibleContrast
               ? kHeaderBlue
               : palette.color(QPalette::Active, QPalette::ButtonText);
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
