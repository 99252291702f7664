// radioprog-cli against radioprog-sim radios over real pseudo-terminals, and why a port does not
// open. Which bytes a transfer moves is the clone session's business; here: block counts,
// messages, exit codes, files.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <grp.h>
#include <signal.h>
#include <stdlib.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <thread>
#include <tuple>
#include <vector>

#include "core/image/DatFile.h"
#include "core/image/ImageMap.h"
#include "core/image/NewImage.h"
#include "core/link/CloneProtocol.h"
#include "core/link/SerialPort.h"
#include "serial/SerialLine.h"
#include "serial/SerialLineOpener.h"
#include "support/Process.h"
#include "support/SimProcess.h"
#include "support/TempDir.h"

namespace radio {
namespace {

using sim::test::Bytes;
using sim::test::SimProcess;
using test::runProgram;

const std::string kCli = RADIOPROG_BIN_DIR "/radioprog-cli";
const std::string kCommunicationError =
    "Communication Error,Please check all the connections and the radio power\n";
const std::string kInterrupt = "Program Interrupt, Please reset the radio and try again\n";

// A simulated radio whose memory differs everywhere from a new document and from the other
// radios', so every block not moved shows; it logs the commands it takes.
struct Radio {
    Radio(const test::TempDir& dir, int number, std::vector<std::string> options)
        : name(dir.file("radio" + std::to_string(number))) {
        for (std::size_t i = 0; i < MemoryImage::kSize; ++i) {
            memory[i] = static_cast<std::uint8_t>(0x40 + (i + number) % 61);
        }
        EXPECT_TRUE(saveDatFile(name + ".dat", memory));
        options.insert(options.end(), {"--image", name + ".dat", "--save", name + "-saved.dat",
                                       "--log", name + ".log"});
        sim = std::make_unique<SimProcess>(options);
    }
    // Block commands of one kind the radio took, counted from its log once it has stopped.
    int blocks(char code) {
        EXPECT_EQ(sim->stop(), 0);
        std::ifstream log(name + ".log");
        int count = 0;
        for (std::string line; std::getline(log, line);) {
            count += line.size() > 2 && line[0] == code && line[1] == ' ';
        }
        return count;
    }
    std::string name;
    MemoryImage memory;
    std::unique_ptr<SimProcess> sim;
};

// Radios started with the same options, one of them with a fault; a new document to write.
struct Fleet {
    test::TempDir dir;
    std::string document = dir.file("new.dat");
    std::vector<std::unique_ptr<Radio>> radios;

