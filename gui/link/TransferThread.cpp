#include "gui/link/TransferThread.h"

#include <QCoreApplication>
#include <QMetaObject>
#include <chrono>
#include <future>
#include <memory>

#include "core/link/WriteProgress.h"
#include "serial/SerialLineOpener.h"

namespace radio {
namespace gui {

namespace {

class ThreadObserver final : public TransferObserver {
  public:
    explicit ThreadObserver(TransferThread& thread, const std::atomic<bool>& cancel)
        : thread_(thread), cancel_(cancel) {}

    void transferStarted(int blockCount) override { emit thread_.transferStarted(blockCount); }
    void verifyStarted(int blockCount) override { emit thread_.verifyStarted(blockCount); }
    void blockDone(int blocksDone) override { emit thread_.blockDone(blocksDone); }
    bool cancelRequested() override { return cancel_.load(); }

    RetryChoice communicationError() override {
        const RetryQuestion& question = thread_.retryQuestion();
        if (!question.ask || !question.context) {
            return RetryChoice::Cancel;
        }
        // The question is a dialog, so it comes from the interface thread; the transfer waits
        // for the answer, but gives up when its owner goes (a question never answered, or a
        // context destroyed before it could ask, counts as Cancel).
        auto answer = std::make_shared<std::promise<RetryChoice>>();
        std::future<RetryChoice> future = answer->get_future();
        QMetaObject::invokeMethod(
            question.context, [answer, ask = question.ask] { answer->set_value(ask()); },
            Qt::QueuedConnection);
        answer.reset();
        while (future.wait_for(std::chrono::milliseconds(20)) != std::future_status::ready) {
            if (thread_.abandoned()) {
                return RetryChoice::Cancel;
            }
        }
        try {
            return future.get();
        } catch (const std::future_error&) {
            return RetryChoice::Cancel;
        }
    }

  private:
    TransferThread& thread_;
    const std::atomic<bool>& cancel_;
};

}  // namespace

TransferThread::TransferThread(TransferRequest request, MemoryImage image, PortsLookup ports,
                               const std::atomic<bool>& cancel, bool verifyWrite,
                               RetryQuestion question, QObject* parent)
    : QThread(parent),
      request_(std::move(request)),
      image_(image),
      ports_(std::move(ports)),
      cancel_(cancel),
      verifyWrite_(verifyWrite),
      question_(std::move(question)) {}

void TransferThread::run() {
    SerialLineOpener opener(ports_);
    ThreadObserver threadObserver(*this, cancel_);
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

}  // namespace gui
}  // namespace radio
