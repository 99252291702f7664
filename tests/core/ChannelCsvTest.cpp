#include <gtest/gtest.h>

#include <string>

#include "core/channels/ChannelCodec.h"
#include "core/channels/ChannelCsv.h"
#include "core/image/ImageMap.h"
#include "core/image/NewImage.h"

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

    const auto imported = importChannelsCsv(csv, newDocumentImage(), kBand, ImportMode::Replace);
    ASSERT_TRUE(imported) << describeProblems(imported.error());
    const MemoryImage& target = imported.value();
    for (std::size_t i = map::kChannelArea; i < map::kChannelAreaEnd; ++i) {
        ASSERT_EQ(target[i], source[i]) << "byte " << i;
    }
    EXPECT_EQ(target[map::kScanAddLow], source[map::kScanAddLow]);
    EXPECT_EQ(target[map::kScanAddHigh], source[map::kScanAddHigh]);
    EXPECT_EQ(exportChannelsCsv(target), csv);
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
        std::string reason;
    };
    const std::string band = " is outside the band 400.00000 - 480.00000 MHz";
    const std::string raster = " is on neither the 5 kHz nor the 6.25 kHz raster";
    const Case cases[] = {
        {"1,390.00000,,,,,,,,", 2, "\"390.00000\"" + band},
        {"1,480.00625,,,,,,,,", 2, "\"480.00625\"" + band},
        {"1,1e300,,,,,,,,", 2, "\"1e300\"" + band},
        {"1,-446,,,,,,,,", 2, "\"-446\"" + band},
        {"1,401.001,,,,,,,,", 2, "\"401.001\"" + raster},
        {"1,401.00000,446.0062,,,,,,,", 3, "\"446.0062\"" + raster},
        {"1,401.00000,abc,,,,,,,", 3, "\"abc\" is not a frequency"},
        {"1,nan,,,,,,,,", 2, "\"nan\" is not a frequency"},
        {"1,,401.00000,,,,,,,", 2, "a channel with settings needs a receive frequency"},
        {"1,,,67.0,,,,,,", 2, "a channel with settings needs a receive frequency"},
        {"1,401.00000,,68.1,,,,,,", 4, "\"68.1\" is not a QT/DQT Dec setting"},
        {"1,401.00000,,,D999N,,,,,", 5, "\"D999N\" is not a QT/DQT Enc setting"},
        {"1,401.00000,,,,Maybe,,,,", 6, "\"Maybe\" is not a Scan Add setting"},
        {"1,401.00000,,,,,On,,,", 7, "\"On\" is not a Busy Lock setting"},
        {"1,401.00000,,,,,,Medium,,", 8, "\"Medium\" is not a W/N setting"},
        {"1,401.00000,,,,,,,Yes,", 9, "\"Yes\" is not a Compand setting"},
        {"1,401.00000,,,,,,,,9", 10, "\"9\" is not a Scrambler setting"},
        {"17,401.00000,,,,,,,,", 1, "\"17\" is not a channel number from 1 to 16"},
        {"0,401.00000,,,,,,,,", 1, "\"0\" is not a channel number from 1 to 16"},
        {"x,401.00000,,,,,,,,", 1, "\"x\" is not a channel number from 1 to 16"},
        {"2,401.00000,,,,,,,,", 1, "channel 2 is listed twice"},
        {"1,401.00000", 0, "has 2 fields instead of 10"},
        {"1,401.00000,,,,,,,,,", 0, "has 11 fields instead of 10"},
        {"\"1,401", 0, "a quoted field is not closed"},
    };
    for (const Case& c : cases) {
        const std::string csv = kHeader + "2,402.00000,,,,,,,,\r\n" + c.line + "\r\n";
        const auto imported =
            importChannelsCsv(csv, emptyTable(), kBand, ImportMode::Replace, Language::English);
        ASSERT_FALSE(imported) << c.line;
        EXPECT_EQ(imported.error(), (CsvProblems{{3, c.column, c.reason}}))
            << c.line << "\n"
            << describeProblems(imported.error());
    }
}

TEST(ChannelCsv, AcceptedTextsAreStoredAsTheGridShowsThem) {
    const std::string csv = kHeader + " 3 , 446 ,446.006251,d023n,254.1,yes,qt/dqt,NARROW,off,8\n";
    const auto imported =
        importChannelsCsv(csv, emptyTable(), kBand, ImportMode::Replace, Language::English);
    ASSERT_TRUE(imported) << describeProblems(imported.error());
    const ChannelRow expected = {"446.00000", "446.00625", "D023N",  "254.1", "High",
                                 "Yes",       "QT/DQT",    "Narrow", "Off",   "8"};
    EXPECT_EQ(imported.value()[2], expected);
}

TEST(ChannelCsv, AFileWithByteOrderMarkCrLfAndQuotedFieldsImports) {
    const std::string csv = "\xEF\xBB\xBF" + kHeader +
                            "\"1\",\"401.00000\",\"\",\"67.0\",None,\"Yes\",Off,Wide,On,\"Off\"\r\n"
                            "2,\"402.5\r\n\",402.50000,,,,\"Carrier\",,,\r\n";
    const auto taken =
        importChannelsCsv(csv, emptyTable(), kBand, ImportMode::Replace, Language::English);
    ASSERT_TRUE(taken) << describeProblems(taken.error());
    EXPECT_EQ(taken.value()[0][0], "401.00000");
    EXPECT_EQ(taken.value()[0][1], "401.00000");
    EXPECT_EQ(taken.value()[0][2], "67.0");
    EXPECT_EQ(taken.value()[0][5], "Yes");
    EXPECT_EQ(taken.value()[1][0], "402.50000");
    EXPECT_EQ(taken.value()[1][6], "Carrier");

    // The quoted line break makes the second record two lines long: the next one is line 5.
    const auto refused = importChannelsCsv(csv + "3,\"4,03\",,,,,,,,\n", emptyTable(), kBand,
                                           ImportMode::Replace, Language::English);
    ASSERT_FALSE(refused);
    EXPECT_EQ(refused.error(), (CsvProblems{{5, 2, "\"4,03\" is not a frequency"}}));
}

