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

// The real radioprog-sim, started with the given arguments; asked to stop when this goes
// away, so that it removes its link and saves its memory.
class SimProcess {
  public:
    explicit SimProcess(std::vector<std::string> arguments) {
        arguments.insert(arguments.begin(), RADIOPROG_BIN_DIR "/radioprog-sim");
        process_.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        radio::test::startProgram(process_, arguments);
        while (!process_.canReadLine() && process_.waitForReadyRead(5000)) {
        }
        devicePath_ = process_.readLine().trimmed().toStdString();
    }
    ~SimProcess() { stop(); }
    SimProcess(const SimProcess&) = delete;
    SimProcess& operator=(const SimProcess&) = delete;

    // The slave device the simulator serves; empty when it did not start.
    const std::string& devicePath() const { return devicePath_; }

    // Sends SIGTERM and returns the exit status.
    int stop() {
        if (process_.state() != QProcess::NotRunning) {
            process_.terminate();
            process_.waitForFinished(10000);
        }
        return radio::test::exitCodeOf(process_);
    }

  private:
    QProcess process_;
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
        Bytes in(expected);
        std::size_t got = 0;
        pollfd wanted{fd_, POLLIN, 0};
        for (ssize_t n = 1; n > 0 && got < expected && ::poll(&wanted, 1, 1000) == 1;) {
            n = ::read(fd_, in.data() + got, expected - got);
            got += n > 0 ? static_cast<std::size_t>(n) : 0;
        }
        in.resize(got);
        return in;
    }

  private:
    int fd_;
};

}  // namespace radio::sim::test
