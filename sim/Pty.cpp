#include "sim/Pty.h"

#include <fcntl.h>
#include <termios.h>

#include <cerrno>
#include <cstdlib>
#include <system_error>

namespace radio::sim {

namespace {

[[noreturn]] void fail(const char* what) {
    throw std::system_error(errno, std::generic_category(), what);
}

UniqueFd openMaster() {
    UniqueFd master(::posix_openpt(O_RDWR | O_NOCTTY));
    if (!master.valid()) {
        fail("posix_openpt");
    }
    if (::grantpt(master.get()) != 0 || ::unlockpt(master.get()) != 0) {
        fail("grantpt/unlockpt");
    }
    const int flags = ::fcntl(master.get(), F_GETFL);
    if (flags < 0 || ::fcntl(master.get(), F_SETFL, flags | O_NONBLOCK) != 0) {
        fail("fcntl O_NONBLOCK");
    }
    return master;
}

std::string slaveName(int master) {
    const char* name = ::ptsname(master);
    if (name == nullptr) {
        fail("ptsname");
    }
    return name;
}

termios rawSettings(termios settings) {
    const speed_t in = ::cfgetispeed(&settings);
    const speed_t out = ::cfgetospeed(&settings);
    ::cfmakeraw(&settings);
    ::cfsetispeed(&settings, in);
    ::cfsetospeed(&settings, out);
    return settings;
}

bool isRaw(const termios& settings) {
    const termios raw = rawSettings(settings);
    return settings.c_iflag == raw.c_iflag && settings.c_oflag == raw.c_oflag &&
           settings.c_lflag == raw.c_lflag;
}

}  // namespace

Pty::Pty() : master_(openMaster()), slavePath_(slaveName(master_.get())) {
    slave_ = UniqueFd(::open(slavePath_.c_str(), O_RDWR | O_NOCTTY));
    if (!slave_.valid()) {
        fail("open pty slave");
    }
    termios settings{};
    if (::tcgetattr(slave_.get(), &settings) != 0) {
        fail("tcgetattr");
    }
    settings = rawSettings(settings);
    settings.c_cflag |= CLOCAL | CREAD;
    settings.c_cc[VMIN] = 1;
    settings.c_cc[VTIME] = 0;
    ::cfsetispeed(&settings, B9600);
    ::cfsetospeed(&settings, B9600);
    if (::tcsetattr(slave_.get(), TCSANOW, &settings) != 0) {
        fail("tcsetattr");
    }
}

void Pty::keepRaw() const {
    termios settings{};
    if (::tcgetattr(slave_.get(), &settings) == 0 && !isRaw(settings)) {
        const termios raw = rawSettings(settings);
        ::tcsetattr(slave_.get(), TCSANOW, &raw);
    }
}

}  // namespace radio::sim
