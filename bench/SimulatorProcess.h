#pragma once

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QCoreApplication>
#include <cstdlib>
#include <string>
#include <vector>

// radioprog-sim from the benchmark's own folder, paced like a radio; ended when this goes.
struct SimulatorProcess {
    pid_t pid = -1;
    std::string device;

    // options: the simulator's command-line options, e.g. {"--fault", "silent"}.
    explicit SimulatorProcess(const std::vector<std::string>& options = {}) {
        int out[2];
        if (pipe(out) != 0) {
            std::exit(1);
        }
        const std::string program =
            QCoreApplication::applicationDirPath().toStdString() + "/radioprog-sim";
        std::vector<char*> arguments{const_cast<char*>(program.c_str())};
        for (const std::string& option : options) {
            arguments.push_back(const_cast<char*>(option.c_str()));
        }
        arguments.push_back(nullptr);
        pid = fork();
        if (pid == 0) {
            dup2(out[1], STDOUT_FILENO);
            execv(program.c_str(), arguments.data());
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
