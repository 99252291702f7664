#include "core/link/SerialDevice.h"

#include <cstdio>

#include "core/text/Texts.h"

namespace radio {

int comNumberForDevice(std::string_view path, const PortsLookup& ports) {
    for (int number = 1; number <= 4; ++number) {
        if (devicePathForPort("com" + std::to_string(number), ports) == path) {
            return number;
        }
    }
    return 0;
}

std::string describeSerialDevice(const SerialDeviceInfo& device, int comNumber) {
    std::vector<std::string> known;
    for (const std::string* text : {&device.description, &device.manufacturer}) {
        if (!text->empty()) {
            known.push_back(*text);
        }
    }
    if (device.vendorId && device.productId) {
        char usb[16];
        std::snprintf(usb, sizeof usb, "USB %04x:%04x", *device.vendorId, *device.productId);
        known.emplace_back(usb);
    }
    if (!device.serialNumber.empty()) {
        known.push_back("serial " + device.serialNumber);
    }
    std::string line = device.path;
    for (std::size_t i = 0; i < known.size(); ++i) {
        line += (i == 0 ? "  " : ", ") + known[i];
    }
    if (comNumber != 0) {
        line += "  = com" + std::to_string(comNumber);
    }
    return line;
}

std::string PortOpenFailure::message(Language language) const {
    switch (reason) {
        case Reason::Unknown:
            return {};
        case Reason::PermissionDenied:
            return fillText(text(TextId::PortPermissionDenied, language),
                            {device, group.empty() ? "dialout" : group});
        case Reason::Busy:
            return fillText(text(TextId::PortBusy, language), {device});
        case Reason::Missing: {
            if (present.empty()) {
                return fillText(text(TextId::PortMissingNoneFound, language), {device});
            }
            std::string list;
            for (const std::string& path : present) {
                list += (list.empty() ? "" : ", ") + path;
            }
            return fillText(text(TextId::PortMissing, language), {device, list});
        }
    }
    return {};
}

}  // namespace radio
