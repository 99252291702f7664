#pragma once

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <termios.h>
#include <unistd.h>

#include <chrono>
#include <cstdint>
#include <stdexcept>
#include <string>
#include <vector>

extern char** environ;

namespace radio::sim::test {

using Bytes = std::vector<std::uint8_t>;

// Waits up to timeoutMs for fd to become readable.
inline bool readable(int fd, int timeoutMs) {
    pollfd wanted{fd, POLLIN, 0};
    return ::poll(&wanted, 1, timeoutMs) == 1;
}

// The real radioprog-sim, started with the given arguments; stopped when this goes away.
class SimProcess {
  public:
    explicit SimProcess(const std::vector<std::string>& arguments) {
        int pipeFds[2];
        if (::pipe(pipeFds) != 0) {
            throw std::runtime_error("pipe");
        }
        stdout_ = pipeFds[0];
        spawn(arguments, pipeFds[1]);
        ::close(pipeFds[1]);
        devicePath_ = readFirstLine();
    }
    ~SimProcess() {
        if (pid_ > 0) {
            stop();
        }
        ::close(stdout_);
    }
    SimProcess(const SimProcess&) = delete;
    SimProcess& operator=(const SimProcess&) = delete;

    const std::string& devicePath() const { return devicePath_; }

    // Sends SIGTERM and returns the exit status, or -1 when it did not exit normally.
    int stop() {
        ::kill(pid_, SIGTERM);
        int status = 0;
        ::waitpid(pid_, &status, 0);
        pid_ = -1;
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }

  private:
    void spawn(const std::vector<std::string>& arguments, int stdoutFd) {
        const std::string program = RADIOPROG_BIN_DIR "/radioprog-sim";
        std::vector<std::string> words = {program};
        words.insert(words.end(), arguments.begin(), arguments.end());
        std::vector<char*> argv;
        for (std::string& word : words) {
            argv.push_back(word.data());
        }
        argv.push_back(nullptr);
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_adddup2(&actions, stdoutFd, STDOUT_FILENO);
        const int failed =
            posix_spawn(&pid_, program.c_str(), &actions, nullptr, argv.data(), environ);
        posix_spawn_file_actions_destroy(&actions);
        if (failed != 0) {
            throw std::runtime_error("cannot start " + program);
        }
    }

    std::string readFirstLine() const {
        std::string line;
        char c = 0;
        while (readable(stdout_, 5000) && ::read(stdout_, &c, 1) == 1 && c != '\n') {
            line += c;
        }
        return line;
    }

    pid_t pid_ = -1;
    int stdout_ = -1;
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
        Bytes in;
        std::uint8_t buffer[64];
        while (in.size() < expected && readable(fd_, 1000)) {
            const ssize_t count = ::read(fd_, buffer, sizeof buffer);
            if (count <= 0) {
                break;
            }
            in.insert(in.end(), buffer, buffer + count);
        }
        return in;
    }

  private:
    int fd_;
};

}  // namespace radio::sim::test
