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

#include "core/link/SerialDevice.h"
#include "serial/SerialLine.h"
#include "serial/SerialLineOpener.h"

namespace radio::test {
namespace {

using Reason = PortOpenFailure::Reason;

// A pseudo-terminal: its slave is a serial device as far as the opener can tell.
class PseudoTerminal {
  public:
    PseudoTerminal() : master_(::posix_openpt(O_RDWR | O_NOCTTY)) {
        if (master_ >= 0 && ::grantpt(master_) == 0 && ::unlockpt(master_) == 0) {
            slave_ = ::ptsname(master_);
        }
    }
    ~PseudoTerminal() {
        if (master_ >= 0) {
            ::close(master_);
        }
    }
    const std::string& slave() const { return slave_; }

  private:
    int master_;
    std::string slave_;
};

std::string groupOf(const std::string& path) {
    struct stat status {};
    ::stat(path.c_str(), &status);
    const struct group* entry = ::getgrgid(status.st_gid);
    return entry ? entry->gr_name : std::to_string(status.st_gid);
}

struct Case {
    const char* name;
    // Spoils the device; what it returns stays alive while the device is opened.
    std::function<std::shared_ptr<void>(const std::string& device)> spoil;
    bool missingPath;
    Reason reason;
    std::function<std::string(const std::string& device)> expected;  // the line's beginning
};

const Case kCases[] = {
    {"ModeChangedTo000",
     [](const std::string& device) {
         ::chmod(device.c_str(), 0);
         return std::shared_ptr<void>();
     },
     false, Reason::PermissionDenied,
     [](const std::string& device) {
         const std::string group = groupOf(device);
         return "You may not open " + device + ": it belongs to the group " + group +
                ". Join it with \"sudo usermod -aG " + group + " $USER\", then log in again.";
     }},
    {"HeldOpenByAnotherProgram",
     [](const std::string& device) { return std::shared_ptr<void>(SerialLine::open(device)); },
     false, Reason::Busy,
     [](const std::string& device) { return device + " is in use by another program."; }},
    {"Missing", [](const std::string&) { return std::shared_ptr<void>(); }, true, Reason::Missing,
     // then the devices found, or that there are none
     [](const std::string& device) { return device + " does not exist"; }},
};

void PrintTo(const Case& c, std::ostream* out) {
    *out << c.name;
}

class PortReason : public ::testing::TestWithParam<Case> {};

TEST_P(PortReason, AFailedOpenSaysWhyInBothLanguages) {
    const Case& c = GetParam();
    if (c.reason == Reason::PermissionDenied && ::geteuid() == 0) {
        GTEST_SKIP() << "root opens a device whatever its mode";
    }
    const PseudoTerminal terminal;
    ASSERT_FALSE(terminal.slave().empty());
    const std::string device = c.missingPath ? terminal.slave() + "-gone" : terminal.slave();
    const std::shared_ptr<void> holder = c.spoil(device);
    SerialLineOpener opener;
    EXPECT_EQ(opener.open(device), nullptr);
    ASSERT_TRUE(opener.lastFailure().has_value());
    EXPECT_EQ(opener.lastFailure()->reason, c.reason);
    const std::string message = opener.lastFailure()->message(Language::English);
    const std::string expected = c.expected(device);
    EXPECT_EQ(message.substr(0, expected.size()), expected);
    EXPECT_NE(opener.lastFailure()->message(Language::Chinese), message);
}

INSTANTIATE_TEST_SUITE_P(Devices, PortReason, ::testing::ValuesIn(kCases),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace radio::test
