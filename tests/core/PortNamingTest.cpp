#include <gtest/gtest.h>

#include <map>

#include "core/link/PortNaming.h"
#include "core/link/SerialDevice.h"

namespace radio {
namespace {

TEST(PortNaming, ComNamesMapToDevices) {
    std::map<std::string, std::string, std::less<>> ports = {{"com2", "/dev/ttyACM0"},
                                                             {"com3", "  "}};
    PortsLookup lookup = [&](std::string_view key) {
        auto it = ports.find(key);
        return it == ports.end() ? std::string() : it->second;
    };
#ifdef _WIN32
    const std::string standard[] = {"", "COM1", "COM2", "COM3", "COM4"};
#else
    const std::string standard[] = {"", "/dev/ttyUSB0", "/dev/ttyUSB1", "/dev/ttyUSB2",
                                    "/dev/ttyUSB3"};
#endif
    // clang-format off
    const std::pair<std::string, std::string> cases[] = {
        {"com1", standard[1]}, {"COM4", standard[4]}, {"Com2", "/dev/ttyACM0"},
        {"com3", standard[3]}, {"com0", "com0"}, {"com5", "com5"}, {"/dev/pts/7", "/dev/pts/7"},
        {"", ""}, {"com", "com"}, {"com12", "com12"}, {"tty1", "tty1"}};
    // clang-format on
    for (const auto& [name, device] : cases) {
        EXPECT_EQ(devicePathForPort(name, lookup), device) << name;
    }
    EXPECT_EQ(devicePathForPort("com2", nullptr), standard[2]);
    EXPECT_EQ(comNumberForDevice(standard[4], lookup), 4);
}

}  // namespace
}  // namespace radio
