// radioprog-cli writing one image, with its check, to 1, 2, 4 and 8 paced radioprog-sim radios
// at once: the wall time of each run beside the time for one radio, and the CPU the CLI used
// (user + system, from wait4). The threads wait on their ports, so the CPU stays a small part
// of the wall time however many radios there are. Usage: fleet_bench [RUNS]
#include <fcntl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QCoreApplication>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "bench/SimulatorProcess.h"
#include "core/image/DatFile.h"
#include "core/image/NewImage.h"

namespace {

struct RunFigures {
    double wallMs = 0;
    double cpuMs = 0;
    int status = -1;
};

double ms(const timeval& time) {
    return time.tv_sec * 1000.0 + time.tv_usec / 1000.0;
}

RunFigures runCli(const std::vector<std::string>& arguments) {
    std::vector<char*> argv;
    for (const std::string& argument : arguments) {
        argv.push_back(const_cast<char*>(argument.c_str()));
    }
    argv.push_back(nullptr);
    const auto start = std::chrono::steady_clock::now();
    const pid_t pid = fork();
    if (pid == 0) {
        const int devNull = ::open("/dev/null", O_WRONLY);
        dup2(devNull, STDOUT_FILENO);
        dup2(devNull, STDERR_FILENO);
        execv(argv[0], argv.data());
        _exit(127);
    }
    int status = 0;
    rusage usage{};
    wait4(pid, &status, 0, &usage);
    RunFigures figures;
    figures.wallMs =
        std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
    figures.cpuMs = ms(usage.ru_utime) + ms(usage.ru_stime);
    figures.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return figures;
}

RunFigures medianRun(std::vector<RunFigures> runs) {
    std::sort(runs.begin(), runs.end(),
              [](const RunFigures& a, const RunFigures& b) { return a.wallMs < b.wallMs; });
    return runs[runs.size() / 2];
}

}  // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    const int runs = argc >= 2 ? std::max(1, std::atoi(argv[1])) : 3;
    const std::string dir = QCoreApplication::applicationDirPath().toStdString();
    const std::string file = "/tmp/fleet_bench_" + std::to_string(getpid()) + ".dat";
    if (!radio::saveDatFile(file, radio::newDocumentImage())) {
        std::fprintf(stderr, "cannot write %s\n", file.c_str());
        return 1;
    }
    std::vector<std::unique_ptr<SimulatorProcess>> sims;
    for (int i = 0; i < 8; ++i) {
        sims.push_back(std::make_unique<SimulatorProcess>());
        if (sims.back()->device.empty()) {
            std::fprintf(stderr, "radioprog-sim did not start\n");
            return 1;
        }
    }
    std::printf(
        "radioprog-cli write (with its check) to paced radioprog-sim radios, median of %d\n", runs);
    double oneRadioMs = 0;
    int status = 0;
    for (const int count : {1, 2, 4, 8}) {
        std::vector<std::string> arguments = {dir + "/radioprog-cli", "write", file};
        for (int i = 0; i < count; ++i) {
            arguments.insert(arguments.end(),
                             {"--port", sims[static_cast<std::size_t>(i)]->device});
        }
        std::vector<RunFigures> figures;
        for (int r = 0; r < runs; ++r) {
            figures.push_back(runCli(arguments));
        }
        const RunFigures median = medianRun(figures);
        if (count == 1) {
            oneRadioMs = median.wallMs;
        }
        const double ratio = median.wallMs / oneRadioMs;
        std::printf("  %d radio%s  wall %7.1f ms  x%.3f of one  cpu %6.1f ms (%.1f%% of wall)%s\n",
                    count, count == 1 ? " " : "s", median.wallMs, ratio, median.cpuMs,
                    100.0 * median.cpuMs / median.wallMs, median.status == 0 ? "" : "  FAILED");
        if (median.status != 0 || ratio > 1.10) {
            status = 1;
        }
    }
    std::remove(file.c_str());
    return status;
}
