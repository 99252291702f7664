#include "gui/app/CNavTreeBar.h"

#include <QAction>
#include <QCursor>
#include <QFontDatabase>
#include <QHelpEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QSignalBlocker>
#include <QStyle>
#include <QToolTip>
#include <QTreeWidget>
#include <algorithm>

#include "gui/app/Pictures.h"

namespace radio {
namespace gui {

namespace {

constexpr int kResizeBand = 6;
constexpr int kMinTrack = 80;

}  // namespace

CNavTreeBar::CNavTreeBar(QString caption, const Entries& entries, const EntryCommands& commands,
                         QWidget* parent)
    : QWidget(parent),
      caption_(std::move(caption)),
      entries_(entries),
      commands_(commands),
      tree_(new QTreeWidget(this)) {
    // Hidden before the font arrives, so no header is ever measured (that would load a bold face).
    tree_->setHeaderHidden(true);
    setObjectName("IE Control Bar");
    setWindowTitle("IE Control Bar");
    // The bar's face is "Time New Roman"; where no such face is installed, the system's
    // default face is used directly (searching for a substitute costs a third of start-up).
    QFont barFont = QFontDatabase::hasFamily("Time New Roman") ? QFont("Time New Roman") : font();
    barFont.setPixelSize(14);
    barFont.setWeight(QFont::Normal);
    setFont(barFont);
    setMouseTracking(true);
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Expanding);

    tree_->setRootIsDecorated(true);
    root_ = new QTreeWidgetItem(tree_, {entries_.root});
    for (const QString& text :
         {entries_.productInformation, entries_.channelInformation, entries_.optionalFeatures}) {
        new QTreeWidgetItem(root_, {text});
    }
    root_->setExpanded(true);
    connect(tree_, &QTreeWidget::itemSelectionChanged, this, &CNavTreeBar::onSelectionChanged);
}

QSize CNavTreeBar::sizeHint() const {
    return {width_, 400};
}

QRect CNavTreeBar::frameRect() const {
    return QRect(QPoint(3, 6), QPoint(width() - 6 - 1, height() - 49 - 1));
}

QRect CNavTreeBar::closeButtonRect() const {
    const QRect frame = frameRect();
    const QRect square(frame.right() - 5 - 22 + 1, frame.top(), 22, 22);
    return square.adjusted(7, 4, 1, -3);
}

QRect CNavTreeBar::resizeBand() const {
    return QRect(frameRect().right() + 1, 0, kResizeBand, height());
}

void CNavTreeBar::resizeEvent(QResizeEvent* /*event*/) {
    tree_->setGeometry(
        QRect(QPoint(5, 8 + kCaptionHeight + 1), QPoint(width() - 8, height() - 51)));
}

void CNavTreeBar::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    const QRect frame = frameRect();
    const QColor gray = palette().color(QPalette::Disabled, QPalette::WindowText);
    painter.setPen(gray);
    painter.drawRect(frame);
    painter.setPen(Qt::white);
    painter.drawRect(frame.adjusted(1, 1, -1, -1));

    const QRect strip(frame.left(), frame.top(), frame.width(), kCaptionHeight);
    painter.setPen(palette().color(QPalette::WindowText));
    painter.drawText(strip.adjusted(5, 0, -closeButtonRect().width() - 8, 0),
                     Qt::AlignVCenter | Qt::AlignLeft, caption_);
    painter.setPen(gray);
    painter.drawLine(strip.bottomLeft(), strip.bottomRight());

    const QRect button = closeButtonRect();
    if (closePressed_ || closeHover_) {
        painter.setPen(closePressed_ ? gray : Qt::white);
        painter.drawLine(button.topLeft(), button.topRight());
        painter.drawLine(button.topLeft(), button.bottomLeft());
        painter.setPen(closePressed_ ? Qt::white : gray);
        painter.drawLine(button.bottomLeft(), button.bottomRight());
        painter.drawLine(button.topRight(), button.bottomRight());
    }
    const QPixmap icon = QPixmap::fromImage(pictures::closeIcon());
    const QPoint iconAt =
        button.center() - QPoint(7, 7) + (closePressed_ ? QPoint(1, 1) : QPoint());
    painter.drawPixmap(QRect(iconAt, QSize(16, 16)), icon);
}

