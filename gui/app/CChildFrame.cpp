#include "gui/app/CChildFrame.h"

#include <QAction>
#include <QCloseEvent>
#include <QMenu>

#include "gui/channels/CProgramView.h"
#include "gui/image/CProgramDoc.h"

namespace radio {
namespace gui {

CChildFrame::CChildFrame(CProgramApp& app, std::unique_ptr<CProgramDoc> document)
    : document_(std::move(document)), view_(new CProgramView(app, *document_, this)) {
    setWidget(view_);
    setAttribute(Qt::WA_DeleteOnClose, false);
    keepCloseOffCtrlW();
    connect(document_.get(), &CProgramDoc::titleChanged, this, &CChildFrame::updateTitle);
    connect(document_.get(), &CProgramDoc::modifiedChanged, this, &QWidget::setWindowModified);
    updateTitle();
}

CChildFrame::~CChildFrame() {
    // The view works on the document, so it goes first.
    delete view_;
}

void CChildFrame::keepCloseOffCtrlW() {
    // The system menu's Close carries the platform's close keys, on Linux Ctrl+W beside
    // Ctrl+F4; Ctrl+W is Write here, and two owners of one key make neither fire.
    const QKeySequence write(Qt::CTRL | Qt::Key_W);
    if (QMenu* menu = systemMenu()) {
        for (QAction* action : menu->actions()) {
            if (action->shortcuts().contains(write)) {
                action->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_F4));
            }
        }
    }
}

void CChildFrame::updateTitle() {
    setWindowTitle(document_->title() + QStringLiteral("[*]"));
    setWindowModified(document_->isModified());
}

void CChildFrame::closeEvent(QCloseEvent* event) {
    event->ignore();
    if (view_->CommitCellEdit()) {  // a refused text keeps the window open for mending
        hide();
    }
}

}  // namespace gui
}  // namespace radio
