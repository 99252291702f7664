#pragma once

#include <QList>
#include <QObject>

class QAction;
class QActionGroup;
class QMenu;

namespace radio {
namespace gui {

class CChildFrame;
class CMainFrame;

// The Window menu: Next and Previous Window (Ctrl+F6 and Ctrl+Tab, with Shift backwards) go
// through the document windows, Switch Pane (F6) moves the focus between the navigation bar and
// the active document, and every document window has an item that brings it back, hidden ones
// included, since closing a document window only hides it.
class WindowMenu : public QObject {
    Q_OBJECT
  public:
    // The frame owns it and outlives it.
    WindowMenu(CMainFrame& frame, QMenu& menu);

  private:
    void listWindows();
    void step(int direction);
    // Shows the window, makes it the active one and puts the keyboard in its grid.
    void bringToFront(CChildFrame& window);
    void switchPane();

    CMainFrame& frame_;
    QMenu& menu_;
    QActionGroup* choice_;         // the window items: one is checked, the active one
    QList<QAction*> windowItems_;  // owned by the menu, made again each time it opens
};

}  // namespace gui
}  // namespace radio
