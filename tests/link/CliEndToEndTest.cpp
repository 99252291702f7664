// radioprog-cli against radioprog-sim over a real pseudo-terminal. Which bytes a transfer
// moves is the clone session's business; here: block counts, messages, exit codes, files.
#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include "core/image/DatFile.h"
#include "core/image/ImageMap.h"
#include "core/image/NewImage.h"
#include "support/Process.h"
#include "support/SimProcess.h"
#include "support/TempDir.h"

namespace radio {
namespace {

using test::runProgram;

const std::string kCli = RADIOPROG_BIN_DIR "/radioprog-cli";
const std::string kPortNotOpened =
    "Could not Open the Port,Please check whether the Port are occupied or the device are ok\n";
const std::string kCommunicationError =
    "Communication Error,Please check all the connections and the radio power\n";
const std::string kInterrupt = "Program Interrupt, Please reset the radio and try again\n";

// A radio memory where every byte differs from a new document's.
MemoryImage radioMemory() {
    MemoryImage image;
    for (std::size_t i = 0; i < MemoryImage::kSize; ++i) {
        image[i] = static_cast<std::uint8_t>(0x40 + i % 61);
    }
    return image;
}

// A simulated radio that logs what it receives; a new document ready to be written.
struct Radio {
    test::TempDir dir;
    std::string document = dir.file("new.dat");
    std::unique_ptr<sim::test::SimProcess> sim;

    explicit Radio(std::vector<std::string> options = {}) {
        EXPECT_TRUE(saveDatFile(dir.file("memory.dat"), radioMemory()));
        EXPECT_TRUE(saveDatFile(document, newDocumentImage()));
        options.insert(options.end(),
                       {"--fast", "--image", dir.file("memory.dat"), "--log", dir.file("log.txt")});
        sim = std::make_unique<sim::test::SimProcess>(options);
    }
    test::ProcessResult run(std::vector<std::string> arguments) const {
        arguments.insert(arguments.begin() + 1, {"--port", sim->devicePath()});
        arguments.insert(arguments.begin(), kCli);
        return runProgram(arguments);
    }
    // Block commands the radio took, counted from its log once it has stopped.
    int blocks(char code) {
        EXPECT_EQ(sim->stop(), 0);
        const auto bytes = test::readBytes(dir.file("log.txt"));
        std::istringstream log(std::string(bytes.begin(), bytes.end()));
        int count = 0;
        for (std::string line; std::getline(log, line);) {
            count += line.size() > 2 && line[0] == code && line[1] == ' ';
        }
        return count;
    }
};

TEST(CliEndToEnd, ReadCopiesTheRadioOverANewDocument) {
    Radio radio;
    const std::string out = radio.dir.file("read.dat");
    const auto result = radio.run({"read", "-o", out});
    ASSERT_EQ(result.exitCode, 0) << result.err;
    EXPECT_TRUE(result.out.empty());
    MemoryImage expected = newDocumentImage();
    expected.copyFrom(radioMemory(), 0, map::kTransferEnd);
    EXPECT_EQ(loadDatFile(out).value(), expected);
    EXPECT_EQ(radio.blocks('R'), 127);
}

TEST(CliEndToEnd, WriteSendsMoreBlocksOnlyWithTheRightAccessCode) {
    const struct {
        std::vector<std::string> code;
        int exitCode;
        std::string err;
        int blocks;
    } cases[] = {{{}, 0, "", 122},
                 {{"--access-code", "472816"}, 0, "", 127},
                 {{"--access-code", "123456"}, 1, "Password Error\n", 0}};
    for (const auto& c : cases) {
        Radio radio;
        std::vector<std::string> arguments = {"write", radio.document};
        arguments.insert(arguments.end(), c.code.begin(), c.code.end());
        const auto result = radio.run(arguments);
        EXPECT_EQ(result.exitCode, c.exitCode) << result.err;
        EXPECT_EQ(result.err, c.err);
        EXPECT_EQ(radio.blocks('W'), c.blocks);
    }
}

// Every failure ends with the program's message, exit code 1 and no file.
TEST(CliEndToEnd, RadioFaultsEndWithTheProgramsMessage) {
    const struct {
        std::string fault;
        char code;
        std::string message;
        int blocks;
        const char* retries = "1";
    } cases[] = {
        {"silent", 'R', kCommunicationError, 0, "0"}, {"no-final-ack", 'R', kCommunicationError, 0},
        {"wrong-ack", 'R', kCommunicationError, 0},   {"wrong-ack=5", 'R', kInterrupt, 5},
        {"short-data=3", 'R', kInterrupt, 3},         {"stop-at=100", 'R', kInterrupt, 100},
        {"stop-at=10", 'W', kInterrupt, 10},
    };
    for (const auto& c : cases) {
        Radio radio({"--fault", c.fault});
        const std::string out = radio.dir.file("read.dat");
        const auto result = c.code == 'R' ? radio.run({"read", "-o", out, "--retries", c.retries})
                                          : radio.run({"write", radio.document});
        EXPECT_EQ(result.exitCode, 1) << c.fault;
        EXPECT_EQ(result.err, c.message) << c.fault;
        EXPECT_FALSE(std::filesystem::exists(out)) << c.fault;
        EXPECT_EQ(radio.blocks(c.code), c.blocks) << c.fault;
    }
}

TEST(CliEndToEnd, PortThatCannotBeOpened) {
    test::TempDir dir;
    const std::string file = dir.file("new.dat");
    ASSERT_TRUE(saveDatFile(file, newDocumentImage()));
    for (const std::string port : {"/dev/radioprog-no-such-port", "com0"}) {
        const auto result = runProgram({kCli, "write", "--port", port, file});
        EXPECT_EQ(result.exitCode, 1);
        // The message of old, then why.
        EXPECT_EQ(result.err.rfind(kPortNotOpened + port + " does not exist", 0), 0u)
            << result.err;
    }
}

TEST(CliEndToEnd, UsageErrorsExitWithTwo) {
    const std::vector<std::vector<std::string>> cases = {
        {kCli},
        {kCli, "frobnicate"},
        {kCli, "read", "-o", "x.dat"},
        {kCli, "show"},
        {kCli, "show", "a.dat", "--lang", "fr"},
        {kCli, "new", "-o", "x.dat", "--type", "300"},
        {kCli, "write", "--port", "com1", "a.dat", "--bogus"},
    };
    for (const auto& argv : cases) {
        const auto result = runProgram(argv);
        EXPECT_EQ(result.exitCode, 2) << argv.back();
        EXPECT_NE(result.err.find("Usage:"), std::string::npos);
    }
}

}  // namespace
}  // namespace radio
