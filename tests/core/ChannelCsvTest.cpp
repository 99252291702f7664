#include <gtest/gtest.h>

#include <string>

#include "core/channels/ChannelCodec.h"
#include "core/channels/ChannelCsv.h"
#include "core/image/ImageMap.h"
#include "core/image/NewImage.h"
#include "core/util/CsvText.h"

namespace radio {
namespace {

constexpr BandLimits kBand{40000000, 48000000};  // 400-480 MHz
const std::string kHeader =
    "Channel,Rx Frequency,Tx Frequency,QT/DQT Dec,QT/DQT Enc,Scan Add,Busy Lock,W/N,Compand,"
    "Scrambler\r\n";

// Every channel in use, with fields that differ from channel to channel.
MemoryImage fullImage() {
    MemoryImage image = newDocumentImage();
    const char* tones[] = {"None", "67.0", "D023N", "D754I", "131.8"};
    const char* locks[] = {"Off", "Carrier", "QT/DQT"};
    ChannelTable table;
    for (int n = 0; n < 16; ++n) {
        const std::string rx = "4" + std::to_string(10 + n) + ".12500";
        table[n] = {rx,
                    "4" + std::to_string(20 + n) + ".00625",
                    tones[n % 5],
                    tones[(n + 2) % 5],
                    "Low",
                    n % 2 ? "Yes" : "No",
                    locks[n % 3],
                    n % 4 ? "Wide" : "Narrow",
                    n % 3 ? "On" : "Off",
                    n % 9 ? std::to_string(n % 9) : "Off"};
    }
    encodeChannels(image, table);
    return image;
}

ChannelTable emptyTable() {
    return decodeChannels(newDocumentImage(), Language::English);
}

TEST(ChannelCsv, AFullImageRoundTripsThroughAFile) {
    const MemoryImage source = fullImage();
    const std::string csv = exportChannelsCsv(source);
    EXPECT_EQ(csv.substr(0, kHeader.size()), kHeader);

    MemoryImage target = newDocumentImage();
    const auto imported =
        importChannelsCsv(csv, emptyTable(), kBand, ImportMode::Replace, Language::English);
    ASSERT_TRUE(imported) << describeProblems(imported.error());
    encodeChannels(target, imported.value());
    for (std::size_t i = map::kChannelArea; i < map::kChannelAreaEnd; ++i) {
        ASSERT_EQ(target[i], source[i]) << "byte " << i;
    }
    EXPECT_EQ(target[map::kScanAddLow], source[map::kScanAddLow]);
    EXPECT_EQ(target[map::kScanAddHigh], source[map::kScanAddHigh]);
}

TEST(ChannelCsv, ChineseTextsAreAcceptedAndTheTableComesInTheGridLanguage) {
    const std::string csv = kHeader + "1,401.00000,,67.0,无,有,载波,窄,开,关\r\n";
    const auto imported =
        importChannelsCsv(csv, emptyTable(), kBand, ImportMode::Replace, Language::Chinese);
    ASSERT_TRUE(imported) << describeProblems(imported.error());
    const ChannelRow& row = imported.value()[0];
    EXPECT_EQ(row[1], "401.00000");  // an empty transmit frequency is the receive frequency
    EXPECT_EQ(row[3], "无");
    EXPECT_EQ(row[7], "窄");
    const auto english =
        importChannelsCsv(csv, emptyTable(), kBand, ImportMode::Replace, Language::English);
    ASSERT_TRUE(english);
    EXPECT_EQ(english.value()[0][5], "Yes");
    EXPECT_EQ(english.value()[0][6], "Carrier");
}

TEST(ChannelCsv, EveryBadFieldIsReportedWithItsLineAndColumnAndNothingIsTaken) {
    struct Case {
        std::string line;
        int column;
        std::string reasonPart;
    };
    const Case cases[] = {
        {"1,390.00000,,,,,,,,", 2, "outside the band"},
        {"1,401.00100,,,,,,,,", 2, "raster"},
        {"1,401.00000,abc,,,,,,,", 3, "not a frequency"},
        {"1,,401.00000,,,,,,,", 2, "needs a receive frequency"},
        {"1,401.00000,,68.1,,,,,,", 4, "QT/DQT Dec"},
        {"1,401.00000,,,D999N,,,,,", 5, "QT/DQT Enc"},
        {"1,401.00000,,,,Maybe,,,,", 6, "Scan Add"},
        {"1,401.00000,,,,,,,,9", 10, "Scrambler"},
        {"17,401.00000,,,,,,,,", 1, "1 to 16"},
        {"x,401.00000,,,,,,,,", 1, "1 to 16"},
        {"1,401.00000", 0, "fields"},
    };
    for (const Case& c : cases) {
        const std::string csv = kHeader + "2,402.00000,,,,,,,,\r\n" + c.line + "\r\n";
        const auto imported =
            importChannelsCsv(csv, emptyTable(), kBand, ImportMode::Replace, Language::English);
        ASSERT_FALSE(imported) << c.line;
        ASSERT_EQ(imported.error().size(), 1u) << describeProblems(imported.error());
        const CsvProblem& problem = imported.error()[0];
        EXPECT_EQ(problem.line, 3) << c.line;
        EXPECT_EQ(problem.column, c.column) << c.line;
        EXPECT_NE(problem.reason.find(c.reasonPart), std::string::npos) << problem.reason;
    }
}

TEST(ChannelCsv, AllProblemsOfAFileAreListedTogether) {
    const std::string csv = kHeader + "1,390,,,,,,,,\n1,401,,,,,,,,\n3,401,,Nope,,Maybe,,,,\n";
    const auto imported =
        importChannelsCsv(csv, emptyTable(), kBand, ImportMode::Replace, Language::English);
    ASSERT_FALSE(imported);
    const CsvProblems expected = {
        {2, 2, "390.00000 MHz is outside the band 400.00000 - 480.00000 MHz"},
        {3, 1, "channel 1 is listed twice"},
        {4, 4, "\"Nope\" is not a QT/DQT Dec setting"},
        {4, 6, "\"Maybe\" is not a Scan Add setting"},
    };
    EXPECT_EQ(imported.error(), expected);
    EXPECT_EQ(describeProblems(imported.error()).substr(0, 28), "line 2, column 2: 390.00000 ");
}

TEST(ChannelCsv, AWrongHeaderIsRefused) {
    const auto imported = importChannelsCsv("Channel,Rx\r\n1,401\r\n", emptyTable(), kBand,
                                            ImportMode::Replace, Language::English);
    ASSERT_FALSE(imported);
    EXPECT_EQ(imported.error()[0].line, 1);
}

TEST(ChannelCsv, MergeKeepsChannelsTheFileDoesNotList) {
    const ChannelTable current = decodeChannels(fullImage(), Language::English);
    const std::string csv = kHeader + "2,450.00000,,,,,,,,\r\n5,,,,,,,,,\r\n";
    const auto merged =
        importChannelsCsv(csv, current, kBand, ImportMode::Merge, Language::English);
    ASSERT_TRUE(merged);
    EXPECT_EQ(merged.value()[0], current[0]);
    EXPECT_EQ(merged.value()[1][0], "450.00000");
    EXPECT_EQ(merged.value()[1][2], "None");     // an empty field takes the new-channel value
    EXPECT_EQ(merged.value()[4], ChannelRow{});  // an empty line empties its channel
    const auto replaced =
        importChannelsCsv(csv, current, kBand, ImportMode::Replace, Language::English);
    ASSERT_TRUE(replaced);
    EXPECT_EQ(replaced.value()[0], ChannelRow{});
    EXPECT_EQ(replaced.value()[1][0], "450.00000");
}

TEST(CsvText, ByteOrderMarkLineEndsAndQuotedFields) {
    const std::string text =
        "\xEF\xBB\xBF"
        "a,\"b,c\",\"say \"\"hi\"\"\"\r\n"
        "\r\n"
        "\"two\nlines\",x\n"
        "last";
    const auto parsed = parseCsv(text);
    ASSERT_TRUE(parsed);
    const std::vector<CsvRecord>& records = parsed.value();
    ASSERT_EQ(records.size(), 3u);
    EXPECT_EQ(records[0].fields, (std::vector<std::string>{"a", "b,c", "say \"hi\""}));
    EXPECT_EQ(records[1].fields, (std::vector<std::string>{"two\nlines", "x"}));
    EXPECT_EQ(records[1].line, 3);
    EXPECT_EQ(records[2].line, 5);
    EXPECT_EQ(records[2].fields, std::vector<std::string>{"last"});

    EXPECT_EQ(csvLine({"plain", "with,comma", "quote\"d", ""}),
              "plain,\"with,comma\",\"quote\"\"d\",\r\n");
    const auto unclosed = parseCsv("a\n\"open,b\n");
    ASSERT_FALSE(unclosed);
    EXPECT_EQ(unclosed.error(), "line 2: a quoted field is not closed");
}

}  // namespace
}  // namespace radio
