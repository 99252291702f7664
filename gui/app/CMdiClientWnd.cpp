#include "gui/app/CMdiClientWnd.h"

#include <QFileInfo>
#include <QPainter>

#include "gui/app/Pictures.h"

namespace radio {
namespace gui {

CMdiClientWnd::CMdiClientWnd(QString programDir, QWidget* parent)
    : QMdiArea(parent), programDir_(std::move(programDir)) {}

const QPixmap& CMdiClientWnd::picture() {
    const QFileInfo file(programDir_ + "background.bmp");
    // Reload only when the file changed; painting must stay fast while windows move.
    if (file.isFile()) {
        if (pictureSource_ != file.filePath() || pictureStamp_ != file.lastModified() ||
            pictureSize_ != file.size()) {
            QPixmap loaded(file.filePath());
            if (!loaded.isNull()) {
                picture_ = loaded;
                pictureSource_ = file.filePath();
                pictureStamp_ = file.lastModified();
                pictureSize_ = file.size();
                return picture_;
            }
        } else {
            return picture_;
        }
    }
    if (!pictureSource_.isEmpty() || picture_.isNull()) {
        picture_ = QPixmap::fromImage(pictures::background(QSize(238, 157)));
        pictureSource_.clear();
        pictureSize_ = -1;
    }
    return picture_;
}

void CMdiClientWnd::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(viewport());
    const QPixmap& background = picture();
    if (background.isNull()) {
        painter.fillRect(viewport()->rect(), palette().dark());
        return;
    }
    // Stretched while painting, and only where the repaint needs it: a stretched copy of the
    // whole area would hold megabytes for as long as the program runs.
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawPixmap(viewport()->rect(), background);
}

}  // namespace gui
}  // namespace radio
