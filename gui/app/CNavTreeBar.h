#pragma once

#include <QPixmap>
#include <QRect>
#include <QWidget>

class QAction;
class QTreeWidget;
class QTreeWidgetItem;

namespace radio {
namespace gui {

// The navigation bar along the main window's left edge: a caption strip with the company name
// and a close button, and a tree whose entries trigger the commands that open the channel window
// and the option pages.
// Its right edge can be dragged to change its width.
class CNavTreeBar : public QWidget {
    Q_OBJECT
  public:
    struct Entries {
        QString root, productInformation, channelInformation, optionalFeatures;
    };
    // The commands the entries trigger, in the order of Entries.
    struct EntryCommands {
        QAction* productInformation;
        QAction* channelInformation;
        QAction* optionalFeatures;
    };
    CNavTreeBar(QString caption, const Entries& entries, const EntryCommands& commands,
                QWidget* parent = nullptr);

    QTreeWidget* tree() const { return tree_; }
    int barWidth() const { return width_; }
    QSize sizeHint() const override;

    static constexpr int kInitialWidth = 220;
    static constexpr int kCaptionHeight = 22;

    QRect frameRect() const;
    QRect closeButtonRect() const;
    QRect resizeBand() const;
    // Ends a drag of the right edge at x (bar coordinates), as a mouse release there does.
    void finishResize(int x);

  signals:
    void closeRequested();

  protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;
    bool event(QEvent* event) override;

  private:
    void onSelectionChanged();
    int halfFrameWidth() const;
    void drawTrackLine(int x);

    QString caption_;
    Entries entries_;
    EntryCommands commands_;
    QTreeWidget* tree_;
    QTreeWidgetItem* root_;
    int width_ = kInitialWidth;
    bool closeHover_ = false;
    bool closePressed_ = false;
    bool resizing_ = false;
    int trackX_ = -1;
    QWidget* trackLine_ = nullptr;
};

}  // namespace gui
}  // namespace radio
