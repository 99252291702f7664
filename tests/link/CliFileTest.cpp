// radioprog-cli commands that work on files only, as a user runs them.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <string>
#include <tuple>
#include <vector>

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

const std::string kCli = RADIOPROG_BIN_DIR "/radioprog-cli";

// The program in a folder of its own, beside a Program.ini the test writes.
struct ProgramFolder {
    test::TempDir dir;
    std::string cli = dir.file("radioprog-cli");

    explicit ProgramFolder(const std::string& ini) {
        fs::copy_file(kCli, cli);
        write("Program.ini", ini);
    }
    std::string image(const std::string& name, const ChannelTable& table,
                      std::uint8_t type = 0) const {
        MemoryImage image = newDocumentImage();
        image.set(map::kRadioType, type);
        image.set(map::kBand, 0);
        image.set(map::kVoiceAnnunciation, 2);  // English
        encodeChannels(image, table);
        EXPECT_TRUE(saveDatFile(dir.file(name), image));
        return dir.file(name);
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

// Type 1 has the band 400-480; saved by Notepad with a byte-order mark.
const std::string kBandIni = "\xEF\xBB\xBF[Setup]\nType1=A\nField1=400-480|136-174\n";
// The Chinese owner line is GBK, as older files have it.
const std::string kOwnerIni =
    "[Setup]\nLanguage=English\n[English]\nCopyrights Owner=Owner Line\n"
    "[Chinese]\nCopyrights Owner=\xCB\xF9\xD3\xD0\xD5\xDF\n";

ChannelTable channelsUsed(const std::vector<int>& channels, const std::string& rx) {
    ChannelTable table;
    for (int channel : channels) {
        table[static_cast<std::size_t>(channel - 1)] = newChannelDefaults(rx, Language::English);
    }
    return table;
}

void expectAll(const std::string& text, const std::vector<std::string>& parts) {
    for (const std::string& part : parts) {
        EXPECT_NE(text.find(part), std::string::npos) << "missing \"" << part << "\" in\n" << text;
    }
}

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
    const auto missing = runProgram({kCli, "new", "-o", dir.file("no/such/dir/x.dat")});
    EXPECT_EQ(missing.exitCode, 1);
    EXPECT_NE(missing.err.find("cannot be written"), std::string::npos);
}

TEST(CliFiles, ShowPrintsTheGridAndTheOptions) {
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
        expectAll(result.out, parts);
    }
}

// A bad list changes nothing and names every bad line; --merge keeps the channels it leaves out;
// a list too large to be one is refused whole.
TEST(CliFiles, ImportChangesTheFileOnlyWhenEveryLineIsGood) {
    const std::string header = channelsCsvHeader();
    const std::string bad = header + "1,500.00000,,,,,,,,\n2,401.00000,,Nope,,,,,,\n";
    const std::string good = header + "2,402.50000,,,,,,,,\r\n";
    // Past 1 MiB, where a bad line was once never read: the whole list is refused.
    const std::string huge = good + std::string(1 << 20, '\n') + "3,999.00000,,,,,,,,\n";
    const std::string withNul = header + "1,4" + '\0' + "01,,,,,,,,\n2,9,,,,,,,,\n";
    // The list, options, radio type, then channels 1 and 2 afterwards and the errors.
    using Strings = std::vector<std::string>;
    // clang-format off
    const std::tuple<std::string, Strings, std::uint8_t, std::string, std::string, Strings> cases[] = {
        {bad, {}, 0, "401.00000", "", {"line 2, column 2:", "line 3, column 4:"}},
        {good, {"--merge"}, 0, "401.00000", "402.50000", {}},
        {good, {}, 0, "", "402.50000", {}},
        {good, {}, 4, "401.00000", "", {"no band for radio type 5"}},
        {huge, {"--merge"}, 0, "401.00000", "", {"larger than 1048576 bytes (1 MiB)"}},
        {withNul, {}, 0, "401.00000", "", {"line 2: holds a NUL byte", "line 3, column 2: \"9\""}},
    };
    // clang-format on
    for (const auto& [csv, options, type, channel1, channel2, errors] : cases) {
        ProgramFolder folder(kBandIni);
        const std::string target = folder.image("t.dat", channelsUsed({1}, "401.00000"), type);
        Strings arguments = {"import", folder.write("list.csv", csv), target};
        arguments.insert(arguments.end(), options.begin(), options.end());
        const auto result = folder.run(arguments);
        EXPECT_EQ(result.exitCode, errors.empty() ? 0 : 1) << result.err;
        expectAll(result.err, errors);
        const auto after = decodeChannels(loadDatFile(target).value(), Language::English);
        EXPECT_EQ(after[0][0], channel1);
        EXPECT_EQ(after[1][0], channel2);
    }
}

