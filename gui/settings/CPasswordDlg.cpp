#include "gui/settings/CPasswordDlg.h"

#include <QAction>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include "core/settings/AccessCode.h"
#include "gui/app/CMainFrame.h"
#include "gui/app/CProgramApp.h"
#include "gui/app/RunTimeText.h"
#include "gui/app/UserPrompts.h"

namespace radio {
namespace gui {

namespace {

void showAdjustmentItems(CProgramApp& app) {
    if (CMainFrame* frame = app.mainFrame()) {
        const Commands& commands = frame->commands();
        commands.powerAdjust->setVisible(true);
        commands.paramAdjust->setVisible(true);
    }
}

}  // namespace

CPasswordDlg::CPasswordDlg(CProgramApp& app, QWidget* parent)
    : QDialog(parent), app_(app), entry_(new QLineEdit(this)) {
    setObjectName("CPasswordDlg");
    setWindowTitle(tr("Password"));
    entry_->setMaxLength(static_cast<int>(kAccessCodeLength));
    entry_->setEchoMode(QLineEdit::Password);
    entry_->setStyleSheet(QStringLiteral("lineedit-password-character: 42;"));  // '*'
    auto* label = new QLabel(tr("Password"), this);
    label->setBuddy(entry_);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &CPasswordDlg::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* row = new QHBoxLayout;
    row->addWidget(label);
    row->addWidget(entry_);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(row);
    layout->addWidget(buttons);
    entry_->setFocus();
}

void CPasswordDlg::accept() {
    if (accessCodeAccepted(entry_->text().toStdString())) {
        QDialog::accept();
        return;
    }
    app_.message(uiText(TextId::PasswordError, app_.language()), QMessageBox::Ok,
                 QMessageBox::Warning, uiText(TextId::PasswordErrorCaption, app_.language()));
}

void runAccessCodeGate(CProgramApp& app) {
    CPasswordDlg dialog(app, app.mainFrame());
    if (app.prompts().runDialog(dialog) != QDialog::Accepted) {
        return;
    }
    app.setAdjustmentUnlocked();
    showAdjustmentItems(app);
}

}  // namespace gui
}  // namespace radio
