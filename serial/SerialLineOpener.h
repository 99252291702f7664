#pragma once

#include <string>
#include <utility>
#include <vector>

#include "core/link/PortNaming.h"
#include "core/link/SerialPort.h"

namespace radio {

// Opens "com1".."com4" or device paths as serial lines.
class SerialLineOpener final : public SerialPortOpener {
  public:
    explicit SerialLineOpener(PortsLookup ports = {}) : ports_(std::move(ports)) {}
    std::unique_ptr<SerialPort> open(const std::string& name) override;

  private:
    PortsLookup ports_;
};

// The serial devices the system reports, one path each.
std::vector<std::string> availableSerialDevices();

}  // namespace radio
