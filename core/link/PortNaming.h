#pragma once

#include <functional>
#include <string>
#include <string_view>

namespace radio {

// Looks up a key of the [Ports] section of Program.ini; empty when missing.
using PortsLookup = std::function<std::string(std::string_view key)>;

// The number N of a port named "comN" with N from 1 to 4 (any letter case), or 0.
int comPortNumber(std::string_view name);

// The device a port name stands for. "com1".."com4" are the value of key comN in [Ports] when it
// is set (a USB cable that Windows made COM7, a /dev/ttyACM0), else COM1..COM4 on Windows and
// /dev/ttyUSB0../dev/ttyUSB3 elsewhere, the usual names of USB programming cables. Any other
// name already is a device path.
std::string devicePathForPort(std::string_view name, const PortsLookup& ports);

}  // namespace radio
