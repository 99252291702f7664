#pragma once

#include <QThread>
#include <functional>
#include <future>
#include <mutex>
#include <optional>

#include "core/image/MemoryImage.h"
#include "core/link/PortNaming.h"
#include "core/link/SerialDevice.h"
#include "core/link/Transfer.h"

namespace radio {
namespace gui {

// Runs one radio transfer away from the interface thread, so the window never freezes while
// the protocol waits for the radio. Progress arrives as queued signals. Stopping is Qt's
// interruption request, checked at the protocol's cancel points. The Retry/Cancel question is
// a queued call to the interface thread, where this object lives, and the transfer blocks
// until it is answered or abandoned.
class TransferThread : public QThread {
    Q_OBJECT
  public:
    // The communication-error question, asked on the interface thread.
    using RetryQuestion = std::function<RetryChoice()>;

    // image: the snapshot to write, or the image a read starts from. verifyWrite: a write is
    // followed by the check of what it wrote. Without a question the answer is Cancel.
    TransferThread(TransferRequest request, MemoryImage image, PortsLookup ports, bool verifyWrite,
                   RetryQuestion question, QObject* parent = nullptr);

    // Valid after finished(): the outcome and, after a completed read, the radio's image.
    TransferOutcome outcome() const { return outcome_; }
    const MemoryImage& image() const { return image_; }
    // What the check after a completed write found; empty without one.
    const std::optional<VerifyResult>& verifyResult() const { return verify_; }
    // How far the transfer got: blocks acknowledged (of a write, not counting its check) of
    // its block count.
    int blocksWritten() const { return blocksWritten_; }
    int blockCount() const { return blockCount_; }
    // Why the port did not open, when that was the outcome.
    const std::optional<PortOpenFailure>& portFailure() const { return portFailure_; }

    // On the transfer's thread: asks the question and waits for the answer.
    RetryChoice askRetry();

    // The owner is going away: the transfer stops at its next check, and a question still
    // waiting is answered Cancel and never shown.
    void abandon();

  signals:
    void transferStarted(int blockCount);
    void verifyStarted(int blockCount);
    void blockDone(int blocksDone);

  protected:
    void run() override;

  private:
    void askOnInterfaceThread();
    void answer(RetryChoice choice);

    TransferRequest request_;
    MemoryImage image_;
    PortsLookup ports_;
    bool verifyWrite_;
    RetryQuestion question_;
    TransferOutcome outcome_ = TransferOutcome::Cancelled;
    std::optional<VerifyResult> verify_;
    std::optional<PortOpenFailure> portFailure_;
    int blocksWritten_ = 0;
    int blockCount_ = 0;

    std::mutex answerLock_;  // guards the two below, shared by both threads
    std::optional<std::promise<RetryChoice>> pendingAnswer_;
    bool abandoned_ = false;
};

}  // namespace gui
}  // namespace radio
