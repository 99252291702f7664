#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/link/PortNaming.h"
#include "core/text/Language.h"

namespace radio {

// A serial device as the system reports it; the texts are empty where it does not know them.
struct SerialDeviceInfo {
    std::string path;
    std::string description;
    std::string manufacturer;
    std::string serialNumber;
    std::optional<std::uint16_t> vendorId;
    std::optional<std::uint16_t> productId;
};

// Which of com1..com4 stands for the device (1..4), 0 when none does.
int comNumberForDevice(std::string_view path, const PortsLookup& ports);

// One line of a device list: path, then what is known about it ("FT232R USB UART, FTDI,
// USB 0403:6001, serial A10K"), then the port that stands for it ("com1").
std::string describeSerialDevice(const SerialDeviceInfo& device, int comNumber);

// Why a port could not be opened, as far as the system tells.
struct PortOpenFailure {
    enum class Reason { Unknown, PermissionDenied, Busy, Missing };
    Reason reason = Reason::Unknown;
    std::string device;                // the device that was opened
    std::string group;                 // PermissionDenied: the group the device belongs to
    std::vector<std::string> present;  // Missing: the serial devices that do exist

    // The line that follows the port message; empty when the reason is unknown.
    std::string message(Language language) const;
};

}  // namespace radio
