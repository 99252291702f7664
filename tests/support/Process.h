#pragma once

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <stdexcept>
#include <string>
#include <vector>

extern char** environ;

namespace radio::test {

struct ProcessResult {
    int exitCode = -1;
    std::string out;
    std::string err;
};

// A child process with pipes on its standard output (and error, when captured) and
// /dev/null as its input; killed when dropped. Spawned, not forked, so that a test with
// threads of its own can start one safely.
class ChildProcess {
  public:
    explicit ChildProcess(std::vector<std::string> argv, bool captureStderr = true) {
        int out[2];
        int err[2];
        if (::pipe(out) != 0 || ::pipe(err) != 0) {
            throw std::runtime_error("pipe failed");
        }
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_addopen(&actions, STDIN_FILENO, "/dev/null", O_RDONLY, 0);
        posix_spawn_file_actions_adddup2(&actions, out[1], STDOUT_FILENO);
        if (captureStderr) {
            posix_spawn_file_actions_adddup2(&actions, err[1], STDERR_FILENO);
        }
        posix_spawn_file_actions_addclose(&actions, out[0]);
        posix_spawn_file_actions_addclose(&actions, err[0]);
        std::vector<char*> args;
        for (std::string& arg : argv) {
            args.push_back(arg.data());
        }
        args.push_back(nullptr);
        const int failed = posix_spawn(&pid_, args[0], &actions, nullptr, args.data(), environ);
        posix_spawn_file_actions_destroy(&actions);
        ::close(out[1]);
        ::close(err[1]);
        out_ = out[0];
        err_ = err[0];
        if (failed != 0) {
            pid_ = -1;
            throw std::runtime_error("cannot start " + argv[0]);
        }
    }
    ~ChildProcess() {
        if (pid_ > 0) {
            ::kill(pid_, SIGKILL);
            wait();
        }
        ::close(out_);
        ::close(err_);
    }
    ChildProcess(const ChildProcess&) = delete;
    ChildProcess& operator=(const ChildProcess&) = delete;

    // Asks the process to end (SIGTERM) and returns its exit status.
    int terminate() {
        if (pid_ > 0) {
            ::kill(pid_, SIGTERM);
        }
        return wait();
    }

    // The exit code, or 128 plus the signal that ended it.
    int wait() {
        if (pid_ > 0) {
            int status = 0;
            ::waitpid(pid_, &status, 0);
            pid_ = -1;
            exitCode_ = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
        }
        return exitCode_;
    }

    // Sends a signal, as Ctrl+C on a terminal does with SIGINT.
    void signal(int number) {
        if (pid_ > 0) {
            ::kill(pid_, number);
        }
    }

    int outFd() const { return out_; }
    int errFd() const { return err_; }

    // Appends what the descriptor offers within the timeout; false at its end or on timeout.
    static bool readSome(int fd, std::string& into, int timeoutMs) {
        pollfd wanted{fd, POLLIN, 0};
        char chunk[4096];
        const ssize_t got =
            ::poll(&wanted, 1, timeoutMs) == 1 ? ::read(fd, chunk, sizeof chunk) : 0;
        into.append(chunk, got > 0 ? static_cast<std::size_t>(got) : 0);
        return got > 0;
    }

  private:
    pid_t pid_ = -1;
    int exitCode_ = -1;
    int out_ = -1;
    int err_ = -1;
};

// Runs a program to its end and collects its output.
inline ProcessResult runProgram(const std::vector<std::string>& argv) {
    ChildProcess child(argv);
    ProcessResult result;
    pollfd fds[2] = {{child.outFd(), POLLIN, 0}, {child.errFd(), POLLIN, 0}};
    for (int open = 2; open > 0 && ::poll(fds, 2, 60000) > 0;) {
        for (int i = 0; i < 2; ++i) {
            if (fds[i].revents != 0 &&
                !ChildProcess::readSome(fds[i].fd, i == 0 ? result.out : result.err, 0)) {
                fds[i].fd = -1;
                --open;
            }
        }
    }
    result.exitCode = child.wait();
    return result;
}

}  // namespace radio::test