    explicit Fleet(const std::vector<std::string>& options, int count = 1, int faulty = -1,
                   const std::string& fault = "") {
        EXPECT_TRUE(saveDatFile(document, newDocumentImage()));
        for (int i = 0; i < count; ++i) {
            std::vector<std::string> own = options;
            if (i == faulty) {
                own.insert(own.end(), {"--fault", fault});
            }
            radios.push_back(std::make_unique<Radio>(dir, i, own));
        }
    }
    // The command line with every radio's port; the communication-error prompt is declined.
    std::vector<std::string> command(std::vector<std::string> arguments) const {
        arguments.insert(arguments.begin(), kCli);
        arguments.insert(arguments.end(), {"--retries", "0"});
        for (const auto& radio : radios) {
            arguments.insert(arguments.end(), {"--port", radio->sim->devicePath()});
        }
        return arguments;
    }
    Radio& radio() { return *radios.front(); }
};

bool sameInRanges(const MemoryImage& a, const MemoryImage& b, clone::Direction direction) {
    return std::ranges::all_of(clone::transferRanges(direction, false), [&](const clone::Range& r) {
        return std::ranges::equal(a.bytes(r.start, r.end - r.start),
                                  b.bytes(r.start, r.end - r.start));
    });
}

// The summary's line for a port.
std::string outcomeOf(const std::string& out, const std::string& port) {
    const std::size_t at = out.find("\n" + port + " ");
    return at == std::string::npos ? "" : out.substr(at + 1, out.find('\n', at + 1) - at - 1);
}

// A read writes its file only when it completes (and then equals the radio for diff); a write
// gets more blocks only with the right access code, and its check reads back what it wrote,
// waiting for a radio that restarts after a write as many do (real adapters also delay every
// answer); nothing changes the document.
TEST(CliEndToEnd, TransfersEndWithTheirMessageExitCodeAndBlockCounts) {
    const std::string verified = "Write completed and verified\n";
    const std::string unchecked = "Write completed, but the check could not read the radio back: ";
    const std::string halfWritten =
        "9 of 122 blocks were written: the radio now holds part of the new settings. Write it "
        "again before using it.\n";
    const struct {
        std::string command, fault;
        std::vector<std::string> options;
        int exitCode, reads, writes;
        std::string out, errEnd;
        std::vector<std::string> radio = {};
    } cases[] = {
        {"read", "", {}, 0, 2 * 127, 0, "", ""},
        {"diff", "", {}, 1, 127, 0, "channel 1 Rx Frequency: ", ""},
        {"diff", "silent", {}, 2, 0, 0, "", kCommunicationError},
        {"read", "silent", {}, 1, 0, 0, "", kCommunicationError},
        {"read", "short-data=3", {}, 1, 3, 0, "", kInterrupt},
        {"write", "stop-at=10", {"--no-verify"}, 1, 0, 10, "", kInterrupt + halfWritten},
        {"write", "stop-at=10", {}, 1, 0, 10, "", kInterrupt + halfWritten},
        {"write", "", {"--access-code", "472816"}, 0, 127, 127, verified, ""},
        {"write", "", {"--access-code", "123456"}, 1, 0, 0, "", "Password Error\n"},
        {"write", "lose=40", {}, 1, 122, 122, "", "(1):\n  0x0138, 8 bytes: optional features\n"},
        {"write", "lose=40", {"--no-verify"}, 0, 0, 122, "", ""},
        {"write", "short-data=5", {}, 1, 5, 122, "", unchecked + kInterrupt},
        {"write", "", {}, 0, 122, 122, verified, "", {"--latency=16", "--restart-ms=1500"}},
        {"write",
         "",
         {},
         1,
         0,
         122,
         "",
         unchecked + "the radio did not answer after the write.\n",
         {"--restart-ms=60000"}},
    };
    for (const auto& c : cases) {
        std::vector<std::string> radio = {"--fast"};
        radio.insert(radio.end(), c.radio.begin(), c.radio.end());
        Fleet fleet(radio, 1, c.fault.empty() ? -1 : 0, c.fault);
        const std::string read = fleet.dir.file("read.dat");
        const bool reading = c.command == "read";
        std::vector<std::string> arguments = {c.command, reading ? "-o" : fleet.document};
        const std::vector<std::string>& rest = reading ? std::vector{read} : c.options;
        arguments.insert(arguments.end(), rest.begin(), rest.end());
        const std::string name = c.command + " " + c.fault + " " + radio.back();
        const auto result = runProgram(fleet.command(arguments));
        EXPECT_EQ(result.exitCode, c.exitCode) << name << result.err;
        EXPECT_TRUE(c.out.empty() ? result.out.empty() : result.out.starts_with(c.out))
            << name << result.out;
        EXPECT_TRUE(result.err.ends_with(c.errEnd)) << name << result.err;
        EXPECT_EQ(std::filesystem::exists(read), reading && c.exitCode == 0) << name;
        if (reading && c.exitCode == 0) {
            MemoryImage expected = newDocumentImage();
            expected.copyFrom(fleet.radio().memory, 0, map::kTransferEnd);
            EXPECT_EQ(loadDatFile(read).value(), expected);
            const auto same = runProgram(fleet.command({"diff", read}));
            EXPECT_EQ(same.exitCode, 0) << same.err;
            EXPECT_EQ(same.out, "No differences\n");
        }
        EXPECT_EQ(loadDatFile(fleet.document).value(), newDocumentImage()) << name;
        EXPECT_EQ(fleet.radio().blocks('R'), c.reads) << name;
        EXPECT_EQ(fleet.radio().blocks('W'), c.writes) << name;
    }
}

// A cable pulled and plugged back while the prompt waits: the port's name now stands for a new
// device (here: a radio behind the same link), which only a port opened again reaches.
TEST(CliEndToEnd, RetryReachesARadioPluggedBackMeanwhile) {
    test::TempDir dir;
    const std::string cable = dir.file("cable");
    auto deaf = std::make_unique<Radio>(
        dir, 0, std::vector<std::string>{"--fault", "silent", "--link", cable});
    QProcess cli;
    test::startProgram(
        cli, {kCli, "read", "--port", cable, "-o", dir.file("read.dat"), "--retries", "1000"});
    std::this_thread::sleep_for(std::chrono::seconds(1));  // its first handshake is under way
    deaf.reset();
    Radio radio(dir, 1, {"--fast", "--link", cable});
    ASSERT_TRUE(cli.waitForFinished(60000));
    EXPECT_EQ(test::exitCodeOf(cli), 0) << cli.readAllStandardError().toStdString();
    EXPECT_TRUE(sameInRanges(loadDatFile(dir.file("read.dat")).value(), radio.memory,
                             clone::Direction::Read));
}

TEST(CliEndToEnd, PortThatCannotBeOpenedAndUsageErrors) {
    const Fleet none({}, 0);
    for (const std::string port : {"/dev/radioprog-no-such-port", "com0"}) {
        const auto result = runProgram({kCli, "write", "--port", port, none.document});
        EXPECT_EQ(result.exitCode, 1);
        // The message of old, then why.
        EXPECT_TRUE(
            result.err.starts_with("Could not Open the Port,Please check whether the Port "
                                   "are occupied or the device are ok\n" +
                                   port + " does not exist"))
            << result.err;
    }
    // clang-format off
    const std::vector<std::vector<std::string>> usage = {
        {}, {"frobnicate"}, {"read", "-o", "x.dat"}, {"diff", "a.dat"},
        {"show", "a.dat", "--lang", "fr"}, {"write", "--port", "com1", "a.dat", "--bogus"}};
    // clang-format on
    for (std::vector<std::string> argv : usage) {
        argv.insert(argv.begin(), kCli);
        const auto result = runProgram(argv);
        EXPECT_EQ(result.exitCode, 2) << argv.back();
        EXPECT_NE(result.err.find("Usage:"), std::string::npos);
    }
}

const Bytes kAckOnly = {clone::kAck};
const Bytes kWakeUp(clone::kWakeUp.begin(), clone::kWakeUp.end());

// Discards what is waiting, sends the bytes and collects up to `expected` answer bytes.
Bytes exchange(SerialPort& line, const Bytes& out, std::size_t expected) {
    line.clearBuffers(false);
    line.write(out.data(), out.size());
    Bytes in(expected);
    in.resize(line.read(in.data(), expected).count);
    return in;
}

TEST(SimProcess, StartsFromAnImageAndSavesAndLogsWhenStoppedOrRefusesItsArguments) {
    test::TempDir dir;
    const std::string demo = RADIOPROG_BIN_DIR "/demo.dat";
    MemoryImage memory = loadDatFile(demo).value();
    const std::string link = dir.file("radio");
    SimProcess sim({"--fast", "--image", demo, "--save", dir.file("out.dat"), "--link", link,
                    "--log", dir.file("sim.log")});
    ASSERT_TRUE(std::filesystem::is_symlink(link));
    for (int client = 1; client <= 2; ++client) {  // one after the other on the same link
        const auto line = SerialLine::open(link);
        ASSERT_TRUE(line);
        const auto ident = memory.bytes(440, 8);
        ASSERT_EQ(exchange(*line, kWakeUp, 1), kAckOnly);
        ASSERT_EQ(exchange(*line, {clone::kStx}, 8), Bytes(ident.begin(), ident.end()));
        ASSERT_EQ(exchange(*line, {clone::kAck}, 1), kAckOnly);
        EXPECT_EQ(exchange(*line, {'R', 0x03, 0xF0, 1}, 5),
                  (Bytes{'W', 0x03, 0xF0, 1, memory[0x3F0]}));
        EXPECT_EQ(exchange(*line, {clone::kAck}, 1), kAckOnly);
        if (client == 2) {
            EXPECT_EQ(exchange(*line, {'W', 0, 0x18, 3, 0xAA, 0xBB, 0xCC}, 1), kAckOnly);
        }
    }
    EXPECT_EQ(sim.stop(), 0);
    EXPECT_FALSE(std::filesystem::exists(std::filesystem::symlink_status(link)));
    std::ranges::copy(Bytes{0xAA, 0xBB, 0xCC}, &memory[0x18]);
    EXPECT_EQ(loadDatFile(dir.file("out.dat")).value(), memory);
    const auto log = test::readBytes(dir.file("sim.log"));
    EXPECT_EQ(std::string(log.begin(), log.end()),
              "wake-up\nident\nack\nR 03F0 01\nack\nwake-up\nident\nack\nR 03F0 01\nack\n"
              "W 0018 03 AA BB CC\n");
    SimProcess refused({"--fault", "sometimes"});
    EXPECT_TRUE(refused.devicePath().empty());
    EXPECT_EQ(refused.stop(), 2);
}

// A missing port is the test above; here the device (a pseudo-terminal's slave)
// exists but its mode forbids opening it, or another program holds it.
TEST(PortReason, AFailedOpenSaysWhyInBothLanguages) {
    using Reason = PortOpenFailure::Reason;
    for (const Reason reason : {Reason::PermissionDenied, Reason::Busy}) {
        if (reason == Reason::PermissionDenied && ::geteuid() == 0) {
            continue;  // root opens a device whatever its mode
        }
        const int master = ::posix_openpt(O_RDWR | O_NOCTTY);
        ASSERT_TRUE(master >= 0 && ::grantpt(master) == 0 && ::unlockpt(master) == 0);
        const std::shared_ptr<void> closer(nullptr, [master](void*) { ::close(master); });
        const std::string device = ::ptsname(master);
        std::unique_ptr<SerialLine> holder;
        std::string expected = device + " is in use by another program.";
        if (reason == Reason::Busy) {
            holder = SerialLine::open(device);
        } else {
            ::chmod(device.c_str(), 0);
            struct stat status {};
            ::stat(device.c_str(), &status);
            const struct group* entry = ::getgrgid(status.st_gid);
            const std::string group = entry ? entry->gr_name : std::to_string(status.st_gid);
            expected = "You may not open " + device + ": it belongs to the group " + group +
                       ". Join it with \"sudo usermod -aG " + group +
                       " $USER\", then log in again.";
        }
        SerialLineOpener opener;
        EXPECT_EQ(opener.open(device), nullptr);
        ASSERT_TRUE(opener.lastFailure().has_value());
        EXPECT_EQ(opener.lastFailure()->reason, reason);
        const std::string message = opener.lastFailure()->message(Language::English);
        EXPECT_EQ(message.substr(0, expected.size()), expected);
        EXPECT_NE(opener.lastFailure()->message(Language::Chinese), message);
    }
}

// Paced radios, as real ones are: the good ones are written and checked, a faulty one is
// reported. One radio alone gets no summary, only the message it always got.
TEST(CliFleet, EveryRadioIsWrittenAndCheckedAndAFaultyOneIsReported) {
    // Radios, the faulty one, its fault and a part of its port's outcome.
    const std::tuple<int, int, std::string, std::string> cases[] = {
        {1, -1, "", ""},
        {3, 1, "silent", "failed: Communication Error,Please check all the connections"},
        {8, 5, "lose=40", "failed: Write completed, but the check "},
    };
    for (const auto& [radios, faulty, fault, failure] : cases) {
        Fleet fleet({}, radios, faulty, fault);
        const auto result = runProgram(fleet.command({"write", fleet.document}));
        EXPECT_EQ(result.exitCode, faulty < 0 ? 0 : 1) << result.err;
        EXPECT_EQ(result.err.find("QSocketNotifier"), std::string::npos) << result.err;
        for (int i = 0; i < radios; ++i) {
            Radio& radio = *fleet.radios[static_cast<std::size_t>(i)];
            const std::string line = outcomeOf(result.out, radio.sim->devicePath());
            if (i == faulty) {
                EXPECT_NE(line.find(failure), std::string::npos) << result.out;
                continue;
            }
            EXPECT_TRUE(radios == 1 || line.find("completed and verified") != std::string::npos)
                << result.out;
            radio.sim->stop();
            const MemoryImage written = loadDatFile(radio.name + "-saved.dat").value();
            EXPECT_TRUE(sameInRanges(written, newDocumentImage(), clone::Direction::Write)) << i;
        }
    }
}

TEST(CliFleet, CtrlCCancelsEveryPortAndReportsWhereEachStood) {
    Fleet fleet({}, 3);
    QProcess cli;
    test::startProgram(cli, fleet.command({"write", fleet.document}));
    std::this_thread::sleep_for(std::chrono::milliseconds(1500));
    ::kill(static_cast<pid_t>(cli.processId()), SIGINT);
    ASSERT_TRUE(cli.waitForFinished(10000));
    EXPECT_EQ(test::exitCodeOf(cli), 1);
    const std::string out = cli.readAllStandardOutput().toStdString();
    for (const auto& radio : fleet.radios) {
        const std::string line = outcomeOf(out, radio->sim->devicePath());
        EXPECT_NE(line.find("failed: The transfer was cancelled. (Writing "), std::string::npos)
            << out;
    }
}

TEST(CliFleet, ReadPutsEachRadioInAFileOfItsPortsName) {
    Fleet fleet({"--fast"}, 2);
    const std::string folder = fleet.dir.file("radios");
    const auto result = runProgram(
        fleet.command({"read", "-o", folder + "/", "--port", fleet.dir.file("no-port")}));
    EXPECT_EQ(result.exitCode, 1) << result.err;
    EXPECT_FALSE(std::filesystem::exists(folder + "/no-port.dat"));
    for (const auto& radio : fleet.radios) {
        const std::string port = radio->sim->devicePath();
        const auto read = loadDatFile(folder + "/" + port.substr(port.rfind('/') + 1) + ".dat");
        ASSERT_TRUE(read) << result.out;
        EXPECT_TRUE(sameInRanges(read.value(), radio->memory, clone::Direction::Read));
    }
}

}  // namespace
}  // namespace radio
