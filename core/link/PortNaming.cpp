#include "core/link/PortNaming.h"

#include "core/util/CRuntimeText.h"

namespace radio {

int comPortNumber(std::string_view name) {
    if (name.size() != 4 || !startsWithNoCase(name, "com")) {
        return 0;
    }
    char digit = name[3];
    return (digit >= '1' && digit <= '4') ? digit - '0' : 0;
}

std::string devicePathForPort(std::string_view name, const PortsLookup& ports) {
    const int number = comPortNumber(name);
    if (number == 0) {
        return std::string(name);
    }
    const std::string key = "com" + std::to_string(number);
    std::string configured = ports ? trim(ports(key)) : std::string();
    if (!configured.empty()) {
        return configured;
    }
#ifdef _WIN32
    return "COM" + std::to_string(number);
#else
    return "/dev/ttyUSB" + std::to_string(number - 1);
#endif
}

}  // namespace radio
