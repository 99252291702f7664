#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>

#include "core/image/DatFile.h"
#include "core/link/CloneProtocol.h"
#include "serial/SerialLine.h"
#include "support/SimProcess.h"
#include "support/TempDir.h"

namespace radio::sim::test {
namespace {

using clone::kAck;
using clone::kStx;

const Bytes kAckOnly = {kAck};
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
    radio::test::TempDir dir;
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
        ASSERT_EQ(exchange(*line, {kStx}, 8), Bytes(ident.begin(), ident.end()));
        ASSERT_EQ(exchange(*line, {kAck}, 1), kAckOnly);
        EXPECT_EQ(exchange(*line, {'R', 0x03, 0xF0, 1}, 5),
                  (Bytes{'W', 0x03, 0xF0, 1, memory[0x3F0]}));
        EXPECT_EQ(exchange(*line, {kAck}, 1), kAckOnly);
        if (client == 2) {
            EXPECT_EQ(exchange(*line, {'W', 0, 0x18, 3, 0xAA, 0xBB, 0xCC}, 1), kAckOnly);
        }
    }
    EXPECT_EQ(sim.stop(), 0);
    EXPECT_FALSE(std::filesystem::exists(std::filesystem::symlink_status(link)));
    std::ranges::copy(Bytes{0xAA, 0xBB, 0xCC}, &memory[0x18]);
    EXPECT_EQ(loadDatFile(dir.file("out.dat")).value(), memory);
    const auto log = radio::test::readBytes(dir.file("sim.log"));
    EXPECT_EQ(std::string(log.begin(), log.end()),
              "wake-up\nident\nack\nR 03F0 01\nack\nwake-up\nident\nack\nR 03F0 01\nack\n"
              "W 0018 03 AA BB CC\n");
    SimProcess refused({"--fault", "sometimes"});
    EXPECT_TRUE(refused.devicePath().empty());
    EXPECT_EQ(refused.stop(), 2);
}

}  // namespace
}  // namespace radio::sim::test
