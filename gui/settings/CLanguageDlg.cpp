#include "gui/settings/CLanguageDlg.h"

#include <QButtonGroup>
#include <QDialogButtonBox>
#include <QRadioButton>
#include <QVBoxLayout>

#include "gui/app/CProgramApp.h"
#include "gui/app/CommandIds.h"
#include "gui/app/DialogHelpFilter.h"

namespace radio {
namespace gui {

namespace {

constexpr int kEnglish = 0;
constexpr int kChinese = 1;

}  // namespace

CLanguageDlg::CLanguageDlg(CProgramApp& app, QWidget* parent)
    : QDialog(parent), app_(app), group_(new QButtonGroup(this)) {
    new DialogHelpFilter(app_, *this, cmd::Language);
    setObjectName("CLanguageDlg");
    setWindowTitle(tr("Language"));
    auto* layout = new QVBoxLayout(this);
    for (const QString& name : {tr("English"), tr("Chinese")}) {
        auto* button = new QRadioButton(name, this);
        group_->addButton(button, group_->buttons().size());
        layout->addWidget(button);
    }
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &CLanguageDlg::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
}

void CLanguageDlg::load() {
    selectLanguage(app_.settings().chinese ? kChinese : kEnglish);
}

int CLanguageDlg::selectedLanguage() const {
    return group_->checkedId();
}

void CLanguageDlg::selectLanguage(int index) {
    if (QAbstractButton* button = group_->button(index)) {
        button->setChecked(true);
    }
}

void CLanguageDlg::accept() {
    const int running = app_.settings().chinese ? kChinese : kEnglish;
    // Decided afresh each time: after a restart that was called off, the running language is
    // no change.
    changed_ = selectedLanguage() != running;
    QDialog::accept();
}

QString CLanguageDlg::chosenLanguageName() const {
    return selectedLanguage() == kChinese ? QStringLiteral("Chinese") : QStringLiteral("English");
}

}  // namespace gui
}  // namespace radio
