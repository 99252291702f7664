#include <gtest/gtest.h>

#include <map>

#include "core/link/PortNaming.h"

namespace radio {
namespace {

TEST(PortNaming, ComNamesMapToDevices) {
    std::map<std::string, std::string, std::less<>> ports = {{"com2", "/dev/ttyACM0"},
                                                             {"com3", "  "}};
    PortsLookup lookup = [&](std::string_view key) {
        auto it = ports.find(key);
        return it == ports.end() ? std::string() : it->second;
    };
    struct Case {
        std::string name;
        std::string device;
    };
    const Case cases[] = {
        {"com1", "/dev/ttyUSB0"},     {"COM4", "/dev/ttyUSB3"}, {"Com2", "/dev/ttyACM0"},
        {"com3", "/dev/ttyUSB2"},     {"com0", "com0"},         {"com5", "com5"},
        {"/dev/pts/7", "/dev/pts/7"}, {"com12", "com12"},       {"", ""},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(devicePathForPort(c.name, lookup), c.device) << c.name;
    }
    EXPECT_EQ(devicePathForPort("com2", nullptr), "/dev/ttyUSB1");
}

TEST(PortNaming, OnlyOneToFourAreComPorts) {
    EXPECT_EQ(comPortNumber("com1"), 1);
    EXPECT_EQ(comPortNumber("cOm4"), 4);
    EXPECT_EQ(comPortNumber("com0"), 0);
    EXPECT_EQ(comPortNumber("com"), 0);
    EXPECT_EQ(comPortNumber("tty1"), 0);
}

}  // namespace
}  // namespace radio
