#include "gui/link/RadioLink.h"

#include <QEventLoop>
#include <QProgressBar>
#include <map>

#include "core/image/ImageMap.h"
#include "core/text/Texts.h"
#include "gui/app/CProgramApp.h"
#include "gui/app/RunTimeText.h"
#include "gui/app/StringTable.h"
#include "gui/app/UserPrompts.h"
#include "gui/channels/CProgramView.h"
#include "gui/image/CProgramDoc.h"
#include "gui/link/CProcessDlg.h"
#include "gui/link/TransferThread.h"

namespace radio {
namespace gui {

namespace {

QString caption(clone::Direction direction, Language language) {
    return uiText(direction == clone::Direction::Read ? TextId::ReadData : TextId::WriteData,
                  language);
}

}  // namespace

RadioLink::RadioLink(CProgramApp& app, CProgramView& view) : app_(app), view_(view) {}

RadioLink::~RadioLink() {
    if (thread_) {
        // Never leave a transfer working on a view that is gone.
        if (dialog_) {
            dialog_->reject();
        }
        thread_->abandon();
        thread_->wait();
    }
}

void RadioLink::onRead() {
    openDialog(clone::Direction::Read);
}

void RadioLink::onWrite() {
    if (dialog_) {
        return;
    }
    view_.CommitCellEdit();
    openDialog(clone::Direction::Write);
}

void RadioLink::openDialog(clone::Direction direction) {
    if (dialog_) {
        return;  // one transfer at a time; its direction stays
    }
    direction_ = direction;
    dialog_ = std::make_unique<CProcessDlg>(caption(direction, app_.language()), &view_);
    dialog_->progress()->setRange(0, 63);
    connect(dialog_.get(), &CProcessDlg::startRequested, this, &RadioLink::start);
    connect(dialog_.get(), &QDialog::rejected, this, [this] {
        if (!running()) {
            closeDialog();
        }
    });
    dialog_->show();
    dialog_->raise();
}

void RadioLink::start() {
    if (!dialog_ || thread_) {
        return;
    }
    view_.CommitCellEdit();
    if (direction_ == clone::Direction::Write) {
        view_.StoreChannels();
    }
    // [Ports] is read here, so the transfer thread never touches the configuration store.
    std::map<std::string, std::string, std::less<>> ports;
    for (const char* key : {"com1", "com2", "com3", "com4"}) {
        ports[key] = app_.config().get("Ports", key, "");
    }
    PortsLookup lookup = [ports](std::string_view key) {
        auto found = ports.find(key);
        return found == ports.end() ? std::string() : found->second;
    };
    TransferRequest request{portName_.toStdString(), direction_, app_.adjustmentUnlocked()};
    thread_ =
        new TransferThread(request, view_.document().image(), lookup, dialog_->cancelFlag(), this);
    thread_->askRetry = [this] { return askRetry(); };
    thread_->promptContext = this;
    connect(thread_, &TransferThread::transferStarted, dialog_.get(), &CProcessDlg::setBlockCount);
    connect(thread_, &TransferThread::blockDone, dialog_.get(), [this] { dialog_->stepBlock(); });
    connect(thread_, &QThread::finished, this, &RadioLink::finish);
    thread_->start();
}

RetryChoice RadioLink::askRetry() {
    const auto answer =
        app_.prompts().message(dialog_.get(), QMessageBox::Warning, app_.settings().displayName,
                               StringTable::text(StringTable::CommunicationError),
                               QMessageBox::Retry | QMessageBox::Cancel);
    return answer == QMessageBox::Retry ? RetryChoice::Retry : RetryChoice::Cancel;
}

void RadioLink::finish() {
    const TransferOutcome outcome = thread_->outcome();
    const std::optional<PortOpenFailure> portFailure = thread_->portFailure();
    if (outcome == TransferOutcome::Completed && direction_ == clone::Direction::Read) {
        view_.document().image().copyFrom(thread_->image(), 0, map::kTransferEnd);
        app_.setNewImageFlag(false);
        view_.LoadChannels();
        view_.document().setModified(true);
    }
    thread_->deleteLater();
    thread_ = nullptr;
    if (outcome == TransferOutcome::PortNotOpened) {
        // The message of old first; under it why, so a user can mend it.
        QString text = StringTable::text(StringTable::PortNotOpened);
        const std::string reason = portFailure ? portFailure->message(app_.language()) : "";
        if (!reason.empty()) {
            text += '\n' + QString::fromStdString(reason);
        }
        app_.prompts().message(dialog_.get(), QMessageBox::Warning, app_.settings().displayName,
                               text, QMessageBox::Ok);
    } else if (outcome == TransferOutcome::Interrupted) {
        app_.prompts().message(dialog_.get(), QMessageBox::Warning, app_.settings().displayName,
                               StringTable::text(StringTable::ProgramInterrupt), QMessageBox::Ok);
    }
    closeDialog();
    emit transferFinished(outcome);
}

void RadioLink::closeDialog() {
    if (dialog_) {
        dialog_->hide();
        dialog_.release()->deleteLater();
    }
}

void RadioLink::waitForEnd() {
    QEventLoop loop;
    connect(this, &RadioLink::transferFinished, &loop, &QEventLoop::quit);
    if (thread_) {
        loop.exec();
    }
}

bool RadioLink::prepareToClose() {
    if (!dialog_) {
        return true;
    }
    if (!running()) {
        dialog_->reject();
        return true;
    }
    const auto answer = app_.prompts().message(
        &view_, QMessageBox::Question, app_.settings().displayName,
        tr("A transfer with the radio is running. Stop it?"), QMessageBox::Yes | QMessageBox::No);
    if (answer != QMessageBox::Yes) {
        return false;
    }
    dialog_->reject();
    waitForEnd();
    return true;
}

}  // namespace gui
}  // namespace radio
