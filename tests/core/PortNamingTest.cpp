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
    // clang-format off
    const std::pair<std::string, std::string> cases[] = {
        {"com1", "/dev/ttyUSB0"}, {"COM4", "/dev/ttyUSB3"}, {"Com2", "/dev/ttyACM0"},
        {"com3", "/dev/ttyUSB2"}, {"com0", "com0"}, {"com5", "com5"}, {"/dev/pts/7", "/dev/pts/7"},
        {"", ""}, {"com", "com"}, {"com12", "com12"}, {"tty1", "tty1"}};
    // clang-format on
    for (const auto& [name, device] : cases) {
        EXPECT_EQ(devicePathForPort(name, lookup), device) << name;
    }
    EXPECT_EQ(devicePathForPort("com2", nullptr), "/dev/ttyUSB1");
    EXPECT_EQ(comNumberForDevice("/dev/ttyUSB3", lookup), 4);
}

}  // namespace
}  // namespace radio
