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

    explicit Radio(std::vector<std::string> options = {"--fast"}) {
        EXPECT_TRUE(saveDatFile(dir.file("memory.dat"), radioMemory()));
        EXPECT_TRUE(saveDatFile(document, newDocumentImage()));
        options.insert(options.end(),
                       {"--image", dir.file("memory.dat"), "--log", dir.file("log")});
        sim = std::make_unique<sim::test::SimProcess>(options);
    }
    test::ProcessResult run(std::vector<std::string> arguments) const {
        arguments.insert(arguments.begin() + 1, {"--port", sim->devicePath(), "--retries", "0"});
        arguments.insert(arguments.begin(), kCli);
        return runProgram(arguments);
    }
    // Block commands the radio took, counted from its log once it has stopped.
    int blocks(char code) {
        EXPECT_EQ(sim->stop(), 0);
        const auto bytes = test::readBytes(dir.file("log"));
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

// More blocks only with the right access code; the check reads back what was written.
TEST(CliEndToEnd, WriteChecksWhatItWroteUnlessToldNot) {
    const struct {
        std::vector<std::string> sim, write;
        int exitCode;
        std::string out, err;  // err: a part of it
        int writes, reads;
    } cases[] = {
        {{}, {}, 0, "Write completed and verified\n", "", 122, 122},  // paced like a radio
        {{"--fast"},
         {"--access-code", "472816"},
         0,
         "Write completed and verified\n",
         "",
         127,
         127},
        {{"--fast"}, {"--access-code", "123456"}, 1, "", "Password Error\n", 0, 0},
        {{"--fast", "--fault", "lose=40"},
         {},
         1,
         "",
         "(1):\n  0x0138, 8 bytes: optional features\n",
         122,
         122},
        {{"--fast", "--fault", "lose=40"}, {"--no-verify"}, 0, "", "", 122, 0},
        {{"--fast", "--fault", "short-data=5"},
         {},
         1,
         "",
         "Write completed, but the check could not read the radio back: " + kInterrupt,
         122,
         5},
    };
    for (const auto& c : cases) {
        Radio radio(c.sim);
        std::vector<std::string> arguments = {"write", radio.document};
        arguments.insert(arguments.end(), c.write.begin(), c.write.end());
        const auto result = radio.run(arguments);
        const std::string name = (c.sim.empty() ? "paced" : c.sim.back()) +
                                 (c.write.empty() ? "" : " " + c.write.back());
        EXPECT_EQ(result.exitCode, c.exitCode) << name << result.err;
        EXPECT_EQ(result.out, c.out) << name;
        EXPECT_NE(result.err.find(c.err), std::string::npos) << name << result.err;
        EXPECT_EQ(radio.blocks('R'), c.reads) << name;
        EXPECT_EQ(radio.blocks('W'), c.writes) << name;
    }
}

// Every failure ends with the program's message, exit code 1 and no file.
TEST(CliEndToEnd, RadioFaultsEndWithTheProgramsMessage) {
    const struct {
        std::string fault;
        char code;
        std::string message;
        int blocks;
    } cases[] = {{"silent", 'R', kCommunicationError, 0},
                 {"wrong-ack", 'R', kCommunicationError, 0},
                 {"short-data=3", 'R', kInterrupt, 3},
                 {"stop-at=10", 'W', kInterrupt, 10}};
    for (const auto& c : cases) {
        Radio radio({"--fast", "--fault", c.fault});
        const std::string out = radio.dir.file("read.dat");
        const auto result = c.code == 'R' ? radio.run({"read", "-o", out})
                                          : radio.run({"write", radio.document, "--no-verify"});
        EXPECT_EQ(result.exitCode, 1) << c.fault;
        EXPECT_EQ(result.err, c.message) << c.fault;
        EXPECT_FALSE(std::filesystem::exists(out)) << c.fault;
        EXPECT_EQ(radio.blocks(c.code), c.blocks) << c.fault;
    }
}

TEST(CliEndToEnd, DiffWithTheRadioReadsButNeverWrites) {
    const struct {
        std::vector<std::string> sim;
        bool sameAsRadio;
        int exitCode;
        std::string out, err;
    } cases[] = {{{"--fast"}, true, 0, "No differences\n", ""},
                 {{"--fast"}, false, 1, "channel 1 Rx Frequency: ", ""},
                 {{"--fast", "--fault", "silent"}, false, 2, "", kCommunicationError}};
    for (const auto& c : cases) {
        Radio radio(c.sim);
        if (c.sameAsRadio) {
            ASSERT_EQ(radio.run({"read", "-o", radio.document}).exitCode, 0);
        }
        const auto before = test::readBytes(radio.document);
        const auto result = radio.run({"diff", radio.document});
        EXPECT_EQ(result.exitCode, c.exitCode) << result.err;
        EXPECT_NE(result.out.find(c.out), std::string::npos) << result.out;
        EXPECT_EQ(result.err, c.err);
        EXPECT_EQ(test::readBytes(radio.document), before);
        EXPECT_EQ(radio.blocks('W'), 0);
    }
}

TEST(CliEndToEnd, PortThatCannotBeOpenedAndUsageErrors) {
    test::TempDir dir;
    const std::string file = dir.file("new.dat");
    ASSERT_TRUE(saveDatFile(file, newDocumentImage()));
    for (const std::string port : {"/dev/radioprog-no-such-port", "com0"}) {
        const auto result = runProgram({kCli, "write", "--port", port, file});
        EXPECT_EQ(result.exitCode, 1);
        // The message of old, then why.
        EXPECT_EQ(result.err.rfind("Could not Open the Port,Please check whether the Port are "
                                   "occupied or the device are ok\n" +
                                       port + " does not exist",
                                   0),
                  0u)
            << result.err;
    }
    const std::vector<std::vector<std::string>> usage = {
        {kCli},
        {kCli, "frobnicate"},
        {kCli, "read", "-o", "x.dat"},
        {kCli, "show", "a.dat", "--lang", "fr"},
        {kCli, "write", "--port", "com1", "a.dat", "--bogus"}};
    for (const auto& argv : usage) {
        const auto result = runProgram(argv);
        EXPECT_EQ(result.exitCode, 2) << argv.back();
        EXPECT_NE(result.err.find("Usage:"), std::string::npos);
    }
}

}  // namespace
}  // namespace radio
