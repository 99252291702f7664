#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <string>

#include "core/image/DatFile.h"
#include "core/link/CloneProtocol.h"
#include "sim/ModelDriver.h"
#include "support/SimProcess.h"
#include "support/TempDir.h"

namespace radio::sim::test {
namespace {

using clone::kAck;
using clone::kStx;

const Bytes kAckOnly = {kAck};
const Bytes kNewImageIdent = {'K', '5', '8', '1', '4', '6', 0xF0, 0x01};

void handshake(SlaveLine& line, const Bytes& ident = kNewImageIdent) {
    ASSERT_EQ(line.exchange(wakeUpString(), 1), kAckOnly);
    ASSERT_EQ(line.exchange({kStx}, 8), ident);
    ASSERT_EQ(line.exchange({kAck}, 1), kAckOnly);
}

Bytes readBlock(SlaveLine& line, std::size_t address, std::size_t length) {
    const Bytes answer = line.exchange(command(clone::kReadCommand, address, length), 4 + length);
    EXPECT_EQ(line.exchange({kAck}, 1), kAckOnly);
    return answer;
}

std::string readText(const std::string& path) {
    std::ifstream in(path);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

TEST(SimProcess, ServesAHandshakeAndAReadBlock) {
    SimProcess sim({"--fast"});
    ASSERT_EQ(sim.devicePath().rfind("/dev/", 0), 0u) << sim.devicePath();
    SlaveLine line(sim.devicePath());
    handshake(line);
    EXPECT_EQ(readBlock(line, 0, 8), (Bytes{'W', 0, 0, 8, 0, 0, 0, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF}));
    EXPECT_EQ(sim.stop(), 0);
}

TEST(SimProcess, ServesConsecutiveClients) {
    SimProcess sim({"--fast"});
    for (int client = 1; client <= 2; ++client) {
        SlaveLine line(sim.devicePath());
        handshake(line);
        // Type and band of the fresh radio are 0/0 at 990 and 991.
        EXPECT_EQ(readBlock(line, 0x3D8, 8),
                  (Bytes{'W', 0x03, 0xD8, 8, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0, 0}))
            << client;
    }
    EXPECT_EQ(sim.stop(), 0);
}

TEST(SimProcess, StartsFromAnImageAndSavesWhenStopped) {
    radio::test::TempDir dir;
    const std::string in = dir.file("in.dat");
    const std::string out = dir.file("out.dat");
    const std::string link = dir.file("radio");
    const std::string log = dir.file("sim.log");
    ASSERT_TRUE(saveDatFile(in, patternedMemory()).ok());
    SimProcess sim({"--fast", "--image", in, "--save", out, "--link", link, "--log", log});
    ASSERT_TRUE(std::filesystem::is_symlink(link));
    {
        SlaveLine line(link);
        const MemoryImage memory = patternedMemory();
        const auto ident = memory.bytes(440, 8);
        handshake(line, Bytes(ident.begin(), ident.end()));
        EXPECT_EQ(readBlock(line, 0x10, 2),
                  (Bytes{'W', 0, 0x10, 2, patternedMemory()[0x10], patternedMemory()[0x11]}));
        EXPECT_EQ(line.exchange({'W', 0, 0x18, 3, 0xAA, 0xBB, 0xCC}, 1), kAckOnly);
    }
    EXPECT_EQ(sim.stop(), 0);
    EXPECT_FALSE(std::filesystem::exists(std::filesystem::symlink_status(link)));
    MemoryImage expected = patternedMemory();
    expected[0x18] = 0xAA;
    expected[0x19] = 0xBB;
    expected[0x1A] = 0xCC;
    const auto saved = loadDatFile(out);
    ASSERT_TRUE(saved.ok());
    EXPECT_EQ(saved.value(), expected);
    EXPECT_EQ(readText(log), "wake-up\nident\nack\nR 0010 02\nack\nW 0018 03 AA BB CC\n");
}

TEST(SimProcess, PacesItsAnswersLikeTheLine) {
    SimProcess sim({});
    SlaveLine line(sim.devicePath());
    handshake(line);
    const auto start = std::chrono::steady_clock::now();
    const Bytes answer = line.exchange(command(clone::kReadCommand, 0, 8), 12);
    const auto took = std::chrono::steady_clock::now() - start;
    EXPECT_EQ(answer.size(), 12u);
    // 16 bytes on the wire at 9600 baud and the turnaround: about 17.2 ms.
    EXPECT_GE(took, std::chrono::microseconds(17000));
}

TEST(SimProcess, RefusesUnknownArguments) {
    SimProcess sim({"--fault", "sometimes"});
    EXPECT_TRUE(sim.devicePath().empty());
    EXPECT_EQ(sim.stop(), 2);
}

}  // namespace
}  // namespace radio::sim::test
