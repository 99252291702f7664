// radioprog-sim: a simulated radio on a pseudo-terminal, for trying the programs without a
// radio and for testing them end to end.

#include <exception>
#include <iostream>
#include <optional>
#include <string>
#include <vector>

#include "core/image/DatFile.h"
#include "core/image/ImageMap.h"
#include "core/image/NewImage.h"
#include "sim/CommandLog.h"
#include "sim/LineServer.h"
#include "sim/Options.h"
#include "sim/Pty.h"
#include "sim/RadioModel.h"
#include "sim/Signals.h"
#include "sim/Symlink.h"

namespace {

using namespace radio;
using namespace radio::sim;

constexpr int kFailed = 1;
constexpr int kUsageError = 2;

// A new document as a factory-fresh radio would hold it: the first type and band chosen.
MemoryImage freshRadioMemory() {
    MemoryImage memory = newDocumentImage();
    memory.set(map::kRadioType, 0);
    memory.set(map::kBand, 0);
    return memory;
}

std::optional<MemoryImage> initialMemory(const std::string& imagePath) {
    if (imagePath.empty()) {
        return freshRadioMemory();
    }
    auto loaded = loadDatFile(imagePath);
    if (!loaded) {
        std::cerr << "radioprog-sim: " << loaded.error().message(Language::English) << '\n';
        return std::nullopt;
    }
    return loaded.value();
}

int saveMemory(const std::string& savePath, const MemoryImage& memory) {
    if (savePath.empty()) {
        return 0;
    }
    const auto saved = saveDatFile(savePath, memory);
    if (!saved) {
        std::cerr << "radioprog-sim: " << saved.error().message(Language::English) << '\n';
        return kFailed;
    }
    return 0;
}

int simulate(const Options& options) {
    const auto memory = initialMemory(options.imagePath);
    if (!memory) {
        return kFailed;
    }
    const StopSignals signals;  // first, so that a stop request is never lost
    const Pty pty;
    std::optional<Symlink> link;
    if (!options.linkPath.empty()) {
        link.emplace(options.linkPath, pty.slavePath());
    }
    CommandLog log(options.logPath);
    RadioModel model(*memory, options.faults, options.noiseSeed);
    model.setLogSink(log.sink());
    std::cout << pty.slavePath() << std::endl;
    const LineTiming timing{!options.fast, std::chrono::milliseconds(options.latencyMs),
                            std::chrono::milliseconds(options.restartMs)};
    LineServer(pty, model, timing).run(signals);
    return saveMemory(options.savePath, model.memory());
}

}  // namespace

int main(int argc, char** argv) {
    const auto options = parseOptions(std::vector<std::string>(argv + 1, argv + argc));
    if (!options) {
        std::cerr << "radioprog-sim: " << options.error() << '\n';
        return kUsageError;
    }
    if (options.value().version) {
        std::cout << "radioprog-sim " RADIOPROG_VERSION "\n";
        return 0;
    }
    if (options.value().help) {
        std::cout << usageText();
        return 0;
    }
    try {
        return simulate(options.value());
    } catch (const std::exception& error) {
        std::cerr << "radioprog-sim: " << error.what() << '\n';
        return kFailed;
    }
}
