#include "gui/app/HelpWindow.h"

#include <QUrl>

namespace radio {
namespace gui {

HelpWindow::HelpWindow() {
    setWindowFlag(Qt::Window);
    setOpenExternalLinks(true);
    // An open help window must not keep the program running once the main window closed.
    setAttribute(Qt::WA_QuitOnClose, false);
    resize(640, 520);
}

void HelpWindow::showContext(const QString& file, int context) {
    context_ = context;
    QUrl url = QUrl::fromLocalFile(file);
    url.setFragment(QString::number(context));
    setSource(url);
    setWindowTitle(documentTitle());
    show();
    raise();
    activateWindow();
}

}  // namespace gui
}  // namespace radio
