#pragma once

#include <cstdint>
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

}  // namespace radio::sim::test
