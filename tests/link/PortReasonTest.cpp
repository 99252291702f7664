#include <fcntl.h>
#include <grp.h>
#include <gtest/gtest.h>
#include <stdlib.h>
#include <sys/stat.h>
#include <unistd.h>

#include <memory>
#include <string>

#include "serial/SerialLine.h"
#include "serial/SerialLineOpener.h"

namespace radio::test {
namespace {

using Reason = PortOpenFailure::Reason;

// A missing port is the command line's test; here the device (a pseudo-terminal's slave)
// exists but its mode forbids opening it, or another program holds it.
TEST(PortReason, AFailedOpenSaysWhyInBothLanguages) {
    for (const Reason reason : {Reason::PermissionDenied, Reason::Busy}) {
        if (reason == Reason::PermissionDenied && ::geteuid() == 0) {
            continue;  // root opens a device whatever its mode
        }
        const int master = ::posix_openpt(O_RDWR | O_NOCTTY);
        ASSERT_TRUE(master >= 0 && ::grantpt(master) == 0 && ::unlockpt(master) == 0);
        const std::shared_ptr<void> closer(nullptr, [master](void*) { ::close(master); });
        const std::string device = ::ptsname(master);
        std::unique_ptr<SerialLine> holder;
        std::string expected = device + " is in use by another program.";
        if (reason == Reason::Busy) {
            holder = SerialLine::open(device);
        } else {
            ::chmod(device.c_str(), 0);
            struct stat status {};
            ::stat(device.c_str(), &status);
            const struct group* entry = ::getgrgid(status.st_gid);
            const std::string group = entry ? entry->gr_name : std::to_string(status.st_gid);
            expected = "You may not open " + device + ": it belongs to the group " + group +
                       ". Join it with \"sudo usermod -aG " + group +
                       " $USER\", then log in again.";
        }
        SerialLineOpener opener;
        EXPECT_EQ(opener.open(device), nullptr);
        ASSERT_TRUE(opener.lastFailure().has_value());
        EXPECT_EQ(opener.lastFailure()->reason, reason);
        const std::string message = opener.lastFailure()->message(Language::English);
        EXPECT_EQ(message.substr(0, expected.size()), expected);
        EXPECT_NE(opener.lastFailure()->message(Language::Chinese), message);
    }
}

}  // namespace
}  // namespace radio::test
