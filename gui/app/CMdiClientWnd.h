#pragma once

#include <QDateTime>
#include <QMdiArea>
#include <QPixmap>

namespace radio {
namespace gui {

// The workspace: the document windows over a picture stretched across the whole area.
// The picture is background.bmp of the program folder, else the built-in one; a file replaced
// while the program runs shows at the next repaint.
class CMdiClientWnd : public QMdiArea {
    Q_OBJECT
  public:
    explicit CMdiClientWnd(QString programDir, QWidget* parent = nullptr);

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    const QPixmap& picture();

    QString programDir_;
    QPixmap picture_;
    QString pictureSource_;
    QDateTime pictureStamp_;
    qint64 pictureSize_ = -1;
};

}  // namespace gui
}  // namespace radio
