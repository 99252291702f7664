#pragma once

#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "core/link/PortNaming.h"
#include "core/link/SerialDevice.h"
#include "core/link/SerialPort.h"

namespace radio {

// Opens "com1".."com4" or device paths as serial lines.
class SerialLineOpener final : public SerialPortOpener {
  public:
    explicit SerialLineOpener(PortsLookup ports = {}) : ports_(std::move(ports)) {}
    std::unique_ptr<SerialPort> open(const std::string& name) override;
    // Why the last open failed; nothing after a successful one.
    const std::optional<PortOpenFailure>& lastFailure() const { return lastFailure_; }

  private:
    PortsLookup ports_;
    std::optional<PortOpenFailure> lastFailure_;
};

// The serial devices the system reports, with what it knows about each.
std::vector<SerialDeviceInfo> availableSerialDevices();

// Looks at a device that just failed to open and tells why: missing (with the devices that do
// exist), not permitted (with the device's group), or held by another program.
PortOpenFailure diagnosePortOpen(const std::string& devicePath);

}  // namespace radio
