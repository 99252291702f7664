// radioprog-cli commands that work on files only.
#include <gtest/gtest.h>

#include <string>

#include "core/image/DatFile.h"
#include "core/image/ImageMap.h"
#include "core/image/NewImage.h"
#include "support/Process.h"
#include "support/TempDir.h"

namespace radio {
namespace {

using test::runProgram;
using test::TempDir;

const std::string kCli = RADIOPROG_BIN_DIR "/radioprog-cli";

TEST(CliFiles, NewWritesTheBytesOfAnUneditedNewDocument) {
    TempDir dir;
    const std::string out = dir.file("new.dat");
    auto result = runProgram({kCli, "new", "-o", out, "--type", "1", "--band", "2"});
    ASSERT_EQ(result.exitCode, 0) << result.err;
    const MemoryImage image = loadDatFile(out).value();
    const MemoryImage defaults = newDocumentImage();
    EXPECT_EQ(image[map::kRadioType], 1);
    EXPECT_EQ(image[map::kBand], 2);
    // An empty grid row encodes absent frequencies and tones, QT/DQT busy lock bits, narrow,
    // low power, compander on, scrambler off; byte 15 stays.
    const std::uint8_t emptyRecord[16] = {0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF,
                                          0xFF, 0xFF, 0xFF, 0xFF, 0xF7, 0xCF, 0xE0, 0xFF};
    for (int channel = 1; channel <= 16; ++channel) {
        for (std::size_t k = 0; k < 16; ++k) {
            ASSERT_EQ(image[map::channelOffset(channel) + k], emptyRecord[k])
                << channel << " " << k;
        }
    }
    for (std::size_t i = 272; i < MemoryImage::kSize; ++i) {
        if (i != map::kRadioType && i != map::kBand) {
            ASSERT_EQ(image[i], defaults[i]) << i;
        }
    }
    auto plain = runProgram({kCli, "new", "-o", dir.file("plain.dat")});
    ASSERT_EQ(plain.exitCode, 0);
    EXPECT_EQ(loadDatFile(dir.file("plain.dat")).value()[map::kRadioType], 0);
}

TEST(CliFiles, ShowPrintsTheGridAndTheOptions) {
    TempDir dir;
    MemoryImage image = newDocumentImage();
    // Channel 2: 446.00625 MHz both ways, 67.0 Hz decode, D023N encode, scan add.
    const std::uint8_t record[16] = {0x25, 0x06, 0x60, 0x44, 0x25, 0x06, 0x60, 0x44,
                                     0x9E, 0x02, 0x13, 0x28, 0x00, 0x30, 0x00, 0xFF};
    for (std::size_t k = 0; k < 16; ++k) {
        image[map::channelOffset(2) + k] = record[k];
    }
    image[map::kScanAddLow] = 0x02;
    ASSERT_TRUE(saveDatFile(dir.file("a.dat"), image));

    auto english = runProgram({kCli, "show", dir.file("a.dat")});
    ASSERT_EQ(english.exitCode, 0) << english.err;
    EXPECT_EQ(english.out.substr(0, english.out.find('\n')),
              "CH\tRx Frequency\tTx Frequency\tQT/DQT Dec\tQT/DQT Enc\tPower\tScan Add\tBusy Lock\t"
              "W/N\tCompand\tScrambler");
    EXPECT_NE(english.out.find("\n1\t\t\t\t\t\t\t\t\t\t\n"), std::string::npos);
    EXPECT_NE(
        english.out.find("\n2\t446.00625\t446.00625\t67.0\tD023N\tHigh\tYes\tOff\tWide\tOn\tOff\n"),
        std::string::npos)
        << english.out;
    EXPECT_NE(english.out.find("\n\nTime Out Timer:\t60s\n"), std::string::npos);
    EXPECT_NE(english.out.find("Scan Function:\tOn\n"), std::string::npos);

    auto chinese = runProgram({kCli, "show", dir.file("a.dat"), "--lang", "zh"});
    ASSERT_EQ(chinese.exitCode, 0);
    EXPECT_NE(chinese.out.find("\n2\t446.00625\t446.00625\t67.0\tD023N\t高\t有\t关\t宽\t开\t关\n"),
              std::string::npos)
        << chinese.out;
    EXPECT_NE(chinese.out.find("超时定时器:\t60s"), std::string::npos);
}

TEST(CliFiles, BadFilesAreReported) {
    TempDir dir;
    test::writeBytes(dir.file("short.dat"), std::vector<unsigned char>(100, 0));
    auto result = runProgram({kCli, "show", dir.file("short.dat")});
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_NE(result.err.find("short.dat"), std::string::npos);
    EXPECT_NE(result.err.find("100 bytes"), std::string::npos);
    auto missing = runProgram({kCli, "new", "-o", dir.file("no/such/dir/x.dat")});
    EXPECT_EQ(missing.exitCode, 1);
    EXPECT_NE(missing.err.find("cannot be written"), std::string::npos);
}

}  // namespace
}  // namespace radio
