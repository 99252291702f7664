#include "serial/SerialLineOpener.h"

#include <QSerialPortInfo>

#include "serial/SerialLine.h"

namespace radio {

std::unique_ptr<SerialPort> SerialLineOpener::open(const std::string& name) {
    return SerialLine::open(devicePathForPort(name, ports_));
}

std::vector<std::string> availableSerialDevices() {
    std::vector<std::string> devices;
    for (const QSerialPortInfo& info : QSerialPortInfo::availablePorts()) {
        devices.push_back(info.systemLocation().toStdString());
    }
    return devices;
}

}  // namespace radio
