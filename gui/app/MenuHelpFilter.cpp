#include "gui/app/MenuHelpFilter.h"

#include <QAction>
#include <QKeyEvent>
#include <QMenu>

#include "gui/app/CProgramApp.h"
#include "gui/app/HelpContext.h"

namespace radio {
namespace gui {

bool MenuHelpFilter::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress && static_cast<QKeyEvent*>(event)->key() == Qt::Key_F1) {
        if (auto* menu = qobject_cast<QMenu*>(watched); menu && menu->activeAction()) {
            app_.showHelp(helpContextOf(menu->activeAction(), 0));
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}

}  // namespace gui
}  // namespace radio
