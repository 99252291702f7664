#pragma once

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <stdexcept>
#include <string>
#include <thread>
#include <vector>

namespace radio::test {

struct ProcessResult {
    int exitCode = -1;
    std::string out;
    std::string err;
};

// A child process with its standard output readable line by line; killed when dropped.
class ChildProcess {
  public:
    explicit ChildProcess(const std::vector<std::string>& argv, bool captureStderr = false) {
        int out[2];
        int err[2];
        if (::pipe(out) != 0 || ::pipe(err) != 0) {
            throw std::runtime_error("pipe failed");
        }
        pid_ = ::fork();
        if (pid_ < 0) {
            throw std::runtime_error("fork failed");
        }
        if (pid_ == 0) {
            ::dup2(out[1], STDOUT_FILENO);
            if (captureStderr) {
                ::dup2(err[1], STDERR_FILENO);
            }
            int devnull = ::open("/dev/null", O_RDONLY);
            ::dup2(devnull, STDIN_FILENO);
            ::close(out[0]);
            ::close(err[0]);
            std::vector<char*> args;
            for (const std::string& arg : argv) {
                args.push_back(const_cast<char*>(arg.c_str()));
            }
            args.push_back(nullptr);
            ::execv(args[0], args.data());
            ::_exit(127);
        }
        ::close(out[1]);
        ::close(err[1]);
        out_ = out[0];
        err_ = err[0];
    }
    ~ChildProcess() {
        if (pid_ > 0) {
            ::kill(pid_, SIGKILL);
            ::waitpid(pid_, nullptr, 0);
        }
        ::close(out_);
        ::close(err_);
    }
    ChildProcess(const ChildProcess&) = delete;
    ChildProcess& operator=(const ChildProcess&) = delete;

    // The next line of standard output, or "" when none comes within the timeout.
    std::string readLine(std::chrono::milliseconds timeout = std::chrono::seconds(10)) {
        const auto deadline = std::chrono::steady_clock::now() + timeout;
        while (true) {
            auto newline = buffered_.find('\n');
            if (newline != std::string::npos) {
                std::string line = buffered_.substr(0, newline);
                buffered_.erase(0, newline + 1);
                return line;
            }
            auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
                deadline - std::chrono::steady_clock::now());
            if (left.count() <= 0 || !readSome(out_, buffered_, static_cast<int>(left.count()))) {
                return {};
            }
        }
    }

    // Asks the process to end (SIGTERM) and returns its exit status.
    int terminate() {
        ::kill(pid_, SIGTERM);
        return wait();
    }

    int wait() {
        int status = 0;
        ::waitpid(pid_, &status, 0);
        pid_ = -1;
        return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
    }

    pid_t pid() const { return pid_; }
    int outFd() const { return out_; }
    int errFd() const { return err_; }

    static bool readSome(int fd, std::string& into, int timeoutMs) {
        pollfd p{fd, POLLIN, 0};
        if (::poll(&p, 1, timeoutMs) <= 0) {
            return false;
        }
        char chunk[4096];
        ssize_t got = ::read(fd, chunk, sizeof chunk);
        if (got <= 0) {
            return false;
        }
        into.append(chunk, static_cast<std::size_t>(got));
        return true;
    }

  private:
    pid_t pid_ = -1;
    int out_ = -1;
    int err_ = -1;
    std::string buffered_;
};

// Runs a program to its end and collects its output.
inline ProcessResult runProgram(const std::vector<std::string>& argv) {
    ChildProcess child(argv, true);
    ProcessResult result;
    pollfd fds[2] = {{child.outFd(), POLLIN, 0}, {child.errFd(), POLLIN, 0}};
    int open = 2;
    while (open > 0) {
        if (::poll(fds, 2, 60000) <= 0) {
            break;
        }
        for (int i = 0; i < 2; ++i) {
            if (fds[i].revents == 0) {
                continue;
            }
            char chunk[4096];
            ssize_t got = ::read(fds[i].fd, chunk, sizeof chunk);
            if (got <= 0) {
                fds[i].fd = -1;
                --open;
            } else {
                (i == 0 ? result.out : result.err).append(chunk, static_cast<std::size_t>(got));
            }
        }
    }
    result.exitCode = child.wait();
    return result;
}

}  // namespace radio::test
