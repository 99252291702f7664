// radioprog-cli commands that work on files only.
#include <gtest/gtest.h>

#include <string>

#include "core/channels/ChannelCodec.h"
#include "core/image/DatFile.h"
#include "core/image/ImageMap.h"
#include "core/image/NewImage.h"
#include "support/Process.h"
#include "support/TempDir.h"

namespace radio {
namespace {

using test::runProgram;

const std::string kCli = RADIOPROG_BIN_DIR "/radioprog-cli";

// The bytes of a new document whose empty grid went through Save once.
TEST(CliFiles, NewWritesTheBytesOfAnUneditedNewDocument) {
    test::TempDir dir;
    for (const auto& [type, band] : {std::pair{"1", "2"}, {"", ""}}) {
        std::vector<std::string> arguments = {kCli, "new", "-o", dir.file("new.dat")};
        if (*type) {
            arguments.insert(arguments.end(), {"--type", type, "--band", band});
        }
        const auto result = runProgram(arguments);
        ASSERT_EQ(result.exitCode, 0) << result.err;
        MemoryImage expected = newDocumentImage();
        encodeChannels(expected, ChannelTable{});
        expected.set(map::kRadioType, *type ? 1 : 0);
        expected.set(map::kBand, *type ? 2 : 0);
        EXPECT_EQ(loadDatFile(dir.file("new.dat")).value(), expected) << type;
    }
}

TEST(CliFiles, ShowPrintsTheGridAndTheOptionsAndBadFilesAreReported) {
    test::TempDir dir;
    MemoryImage image = newDocumentImage();
    encodeChannel(image, 2,
                  {"446.00625", "446.00625", "67.0", "D023N", "High", "", "Off", "Wide", "On", ""});
    image.setBits(map::channelOffset(2) + 13, 0x20, 0x20);  // high power, as radios store it
    image[map::kScanAddLow] = 0x02;
    ASSERT_TRUE(saveDatFile(dir.file("a.dat"), image));
    const std::pair<std::string, std::vector<std::string>> cases[] = {
        {"en",
         {"CH\tRx Frequency\tTx Frequency\tQT/DQT Dec\tQT/DQT Enc\tPower\tScan Add\tBusy Lock\t"
          "W/N\tCompand\tScrambler\n1\t\t\t\t\t\t\t\t\t\t\n",
          "\n2\t446.00625\t446.00625\t67.0\tD023N\tHigh\tYes\tOff\tWide\tOn\tOff\n",
          "\n\nTime Out Timer:\t60s\n", "Scan Function:\tOn\n"}},
        {"zh",
         {"\n2\t446.00625\t446.00625\t67.0\tD023N\t高\t有\t关\t宽\t开\t关\n", "超时定时器:\t60s"}}};
    for (const auto& [lang, parts] : cases) {
        const auto result = runProgram({kCli, "show", dir.file("a.dat"), "--lang", lang});
        ASSERT_EQ(result.exitCode, 0) << result.err;
        for (const std::string& part : parts) {
            EXPECT_NE(result.out.find(part), std::string::npos) << part << "\nin\n" << result.out;
        }
    }
    test::writeBytes(dir.file("short.dat"), std::vector<unsigned char>(100, 0));
    const auto result = runProgram({kCli, "show", dir.file("short.dat")});
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_NE(result.err.find("short.dat\" holds only 100 bytes"), std::string::npos) << result.err;
    const auto missing = runProgram({kCli, "new", "-o", dir.file("no/such/dir/x.dat")});
    EXPECT_EQ(missing.exitCode, 1);
    EXPECT_NE(missing.err.find("cannot be written"), std::string::npos);
}

}  // namespace
}  // namespace radio
