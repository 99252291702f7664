// Full read, full normal write, and a normal write with its check against radioprog-sim with pacing
// on, beside the time the wire and the protocol need: bytes on the wire x 10 bits / 9600 baud, plus
// the protocol's own pauses, plus the simulator's turnaround before each answer. Usage:
// transfer_bench [RUNS]
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

// One session: the handshake, then the blocks of `ranges` moved with read or write commands.
double sessionModelMs(clone::Direction commands, clone::Direction ranges) {
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
    return bytes * kByteMs + kHandshakePausesMs + answers * kTurnaroundMs;
}

double modelMs(clone::Direction direction) {
    return sessionModelMs(direction, direction);
}

// The write and then its check, which reads back the written blocks.
double verifiedWriteModelMs() {
    return sessionModelMs(clone::Direction::Write, clone::Direction::Write) +
           sessionModelMs(clone::Direction::Read, clone::Direction::Write);
}

class QuietObserver final : public TransferObserver {
  public:
    RetryChoice communicationError() override { return RetryChoice::Cancel; }
    bool cancelRequested() override { return false; }
};

double timeTransfer(const SimulatorProcess& sim, clone::Direction direction) {
    SerialLineOpener opener;
    QuietObserver observer;
    MemoryImage image = newDocumentImage();
    const auto start = std::chrono::steady_clock::now();
    const TransferOutcome outcome =
        runTransfer(opener, {sim.device, direction, false}, image, observer);
    const auto end = std::chrono::steady_clock::now();
    if (outcome != TransferOutcome::Completed) {
        std::fprintf(stderr, "transfer did not complete\n");
        std::exit(1);
    }
    return std::chrono::duration<double, std::milli>(end - start).count();
}

double timeVerifiedWrite(const SimulatorProcess& sim) {
    SerialLineOpener opener;
    QuietObserver observer;
    const MemoryImage image = newDocumentImage();
    const auto start = std::chrono::steady_clock::now();
    const VerifiedWrite result =
        runVerifiedWrite(opener, {sim.device, clone::Direction::Write, false}, image, observer);
    const auto end = std::chrono::steady_clock::now();
    if (!result.verify || result.verify->outcome != VerifyOutcome::Verified) {
        std::fprintf(stderr, "write and check did not complete\n");
        std::exit(1);
    }
    return std::chrono::duration<double, std::milli>(end - start).count();
}

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
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
    std::printf("paced radioprog-sim, median of %d runs\n", runs);
    for (auto direction : {clone::Direction::Read, clone::Direction::Write}) {
        std::vector<double> times;
        for (int i = 0; i < runs; ++i) {
            times.push_back(timeTransfer(sim, direction));
        }
        const double measured = median(times);
        const double model = modelMs(direction);
        std::printf("  %-13s measured %7.1f ms  model %7.1f ms  ratio %.3f\n",
                    direction == clone::Direction::Read ? "full read" : "normal write", measured,
                    model, measured / model);
    }
    std::vector<double> times;
    for (int i = 0; i < runs; ++i) {
        times.push_back(timeVerifiedWrite(sim));
    }
    const double measured = median(times);
    const double model = verifiedWriteModelMs();
    std::printf("  %-13s measured %7.1f ms  model %7.1f ms  ratio %.3f\n", "write+verify", measured,
                model, measured / model);
    return 0;
}
