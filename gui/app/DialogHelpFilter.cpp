#include "gui/app/DialogHelpFilter.h"

#include <QKeyEvent>
#include <QWidget>

#include "gui/app/CProgramApp.h"
#include "gui/app/HelpContext.h"

namespace radio {
namespace gui {

DialogHelpFilter::DialogHelpFilter(CProgramApp& app, QWidget& dialog, int helpContext)
    : QObject(&dialog), app_(app), dialog_(dialog) {
    setHelpContext(dialog, helpContext);
    dialog.installEventFilter(this);
}

bool DialogHelpFilter::eventFilter(QObject* watched, QEvent* event) {
    // Keys reach the dialog itself only when its controls leave them, so a control that uses
    // F1 keeps it.
    if (watched == &dialog_ && event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent*>(event)->key() == Qt::Key_F1) {
        app_.showHelp(helpContextOf(dialog_.focusWidget(), helpContextOf(&dialog_, 0)));
        return true;
    }
    return QObject::eventFilter(watched, event);
}

}  // namespace gui
}  // namespace radio
