#include "serial/SerialLineOpener.h"

#include "serial/SerialLine.h"

namespace radio {

std::unique_ptr<SerialPort> SerialLineOpener::open(const std::string& name) {
    const std::string device = devicePathForPort(name, ports_);
    std::unique_ptr<SerialPort> line = SerialLine::open(device);
    lastFailure_.reset();
    if (!line) {
        lastFailure_ = diagnosePortOpen(device);
    }
    return line;
}

}  // namespace radio
