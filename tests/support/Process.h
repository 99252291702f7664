#pragma once

#include <QProcess>
#include <QStringList>

#include <string>
#include <vector>

namespace radio::test {

struct ProcessResult {
    int exitCode = -1;
    std::string out;
    std::string err;
};

// Starts argv[0] with /dev/null as its input, so that no prompt can wait for an answer.
inline void startProgram(QProcess& process, const std::vector<std::string>& argv) {
    QStringList arguments;
    for (std::size_t i = 1; i < argv.size(); ++i) {
        arguments << QString::fromStdString(argv[i]);
    }
    process.setStandardInputFile(QProcess::nullDevice());
    process.start(QString::fromStdString(argv.at(0)), arguments);
}

// The exit code once it has ended; -1 when it crashed, never started or still runs.
inline int exitCodeOf(const QProcess& process) {
    const bool exited =
        process.state() == QProcess::NotRunning && process.exitStatus() == QProcess::NormalExit;
    return exited && process.error() != QProcess::FailedToStart ? process.exitCode() : -1;
}

// Runs a program to its end, a minute at most, and collects its output.
inline ProcessResult runProgram(const std::vector<std::string>& argv) {
    QProcess process;
    startProgram(process, argv);
    process.waitForFinished(60000);
    return {exitCodeOf(process), process.readAllStandardOutput().toStdString(),
            process.readAllStandardError().toStdString()};
}

}  // namespace radio::test
