#include "gui/app/CChildFrame.h"

#include <QCloseEvent>

#include "gui/channels/CProgramView.h"
#include "gui/image/CProgramDoc.h"

namespace radio {
namespace gui {

CChildFrame::CChildFrame(CProgramApp& app, std::unique_ptr<CProgramDoc> document)
    : document_(std::move(document)), view_(new CProgramView(app, *document_, this)) {
    setWidget(view_);
    setAttribute(Qt::WA_DeleteOnClose, false);
    connect(document_.get(), &CProgramDoc::titleChanged, this, &CChildFrame::updateTitle);
    connect(document_.get(), &CProgramDoc::modifiedChanged, this, &QWidget::setWindowModified);
    updateTitle();
}

CChildFrame::~CChildFrame() {
    // The view works on the document, so it goes first.
    delete view_;
}

void CChildFrame::updateTitle() {
    setWindowTitle(document_->title() + QStringLiteral("[*]"));
    setWindowModified(document_->isModified());
}

void CChildFrame::closeEvent(QCloseEvent* event) {
    event->ignore();
    hide();
}

}  // namespace gui
}  // namespace radio