TEST(ChannelCsv, AllProblemsOfAFileAreListedTogether) {
    const std::string csv = kHeader +
                            "1,390,,,,,,,,\n1,401,,,,,,,,\n3,401,,Nope,,Maybe,,,,\n"
                            "99,401,500,,,,,,,\n";
    const auto imported =
        importChannelsCsv(csv, emptyTable(), kBand, ImportMode::Replace, Language::English);
    ASSERT_FALSE(imported);
    const CsvProblems expected = {
        {2, 2, "\"390\" is outside the band 400.00000 - 480.00000 MHz"},
        {3, 1, "channel 1 is listed twice"},
        {4, 4, "\"Nope\" is not a QT/DQT Dec setting"},
        {4, 6, "\"Maybe\" is not a Scan Add setting"},
        {5, 1, "\"99\" is not a channel number from 1 to 16"},
        {5, 3, "\"500\" is outside the band 400.00000 - 480.00000 MHz"},
    };
    EXPECT_EQ(imported.error(), expected);
    EXPECT_EQ(describeProblems(CsvProblems{expected[0], {7, 0, "whole line"}}),
              "line 2, column 2: \"390\" is outside the band 400.00000 - 480.00000 MHz\n"
              "line 7: whole line\n");
}

TEST(ChannelCsv, AWrongHeaderIsRefused) {
    const std::string rows = "1,401,,,,,,,,\r\n";
    const std::string headers[] = {
        "", "Channel,Rx\r\n", "channel" + kHeader.substr(7),
        "CH,Rx Frequency,Tx Frequency,QT/DQT Dec,QT/DQT Enc,Scan Add,Busy Lock,W/N,Compand,"
        "Scrambler\r\n"};
    for (const std::string& header : headers) {
        const auto imported = importChannelsCsv(header + rows, emptyTable(), kBand,
                                                ImportMode::Replace, Language::English);
        ASSERT_FALSE(imported) << header;
        ASSERT_EQ(imported.error().size(), 1u);
        EXPECT_EQ(imported.error()[0].line, 1);
        EXPECT_EQ(imported.error()[0].column, 0);
    }
}

TEST(ChannelCsv, EmptyChannelsAreExportedEmptyWhateverTheirRecordsHoldAndImportBack) {
    MemoryImage image = newDocumentImage();
    image.set(map::kScanAddLow, 0xFF);           // scan bits of empty channels 1-8: shown blank
    image.set(map::kScanAddHigh, 0xFF);          // of empty channels 9-16: shown "Yes" in the grid
    image.set(map::channelOffset(3) + 8, 0x9E);  // a CTCSS decode tone on an empty channel
    image.set(map::channelOffset(3) + 9, 0x02);
    image.set(map::channelOffset(4) + 7, 0x44);  // a transmit frequency without receive one
    const std::string csv = exportChannelsCsv(image);
    EXPECT_EQ(csv, exportChannelsCsv(newDocumentImage()));
    EXPECT_NE(csv.find("\r\n12,,,,,,,,,\r\n"), std::string::npos) << csv;
    const auto imported = importChannelsCsv(csv, image, kBand, ImportMode::Replace);
    ASSERT_TRUE(imported) << describeProblems(imported.error());
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

TEST(ChannelCsv, MergingAnImageLeavesUnlistedChannelsByteForByte) {
    MemoryImage base = fullImage();
    const std::size_t first = map::channelOffset(1);
    base.set(first + 13, static_cast<std::uint8_t>(base[first + 13] | 0x20));  // high power
    base.set(first + 15, 0x5A);
    base.set(map::kScanAddHigh, 0xA5);
    const std::string csv = kHeader + "2,450.00000,,,,Yes,,,,\r\n";

    const auto merged = importChannelsCsv(csv, base, kBand, ImportMode::Merge);
    ASSERT_TRUE(merged) << describeProblems(merged.error());
    MemoryImage expected = base;
    ChannelTable table = decodeChannels(base, Language::English);
    table[1] = newChannelDefaults("450.00000", Language::English);
    table[1][fieldIndex(ChannelField::ScanAdd)] = "Yes";
    encodeChannel(expected, 2, table[1]);
    expected.set(map::kScanAddLow, static_cast<std::uint8_t>(base[map::kScanAddLow] | 0x02));
    EXPECT_TRUE(merged.value() == expected);

    const auto replaced = importChannelsCsv(csv, base, kBand, ImportMode::Replace);
    ASSERT_TRUE(replaced);
    const ChannelTable after = decodeChannels(replaced.value(), Language::English);
    EXPECT_EQ(after[0], ChannelRow{});
    EXPECT_EQ(after[1][0], "450.00000");
    EXPECT_EQ(replaced.value()[map::kScanAddLow], 0x02);
    EXPECT_EQ(replaced.value()[map::kScanAddHigh], 0x00);
    EXPECT_EQ(replaced.value()[first + 15], 0x5A);  // no field owns byte 15
}

TEST(ChannelCsv, AFailedImageImportNamesTheProblems) {
    const auto imported =
        importChannelsCsv(kHeader + "1,500,,,,,,,,\n", fullImage(), kBand, ImportMode::Merge);
    ASSERT_FALSE(imported);
    EXPECT_EQ(imported.error(),
              (CsvProblems{{2, 2, "\"500\" is outside the band 400.00000 - 480.00000 MHz"}}));
}

}  // namespace
}  // namespace radio
