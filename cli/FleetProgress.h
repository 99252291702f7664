#pragma once

#include <atomic>
#include <optional>
#include <string>
#include <vector>

#include "core/link/Transfer.h"

namespace radio::cli {

// One port's transfer among many: what it shows is kept in atomics its thread writes and the
// display reads; the prompt is never asked (it would hold the terminal from the other ports),
// it is answered from --retries or declined; Ctrl+C cancels every port.
class PortProgress final : public TransferObserver {
  public:
    PortProgress(std::string verb, std::optional<int> retries);

    void transferStarted(int blockCount) override;
    void verifyStarted(int blockCount) override;
    void blockDone(int blocksDone) override;
    RetryChoice communicationError() override;
    bool cancelRequested() override;

    bool declinedAtPrompt() const { return declined_; }
    // "Writing 87/127", or the verb alone before the first block count.
    std::string state() const;

  private:
    std::atomic<const char*> verb_;
    std::atomic<int> blockCount_{0};
    std::atomic<int> done_{0};
    std::optional<int> retriesLeft_;
    std::atomic<bool> declined_{false};
    std::string verbText_;
};

// Ctrl+C cancels every port's transfer while this lives; the previous handler comes back.
class FleetInterrupt {
  public:
    FleetInterrupt();
    ~FleetInterrupt();
    FleetInterrupt(const FleetInterrupt&) = delete;
    FleetInterrupt& operator=(const FleetInterrupt&) = delete;
    static bool requested();

  private:
    void (*previous_)(int);
};

// One line per port on a terminal, rewritten in place.
class FleetDisplay {
  public:
    explicit FleetDisplay(std::size_t lines) : lines_(lines) {}
    void draw(const std::vector<std::string>& lines);

  private:
    std::size_t lines_;
    bool drawn_ = false;
};

}  // namespace radio::cli
