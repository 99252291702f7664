// radioprog-cli write with its check, and diff against the radio, with radioprog-sim.
#include <gtest/gtest.h>

#include <fstream>
#include <string>
#include <vector>

#include "core/image/DatFile.h"
#include "core/image/NewImage.h"
#include "support/Process.h"
#include "support/SimProcess.h"
#include "support/TempDir.h"

namespace radio {
namespace {

const std::string kCli = RADIOPROG_BIN_DIR "/radioprog-cli";
const std::string kWriteThenCheck = "Write completed, but the check ";

// A radio whose memory differs from a new document's everywhere, so every lost block shows.
struct Radio {
    test::TempDir dir;
    std::string file = dir.file("data.dat");
    std::string log = dir.file("log.txt");
    std::unique_ptr<sim::test::SimProcess> sim;

    explicit Radio(std::vector<std::string> options) {
        MemoryImage memory;
        for (std::size_t i = 0; i < MemoryImage::kSize; ++i) {
            memory[i] = static_cast<std::uint8_t>(0x40 + i % 61);
        }
        EXPECT_TRUE(saveDatFile(dir.file("memory.dat"), memory));
        EXPECT_TRUE(saveDatFile(file, newDocumentImage()));
        options.insert(options.end(), {"--image", dir.file("memory.dat"), "--log", log});
        sim = std::make_unique<sim::test::SimProcess>(options);
    }
    test::ProcessResult cli(std::vector<std::string> arguments) {
        arguments.insert(arguments.begin(), kCli);
        arguments.insert(arguments.end(), {"--port", sim->devicePath(), "--retries", "0"});
        return test::runProgram(arguments);
    }
    int logged(const std::string& prefix) {
        sim->stop();
        std::ifstream in(log);
        int count = 0;
        for (std::string line; std::getline(in, line);) {
            count += line.rfind(prefix, 0) == 0;
        }
        return count;
    }
};

TEST(CliVerify, WriteChecksWhatItWroteUnlessToldNot) {
    struct Case {
        std::vector<std::string> sim;
        std::vector<std::string> write;
        int exitCode;
        std::string out;
        std::string err;  // a part of it
        int readCommands;
    };
    const Case cases[] = {
        {{}, {}, 0, "Write completed and verified\n", "", 122},  // paced like a radio
        {{"--fast"}, {"--access-code", "472816"}, 0, "Write completed and verified\n", "", 127},
        {{"--fast", "--fault", "lose=40"},
         {},
         1,
         "",
         "(1):\n  0x0138, 8 bytes: optional features\n",
         122},
        {{"--fast", "--fault", "lose=40"}, {"--no-verify"}, 0, "", "", 0},
        {{"--fast", "--fault", "short-data=5"},
         {},
         1,
         "",
         kWriteThenCheck + "could not read the radio back: Program Interrupt, Please reset the "
                           "radio and try again",
         5},
    };
    for (const Case& c : cases) {
        Radio radio(c.sim);
        std::vector<std::string> arguments = {"write", radio.file};
        arguments.insert(arguments.end(), c.write.begin(), c.write.end());
        const auto result = radio.cli(arguments);
        const std::string name = (c.sim.empty() ? "paced" : c.sim.back()) +
                                 (c.write.empty() ? "" : " " + c.write.front());
        EXPECT_EQ(result.exitCode, c.exitCode) << name << result.err;
        EXPECT_EQ(result.out, c.out) << name;
        EXPECT_NE(result.err.find(c.err), std::string::npos) << name << result.err;
        EXPECT_EQ(radio.logged("R "), c.readCommands) << name;
    }
}

TEST(CliVerify, DiffWithTheRadioReadsButNeverWrites) {
    struct Case {
        std::vector<std::string> sim;
        bool sameAsRadio;
        int exitCode;
        std::string out;  // a part of it
    };
    const Case cases[] = {
        {{"--fast"}, true, 0, "No differences\n"},
        {{"--fast"}, false, 1, "channel 1 Rx Frequency: "},
        {{"--fast", "--fault", "silent"}, false, 2, ""},
    };
    for (const Case& c : cases) {
        Radio radio(c.sim);
        if (c.sameAsRadio) {
            ASSERT_EQ(radio.cli({"read", "-o", radio.file}).exitCode, 0);
        }
        const auto before = test::readBytes(radio.file);
        const auto result = radio.cli({"diff", radio.file});
        EXPECT_EQ(result.exitCode, c.exitCode) << result.err;
        EXPECT_NE(result.out.find(c.out), std::string::npos) << result.out;
        EXPECT_EQ(test::readBytes(radio.file), before);
        EXPECT_EQ(radio.logged("W "), 0);
        if (c.exitCode == 2) {
            EXPECT_EQ(result.err,
                      "Communication Error,Please check all the connections and the radio power\n");
        }
    }
}

}  // namespace
}  // namespace radio
