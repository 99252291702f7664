#pragma once

#include <QThread>
#include <atomic>
#include <functional>
#include <optional>

#include "core/image/MemoryImage.h"
#include "core/link/PortNaming.h"
#include "core/link/SerialDevice.h"
#include "core/link/Transfer.h"

namespace radio {
namespace gui {

// The communication-error question: ask runs on the interface thread, in the event loop of
// context, while the transfer waits for the answer. Without one the answer is Cancel.
struct RetryQuestion {
    QObject* context = nullptr;
    std::function<RetryChoice()> ask;
};

// Runs one radio transfer away from the interface thread, so the window never freezes while
// the protocol waits for the radio. Progress arrives as queued signals; the Retry/Cancel
// question is asked through the RetryQuestion, while the transfer waits.
class TransferThread : public QThread {
    Q_OBJECT
  public:
    // image: the snapshot to write, or the image a read starts from. verifyWrite: a write is
    // followed by the check of what it wrote.
    TransferThread(TransferRequest request, MemoryImage image, PortsLookup ports,
                   const std::atomic<bool>& cancel, bool verifyWrite, RetryQuestion question,
                   QObject* parent = nullptr);

    // Valid after finished(): the outcome and, after a completed read, the radio's image.
    TransferOutcome outcome() const { return outcome_; }
    const MemoryImage& image() const { return image_; }
    // What the check after a completed write found; empty without one.
    const std::optional<VerifyResult>& verifyResult() const { return verify_; }
    // How far the transfer got: blocks acknowledged (of a write, not counting its check) of
    // its block count.
    int blocksDone() const { return blocksWritten_; }
    int blockCount() const { return blockCount_; }
    // Why the port did not open, when that was the outcome.
    const std::optional<PortOpenFailure>& portFailure() const { return portFailure_; }

    const RetryQuestion& retryQuestion() const { return question_; }

    // The owner is going away: an unanswered question counts as Cancel.
    void abandon() { abandoned_ = true; }
    bool abandoned() const { return abandoned_.load(); }

  signals:
    void transferStarted(int blockCount);
    void verifyStarted(int blockCount);
    void blockDone(int blocksDone);

  protected:
    void run() override;

  private:
    TransferRequest request_;
    MemoryImage image_;
    PortsLookup ports_;
    const std::atomic<bool>& cancel_;
    bool verifyWrite_;
    RetryQuestion question_;
    TransferOutcome outcome_ = TransferOutcome::Cancelled;
    std::optional<VerifyResult> verify_;
    std::optional<PortOpenFailure> portFailure_;
    int blocksWritten_ = 0;
    int blockCount_ = 0;
    std::atomic<bool> abandoned_{false};
};

}  // namespace gui
}  // namespace radio
