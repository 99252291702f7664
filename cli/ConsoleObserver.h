#pragma once

#include <optional>
#include <string>

#include "core/link/Transfer.h"

namespace radio::cli {

// Shows a transfer on the terminal: a progress bar on stderr when it is a terminal, the
// communication-error prompt answered from --retries or asked, Ctrl+C as Cancel.
class ConsoleObserver final : public TransferObserver {
  public:
    ConsoleObserver(std::string verb, std::optional<int> retries);
    ~ConsoleObserver() override;
    ConsoleObserver(const ConsoleObserver&) = delete;
    ConsoleObserver& operator=(const ConsoleObserver&) = delete;

    void transferStarted(int blockCount) override;
    void verifyStarted(int blockCount) override;
    void blockDone(int blocksDone) override;
    RetryChoice communicationError() override;
    bool cancelRequested() override;

    // Ends the progress bar's line, so that a message can follow it.
    void finish() { endBar(); }

    // True when the transfer ended because the prompt was answered with Cancel.
    bool declinedAtPrompt() const { return declined_; }

  private:
    void drawBar(int done);
    void endBar();

    std::string verb_;
    std::optional<int> retriesLeft_;
    bool showBar_;
    bool barShown_ = false;
    bool declined_ = false;
    int blockCount_ = 0;
    void (*previousHandler_)(int) = nullptr;
};

}  // namespace radio::cli
