// radioprog-cli write and read with many --port, against paced radioprog-sim radios.
#include <gtest/gtest.h>

#include <csignal>
#include <filesystem>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "core/image/DatFile.h"
#include "core/image/NewImage.h"
#include "core/link/CloneProtocol.h"
#include "support/Process.h"
#include "support/SimProcess.h"
#include "support/TempDir.h"

namespace radio {
namespace {

const std::string kCli = RADIOPROG_BIN_DIR "/radioprog-cli";

// A radio whose memory differs from the file everywhere, so every block not written shows.
struct Radio {
    Radio(const test::TempDir& dir, int number, std::vector<std::string> options) {
        const std::string name = "radio" + std::to_string(number);
        memory = dir.file(name + "-memory.dat");
        saved = dir.file(name + "-saved.dat");
        MemoryImage image;
        for (std::size_t i = 0; i < MemoryImage::kSize; ++i) {
            image[i] = static_cast<std::uint8_t>(0x40 + (i + number) % 61);
        }
        EXPECT_TRUE(saveDatFile(memory, image));
        options.insert(options.end(), {"--image", memory, "--save", saved});
        sim = std::make_unique<sim::test::SimProcess>(options);
    }
    // The memory the radio holds once it stopped.
    MemoryImage stoppedMemory() {
        sim->stop();
        return loadDatFile(saved).value();
    }
    std::string memory;
    std::string saved;
    std::unique_ptr<sim::test::SimProcess> sim;
};

struct Fleet {
    test::TempDir dir;
    std::string file = dir.file("plan.dat");
    std::vector<std::unique_ptr<Radio>> radios;
    Fleet(int count, int faulty, const std::string& fault, bool fast = false) {
        EXPECT_TRUE(saveDatFile(file, newDocumentImage()));
        for (int i = 0; i < count; ++i) {
            std::vector<std::string> options;
            if (i == faulty) {
                options = {"--fault", fault};
            }
            if (fast) {
                options.push_back("--fast");
            }
            radios.push_back(std::make_unique<Radio>(dir, i, options));
        }
    }
    std::vector<std::string> command(std::vector<std::string> arguments) const {
        arguments.insert(arguments.begin(), kCli);
        for (const auto& radio : radios) {
            arguments.insert(arguments.end(), {"--port", radio->sim->devicePath()});
        }
        return arguments;
    }
};

bool sameInRanges(const MemoryImage& a, const MemoryImage& b, clone::Direction direction) {
    for (const clone::Range& range : clone::transferRanges(direction, false)) {
        for (std::size_t i = range.start; i < range.end; ++i) {
            if (a[i] != b[i]) {
                return false;
            }
        }
    }
    return true;
}

// The summary's line for a port.
std::string outcomeOf(const std::string& out, const std::string& port) {
    const std::size_t at = out.find("\n" + port + " ");
    return at == std::string::npos ? "" : out.substr(at + 1, out.find('\n', at + 1) - at - 1);
}

TEST(CliFleet, EveryRadioIsWrittenAndCheckedAndAFaultyOneIsReported) {
    struct Case {
        int radios;
        int faulty;
        std::string fault;
        std::string failure;  // a part of the faulty port's outcome
    };
    const Case cases[] = {
        {1, -1, "", ""},
        {3, 1, "silent", "failed: Communication Error,Please check all the connections"},
        {8, 5, "lose=40", "failed: Write completed, but the check "},
    };
    for (const Case& c : cases) {
        Fleet fleet(c.radios, c.faulty, c.fault);
        const auto result = test::runProgram(fleet.command({"write", fleet.file}));
        EXPECT_EQ(result.exitCode, c.faulty < 0 ? 0 : 1) << result.err;
        if (c.radios == 1) {
            EXPECT_EQ(result.out, "Write completed and verified\n");  // as it always was
        }
        const MemoryImage plan = loadDatFile(fleet.file).value();
        for (int i = 0; i < c.radios; ++i) {
            Radio& radio = *fleet.radios[static_cast<std::size_t>(i)];
            const std::string line = outcomeOf(result.out, radio.sim->devicePath());
            if (i == c.faulty) {
                EXPECT_NE(line.find(c.failure), std::string::npos) << result.out;
                continue;
            }
            EXPECT_TRUE(c.radios == 1 || line.find("completed and verified") != std::string::npos)
                << result.out;
            EXPECT_TRUE(sameInRanges(radio.stoppedMemory(), plan, clone::Direction::Write)) << i;
        }
    }
}

TEST(CliFleet, CtrlCCancelsEveryPortAndReportsWhereEachStood) {
    Fleet fleet(3, -1, "");
    test::ChildProcess cli(fleet.command({"write", fleet.file}));
    std::this_thread::sleep_for(std::chrono::milliseconds(1500));
    cli.signal(SIGINT);
    std::string out;
    while (test::ChildProcess::readSome(cli.outFd(), out, 5000)) {
    }
    EXPECT_EQ(cli.wait(), 1);
    for (const auto& radio : fleet.radios) {
        const std::string line = outcomeOf(out, radio->sim->devicePath());
        EXPECT_NE(line.find("failed: The transfer was cancelled. (Writing "), std::string::npos)
            << out;
    }
}

TEST(CliFleet, ReadPutsEachRadioInAFileOfItsPortsName) {
    Fleet fleet(2, -1, "", true);
    const std::string folder = fleet.dir.file("radios");
    auto command = fleet.command({"read", "-o", folder + "/", "--retries", "0"});
    command.insert(command.end(), {"--port", fleet.dir.file("no-such-port")});
    const auto result = test::runProgram(command);
    EXPECT_EQ(result.exitCode, 1) << result.err;
    EXPECT_FALSE(std::filesystem::exists(folder + "/no-such-port.dat"));
    for (const auto& radio : fleet.radios) {
        const std::string port = radio->sim->devicePath();
        const auto read = loadDatFile(folder + "/" + port.substr(port.rfind('/') + 1) + ".dat");
        ASSERT_TRUE(read) << result.out;
        EXPECT_TRUE(
            sameInRanges(read.value(), loadDatFile(radio->memory).value(), clone::Direction::Read));
    }
}

}  // namespace
}  // namespace radio
