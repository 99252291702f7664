// radioprog-cli export, import and diff as a user runs them.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>

#include "core/channels/ChannelCodec.h"
#include "core/channels/ChannelCsv.h"
#include "core/image/DatFile.h"
#include "core/image/ImageMap.h"
#include "core/image/NewImage.h"
#include "support/Process.h"
#include "support/TempDir.h"

namespace radio {
namespace {

namespace fs = std::filesystem;
using test::runProgram;

// The program in a folder of its own, with a Program.ini whose type 1 has the band 400-480,
// saved by Notepad with a byte-order mark.
struct ListFolder {
    test::TempDir dir;
    std::string cli = dir.file("radioprog-cli");

    ListFolder() {
        fs::copy_file(RADIOPROG_BIN_DIR "/radioprog-cli", cli);
        std::ofstream(dir.file("Program.ini"), std::ios::binary)
            << "\xEF\xBB\xBF[Setup]\nType1=A\nField1=400-480|136-174\n";
    }
    std::string image(const std::string& name, const ChannelTable& table,
                      std::uint8_t type = 0) const {
        MemoryImage image = newDocumentImage();
        image.set(map::kRadioType, type);
        image.set(map::kBand, 0);
        encodeChannels(image, table);
        const std::string path = dir.file(name);
        EXPECT_TRUE(saveDatFile(path, image));
        return path;
    }
    std::string write(const std::string& name, const std::string& text) const {
        std::ofstream(dir.file(name), std::ios::binary) << text;
        return dir.file(name);
    }
    test::ProcessResult run(std::vector<std::string> arguments) const {
        arguments.insert(arguments.begin(), cli);
        return runProgram(arguments);
    }
};

const std::string kHeader =
    "Channel,Rx Frequency,Tx Frequency,QT/DQT Dec,QT/DQT Enc,Scan Add,Busy Lock,W/N,Compand,"
    "Scrambler\r\n";
const std::string kHeaderLf = kHeader.substr(0, kHeader.size() - 2) + "\n";

ChannelTable twoChannels() {
    ChannelTable table;
    table[0] = newChannelDefaults("401.00000", Language::English);
    return table;
}

// A bad list changes nothing and names every bad line; --merge keeps the channels it leaves out.
TEST(CliChannelList, ImportChangesTheFileOnlyWhenEveryLineIsGood) {
    const std::string bad = kHeaderLf + "1,500.00000,,,,,,,,\n2,401.00000,,Nope,,,,,,\n";
    const std::string good = kHeader + "2,402.50000,,,,,,,,\r\n";
    const struct {
        std::string csv;
        bool merge;
        std::vector<std::string> errors;
        std::string channel1, channel2;
    } cases[] = {{bad, false, {"line 2, column 2:", "line 3, column 4:"}, "401.00000", ""},
                 {good, true, {}, "401.00000", "402.50000"},
                 {good, false, {}, "", "402.50000"}};
    for (const auto& c : cases) {
        ListFolder folder;
        const std::string target = folder.image("target.dat", twoChannels());
        std::vector<std::string> arguments = {"import", folder.write("list.csv", c.csv), target};
        if (c.merge) {
            arguments.push_back("--merge");
        }
        const auto result = folder.run(arguments);
        EXPECT_EQ(result.exitCode, c.errors.empty() ? 0 : 1) << result.err;
        for (const std::string& error : c.errors) {
            EXPECT_NE(result.err.find(error), std::string::npos) << result.err;
        }
        const auto after = decodeChannels(loadDatFile(target).value(), Language::English);
        EXPECT_EQ(after[0][0], c.channel1);
        EXPECT_EQ(after[1][0], c.channel2);
    }
    ListFolder folder;
    const auto refused =
        folder.run({"import", folder.write("list.csv", good), folder.image("t.dat", {}, 4)});
    EXPECT_EQ(refused.exitCode, 1);
    EXPECT_NE(refused.err.find("no band for radio type 5"), std::string::npos) << refused.err;
}

TEST(CliChannelList, DiffNamesWhatDiffersAndAnUnreadableFileIsNoAnswer) {
    ListFolder folder;
    const std::string a = folder.image("a.dat", twoChannels());
    ChannelTable changed = twoChannels();
    changed[0][0] = "455.00000";
    const auto result = folder.run({"diff", a, folder.image("b.dat", changed)});
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_EQ(result.out, "channel 1 Rx Frequency: 401.00000 | 455.00000\n");
    const auto same = folder.run({"diff", a, a});
    EXPECT_EQ(same.exitCode, 0);
    EXPECT_EQ(same.out, "No differences\n");
    EXPECT_EQ(folder.run({"diff", a}).exitCode, 2);
    EXPECT_EQ(folder.run({"diff", a, folder.write("short.dat", std::string(100, '\0'))}).exitCode,
              2);
}

}  // namespace
}  // namespace radio
