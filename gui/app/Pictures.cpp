#include "gui/app/Pictures.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <cmath>

namespace radio {
namespace gui {
namespace pictures {

namespace {

QImage blank(int width, int height) {
    QImage image(width, height, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    return image;
}

// A hand-held radio in a square of side s with its top left at origin.
void drawRadio(QPainter& p, QRectF box) {
    const qreal s = box.width();
    const QPointF o = box.topLeft();
    auto at = [&](qreal x, qreal y) { return o + QPointF(x * s, y * s); };
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(60, 60, 66));
    p.drawRoundedRect(QRectF(at(0.58, 0.02), QSizeF(0.10 * s, 0.30 * s)), 0.03 * s, 0.03 * s);
    QLinearGradient body(at(0.2, 0.2), at(0.8, 0.95));
    body.setColorAt(0, QColor(86, 90, 100));
    body.setColorAt(1, QColor(34, 36, 42));
    p.setBrush(body);
    p.drawRoundedRect(QRectF(at(0.22, 0.24), QSizeF(0.56 * s, 0.72 * s)), 0.09 * s, 0.09 * s);
    QLinearGradient screen(at(0.3, 0.32), at(0.7, 0.5));
    screen.setColorAt(0, QColor(120, 220, 200));
    screen.setColorAt(1, QColor(40, 150, 140));
    p.setBrush(screen);
    p.drawRoundedRect(QRectF(at(0.30, 0.32), QSizeF(0.40 * s, 0.20 * s)), 0.03 * s, 0.03 * s);
    p.setBrush(QColor(210, 210, 214));
    for (int row = 0; row < 3; ++row) {
        for (int col = 0; col < 3; ++col) {
            p.drawEllipse(
                QRectF(at(0.33 + col * 0.12, 0.60 + row * 0.11), QSizeF(0.07 * s, 0.07 * s)));
        }
    }
    p.setBrush(QColor(230, 80, 60));
    p.drawEllipse(QRectF(at(0.27, 0.27), QSizeF(0.05 * s, 0.05 * s)));
}

void drawArrow(QPainter& p, QPointF from, QPointF to, QColor color) {
    p.setPen(QPen(color, 2.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawLine(from, to);
    const QPointF d = (to - from) / std::hypot(to.x() - from.x(), to.y() - from.y());
    const QPointF n(-d.y(), d.x());
    QPolygonF head({to + d * 1.5, to - d * 3 + n * 3, to - d * 3 - n * 3});
    p.setPen(Qt::NoPen);
    p.setBrush(color);
    p.drawPolygon(head);
}

void drawPage(QPainter& p) {
    QPolygonF page({{3, 1}, {11, 1}, {15, 5}, {15, 17}, {3, 17}});
    p.setPen(QPen(QColor(70, 70, 80), 1));
    p.setBrush(Qt::white);
    p.drawPolygon(page);
    p.setBrush(QColor(220, 220, 230));
    p.drawPolygon(QPolygonF({{11, 1}, {11, 5}, {15, 5}}));
}

void drawFolder(QPainter& p) {
    p.setPen(QPen(QColor(130, 95, 20), 1));
    p.setBrush(QColor(245, 200, 80));
    p.drawPolygon(QPolygonF({{1, 5}, {6, 5}, {8, 7}, {16, 7}, {16, 16}, {1, 16}}));
    p.setBrush(QColor(252, 222, 120));
    p.drawPolygon(QPolygonF({{3, 9}, {17, 9}, {15, 16}, {1, 16}}));
}

void drawDisk(QPainter& p) {
    p.setPen(QPen(QColor(20, 40, 90), 1));
    p.setBrush(QColor(50, 90, 170));
    p.drawRoundedRect(QRectF(2, 2, 14, 15), 1.5, 1.5);
    p.setBrush(Qt::white);
    p.drawRect(QRectF(5, 2, 8, 5));
    p.setBrush(QColor(200, 200, 210));
    p.drawRect(QRectF(4, 10, 10, 7));
}

void drawPrinter(QPainter& p) {
    p.setPen(QPen(QColor(60, 60, 70), 1));
    p.setBrush(Qt::white);
    p.drawRect(QRectF(5, 1, 8, 6));
    p.setBrush(QColor(170, 170, 180));
    p.drawRoundedRect(QRectF(1, 6, 16, 8), 1.5, 1.5);
    p.setBrush(Qt::white);
    p.drawRect(QRectF(4, 12, 10, 6));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(80, 200, 90));
    p.drawEllipse(QRectF(13.5, 8, 2, 2));
}

void drawAbout(QPainter& p) {
    QRadialGradient ball(QPointF(7, 7), 9);
    ball.setColorAt(0, QColor(120, 170, 255));
    ball.setColorAt(1, QColor(30, 80, 190));
    p.setPen(Qt::NoPen);
    p.setBrush(ball);
    p.drawEllipse(QRectF(1, 2, 16, 16));
    p.setBrush(Qt::white);
    p.drawEllipse(QRectF(8, 4.5, 2.4, 2.4));
    p.drawRoundedRect(QRectF(8, 8.5, 2.4, 7), 1, 1);
}

}  // namespace

QImage programIcon(int size) {
    QImage image = blank(size, size);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    drawRadio(p, QRectF(0, 0, size, size));
    return image;
}

QImage toolbarImage(ToolbarButton button) {
    QImage image = blank(18, 19);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    switch (button) {
        case ToolbarButton::New:
            drawPage(p);
            break;
        case ToolbarButton::Open:
            drawFolder(p);
            break;
        case ToolbarButton::Save:
            drawDisk(p);
            break;
        case ToolbarButton::Read:
            drawRadio(p, QRectF(-3, 0, 17, 17));
            drawArrow(p, QPointF(12, 3), QPointF(12, 14), QColor(20, 150, 60));
            break;
        case ToolbarButton::Write:
            drawRadio(p, QRectF(-3, 0, 17, 17));
            drawArrow(p, QPointF(12, 15), QPointF(12, 4), QColor(200, 50, 40));
            break;
        case ToolbarButton::Print:
            drawPrinter(p);
            break;
        case ToolbarButton::About:
            drawAbout(p);
            break;
    }
    return image;
}

QImage closeIcon() {
    QImage image = blank(16, 16);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(70, 70, 70), 2, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(4, 4), QPointF(12, 12));
    p.drawLine(QPointF(12, 4), QPointF(4, 12));
    return image;
}

QImage resizeCursorImage() {
    QImage image = blank(32, 32);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    for (const auto& [color, width] :
         {std::pair{QColor(Qt::white), 4.0}, {QColor(Qt::black), 1.6}}) {
        p.setPen(QPen(color, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.drawLine(QPointF(16, 8), QPointF(16, 24));
        p.drawLine(QPointF(5, 16), QPointF(27, 16));
        p.drawPolyline(QPolygonF({{9, 12}, {5, 16}, {9, 20}}));
        p.drawPolyline(QPolygonF({{23, 12}, {27, 16}, {23, 20}}));
    }
    return image;
}

QImage background(const QSize& size) {
    QImage image(size, QImage::Format_RGB32);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient sky(0, 0, size.width(), size.height());
    sky.setColorAt(0, QColor(18, 44, 92));
    sky.setColorAt(1, QColor(16, 112, 128));
    p.fillRect(image.rect(), sky);
    // Radio waves spreading from the lower right.
    const QPointF source(size.width() * 0.82, size.height() * 0.78);
    for (int ring = 1; ring <= 9; ++ring) {
        const qreal r = ring * size.height() * 0.11;
        p.setPen(QPen(QColor(255, 255, 255, 34 - ring * 3), size.height() * 0.012));
        p.setBrush(Qt::NoBrush);
        p.drawArc(QRectF(source - QPointF(r, r), QSizeF(2 * r, 2 * r)), 100 * 16, 70 * 16);
    }
    p.setOpacity(0.35);
    const qreal s = size.height() * 0.42;
    drawRadio(p, QRectF(source - QPointF(s / 2, s / 2), QSizeF(s, s)));
    return image;
}

QImage logo() {
    QImage image(96, 96, QImage::Format_RGB32);
    image.fill(QColor(240, 240, 240));
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    QRadialGradient glow(QPointF(48, 44), 48);
    glow.setColorAt(0, QColor(120, 200, 220));
    glow.setColorAt(1, QColor(240, 240, 240));
    p.fillRect(image.rect(), glow);
    drawRadio(p, QRectF(8, 6, 84, 84));
    return image;
}

QCursor resizeCursor() {
    return QCursor(QPixmap::fromImage(resizeCursorImage()), 16, 16);
}

}  // namespace pictures
}  // namespace gui
}  // namespace radio
