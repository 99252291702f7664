// Full read, full normal write, and a normal write with its check against radioprog-sim with pacing
// on, beside the time the wire and the protocol need: bytes on the wire x 10 bits / 9600 baud, plus
// the protocol's own pauses, plus the simulator's turnaround before each answer. Each run does one
// of each in turn, so that a change in the machine's load falls on all three alike. Then a read
// and a write with its check through a USB adapter's latency (--latency 16: the model adds it to
// every answer) and with a radio that restarts after the write (--restart-ms 1500: the model adds
// the restart once). Usage: transfer_bench [RUNS]
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QCoreApplication>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <string>
#include <vector>
#include "bench/SimulatorProcess.h"

#include "core/image/NewImage.h"
#include "core/link/CloneProtocol.h"
#include "core/link/Transfer.h"
#include "serial/SerialLineOpener.h"

namespace {

using namespace radio;

constexpr double kByteMs = 10.0 * 1000.0 / 9600.0;
constexpr double kTurnaroundMs = 0.5;  // radioprog-sim's pause before each answer
constexpr double kHandshakePausesMs = 6 + 8 * 2 + 1 + 1 + 1;
constexpr int kHandshakeBytes = 8 + 1 + 1 + 8 + 1 + 1;
constexpr int kHandshakeAnswers = 3;

// What the simulator adds to the plain line.
struct RadioTiming {
    const char* name;
    std::vector<std::string> options;
    double answerLatencyMs = 0;  // before every answer
    double restartMs = 0;        // once, after a write
};

// One session: the handshake, then the blocks of `ranges` moved with read or write commands.
double sessionModelMs(clone::Direction commands, clone::Direction ranges, double latencyMs = 0) {
    const auto blocks = clone::divideIntoBlocks(clone::transferRanges(ranges, false));
    int bytes = kHandshakeBytes;
    int answers = kHandshakeAnswers;
    for (const clone::Block& block : blocks) {
        const int length = static_cast<int>(block.length);
        if (commands == clone::Direction::Read) {
            bytes += 4 + 4 + length + 1 + 1;  // command, header, data, ACK, ACK
            answers += 2;
        } else {
            bytes += 4 + length + 1;  // command, data, ACK
            answers += 1;
        }
    }
    return bytes * kByteMs + kHandshakePausesMs + answers * (kTurnaroundMs + latencyMs);
}

double modelMs(clone::Direction direction, double latencyMs = 0) {
    return sessionModelMs(direction, direction, latencyMs);
}

// The check after a write: read commands for the written blocks.
double checkModelMs(double latencyMs = 0) {
    return sessionModelMs(clone::Direction::Read, clone::Direction::Write, latencyMs);
}

using Clock = std::chrono::steady_clock;

double msBetween(Clock::time_point start, Clock::time_point end) {
    return std::chrono::duration<double, std::milli>(end - start).count();
}

// Notes when the check after a write starts, so that its two sessions are timed apart.
class QuietObserver final : public TransferObserver {
  public:
    void verifyStarted(int /*blockCount*/) override { checkStart = Clock::now(); }
    RetryChoice communicationError() override { return RetryChoice::Cancel; }
    bool cancelRequested() override { return false; }

    Clock::time_point checkStart;
};

struct VerifiedWriteTimes {
    double total = 0;
    double write = 0;
    double check = 0;
};

double timeTransfer(const SimulatorProcess& sim, clone::Direction direction) {
    SerialLineOpener opener;
    QuietObserver observer;
    MemoryImage image = newDocumentImage();
    const auto start = Clock::now();
    const TransferOutcome outcome =
        runTransfer(opener, {sim.device, direction, false}, image, observer);
    const auto end = Clock::now();
    if (outcome != TransferOutcome::Completed) {
        std::fprintf(stderr, "transfer did not complete\n");
        std::exit(1);
    }
    return msBetween(start, end);
}

VerifiedWriteTimes timeVerifiedWrite(const SimulatorProcess& sim) {
    SerialLineOpener opener;
    QuietObserver observer;
    const MemoryImage image = newDocumentImage();
    const auto start = Clock::now();
    const VerifiedWrite result =
        runVerifiedWrite(opener, {sim.device, clone::Direction::Write, false}, image, observer);
    const auto end = Clock::now();
    if (!result.verify || result.verify->outcome != VerifyOutcome::Verified) {
        std::fprintf(stderr, "write and check did not complete\n");
        std::exit(1);
    }
    return {msBetween(start, end), msBetween(start, observer.checkStart),
            msBetween(observer.checkStart, end)};
}

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

void report(const char* what, const std::vector<double>& times, double model) {
    const double measured = median(times);
    std::printf("  %-13s measured %7.1f ms  model %7.1f ms  ratio %.3f\n", what, measured, model,
                measured / model);
}

// A read and a write with its check against a radio with the timing's quirks.
void timeRadio(const RadioTiming& timing, int runs) {
    SimulatorProcess sim(timing.options);
    std::vector<double> reads, totals;
    for (int i = 0; i < runs; ++i) {
        reads.push_back(timeTransfer(sim, clone::Direction::Read));
        totals.push_back(timeVerifiedWrite(sim).total);
    }
    const double latency = timing.answerLatencyMs;
    std::printf("%s, median of %d runs\n", timing.name, runs);
    report("full read", reads, modelMs(clone::Direction::Read, latency));
    report("write+verify", totals,
           modelMs(clone::Direction::Write, latency) + timing.restartMs + checkModelMs(latency));
}

}  // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    const int runs = argc >= 2 ? std::max(1, std::atoi(argv[1])) : 5;
    SimulatorProcess sim;
    if (sim.device.empty()) {
        std::fprintf(stderr, "radioprog-sim did not start\n");
        return 1;
    }
    std::vector<double> reads, writes, totals, writeParts, checks;
    for (int i = 0; i < runs; ++i) {
        reads.push_back(timeTransfer(sim, clone::Direction::Read));
        writes.push_back(timeTransfer(sim, clone::Direction::Write));
        const VerifiedWriteTimes times = timeVerifiedWrite(sim);
        totals.push_back(times.total);
        writeParts.push_back(times.write);
        checks.push_back(times.check);
    }
    const double writeModel = modelMs(clone::Direction::Write);
    std::printf("paced radioprog-sim, median of %d runs\n", runs);
    report("full read", reads, modelMs(clone::Direction::Read));
    report("normal write", writes, writeModel);
    report("write+verify", totals, writeModel + checkModelMs());
    report("  its write", writeParts, writeModel);
    report("  its check", checks, checkModelMs());
    timeRadio({"USB adapter latency (--latency 16)", {"--latency", "16"}, 16, 0}, runs);
    timeRadio({"radio restarting (--restart-ms 1500)", {"--restart-ms", "1500"}, 0, 1500}, runs);
    return 0;
}
