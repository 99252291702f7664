#pragma once

#include <string>

#include "core/image/MemoryImage.h"
#include "core/link/CloneProtocol.h"
#include "core/link/SerialPort.h"

namespace radio {

enum class TransferOutcome { Completed, Cancelled, Interrupted, PortNotOpened };
enum class RetryChoice { Retry, Cancel };

// What a transfer reports and asks while it runs. Called on the engine's thread.
class TransferObserver {
  public:
    virtual ~TransferObserver() = default;
    // Once per transfer, before the handshake: the progress range, 127 or 122 blocks.
    virtual void transferStarted(int /*blockCount*/) {}
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

}  // namespace radio
