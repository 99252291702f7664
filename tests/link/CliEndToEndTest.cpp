// radioprog-cli against radioprog-sim over a real pseudo-terminal.
#include <gtest/gtest.h>

#include <filesystem>
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

using sim::test::SimProcess;
using test::runProgram;
using test::TempDir;

const std::string kCli = RADIOPROG_BIN_DIR "/radioprog-cli";
const std::string kPortNotOpened =
    "Could not Open the Port,Please check whether the Port are occupied or the device are ok";
const std::string kCommunicationError =
    "Communication Error,Please check all the connections and the radio power";
const std::string kInterrupt = "Program Interrupt, Please reset the radio and try again";

// A radio memory where every byte differs from a new document's.
MemoryImage radioMemory() {
    MemoryImage image;
    for (std::size_t i = 0; i < MemoryImage::kSize; ++i) {
        image[i] = static_cast<std::uint8_t>(0x40 + i % 61);
    }
    return image;
}

struct Radio {
    TempDir dir;
    std::unique_ptr<SimProcess> sim;
    std::string memoryFile = dir.file("memory.dat");
    std::string savedFile = dir.file("saved.dat");

    explicit Radio(std::vector<std::string> options = {},
                   const MemoryImage& memory = radioMemory()) {
        EXPECT_TRUE(saveDatFile(memoryFile, memory));
        std::vector<std::string> arguments = {"--fast", "--image", memoryFile, "--save", savedFile};
        arguments.insert(arguments.end(), options.begin(), options.end());
        sim = std::make_unique<SimProcess>(arguments);
    }
    std::string port() const { return sim->devicePath(); }
    // Stops the radio and returns its memory as it ended.
    MemoryImage memoryAfter() {
        EXPECT_EQ(sim->stop(), 0);
        return loadDatFile(savedFile).value();
    }
};

TEST(CliEndToEnd, ReadCopiesTheRadioAndKeepsTheUntransferredBytes) {
    Radio radio;
    const std::string out = radio.dir.file("read.dat");
    auto result = runProgram({kCli, "read", "--port", radio.port(), "-o", out});
    ASSERT_EQ(result.exitCode, 0) << result.err;
    EXPECT_TRUE(result.out.empty());
    const MemoryImage read = loadDatFile(out).value();
    const MemoryImage memory = radioMemory();
    const MemoryImage fresh = newDocumentImage();
    for (std::size_t i = 0; i < MemoryImage::kSize; ++i) {
        ASSERT_EQ(read[i], i < map::kTransferEnd ? memory[i] : fresh[i]) << i;
    }
}

// Which bytes a write must change: everything transferred, the service areas only when unlocked.
bool writtenByNormalWrite(std::size_t i) {
    return i < 816 || (i >= 832 && i < 976) || (i >= 987 && i < 992) || i == 1008;
}

TEST(CliEndToEnd, WritesCoverTheServiceAreasOnlyWithTheAccessCode) {
    struct Case {
        std::vector<std::string> extra;
        bool unlocked;
    };
    const Case cases[] = {{{}, false}, {{"--access-code", "472816"}, true}};
    for (const Case& c : cases) {
        Radio radio;
        const std::string file = radio.dir.file("new.dat");
        const MemoryImage image = newDocumentImage();
        ASSERT_TRUE(saveDatFile(file, image));
        std::vector<std::string> argv = {kCli, "write", "--port", radio.port(), file};
        argv.insert(argv.end(), c.extra.begin(), c.extra.end());
        auto result = runProgram(argv);
        ASSERT_EQ(result.exitCode, 0) << result.err;
        const MemoryImage after = radio.memoryAfter();
        const MemoryImage before = radioMemory();
        for (std::size_t i = 0; i < MemoryImage::kSize; ++i) {
            const bool written = i < map::kTransferEnd && (c.unlocked || writtenByNormalWrite(i));
            ASSERT_EQ(after[i], written ? image[i] : before[i]) << i << " unlocked " << c.unlocked;
        }
    }
}

TEST(CliEndToEnd, WrongAccessCodeNeverOpensThePort) {
    Radio radio({"--log", "-"});
    const std::string file = radio.dir.file("new.dat");
    ASSERT_TRUE(saveDatFile(file, newDocumentImage()));
    auto result =
        runProgram({kCli, "write", "--port", radio.port(), file, "--access-code", "123456"});
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_EQ(result.err, "Password Error\n");
    EXPECT_EQ(radio.memoryAfter(), radioMemory());
}

TEST(CliEndToEnd, FaultsEndWithTheProgramsMessageAndNoFile) {
    struct Case {
        std::vector<std::string> fault;
        std::string message;
    };
    const Case cases[] = {
        {{"--fault", "no-final-ack"}, kCommunicationError},
        {{"--fault", "wrong-ack"}, kCommunicationError},
        {{"--fault", "wrong-ack=5"}, kInterrupt},
        {{"--fault", "short-data=3"}, kInterrupt},
        {{"--fault", "stop-at=100"}, kInterrupt},
    };
    for (const Case& c : cases) {
        Radio radio(c.fault);
        const std::string out = radio.dir.file("read.dat");
        auto result =
            runProgram({kCli, "read", "--port", radio.port(), "-o", out, "--retries", "1"});
        EXPECT_EQ(result.exitCode, 1) << c.fault[1];
        EXPECT_EQ(result.err, c.message + "\n") << c.fault[1];
        EXPECT_FALSE(std::filesystem::exists(out)) << c.fault[1];
    }
}

TEST(CliEndToEnd, SilentRadioGivesUpAtThePrompt) {
    Radio radio({"--fault", "silent"});
    const std::string out = radio.dir.file("read.dat");
    auto result = runProgram({kCli, "read", "--port", radio.port(), "-o", out});
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_EQ(result.err, kCommunicationError + "\n");
    EXPECT_FALSE(std::filesystem::exists(out));
}

TEST(CliEndToEnd, InterruptedWriteChangesOnlyAcknowledgedBlocks) {
    Radio radio({"--fault", "stop-at=10"});
    const std::string file = radio.dir.file("new.dat");
    const MemoryImage image = newDocumentImage();
    ASSERT_TRUE(saveDatFile(file, image));
    auto result = runProgram({kCli, "write", "--port", radio.port(), file});
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_EQ(result.err, kInterrupt + "\n");
    const MemoryImage after = radio.memoryAfter();
    const MemoryImage before = radioMemory();
    // Blocks 1 to 9 are the first nine rows.
    for (std::size_t i = 0; i < MemoryImage::kSize; ++i) {
        ASSERT_EQ(after[i], i < 72 ? image[i] : before[i]) << i;
    }
}

TEST(CliEndToEnd, PortThatCannotBeOpened) {
    TempDir dir;
    const std::string file = dir.file("new.dat");
    ASSERT_TRUE(saveDatFile(file, newDocumentImage()));
    for (const std::string& port :
         {std::string("/dev/radioprog-no-such-port"), std::string("com0")}) {
        auto result = runProgram({kCli, "write", "--port", port, file});
        EXPECT_EQ(result.exitCode, 1);
        // The message of old, then why.
        EXPECT_EQ(result.err.rfind(kPortNotOpened + "\n" + port + " does not exist", 0), 0u)
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
        auto result = runProgram(argv);
        EXPECT_EQ(result.exitCode, 2) << argv.size();
        EXPECT_NE(result.err.find("Usage:"), std::string::npos);
    }
}

}  // namespace
}  // namespace radio
