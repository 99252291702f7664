#pragma once

#include <optional>
#include <string>

#include "core/image/MemoryImage.h"
#include "core/link/CloneProtocol.h"
#include "core/link/SerialPort.h"
#include "core/link/Verify.h"

namespace radio {

enum class TransferOutcome { Completed, Cancelled, Interrupted, PortNotOpened };
enum class RetryChoice { Retry, Cancel };

// What a transfer reports and asks while it runs. Called on the engine's thread.
class TransferObserver {
  public:
    virtual ~TransferObserver() = default;
    // Once per transfer, before the handshake: the progress range, 127 or 122 blocks.
    virtual void transferStarted(int /*blockCount*/) {}
    // Once, when the check after a write starts: its own progress range; blockDone then
    // counts that phase's blocks from 1 again.
    virtual void verifyStarted(int /*blockCount*/) {}
    // After each acknowledged block, counting from 1.
    virtual void blockDone(int /*blocksDone*/) {}
    // The Retry/Cancel prompt; may block until a user answers on another thread.
    virtual RetryChoice communicationError() = 0;
    // Polled only at the protocol's cancel check points.
    virtual bool cancelRequested() = 0;
};

struct TransferRequest {
    std::string portName;
    clone::Direction direction = clone::Direction::Read;
    bool adjustmentUnlocked = false;
};

// One complete read or write: opens the port by name, runs the clone session and closes the
// port again whatever the outcome. PortNotOpened when the opener gives no port.
TransferOutcome runTransfer(SerialPortOpener& opener, const TransferRequest& request,
                            MemoryImage& image, TransferObserver& observer);

// A write and what checking it found. verify is empty when the write did not complete.
struct VerifiedWrite {
    TransferOutcome write = TransferOutcome::Cancelled;
    std::optional<VerifyResult> verify;
};

// A write (request.direction is ignored) and, once it completed, the check of what it wrote
// on the same open port. The image is never changed.
VerifiedWrite runVerifiedWrite(SerialPortOpener& opener, const TransferRequest& request,
                               const MemoryImage& image, TransferObserver& observer);

}  // namespace radio