bool CNavTreeBar::event(QEvent* event) {
    if (event->type() == QEvent::ToolTip) {
        auto* help = static_cast<QHelpEvent*>(event);
        if (closeButtonRect().contains(help->pos())) {
            QToolTip::showText(help->globalPos(), tr("Close"), this, closeButtonRect());
        } else {
            QToolTip::hideText();
        }
        return true;
    }
    return QWidget::event(event);
}

void CNavTreeBar::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) {
        return;
    }
    const QPoint at = event->position().toPoint();
    if (closeButtonRect().contains(at)) {
        closePressed_ = true;
        update();
    } else if (resizeBand().contains(at)) {
        resizing_ = true;
        drawTrackLine(at.x());
    }
}

void CNavTreeBar::mouseMoveEvent(QMouseEvent* event) {
    const QPoint at = event->position().toPoint();
    if (resizing_) {
        drawTrackLine(std::clamp(at.x(), kMinTrack, std::max(kMinTrack, halfFrameWidth())));
        return;
    }
    setCursor(resizeBand().contains(at) ? pictures::resizeCursor() : QCursor(Qt::ArrowCursor));
    const bool hover = closeButtonRect().contains(at);
    if (hover != closeHover_) {
        closeHover_ = hover;
        update(closeButtonRect().adjusted(-1, -1, 1, 1));
    }
}

void CNavTreeBar::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) {
        return;
    }
    const QPoint at = event->position().toPoint();
    if (resizing_) {
        finishResize(at.x());
        return;
    }
    if (closePressed_) {
        closePressed_ = false;
        update();
        if (closeButtonRect().contains(at)) {
            emit closeRequested();
        }
    }
}

void CNavTreeBar::mouseDoubleClickEvent(QMouseEvent* /*event*/) {}

void CNavTreeBar::leaveEvent(QEvent* /*event*/) {
    if (closeHover_) {
        closeHover_ = false;
        update();
    }
}

int CNavTreeBar::halfFrameWidth() const {
    const QWidget* frame = window();
    return frame ? frame->width() / 2 : width_;
}

void CNavTreeBar::drawTrackLine(int x) {
    if (!trackLine_) {
        trackLine_ = new QWidget(parentWidget() ? parentWidget() : this);
        trackLine_->setAttribute(Qt::WA_TransparentForMouseEvents);
        trackLine_->setStyleSheet("background: rgba(0, 0, 0, 128);");
    }
    trackX_ = x;
    const QPoint top = mapTo(trackLine_->parentWidget(), QPoint(x, 0));
    trackLine_->setGeometry(top.x(), top.y(), 2, height());
    trackLine_->show();
    trackLine_->raise();
}

void CNavTreeBar::finishResize(int x) {
    resizing_ = false;
    if (trackLine_) {
        trackLine_->hide();
    }
    int newWidth = std::min(x, halfFrameWidth());
    if (newWidth <= 10) {
        newWidth = 11;
    }
    width_ = newWidth;
    setFixedWidth(width_);
    updateGeometry();
}

void CNavTreeBar::onSelectionChanged() {
    // The entry under the pointer decides, so clicking an entry again opens its page again.
    const QPoint at = tree_->viewport()->mapFromGlobal(QCursor::pos());
    const QTreeWidgetItem* item =
        tree_->viewport()->rect().contains(at) ? tree_->itemAt(at) : nullptr;
    const QString text = item ? item->text(0) : QString();
    {
        const QSignalBlocker blocker(tree_);
        tree_->setCurrentItem(root_);
    }
    if (text.isEmpty()) {
        return;
    }
    if (text == entries_.channelInformation) {
        commands_.channelInformation->trigger();
    } else if (text == entries_.optionalFeatures) {
        commands_.optionalFeatures->trigger();
    } else if (text == entries_.productInformation) {
        commands_.productInformation->trigger();
    }
}

}  // namespace gui
}  // namespace radio
