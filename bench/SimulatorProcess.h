#pragma once

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QCoreApplication>
#include <cstdlib>
#include <string>

// radioprog-sim from the benchmark's own folder, paced like a radio; ended when this goes.
struct SimulatorProcess {
    pid_t pid = -1;
    std::string device;

    explicit SimulatorProcess(const char* fault = nullptr) {
        int out[2];
        if (pipe(out) != 0) {
            std::exit(1);
        }
        pid = fork();
        if (pid == 0) {
            dup2(out[1], STDOUT_FILENO);
            const std::string program =
                QCoreApplication::applicationDirPath().toStdString() + "/radioprog-sim";
            if (fault) {
                execl(program.c_str(), program.c_str(), "--fault", fault,
                      static_cast<char*>(nullptr));
            } else {
                execl(program.c_str(), program.c_str(), static_cast<char*>(nullptr));
            }
            _exit(127);
        }
        close(out[1]);
        char c = 0;
        while (read(out[0], &c, 1) == 1 && c != '\n') {
            device += c;
        }
        close(out[0]);
    }
    ~SimulatorProcess() {
        kill(pid, SIGTERM);
        waitpid(pid, nullptr, 0);
    }
    SimulatorProcess(const SimulatorProcess&) = delete;
    SimulatorProcess& operator=(const SimulatorProcess&) = delete;
};
