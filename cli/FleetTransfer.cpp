#include "cli/FleetTransfer.h"

#include <unistd.h>

#include <QDir>
#include <QThread>
#include <chrono>
#include <cstdio>
#include <functional>
#include <memory>
#include <set>
#include <thread>

#include "cli/Arguments.h"
#include "cli/CommandSupport.h"
#include "cli/FleetProgress.h"
#include "cli/ProgramConfig.h"
#include "cli/TransferMessages.h"
#include "core/image/NewImage.h"
#include "core/link/Transfer.h"
#include "serial/SerialLineOpener.h"

namespace radio::cli {

namespace {

using Clock = std::chrono::steady_clock;

// One port's transfer: its progress while it runs, its outcome once it ended.
struct PortRun {
    PortRun(std::string name, const char* verb, std::optional<int> retries)
        : port(std::move(name)), progress(verb, retries) {}
    std::string port;
    PortProgress progress;
    std::atomic<bool> finished{false};
    bool succeeded = false;
    std::string outcome;
    double seconds = 0;
    std::optional<MemoryImage> readImage;
};
using PortRuns = std::vector<std::unique_ptr<PortRun>>;

// A message of several lines as one table cell.
std::string oneLine(const std::string& text) {
    std::string line;
    for (const char c : text) {
        if (c == '\n') {
            line += line.empty() || line.back() == ' ' ? "" : " ";
        } else if (c != ' ' || (!line.empty() && line.back() != ' ')) {
            line += c;
        }
    }
    while (!line.empty() && line.back() == ' ') {
        line.pop_back();
    }
    return line;
}

void fail(PortRun& run, const std::string& reason) {
    run.succeeded = false;
    run.outcome = "failed: " + oneLine(reason);
    if (FleetInterrupt::requested()) {
        run.outcome += " (" + run.progress.state() + ")";
    }
}

void writeOne(PortRun& run, const MemoryImage& image, const TransferRequest& request, bool verify,
              const PortsLookup& ports) {
    SerialLineOpener opener(ports);
    WriteProgress written(run.progress);
    if (!verify) {
        MemoryImage copy = image;
        const TransferOutcome outcome = runTransfer(opener, request, copy, written);
        const std::string failure =
            transferFailure(outcome, opener, run.progress.declinedAtPrompt(), &written);
        if (!failure.empty()) {
            fail(run, failure);
            return;
        }
        run.succeeded = true;
        run.outcome = "completed";
        return;
    }
    const VerifiedWrite result = runVerifiedWrite(opener, request, image, written);
    const std::string failure =
        transferFailure(result.write, opener, run.progress.declinedAtPrompt(), &written);
    if (!failure.empty()) {
        fail(run, failure);
    } else if (result.verify->outcome != VerifyOutcome::Verified) {
        fail(run, verifyMessage(*result.verify, image, Language::English));
    } else {
        run.succeeded = true;
        run.outcome = "completed and verified";
    }
}

void readOne(PortRun& run, const TransferRequest& request, const PortsLookup& ports) {
    SerialLineOpener opener(ports);
    MemoryImage image = newDocumentImage();  // bytes the radio never sends
    const TransferOutcome outcome = runTransfer(opener, request, image, run.progress);
    const std::string failure = transferFailure(outcome, opener, run.progress.declinedAtPrompt());
    if (!failure.empty()) {
        fail(run, failure);
        return;
    }
    run.succeeded = true;
    run.readImage = image;
}

// Runs job on every port, each on a thread of its own, and shows their progress until all
// have ended.
void runAll(PortRuns& runs, const std::function<void(PortRun&)>& job) {
    // Threads Qt knows: the serial port's notifiers refuse to work in any other.
    std::vector<std::unique_ptr<QThread>> threads;
    const auto joinAll = [&threads] {
        for (const auto& thread : threads) {
            thread->wait();
        }
    };
    for (const auto& run : runs) {
        threads.emplace_back(QThread::create([&job, &run = *run] {
            const Clock::time_point start = Clock::now();
            try {
                job(run);
            } catch (const std::exception& error) {
                fail(run, error.what());
            }
            run.seconds = std::chrono::duration<double>(Clock::now() - start).count();
            run.finished = true;
        }));
        threads.back()->start();
    }
    const auto lines = [&runs] {
        std::vector<std::string> lines;
        for (const auto& run : runs) {
            lines.push_back(run->port + "  " +
                            (run->finished ? run->outcome : run->progress.state()));
        }
        return lines;
    };
    if (::isatty(STDERR_FILENO) != 1) {
        joinAll();
        for (const auto& run : runs) {
            std::fprintf(stderr, "%s: %s\n", run->port.c_str(), run->progress.state().c_str());
        }
        return;
    }
    FleetDisplay display(runs.size());
    const auto allFinished = [&runs] {
        for (const auto& run : runs) {
            if (!run->finished) {
                return false;
            }
        }
        return true;
    };
    while (!allFinished()) {
        display.draw(lines());
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
    }
    joinAll();
    display.draw(lines());
}

int printSummary(const PortRuns& runs) {
    std::size_t portWidth = 4;
    std::size_t outcomeWidth = 7;
    for (const auto& run : runs) {
        portWidth = std::max(portWidth, run->port.size());
        outcomeWidth = std::max(outcomeWidth, run->outcome.size());
    }
    const auto row = [&](const std::string& port, const std::string& outcome,
                         const std::string& time) {
        std::printf("%-*s  %-*s  %s\n", static_cast<int>(portWidth), port.c_str(),
                    static_cast<int>(outcomeWidth), outcome.c_str(), time.c_str());
    };
    row("Port", "Outcome", "Time");
    bool allSucceeded = true;
    for (const auto& run : runs) {
        char time[32];
        std::snprintf(time, sizeof time, "%.1f s", run->seconds);
        row(run->port, run->outcome, time);
        allSucceeded = allSucceeded && run->succeeded;
    }
    std::fflush(stdout);
    return allSucceeded ? 0 : 1;
}
PortRuns portRuns(const std::vector<std::string>& ports, const char* verb,
                  std::optional<int> retries) {
    PortRuns runs;
    std::set<std::string> seen;
    for (const std::string& port : ports) {
        if (!seen.insert(port).second) {
            throw UsageError("--port " + port + " is given twice");
        }
        runs.push_back(std::make_unique<PortRun>(port, verb, retries));
    }
    return runs;
}

}  // namespace

std::string fleetFileName(const std::string& port) {
    const std::size_t slash = port.find_last_of('/');
    return (slash == std::string::npos ? port : port.substr(slash + 1)) + ".dat";
}

int writeFleet(const std::vector<std::string>& ports, const MemoryImage& image, bool unlocked,
               bool verify, std::optional<int> retries) {
    PortRuns runs = portRuns(ports, "Writing", retries);
    const PortsLookup lookup = portsLookup();
    const FleetInterrupt interrupt;
    runAll(runs, [&](PortRun& run) {
        writeOne(run, image, {run.port, clone::Direction::Write, unlocked}, verify, lookup);
    });
    return printSummary(runs);
}

int readFleet(const std::vector<std::string>& ports, const QString& directory,
              std::optional<int> retries) {
    PortRuns runs = portRuns(ports, "Reading", retries);
    std::set<std::string> names;
    for (const std::string& port : ports) {
        if (!names.insert(fleetFileName(port)).second) {
            throw UsageError("two ports would be read into " + fleetFileName(port));
        }
    }
    if (!QDir().mkpath(directory)) {
        throw CommandFailure("cannot make the folder " + directory.toStdString());
    }
    const PortsLookup lookup = portsLookup();
    {
        const FleetInterrupt interrupt;
        runAll(runs, [&](PortRun& run) {
            readOne(run, {run.port, clone::Direction::Read, false}, lookup);
        });
    }
    for (const auto& run : runs) {
        if (!run->readImage) {
            continue;
        }
        const QString path =
            QDir(directory).filePath(QString::fromStdString(fleetFileName(run->port)));
        try {
            saveImageOrFail(path, *run->readImage);
            run->outcome = "completed, saved as " + path.toStdString();
        } catch (const CommandFailure& error) {
            fail(*run, error.what());
        }
    }
    return printSummary(runs);
}

}  // namespace radio::cli
