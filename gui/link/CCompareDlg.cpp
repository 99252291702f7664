#include "gui/link/CCompareDlg.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QVBoxLayout>

namespace radio {
namespace gui {

CCompareDlg::CCompareDlg(const QString& differences, QWidget* parent)
    : QDialog(parent), view_(new QPlainTextEdit(differences, this)) {
    setObjectName("CCompareDlg");
    setWindowTitle(tr("Compare With Radio"));
    view_->setReadOnly(true);
    view_->setLineWrapMode(QPlainTextEdit::NoWrap);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    // Which side is which: the lines are written as "what: document | radio".
    auto* legend = new QLabel(tr("Each line: the open document | the radio"), this);
    legend->setBuddy(view_);  // names the list of differences for screen readers
    layout->addWidget(legend);
    layout->addWidget(view_);
    layout->addWidget(buttons);
    resize(560, 360);
}

QString CCompareDlg::text() const {
    return view_->toPlainText();
}

}  // namespace gui
}  // namespace radio
