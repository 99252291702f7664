#pragma once

#include <fcntl.h>
#include <poll.h>
#include <termios.h>
#include <unistd.h>

#include <cstdint>
#include <stdexcept>
#include <string>
#include <vector>

#include "support/Process.h"

namespace radio::sim::test {

using Bytes = std::vector<std::uint8_t>;

inline std::vector<std::string> simCommand(std::vector<std::string> arguments) {
    arguments.insert(arguments.begin(), RADIOPROG_BIN_DIR "/radioprog-sim");
    return arguments;
}

// The real radioprog-sim, started with the given arguments; asked to stop when this goes
// away, so that it removes its link and saves its memory.
class SimProcess {
  public:
    explicit SimProcess(const std::vector<std::string>& arguments)
        : child_(simCommand(arguments), false) {
        std::string out;
        while (out.find('\n') == std::string::npos &&
               radio::test::ChildProcess::readSome(child_.outFd(), out, 5000)) {
        }
        devicePath_ = out.substr(0, out.find('\n'));
    }
    ~SimProcess() { child_.terminate(); }
    SimProcess(const SimProcess&) = delete;
    SimProcess& operator=(const SimProcess&) = delete;

    // The slave device the simulator serves; empty when it did not start.
    const std::string& devicePath() const { return devicePath_; }

    // Sends SIGTERM and returns the exit status.
    int stop() { return child_.terminate(); }

  private:
    radio::test::ChildProcess child_;
    std::string devicePath_;
};

// A client on the slave end, set up as the programs set up their port: raw, 9600 8N1.
class SlaveLine {
  public:
    explicit SlaveLine(const std::string& path)
        : fd_(::open(path.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK)) {
        if (fd_ < 0) {
            throw std::runtime_error("cannot open " + path);
        }
        termios settings{};
        ::tcgetattr(fd_, &settings);
        ::cfmakeraw(&settings);
        settings.c_cflag |= CLOCAL | CREAD;
        ::cfsetispeed(&settings, B9600);
        ::cfsetospeed(&settings, B9600);
        ::tcsetattr(fd_, TCSANOW, &settings);
    }
    ~SlaveLine() { ::close(fd_); }
    SlaveLine(const SlaveLine&) = delete;
    SlaveLine& operator=(const SlaveLine&) = delete;

    // Discards what is waiting, sends the bytes, and collects up to `expected` answer bytes,
    // waiting at most 1 s for each.
    Bytes exchange(const Bytes& out, std::size_t expected) {
        ::tcflush(fd_, TCIFLUSH);
        if (::write(fd_, out.data(), out.size()) != static_cast<ssize_t>(out.size())) {
            return {};
        }
        std::string in;
        while (in.size() < expected && radio::test::ChildProcess::readSome(fd_, in, 1000)) {
        }
        return Bytes(in.begin(), in.end());
    }

  private:
    int fd_;
};

}  // namespace radio::sim::test
