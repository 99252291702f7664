#include "gui/link/CProcessDlg.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

namespace radio {
namespace gui {

CProcessDlg::CProcessDlg(const QString& caption, QWidget* parent)
    : QDialog(parent),
      progress_(new QProgressBar(this)),
      counter_(new QLabel(QStringLiteral("0"), this)),
      ok_(new QPushButton(tr("OK"), this)),
      cancelButton_(new QPushButton(tr("Cancel"), this)) {
    setObjectName("CProcessDlg");
    setWindowTitle(caption);
    setAttribute(Qt::WA_DeleteOnClose, false);
    progress_->setRange(0, 64);
    progress_->setValue(0);
    progress_->setTextVisible(false);
    counter_->setAlignment(Qt::AlignCenter);
    counter_->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    counter_->setMinimumWidth(60);
    // A screen reader says the phase with the bar's value, and what the number counts.
    progress_->setAccessibleName(caption);
    counter_->setAccessibleName(tr("Blocks done"));
    ok_->setDefault(true);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(ok_);
    buttons->addStretch();
    buttons->addWidget(counter_);
    buttons->addStretch();
    buttons->addWidget(cancelButton_);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(progress_);
    layout->addLayout(buttons);
    setMinimumWidth(340);

    connect(ok_, &QPushButton::clicked, this, [this] {
        ok_->setEnabled(false);
        // Later, from the event loop, as a posted message would arrive.
        QTimer::singleShot(0, this, &CProcessDlg::startRequested);
    });
    connect(cancelButton_, &QPushButton::clicked, this, &CProcessDlg::reject);
}

bool CProcessDlg::started() const {
    return !ok_->isEnabled();
}

void CProcessDlg::setBlockCount(int blocks) {
    progress_->setRange(0, blocks);
    progress_->setValue(0);
}

void CProcessDlg::startPhase(const QString& caption, int blocks) {
    setWindowTitle(caption);
    progress_->setAccessibleName(caption);
    setBlockCount(blocks);
    counter_->setText(QStringLiteral("0"));
}

void CProcessDlg::stepBlock() {
    progress_->setValue(progress_->value() + 1);
    counter_->setText(QString::number(progress_->value()));
}

void CProcessDlg::reject() {
    if (started()) {
        emit stopRequested();
    } else {
        QDialog::reject();  // nothing runs yet: the window goes
    }
}

void CProcessDlg::closeEvent(QCloseEvent* event) {
    event->ignore();
    reject();
}

}  // namespace gui
}  // namespace radio
