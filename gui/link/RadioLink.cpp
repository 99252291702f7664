#include "gui/link/RadioLink.h"

#include <QProgressBar>
#include <QStatusBar>
#include <map>

#include "core/image/ImageDiff.h"
#include "core/link/CloneProtocol.h"
#include "core/link/WriteProgress.h"
#include "core/text/Texts.h"
#include "gui/app/BandQuestion.h"
#include "gui/app/CMainFrame.h"
#include "gui/app/CProgramApp.h"
#include "gui/app/RunTimeText.h"
#include "gui/app/StringTable.h"
#include "gui/app/UserPrompts.h"
#include "gui/channels/CProgramView.h"
#include "gui/channels/ChannelTableView.h"
#include "gui/image/CProgramDoc.h"
#include "gui/link/CCompareDlg.h"
#include "gui/link/CProcessDlg.h"
#include "gui/link/TransferThread.h"

namespace radio {
namespace gui {

RadioLink::RadioLink(CProgramApp& app, CProgramView& view) : app_(app), view_(view) {}

RadioLink::~RadioLink() {
    if (thread_) {
        // Never leave a transfer working on a view that is gone. Windows close only once their
        // transfer has ended, so this wait is for a program torn down without closing them.
        thread_->abandon();
        thread_->wait();
    }
}

CProcessDlg* RadioLink::dialog() const {
    return dialog_.data();
}

void RadioLink::onRead() {
    openDialog(Job::Read);
}

void RadioLink::onWrite() {
    if (dialog_) {
        return;
    }
    // Channels outside the band the image is for were meant for another radio: ask first.
    if (view_.CommitCellEdit() &&
        goOnWithChannelsOutsideBand(app_, &view_, view_.document().storedImage(),
                                    view_.bandLimits(), tr("Write to the radio anyway?"))) {
        openDialog(Job::Write);
    }
}

void RadioLink::onCompare() {
    openDialog(Job::Compare);
}

void RadioLink::openDialog(Job job) {
    if (dialog_) {
        return;  // one transfer at a time; its direction stays
    }
    job_ = job;
    direction_ = job == Job::Write ? clone::Direction::Write : clone::Direction::Read;
    const Language language = app_.language();
    const QString caption = job == Job::Read    ? uiText(TextId::ReadData, language)
                            : job == Job::Write ? uiText(TextId::WriteData, language)
                                                : tr("Compare With Radio");
    dialog_ = new CProcessDlg(caption, &view_);
    dialog_->progress()->setRange(0, 63);
    connect(dialog_.data(), &CProcessDlg::startRequested, this, &RadioLink::start);
    connect(dialog_.data(), &QDialog::rejected, this, [this] {
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
    if (!view_.CommitCellEdit()) {
        return;  // the refused text's message was shown; OK starts again once it is mended
    }
    // A write sends it; a compare starts its read from it and fills bytes 0..1008 only, so the
    // rest, never on a radio, compares equal.
    sent_ = view_.document().storedImage();
    // [Ports] is read here, so the transfer thread never touches the configuration store.
    std::map<std::string, std::string, std::less<>> ports;
    for (const char* key : {"com1", "com2", "com3", "com4"}) {
        ports[key] = app_.config().get("Ports", key, "");
    }
    PortsLookup lookup = [ports](std::string_view key) {
        auto found = ports.find(key);
        return found == ports.end() ? std::string() : found->second;
    };
    TransferRequest request{app_.portName().toStdString(), direction_, app_.adjustmentUnlocked()};
    const bool verify = job_ == Job::Write && app_.verifyAfterWrite();
    thread_ = new TransferThread(
        request, job_ == Job::Read ? view_.document().image() : sent_, lookup, verify,
        [this] { return askRetry(); }, this);
    connect(dialog_.data(), &CProcessDlg::stopRequested, thread_, &QThread::requestInterruption);
    connect(thread_, &TransferThread::transferStarted, dialog_.data(), &CProcessDlg::setBlockCount);
    connect(thread_, &TransferThread::verifyStarted, dialog_.data(), [this](int blocks) {
        dialog_->startPhase(uiText(TextId::VerifyData, app_.language()), blocks);
    });
    connect(thread_, &TransferThread::blockDone, dialog_.data(), [this] { dialog_->stepBlock(); });
    connect(thread_, &QThread::finished, this, &RadioLink::finish);
    thread_->start();
}

RetryChoice RadioLink::askRetry() {
    const auto answer =
        app_.prompts().message(dialog_.data(), QMessageBox::Warning, app_.settings().displayName,
                               StringTable::text(StringTable::CommunicationError),
                               QMessageBox::Retry | QMessageBox::Cancel);
    return answer == QMessageBox::Retry ? RetryChoice::Retry : RetryChoice::Cancel;
}

void RadioLink::finish() {
    const TransferOutcome outcome = thread_->outcome();
    const std::optional<PortOpenFailure> portFailure = thread_->portFailure();
    const std::optional<VerifyResult> check = thread_->verifyResult();
    const MemoryImage radio = thread_->image();
    const std::string writeNote =
        job_ == Job::Write
            ? interruptedWriteNote(thread_->blocksWritten(), thread_->blockCount(), app_.language())
            : std::string();
    if (outcome == TransferOutcome::Completed && job_ == Job::Read) {
        takeReadImage(radio);
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
        app_.prompts().message(dialog_.data(), QMessageBox::Warning, app_.settings().displayName,
                               text, QMessageBox::Ok);
    } else if (outcome == TransferOutcome::Interrupted) {
        // The message of old; under it, after a write, what the radio now holds.
        QString text = StringTable::text(StringTable::ProgramInterrupt);
        if (!writeNote.empty()) {
            text += '\n' + QString::fromStdString(writeNote);
        }
        app_.prompts().message(dialog_.data(), QMessageBox::Warning, app_.settings().displayName,
                               text, QMessageBox::Ok);
    }
    closeDialog();
    // The keyboard goes back to the grid: the progress window had it, and a read closed the
    // editor that had it before.
    view_.table().ShowCellEditor();
    if (outcome == TransferOutcome::Completed && check) {
        reportCheck(*check, sent_);
    } else if (outcome == TransferOutcome::Completed && job_ == Job::Compare) {
        showDifferences(radio);
    }
    emit transferFinished(outcome);
}

void RadioLink::takeReadImage(const MemoryImage& radio) {
    // The radio's channels and options replace the document's: one step, undone as one.
    view_.document().change(tr("Read From Radio"), [&] {
        clone::copyReadBytes(view_.document().image(), radio);
        app_.setNewImageFlag(false);
    });
    view_.LoadChannels();
}

void RadioLink::reportCheck(const VerifyResult& result, const MemoryImage& written) {
    const QString text = QString::fromStdString(verifyMessage(result, written, app_.language()));
    const bool verified = result.outcome == VerifyOutcome::Verified;
    if (CMainFrame* frame = app_.mainFrame()) {
        frame->statusBar()->showMessage(text.section('\n', 0, 0));
    }
    app_.prompts().message(&view_, verified ? QMessageBox::Information : QMessageBox::Warning,
                           app_.settings().displayName, text, QMessageBox::Ok);
}

void RadioLink::showDifferences(const MemoryImage& radio) {
    CCompareDlg window(QString::fromStdString(differenceText(sent_, radio, app_.language())),
                       &view_);
    app_.prompts().runDialog(window);
}

void RadioLink::closeDialog() {
    if (dialog_) {
        dialog_->hide();
        dialog_->deleteLater();
        dialog_.clear();
    }
}

bool RadioLink::prepareToClose(const std::function<void()>& whenStopped) {
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
    // The window stays until the transfer has stopped at its next check; then the caller goes
    // on from the event loop, which keeps running meanwhile.
    if (whenStopped) {
        connect(this, &RadioLink::transferFinished, this, whenStopped,
                static_cast<Qt::ConnectionType>(Qt::QueuedConnection | Qt::SingleShotConnection));
    }
    thread_->requestInterruption();
    return false;
}

}  // namespace gui
}  // namespace radio
