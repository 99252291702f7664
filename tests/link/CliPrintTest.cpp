// radioprog-cli print: the report as a PDF file, read back with pdftotext.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

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
using test::TempDir;

const std::string kPdfToText = "/usr/bin/pdftotext";

// A program folder of its own, so the owner lines come from a Program.ini the test writes;
// the Chinese one is GBK, as older files have it.
struct PrintFolder {
    TempDir dir;
    std::string cli = dir.file("radioprog-cli");

    PrintFolder() {
        fs::copy_file(RADIOPROG_BIN_DIR "/radioprog-cli", cli);
        std::ofstream ini(dir.file("Program.ini"), std::ios::binary);
        ini << "[Setup]\nLanguage=English\n[English]\nCopyrights Owner=Owner Line\n"
            << "[Chinese]\nCopyrights Owner=\xCB\xF9\xD3\xD0\xD5\xDF\n";
    }

    // A document whose used channels are 1, 2 and 16.
    std::string document() const {
        MemoryImage image = newDocumentImage();
        ChannelTable table;
        for (int channel : {1, 2, 16}) {
            table[static_cast<std::size_t>(channel - 1)] =
                newChannelDefaults("446.00625", Language::English);
        }
        encodeChannels(image, table);
        image.set(map::kVoiceAnnunciation, 2);  // English
        const std::string path = dir.file("radio.dat");
        EXPECT_TRUE(saveDatFile(path, image));
        return path;
    }

    std::vector<std::string> files() const {
        std::vector<std::string> names;
        for (const auto& entry : fs::directory_iterator(dir.path())) {
            names.push_back(entry.path().filename().string());
        }
        std::sort(names.begin(), names.end());
        return names;
    }
};

// The text of each page.
std::vector<std::string> pdfPages(const std::string& pdf) {
    const auto result = runProgram({kPdfToText, "-enc", "UTF-8", pdf, "-"});
    EXPECT_EQ(result.exitCode, 0) << result.err;
    std::vector<std::string> pages;
    std::size_t start = 0;
    for (std::size_t end; (end = result.out.find('\f', start)) != std::string::npos;
         start = end + 1) {
        pages.push_back(result.out.substr(start, end - start));
    }
    return pages;
}

void expectAll(const std::string& page, const std::vector<std::string>& texts) {
    for (const std::string& text : texts) {
        EXPECT_NE(page.find(text), std::string::npos) << "missing \"" << text << "\" in\n" << page;
    }
}

// The text layer gives the characters printed: the Chinese face must not map ideographs to
// their look-alike Kangxi radicals (文 as U+2F42).
TEST(CliPrint, ReportTextCanBeSearchedInBothLanguages) {
    struct Case {
        std::string lang;
        std::vector<std::string> options, channels;
    };
    const Case cases[] = {
        {"en",
         {"Option", "Time Out Timer:", "60s", "Sequelch Level:", "Voice Annunciation:", "English",
          "Owner Line", "Page 1 of 2"},
         {"Channel 1:", "Channel 2:", "Channel 16:", "Receive Frequency:", "446.00625",
          "W/N:", "Page 2 of 2"}},
        {"zh",
         {"可选功能", "超时定时器预警:", "语音报号:", "英文", "提示音:", "所有者", "Page 1 of 2"},
         {"信道1:", "信道16:", "接收频率:", "发射频率:", "QT/DQT解码:", "信道锁定:"}},
    };
    PrintFolder folder;
    for (const Case& c : cases) {
        const std::string pdf = folder.dir.file("report.pdf");
        const auto result =
            runProgram({folder.cli, "print", folder.document(), "-o", pdf, "--lang", c.lang});
        ASSERT_EQ(result.exitCode, 0) << result.err;
        const auto pages = pdfPages(pdf);
        ASSERT_EQ(pages.size(), 2u);
        expectAll(pages[0], c.options);
        expectAll(pages[1], c.channels);
        EXPECT_EQ(pages[1].find("Channel 3:"), std::string::npos);
    }
    // Nothing but the document, the report and the program folder's own files is left.
    EXPECT_EQ(folder.files(), (std::vector<std::string>{"Program.ini", "radio.dat", "radioprog-cli",
                                                        "report.pdf"}));
}

TEST(CliPrint, FailuresAndUsageErrorsLeaveNoFileBehind) {
    PrintFolder folder;
    const std::string document = folder.document();
    const std::string pdf = folder.dir.file("report.pdf");
    test::writeBytes(pdf, {'o', 'l', 'd'});
    test::writeBytes(folder.dir.file("short.dat"), std::vector<unsigned char>(10, 0));
    fs::create_directory(folder.dir.file("taken.pdf"));
    const std::vector<std::pair<std::vector<std::string>, int>> cases = {
        {{"print", document, "-o", folder.dir.file("none/report.pdf")}, 1},
        {{"print", folder.dir.file("short.dat"), "-o", pdf}, 1},  // the old report stays
        {{"print", document, "-o", folder.dir.file("taken.pdf")}, 1},
        {{"print", document}, 2},
        {{"print", document, "-o", folder.dir.file("r.pdf"), "--lang", "fr"}, 2},
    };
    for (auto [arguments, exitCode] : cases) {
        arguments.insert(arguments.begin(), folder.cli);
        const auto result = runProgram(arguments);
        EXPECT_EQ(result.exitCode, exitCode) << arguments[2];
        EXPECT_FALSE(result.err.empty());
    }
    EXPECT_EQ(test::readBytes(pdf), (std::vector<unsigned char>{'o', 'l', 'd'}));
    EXPECT_EQ(folder.files(), (std::vector<std::string>{"Program.ini", "radio.dat", "radioprog-cli",
                                                        "report.pdf", "short.dat", "taken.pdf"}));
}

}  // namespace
}  // namespace radio