// Differing and equal files are the radio diff's cases too.
TEST(CliFiles, DiffNamesWhatDiffersAndAnUnreadableFileIsNoAnswer) {
    ProgramFolder folder(kBandIni);
    ChannelTable changed = channelsUsed({1}, "401.00000");
    const std::string a = folder.image("a.dat", changed);
    changed[0][0] = "455.00000";
    const auto result = folder.run({"diff", a, folder.image("b.dat", changed)});
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_EQ(result.out, "channel 1 Rx Frequency: 401.00000 | 455.00000\n");
    EXPECT_EQ(folder.run({"diff", a, folder.write("short.dat", std::string(100, '\0'))}).exitCode,
              2);
}

// The report as a PDF file, read back with pdftotext. The text layer gives the characters
// printed: the Chinese face must not map ideographs to their look-alike Kangxi radicals
// (文 as U+2F42). Failures and usage errors leave no file behind.
TEST(CliFiles, PrintWritesAReportSearchableInBothLanguagesOrNothing) {
    // The language, then texts of the options page and of the channel page.
    using Strings = std::vector<std::string>;
    const std::tuple<std::string, Strings, Strings> cases[] = {
        {"en",
         {"Option", "Time Out Timer:", "60s", "Sequelch Level:", "Voice Annunciation:", "English",
          "Owner Line", "Page 1 of 2"},
         {"Channel 1:", "Channel 2:", "Channel 16:", "Receive Frequency:", "446.00625",
          "W/N:", "Page 2 of 2"}},
        {"zh",
         {"可选功能", "超时定时器预警:", "语音报号:", "英文", "提示音:", "所有者", "Page 1 of 2"},
         {"信道1:", "信道16:", "接收频率:", "发射频率:", "QT/DQT解码:", "信道锁定:"}},
    };
    ProgramFolder folder(kOwnerIni);
    const std::string document = folder.image("radio.dat", channelsUsed({1, 2, 16}, "446.00625"));
    const std::string pdf = folder.dir.file("report.pdf");
    for (const auto& [lang, options, channels] : cases) {
        const auto result = folder.run({"print", document, "-o", pdf, "--lang", lang});
        ASSERT_EQ(result.exitCode, 0) << result.err;
        const std::string text = runProgram({"/usr/bin/pdftotext", "-enc", "UTF-8", pdf, "-"}).out;
        ASSERT_EQ(std::ranges::count(text, '\f'), 2) << text;
        const std::size_t pageBreak = text.find('\f');
        expectAll(text.substr(0, pageBreak), options);
        expectAll(text.substr(pageBreak), channels);
        EXPECT_EQ(text.find("Channel 3:"), std::string::npos);
    }
    const auto report = test::readBytes(pdf);
    const std::string shortFile = folder.write("short.dat", std::string(10, '\0'));
    fs::create_directory(folder.dir.file("taken.pdf"));
    const std::pair<std::vector<std::string>, int> failures[] = {
        {{"print", document, "-o", folder.dir.file("none/report.pdf")}, 1},
        {{"print", shortFile, "-o", pdf}, 1},  // the old report stays
        {{"print", document, "-o", folder.dir.file("taken.pdf")}, 1},
        {{"print", document}, 2},
        {{"print", document, "-o", folder.dir.file("r.pdf"), "--lang", "fr"}, 2},
    };
    for (const auto& [arguments, exitCode] : failures) {
        const auto result = folder.run(arguments);
        EXPECT_EQ(result.exitCode, exitCode) << arguments[1];
        EXPECT_FALSE(result.err.empty());
    }
    EXPECT_EQ(test::readBytes(pdf), report);
    // Program.ini, radio.dat, radioprog-cli, report.pdf, short.dat, taken.pdf and nothing else.
    EXPECT_EQ(std::distance(fs::directory_iterator(folder.dir.path()), {}), 6);
}

}  // namespace
}  // namespace radio
