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

VerifiedWrite runVerifiedWrite(SerialPortOpener& opener, const TransferRequest& request,
                               const MemoryImage& image, TransferObserver& observer) {
    const std::unique_ptr<SerialPort> port = opener.open(request.portName);
    if (!port) {
        return {TransferOutcome::PortNotOpened, std::nullopt};
    }
    CloneSession session(*port, observer);
    VerifiedWrite result{session.write(image, request.adjustmentUnlocked), std::nullopt};
    if (result.write == TransferOutcome::Completed) {
        result.verify = session.verify(image, request.adjustmentUnlocked);
    }
    return result;
}

}  // namespace radio
