#pragma once

#include <string>

#include "core/link/Transfer.h"
#include "core/text/Language.h"

namespace radio {

// Passes a transfer's reports and questions on to the observer it wraps and remembers how far
// the write got, so that a write that stops half-way can say what the radio now holds.
class WriteProgress final : public TransferObserver {
  public:
    explicit WriteProgress(TransferObserver& observer) : observer_(observer) {}

    void transferStarted(int blockCount) override;
    void verifyStarted(int blockCount) override;
    void blockDone(int blocksDone) override;
    RetryChoice communicationError() override { return observer_.communicationError(); }
    bool cancelRequested() override { return observer_.cancelRequested(); }

    // Blocks the radio acknowledged before the write ended, of blockCount; the check after
    // the write does not count.
    int blocksWritten() const { return written_; }
    int blockCount() const { return count_; }

  private:
    TransferObserver& observer_;
    int written_ = 0;
    int count_ = 0;
    bool checking_ = false;
};

// The line under the message of a write that stopped after some blocks: how many went, and
// that the radio holds part of the new settings until it is written again. Empty when no
// block was written (the radio is as it was) or all were.
std::string interruptedWriteNote(int blocksWritten, int blockCount, Language language);

}  // namespace radio
