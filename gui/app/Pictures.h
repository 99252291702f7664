#pragma once

#include <QCursor>
#include <QImage>
#include <QPixmap>

namespace radio {
namespace gui {

// The program's own pictures, drawn in code so that they scale and need no files.
namespace pictures {

enum class ToolbarButton { New, Open, Save, Read, Write, Print, About };

QImage programIcon(int size);               // a hand-held radio
QImage toolbarImage(ToolbarButton button);  // 18 x 19
QImage closeIcon();                         // 16 x 16
QImage resizeCursorImage();                 // 32 x 32, hot spot in the middle
QImage background(const QSize& size);       // the workspace picture
QImage logo();                              // the About picture

QCursor resizeCursor();

}  // namespace pictures
}  // namespace gui
}  // namespace radio
