#include "gui/app/WindowMenu.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QMenu>
#include <QPointer>
#include <QTreeWidget>

#include "gui/app/CChildFrame.h"
#include "gui/app/CMainFrame.h"
#include "gui/app/CNavTreeBar.h"
#include "gui/channels/CProgramView.h"
#include "gui/channels/ChannelTableView.h"
#include "gui/image/CProgramDoc.h"

namespace radio {
namespace gui {

namespace {

QList<QKeySequence> keys(QKeySequence::StandardKey standard, QList<QKeySequence> more) {
    for (const QKeySequence& key : QKeySequence::keyBindings(standard)) {
        if (!more.contains(key)) {
            more.append(key);
        }
    }
    return more;
}

}  // namespace

WindowMenu::WindowMenu(CMainFrame& frame, QMenu& menu)
    : frame_(frame), menu_(menu), choice_(new QActionGroup(this)) {
    const auto command = [this](const QString& text, const QList<QKeySequence>& shortcuts,
                                auto slot) {
        auto* action = menu_.addAction(text, this, slot);
        action->setShortcuts(shortcuts);
        frame_.addAction(action);  // its keys work while the menu is closed
    };
    command(tr("&Next Window"),
            keys(QKeySequence::NextChild, {QKeySequence(Qt::CTRL | Qt::Key_F6)}),
            [this] { step(1); });
    command(tr("&Previous Window"),
            keys(QKeySequence::PreviousChild, {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_F6)}),
            [this] { step(-1); });
    command(tr("Switch &Pane"), {QKeySequence(Qt::Key_F6), QKeySequence(Qt::SHIFT | Qt::Key_F6)},
            [this] { switchPane(); });
    menu_.addSeparator();
    connect(&menu_, &QMenu::aboutToShow, this, &WindowMenu::listWindows);
}

void WindowMenu::listWindows() {
    qDeleteAll(windowItems_);
    windowItems_.clear();
    const QList<CChildFrame*> frames = frame_.childFrames();
    for (int i = 0; i < frames.size(); ++i) {
        CChildFrame* window = frames[i];
        QString text = QStringLiteral("&%1 %2").arg(i + 1).arg(window->document().title());
        if (window->isHidden()) {
            text = tr("%1 (hidden)").arg(text);
        }
        QAction* item = menu_.addAction(text, this, [this, window = QPointer<CChildFrame>(window)] {
            if (window) {
                bringToFront(*window);
            }
        });
        item->setCheckable(true);
        item->setChecked(window == frame_.activeChildFrame());
        choice_->addAction(item);
        windowItems_.append(item);
    }
}

void WindowMenu::step(int direction) {
    const QList<CChildFrame*> frames = frame_.childFrames();
    if (frames.isEmpty()) {
        return;
    }
    const qsizetype at = frames.indexOf(frame_.activeChildFrame());
    const qsizetype count = frames.size();
    bringToFront(*frames[((at < 0 ? 0 : at) + direction + count) % count]);
}

void WindowMenu::bringToFront(CChildFrame& window) {
    frame_.bringBack(window);
    window.view().table().setFocus(Qt::OtherFocusReason);
}

void WindowMenu::switchPane() {
    CNavTreeBar* navigation = frame_.navigationBar();
    const QWidget* focus = QApplication::focusWidget();
    const bool inNavigation = focus && navigation->isAncestorOf(focus);
    CChildFrame* document = frame_.activeChildFrame();
    if ((inNavigation || !navigation->isVisible()) && document && document->isVisible()) {
        document->view().table().setFocus(Qt::OtherFocusReason);
    } else if (navigation->isVisible()) {
        navigation->tree()->setFocus(Qt::OtherFocusReason);
    }
}

}  // namespace gui
}  // namespace radio
