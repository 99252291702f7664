#include <fcntl.h>
#include <grp.h>
#include <gtest/gtest.h>
#include <stdlib.h>
#include <sys/stat.h>
#include <unistd.h>

#include <functional>
#include <memory>
#include <ostream>
#include <string>

#include "serial/SerialLine.h"
#include "serial/SerialLineOpener.h"

namespace radio::test {
namespace {

using Reason = PortOpenFailure::Reason;

std::string groupOf(const std::string& path) {
    struct stat status {};
    ::stat(path.c_str(), &status);
    const struct group* entry = ::getgrgid(status.st_gid);
    return entry ? entry->gr_name : std::to_string(status.st_gid);
}

struct Case {
    const char* name;
    // Spoils the device (a pseudo-terminal's slave); what it returns stays alive meanwhile.
    std::function<std::shared_ptr<void>(std::string& device)> spoil;
    Reason reason;
    std::function<std::string(const std::string& device)> expected;  // the line's beginning
};

void PrintTo(const Case& c, std::ostream* out) {
    *out << c.name;
}

const Case kCases[] = {
    {"ModeChangedTo000",
     [](std::string& device) {
         ::chmod(device.c_str(), 0);
         return std::shared_ptr<void>();
     },
     Reason::PermissionDenied,
     [](const std::string& device) {
         const std::string group = groupOf(device);
         return "You may not open " + device + ": it belongs to the group " + group +
                ". Join it with \"sudo usermod -aG " + group + " $USER\", then log in again.";
     }},
    {"HeldOpenByAnotherProgram",
     [](std::string& device) { return std::shared_ptr<void>(SerialLine::open(device)); },
     Reason::Busy,
     [](const std::string& device) { return device + " is in use by another program."; }},
    {"Missing",
     [](std::string& device) {
         device += "-gone";
         return std::shared_ptr<void>();
     },
     Reason::Missing,  // then the devices found, or that there are none
     [](const std::string& device) { return device + " does not exist"; }},
};

class PortReason : public ::testing::TestWithParam<Case> {};

TEST_P(PortReason, AFailedOpenSaysWhyInBothLanguages) {
    const Case& c = GetParam();
    if (c.reason == Reason::PermissionDenied && ::geteuid() == 0) {
        GTEST_SKIP() << "root opens a device whatever its mode";
    }
    const int master = ::posix_openpt(O_RDWR | O_NOCTTY);
    ASSERT_TRUE(master >= 0 && ::grantpt(master) == 0 && ::unlockpt(master) == 0);
    const std::shared_ptr<void> closer(nullptr, [master](void*) { ::close(master); });
    std::string device = ::ptsname(master);
    const std::shared_ptr<void> holder = c.spoil(device);
    SerialLineOpener opener;
    EXPECT_EQ(opener.open(device), nullptr);
    ASSERT_TRUE(opener.lastFailure().has_value());
    EXPECT_EQ(opener.lastFailure()->reason, c.reason);
    const std::string message = opener.lastFailure()->message(Language::English);
    EXPECT_EQ(message.substr(0, c.expected(device).size()), c.expected(device));
    EXPECT_NE(opener.lastFailure()->message(Language::Chinese), message);
}

INSTANTIATE_TEST_SUITE_P(Devices, PortReason, ::testing::ValuesIn(kCases),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace radio::test
