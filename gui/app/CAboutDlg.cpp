#include "gui/app/CAboutDlg.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPixmap>
#include <QVBoxLayout>

#include "gui/app/CProgramApp.h"
#include "gui/app/Pictures.h"

namespace radio {
namespace gui {

CAboutDlg::CAboutDlg(CProgramApp& app, QWidget* parent)
    : QDialog(parent), picture_(new QLabel(this)) {
    setWindowTitle(app.languageText("About Title"));
    const QPixmap logo(app.settings().programDir + "logo.bmp");
    picture_->setPixmap(logo.isNull() ? QPixmap::fromImage(pictures::programIcon(48)) : logo);
    picture_->setAlignment(Qt::AlignTop);

    auto* lines = new QVBoxLayout;
    for (const char* key : {"Version", "Copyrights", "Copyrights Owner"}) {
        auto* line = new QLabel(app.languageText(key), this);
        line->setObjectName(key);
        lines->addWidget(line);
    }
    lines->addStretch();

    auto* top = new QHBoxLayout;
    top->addWidget(picture_);
    top->addSpacing(12);
    top->addLayout(lines, 1);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

}  // namespace gui
}  // namespace radio
