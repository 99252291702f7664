#include "gui/link/TransferThread.h"

#include <QMetaObject>

#include "core/link/WriteProgress.h"
#include "serial/SerialLineOpener.h"

namespace radio {
namespace gui {

namespace {

class ThreadObserver final : public TransferObserver {
  public:
    explicit ThreadObserver(TransferThread& thread) : thread_(thread) {}

    void transferStarted(int blockCount) override { emit thread_.transferStarted(blockCount); }
    void verifyStarted(int blockCount) override { emit thread_.verifyStarted(blockCount); }
    void blockDone(int blocksDone) override { emit thread_.blockDone(blocksDone); }
    bool cancelRequested() override { return thread_.isInterruptionRequested(); }
    RetryChoice communicationError() override { return thread_.askRetry(); }

  private:
    TransferThread& thread_;
};

}  // namespace

TransferThread::TransferThread(TransferRequest request, MemoryImage image, PortsLookup ports,
                               bool verifyWrite, RetryQuestion question, QObject* parent)
    : QThread(parent),
      request_(std::move(request)),
      image_(image),
      ports_(std::move(ports)),
      verifyWrite_(verifyWrite),
      question_(std::move(question)) {}

void TransferThread::run() {
    SerialLineOpener opener(ports_);
    ThreadObserver threadObserver(*this);
    WriteProgress observer(threadObserver);
    if (verifyWrite_ && request_.direction == clone::Direction::Write) {
        VerifiedWrite written = runVerifiedWrite(opener, request_, image_, observer);
        outcome_ = written.write;
        verify_ = std::move(written.verify);
    } else {
        outcome_ = runTransfer(opener, request_, image_, observer);
    }
    blocksWritten_ = observer.blocksWritten();
    blockCount_ = observer.blockCount();
    portFailure_ = opener.lastFailure();
}

RetryChoice TransferThread::askRetry() {
    std::future<RetryChoice> answered;
    {
        const std::lock_guard lock(answerLock_);
        if (abandoned_ || !question_) {
            return RetryChoice::Cancel;
        }
        answered = pendingAnswer_.emplace().get_future();
    }
    QMetaObject::invokeMethod(this, &TransferThread::askOnInterfaceThread, Qt::QueuedConnection);
    return answered.get();
}

void TransferThread::askOnInterfaceThread() {
    {
        const std::lock_guard lock(answerLock_);
        if (!pendingAnswer_) {
            return;  // abandoned before it could be asked
        }
    }
    answer(question_());
}

void TransferThread::answer(RetryChoice choice) {
    const std::lock_guard lock(answerLock_);
    if (pendingAnswer_) {
        pendingAnswer_->set_value(choice);
        pendingAnswer_.reset();
    }
}

void TransferThread::abandon() {
    requestInterruption();
    {
        const std::lock_guard lock(answerLock_);
        abandoned_ = true;
    }
    answer(RetryChoice::Cancel);
}

}  // namespace gui
}  // namespace radio
