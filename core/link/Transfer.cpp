#include "core/link/Transfer.h"

#include <memory>

#include "core/link/CloneSession.h"

namespace radio {

TransferOutcome runTransfer(SerialPortOpener& opener, const TransferRequest& request,
                            MemoryImage& image, TransferObserver& observer) {
    // The port lives exactly as long as this call, so every outcome closes it.
    const std::unique_ptr<SerialPort> port = opener.open(request.portName);
    if (!port) {
        return TransferOutcome::PortNotOpened;
    }
    CloneSession session(*port, observer);
    if (request.direction == clone::Direction::Read) {
        return session.read(image);
    }
    return session.write(image, request.adjustmentUnlocked);
}

}  // namespace radio
