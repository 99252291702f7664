// radioprog-cli export, import and diff as a user runs them.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "core/channels/ChannelCodec.h"
#include "core/image/DatFile.h"
#include "core/image/ImageMap.h"
#include "core/image/NewImage.h"
#include "support/Process.h"
#include "support/TempDir.h"

namespace radio {
namespace {

namespace fs = std::filesystem;
using test::runProgram;

// The program in a folder of its own, with a Program.ini whose type 1 has the band 400-480.
struct ListFolder {
    test::TempDir dir;
    std::string cli = dir.file("radioprog-cli");

    ListFolder() {
        fs::copy_file(RADIOPROG_BIN_DIR "/radioprog-cli", cli);
        std::ofstream(dir.file("Program.ini"), std::ios::binary)
            << "[Setup]\nType1=A\nField1=400-480|136-174\n";
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
    table[4] = newChannelDefaults("455.12500", Language::English);
    return table;
}

TEST(CliChannelList, ExportImportAndDiffWithTheirExitStatus) {
    ListFolder folder;
    const std::string source = folder.image("source.dat", twoChannels());
    const std::string target = folder.image("target.dat", ChannelTable{});
    const std::string csv = folder.dir.file("channels.csv");

    EXPECT_EQ(folder.run({"diff", source, target}).exitCode, 1);
    ASSERT_EQ(folder.run({"export", source, "-o", csv}).exitCode, 0);
    const auto imported = folder.run({"import", csv, target});
    ASSERT_EQ(imported.exitCode, 0) << imported.err;
    const auto same = folder.run({"diff", source, target});
    EXPECT_EQ(same.exitCode, 0) << same.out;
    EXPECT_EQ(same.out, "No differences\n");
}

TEST(CliChannelList, ABadListChangesNothingAndNamesEveryBadLine) {
    ListFolder folder;
    const std::string target = folder.image("target.dat", twoChannels());
    const auto before = loadDatFile(target).value();
    const std::string csv =
        folder.write("bad.csv", kHeaderLf + "1,500.00000,,,,,,,,\n2,401.00000,,Nope,,,,,,\n");
    const auto result = folder.run({"import", csv, target});
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_NE(result.err.find("line 2, column 2:"), std::string::npos) << result.err;
    EXPECT_NE(result.err.find("line 3, column 4:"), std::string::npos) << result.err;
    EXPECT_TRUE(loadDatFile(target).value() == before);
}

TEST(CliChannelList, MergeKeepsTheChannelsTheListLeavesOut) {
    ListFolder folder;
    const std::string target = folder.image("target.dat", twoChannels());
    const std::string csv = folder.write("one.csv", kHeader + "2,402.50000,,,,,,,,\r\n");
    ASSERT_EQ(folder.run({"import", csv, target, "--merge"}).exitCode, 0);
    const auto merged = decodeChannels(loadDatFile(target).value(), Language::English);
    EXPECT_EQ(merged[0][0], "401.00000");
    EXPECT_EQ(merged[1][0], "402.50000");
    EXPECT_EQ(merged[4][0], "455.12500");

    ASSERT_EQ(folder.run({"import", csv, target}).exitCode, 0);
    const auto replaced = decodeChannels(loadDatFile(target).value(), Language::English);
    EXPECT_EQ(replaced[0][0], "");
    EXPECT_EQ(replaced[1][0], "402.50000");
    EXPECT_EQ(replaced[4][0], "");
}

TEST(CliChannelList, DiffNamesWhatDiffers) {
    ListFolder folder;
    const std::string a = folder.image("a.dat", twoChannels());
    ChannelTable changed = twoChannels();
    changed[4][0] = "455.00000";
    const std::string b = folder.image("b.dat", changed);
    const auto result = folder.run({"diff", a, b});
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_EQ(result.out, "channel 5 Rx Frequency: 455.12500 | 455.00000\n");
    EXPECT_EQ(folder.run({"diff", a}).exitCode, 2);
}

TEST(CliChannelList, DiffOfAFileThatCannotBeReadIsNoDifference) {
    ListFolder folder;
    const std::string a = folder.image("a.dat", twoChannels());
    const std::string shortFile = folder.write("short.dat", std::string(100, '\0'));
    const auto missing = folder.run({"diff", a, folder.dir.file("missing.dat")});
    EXPECT_EQ(missing.exitCode, 2);
    EXPECT_NE(missing.err, "");
    EXPECT_EQ(folder.run({"diff", shortFile, a}).exitCode, 2);
}

TEST(CliChannelList, AnImageExportedWithLeftoversImportsBackAndCsvIsWrittenWhole) {
    ListFolder folder;
    const std::string source = folder.image("source.dat", twoChannels());
    MemoryImage withLeftovers = loadDatFile(source).value();
    withLeftovers.set(map::kScanAddHigh, 0xFF);  // scan bits of the empty channels 9-16
    ASSERT_TRUE(saveDatFile(source, withLeftovers));
    const std::string csv = folder.dir.file("channels.csv");
    ASSERT_EQ(folder.run({"export", source, "-o", csv}).exitCode, 0);
    const auto imported = folder.run({"import", csv, source});
    EXPECT_EQ(imported.exitCode, 0) << imported.err;

    EXPECT_EQ(folder.run({"export", folder.dir.file("missing.dat"), "-o", csv}).exitCode, 1);
    std::ifstream kept(csv, std::ios::binary);
    const std::string text((std::istreambuf_iterator<char>(kept)), {});
    EXPECT_EQ(text.rfind("Channel,Rx Frequency,", 0), 0u);  // the earlier export is still there
    EXPECT_NE(text.find("\r\n16,,,,,,,,,\r\n"), std::string::npos);
}

TEST(CliChannelList, ARadioTypeWithoutABandInProgramIniImportsNothing) {
    ListFolder folder;
    const std::string target = folder.image("target.dat", twoChannels(), 4);
    const auto before = loadDatFile(target).value();
    const std::string csv = folder.write("one.csv", kHeader + "2,402.50000,,,,,,,,\r\n");
    const auto result = folder.run({"import", csv, target});
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_NE(result.err.find("no band for radio type 5"), std::string::npos) << result.err;
    EXPECT_TRUE(loadDatFile(target).value() == before);
}

}  // namespace
}  // namespace radio
