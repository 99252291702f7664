#include <gtest/gtest.h>

#include <random>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "core/channels/ChannelClipboard.h"
#include "core/channels/ChannelCodec.h"
#include "core/channels/ChannelCsv.h"
#include "core/image/ImageMap.h"
#include "core/image/NewImage.h"
#include "core/util/CsvText.h"

namespace radio {
namespace {

using Fields = std::vector<std::string>;

constexpr BandLimits kBand{40000000, 48000000};  // 400-480 MHz
const std::string kHeader =
    "Channel,Rx Frequency,Tx Frequency,QT/DQT Dec,QT/DQT Enc,Scan Add,Busy Lock,W/N,Compand,"
    "Scrambler\r\n";
const std::string kOutside = " is outside the band 400.00000 - 480.00000 MHz";
const std::string kOutOfRange = "Out of range,please input again.";
const std::string kOffRaster = "Error data Value, please input according the step value(6.25K/5k).";

ChannelRow defaults(const std::string& rx, std::vector<std::pair<ChannelField, std::string>> set) {
    ChannelRow row = newChannelDefaults(rx, Language::English);
    for (auto& [field, value] : set) {
        row[fieldIndex(field)] = std::move(value);
    }
    return row;
}

// Channel 1 and 2 in use, the rest empty.
ChannelTable currentTable() {
    ChannelTable table;
    table[0] = defaults("401.00000", {});
    table[1] = defaults("402.00000", {{ChannelField::ScanAdd, "Yes"}});
    return table;
}

// Whatever a radio or another program stored: random bytes, with now and then an erased
// frequency, a CTCSS word off the list or a DCS word.
MemoryImage randomImage(unsigned seed) {
    std::mt19937 random(seed);
    MemoryImage image;
    for (std::size_t i = 0; i < MemoryImage::kSize; ++i) {
        image.set(i, static_cast<std::uint8_t>(random()));
    }
    for (int channel = 1; channel <= map::kChannelCount; ++channel) {
        const std::size_t base = map::channelOffset(channel);
        const std::uint8_t toneHighs[] = {0x03, 0x28, 0xA9, 0xFF, image[base + 9]};
        image.set(base + 9, toneHighs[random() % 5]);
        if (random() % 4 == 0) {
            image.set(base + 3 + 4 * (random() % 2), random() % 2 ? 0x00 : 0xFF);
        }
    }
    return image;
}

TEST(CsvText, ByteOrderMarkLineEndsQuotedAndEmptyFieldsReadAndWritten) {
    const auto parsed = parseCsv(
        "\xEF\xBB\xBF"
        "a,\"b,c\",\"say \"\"hi\"\"\"\r\n\r\n\"two\nlines\",\"\"\n,,\nlast");
    ASSERT_TRUE(parsed);
    const std::vector<CsvRecord>& records = parsed.value();
    ASSERT_EQ(records.size(), 4u);
    EXPECT_EQ(records[0].fields, (Fields{"a", "b,c", "say \"hi\""}));
    EXPECT_EQ(records[1].fields, (Fields{"two\nlines", ""}));
    EXPECT_EQ(records[1].line, 3);
    EXPECT_EQ(records[2].fields, (Fields{"", "", ""}));
    EXPECT_EQ(records[3].line, 6);

    const auto oldMac = parseCsv("a\rb,c\r");  // a carriage return alone ends a line too
    ASSERT_TRUE(oldMac);
    ASSERT_EQ(oldMac.value().size(), 2u);
    EXPECT_EQ(oldMac.value()[1].fields, (Fields{"b", "c"}));
    EXPECT_EQ(oldMac.value()[1].line, 2);

    const auto unclosed = parseCsv("a\nb,\"open\nstill open\n");
    ASSERT_FALSE(unclosed);
    EXPECT_EQ(unclosed.error().line, 2);  // where the quote opens
    // Written with quotes only where needed.
    EXPECT_EQ(csvLine({"plain", "with,comma", "quote\"d", ""}),
              "plain,\"with,comma\",\"quote\"\"d\",\r\n");
    const Fields fields = {"x,y", "\"", "a\r\nb", " s "};
    EXPECT_EQ(parseCsv(csvLine(fields)).value().at(0).fields, fields);
}

TEST(ChannelCsv, AnyImageExportedAndImportedIntoItselfKeepsEveryByte) {
    for (unsigned seed = 1; seed <= 40; ++seed) {
        const MemoryImage image = randomImage(seed);
        const std::string csv = exportChannelsCsv(image);
        for (const ImportMode mode : {ImportMode::Replace, ImportMode::Merge}) {
            const auto imported = importChannelsCsv(csv, image, kBand, mode);
            ASSERT_TRUE(imported) << "seed " << seed << "\n" << describeProblems(imported.error());
            for (std::size_t i = 0; i < MemoryImage::kSize; ++i) {
                ASSERT_EQ(imported.value()[i], image[i]) << "seed " << seed << " byte " << i;
            }
        }
    }
}

TEST(ChannelCsv, FieldsLeftAsTheyWereKeepTheirBytesWhileChangedOnesAreChecked) {
    MemoryImage image = newDocumentImage();
    encodeChannel(image, 1, newChannelDefaults("500.00100", Language::English));
    const std::size_t base = map::channelOffset(1);
    image.set(base + 8, 0x70);  // 88.0 Hz, not on the list
    image.set(base + 9, 0x03);
    image.set(base + 14, static_cast<std::uint8_t>((image[base + 14] & 0xF0) | 0x0C));
    std::string line = "1";
    for (const ChannelField field : kChannelListFields) {
        line.append(",").append(
            field == ChannelField::BusyLock
                ? std::string("Carrier")
                : decodeChannel(image, 1, Language::English)[fieldIndex(field)]);
    }
    ASSERT_NE(line.find(",88.0,"), std::string::npos) << line;
    const auto changed =
        importChannelsCsv(kHeader + line + "\r\n", image, kBand, ImportMode::Merge);
    ASSERT_TRUE(changed) << describeProblems(changed.error());
    EXPECT_EQ(decodeChannel(changed.value(), 1, Language::English)[6], "Carrier");
    for (const std::size_t offset : {0, 1, 2, 3, 8, 9}) {
        EXPECT_EQ(changed.value()[base + offset], image[base + offset]) << offset;
    }
    EXPECT_EQ(changed.value()[base + 14] & 0x0F, 0x0C);  // scrambler 12 as it was

    const auto typed =
        importChannelsCsv(kHeader + "1,500.00000,,88.0,,,,,,\r\n", image, kBand, ImportMode::Merge);
    ASSERT_FALSE(typed);
    EXPECT_EQ(typed.error(), (CsvProblems{{2, 2, "\"500.00000\"" + kOutside}}));
}

TEST(ChannelCsv, AcceptedTextsComeAsTheGridShowsThemInItsLanguage) {
    const auto english =
        importChannelsCsv(kHeader + " 3 , 446 ,446.006251,d023n,254.1,yes,qt/dqt,NARROW,off,8\n",
                          ChannelTable{}, kBand, ImportMode::Replace, Language::English);
    ASSERT_TRUE(english) << describeProblems(english.error());
    EXPECT_EQ(english.value()[2], (ChannelRow{"446.00000", "446.00625", "D023N", "254.1", "High",
                                              "Yes", "QT/DQT", "Narrow", "Off", "8"}));
}

TEST(ChannelCsv, ChannelsTheFileDoesNotListAreKeptByMergeAndEmptiedByReplace) {
    MemoryImage base = newDocumentImage();
    encodeChannel(base, 1, newChannelDefaults("401.00000", Language::English));
    base.set(map::channelOffset(1) + 13, 0x3F);  // high power and bits no field owns
    base.set(map::channelOffset(1) + 15, 0x5A);
    base.set(map::kScanAddHigh, 0xA5);
    const std::string csv = kHeader + "8,450.00000,,,,Yes,,,,\r\n";
    const auto merged = importChannelsCsv(csv, base, kBand, ImportMode::Merge);
    ASSERT_TRUE(merged) << describeProblems(merged.error());
    MemoryImage expected = base;
    encodeChannel(expected, 8, newChannelDefaults("450.00000", Language::English));
    expected.setBits(map::kScanAddLow, 0x80, 0x80);
    EXPECT_TRUE(merged.value() == expected);

    const auto replaced = importChannelsCsv(csv, base, kBand, ImportMode::Replace);
    ASSERT_TRUE(replaced);
    EXPECT_EQ(decodeChannels(replaced.value(), Language::English)[0], ChannelRow{});
    EXPECT_EQ(replaced.value()[map::kScanAddHigh], 0x00);
}

// A spreadsheet's columns in any order, any subset and either language: each layout imports as
// the exported layout holding the same values does, or is refused with every problem it has.
TEST(ChannelCsv, ColumnsAreFoundByTheirHeaderNamesAndEveryBadFieldIsNamed) {
    const std::string known =
        "; the columns are Channel, Rx Frequency, Tx Frequency, QT/DQT Dec, QT/DQT Enc, "
        "Scan Add, Busy Lock, W/N, Compand, Scrambler";
    struct Case {
        std::string csv;
        ImportMode mode;
        std::string sameAs;  // lines after the exported header; unused when problems are given
        CsvProblems problems;
    };
    // clang-format off
    const Case cases[] = {
        {"W/N,Rx Frequency,Channel\r\nNarrow,403,3\r\n", ImportMode::Replace, "3,403,,,,,,Narrow,,\r\n", {}},
        {"Channel,QT/DQT Dec\r\n1,67.0\r\n", ImportMode::Merge, "1,401.00000,,67.0,,Yes,,Narrow,,\r\n", {}},
        {"channel,RX FREQUENCY\n2,\n", ImportMode::Merge, "2,,,,,,,,,\r\n", {}},
        {"\xEF\xBB\xBF信道;接收频率;宽/窄;扫描添加\r\n1;405;窄;\r\n", ImportMode::Replace, "1,405,,,,,,Narrow,,\r\n", {}},
        {"CH;\"Tx Frequency\";Rx Frequency\r\n4;\"402,5\";402.5\r\n", ImportMode::Replace, "4,402.5,402.5,,,,,,,\r\n", {}},
        // As spreadsheets save: decimal commas, tones without ".0", unused rows, tabs.
        {";;\r\nChannel;Rx Frequency;QT/DQT Dec;QT/DQT Enc\r\n;;;\r\n3;446,00625;67,0;100\r\n ; ;\r\n", ImportMode::Replace, "3,446.00625,,67.0,100.0,,,,,\r\n", {}},
        {"\nChannel\tRx Frequency\tQT/DQT Dec\n\n2\t401,5\t203,5\n", ImportMode::Merge, "2,401.5,402.00000,203.5,,,,,,\r\n", {}},
        {"Channel;Rx Frequency;QT/DQT Dec;Busy Lock\r\n3;446,0.5;68;\r\n", ImportMode::Replace, "", {{2, 2, "\"446,0.5\" is not a frequency"}, {2, 3, "\"68\" is not a QT/DQT Dec setting"}}},
        {"Channel,QT/DQT Dec\r\n1,67.0\r\n", ImportMode::Replace, "", {{2, 0, "a channel with settings needs a receive frequency"}}},
        {"Channel,Rx Freq,Scan\r\n", ImportMode::Replace, "", {{1, 2, "\"Rx Freq\" is not a column" + known}, {1, 3, "\"Scan\" is not a column" + known}}},
        {"Channel,W/N, w/n \r\n", ImportMode::Merge, "", {{1, 3, "\"w/n\" is a column already"}}},
        {"Rx Frequency;W/N\r\n401;Wide\r\n", ImportMode::Merge, "", {{1, 0, "the header needs a Channel column"}}},
        {"Channel,Rx Frequency\r\n1\r\n", ImportMode::Merge, "", {{2, 0, "has 1 field instead of 2"}}},
        {kHeader + "1,401.00000\r\n", ImportMode::Replace, "", {{2, 0, "has 2 fields instead of 10"}}},
        {kHeader + "1,1e300,,,,,,,,\r\n", ImportMode::Replace, "", {{2, 2, "\"1e300\"" + kOutside}}},
        {kHeader + "1,--446,,,,,,,,\r\n", ImportMode::Replace, "", {{2, 2, "\"--446\" is not a frequency"}}},
        {kHeader + "1,401.00000,446.0062,,,,,,,\r\n", ImportMode::Replace, "", {{2, 3, "\"446.0062\" is on neither the 5 kHz nor the 6.25 kHz raster"}}},
        {kHeader + "1,,,67.0,,,,,,\r\n", ImportMode::Replace, "", {{2, 2, "a channel with settings needs a receive frequency"}}},
        {kHeader + "1,401.00000,,68.1,,,,,,\r\n", ImportMode::Replace, "", {{2, 4, "\"68.1\" is not a QT/DQT Dec setting"}}},
        {kHeader + "1,401.00000,,,,,On,,,\r\n", ImportMode::Replace, "", {{2, 7, "\"On\" is not a Busy Lock setting"}}},
        {kHeader + "1,390,,,,,,,,\n1,401,,,,,,,,\n17,401,500,,,Maybe,,,,\n", ImportMode::Replace, "",
         {{2, 2, "\"390\"" + kOutside}, {3, 1, "channel 1 is listed twice"}, {4, 1, "\"17\" is not a channel number from 1 to 16"},
          {4, 3, "\"500\"" + kOutside}, {4, 6, "\"Maybe\" is not a Scan Add setting"}}},
        // The quoted line break makes record 2 two lines long; "4,03" is 4.03 MHz.
        {"\xEF\xBB\xBF" + kHeader + "\"1\",\"401.00000\",,\"67.0\",,,,,,\r\n2,\"402.5\r\n\",,,,,,,,\r\n3,\"4,03\",,,,,,,,\n", ImportMode::Replace, "", {{5, 2, "\"4,03\"" + kOutside}}},
        // Bytes that are not text are named as such, and the lines after them still checked.
        {kHeader + "1,40" + '\0' + "1,,,,,,,,\n2,390,,,,,,,,\n", ImportMode::Replace, "", {{2, 0, "holds a NUL byte; a channel list is plain text"}, {3, 2, "\"390\"" + kOutside}}},
        {kHeader + "1,401\xEF\xBF\xBD,,,,,,,,\n", ImportMode::Replace, "", {{2, 0, "holds bytes that are neither UTF-8 nor GBK text"}}},
    };
    // clang-format on
    const auto base =
        importChannelsCsv(kHeader + "1,401.00000,,,,Yes,,Narrow,,\r\n2,402.00000,,,,,,,,\r\n",
                          newDocumentImage(), kBand, ImportMode::Replace);
    ASSERT_TRUE(base);
    for (const Case& c : cases) {
        const auto imported = importChannelsCsv(c.csv, base.value(), kBand, c.mode);
        if (!c.problems.empty()) {
            ASSERT_FALSE(imported) << c.csv;
            EXPECT_EQ(imported.error(), c.problems) << describeProblems(imported.error());
            continue;
        }
        ASSERT_TRUE(imported) << c.csv << describeProblems(imported.error());
        const auto expected = importChannelsCsv(kHeader + c.sameAs, base.value(), kBand, c.mode);
        ASSERT_TRUE(expected) << c.sameAs;
        EXPECT_TRUE(imported.value() == expected.value()) << c.csv;
    }
    EXPECT_EQ(describeProblems({{2, 2, "\"390\"" + kOutside}, {7, 0, "whole line"}}),
              "line 2, column 2: \"390\"" + kOutside + "\nline 7: whole line\n");
    // A list of problems is read, not scrolled: the first ones, then how many more.
    const CsvProblems many(25, CsvProblem{3, 0, "bad", "坏"});
    EXPECT_EQ(describeProblems(many, Language::English, 2),
              "line 3: bad\nline 3: bad\n... and 23 more\n");
    EXPECT_EQ(describeProblems(many, Language::Chinese, 1), "第 3 行：坏\n……另有 24 处\n");
}

// Copied cells paste back as they were; each case pastes text at a cell of currentTable(): the
// rows it changes, or every problem.
TEST(ChannelClipboard, CopiedCellsPasteBackAndPastedOnesGoInAsTypingThemDoes) {
    ChannelTable table = currentTable();
    table[15] = defaults("446.00625", {{ChannelField::DecodeTone, "D754I"},
                                       {ChannelField::BusyLock, "Carrier"},
                                       {ChannelField::WideNarrow, "Narrow"},
                                       {ChannelField::Scrambler, "8"}});
    EXPECT_EQ(channelCellsText(table, 1, 2, 1, 3),
              "401.00000\tNone\tNone\r\n402.00000\tNone\tNone\r\n");
    const auto back = pasteChannelText(channelCellsText(table, 1, 16, 0, 8), ChannelTable{}, 1, 0,
                                       kBand, Language::English);
    ASSERT_TRUE(back) << describePasteProblems(back.error(), Language::English);
    EXPECT_EQ(back.value(), table);
    EXPECT_THROW(channelCellsText(table, 3, 2, 0, 8), std::out_of_range);
    EXPECT_THROW(pasteChannelText("", table, 1, 9, kBand, Language::English), std::out_of_range);
    using F = ChannelField;
    // clang-format off
    const std::tuple<std::string, int, std::size_t, std::vector<std::pair<int, ChannelRow>>, CsvProblems> cases[] = {
        // Rx makes a new channel, an empty Tx follows it, then the line's tones and list texts.
        {"446,0125\t\t67\td023n\tyes\r\n", 3, 0, {{3, defaults("446.01250", {{F::DecodeTone, "67.0"}, {F::EncodeTone, "D023N"}, {F::ScanAdd, "Yes"}})}}, {}},
        {"载波\twide\n", 1, 5, {{1, defaults("401.00000", {{F::BusyLock, "Carrier"}})}}, {}},
        {"Carrier\n", 4, 5, {}, {}},  // a list field of an empty row stays empty
        {"3\tbeyond the grid\n", 1, 8, {{1, defaults("401.00000", {{F::Scrambler, "3"}})}}, {}},
        // An empty line is an empty receive cell, which clears its row.
        {"403\n\n410.5\n", 1, 0, {{1, defaults("403.00000", {{F::TxFrequency, "401.00000"}})}, {2, ChannelRow{}}, {3, defaults("410.50000", {})}}, {}},
        {"CH\tRx Frequency\tQT/DQT Dec\r\n5\t446,5\t100\r\n", 9, 3, {{5, defaults("446.50000", {{F::DecodeTone, "100.0"}})}}, {}},
        {"480.5\t\tMaybe\n446.003\t446.0125\n999\n", 15, 0, {}, {{15, 1, kOutOfRange}, {15, 3, "\"Maybe\" is not one of the column's choices"}, {16, 1, kOffRaster}}},
        {"401\t490\n", 1, 0, {}, {{1, 2, kOutOfRange}}},
        {"Rx Frequency\tChannel\n480.5\t7\n401\t17\n", 1, 0, {}, {{7, 1, "\"480.5\" is outside the band 400.00000 - 480.00000 MHz"}, {0, 0, "\"17\" is not a channel number from 1 to 16"}}},
    };
    // clang-format on
    for (const auto& [text, channel, column, changed, problems] : cases) {
        const auto pasted =
            pasteChannelText(text, currentTable(), channel, column, kBand, Language::English);
        if (!problems.empty()) {
            ASSERT_FALSE(pasted) << text;
            EXPECT_EQ(pasted.error(), problems)
                << describePasteProblems(pasted.error(), Language::English);
            continue;
        }
        ASSERT_TRUE(pasted) << text << describePasteProblems(pasted.error(), Language::English);
        ChannelTable expected = currentTable();
        for (const auto& [row, values] : changed) {
            expected[static_cast<std::size_t>(row - 1)] = values;
        }
        EXPECT_EQ(pasted.value(), expected) << text;
    }
    // Problems name the channel and the column in the language.
    const CsvProblems problems = {{3, 1, kOutOfRange, "超出范围，请重新输入。"},
                                  {4, 0, "whole channel"},
                                  {0, 0, "no channel"}};
    EXPECT_EQ(
        describePasteProblems(problems, Language::English),
        "Channel 3, Rx Frequency: " + kOutOfRange + "\nChannel 4: whole channel\nno channel\n");
    EXPECT_EQ(describePasteProblems({problems[0]}, Language::Chinese),
              "信道 3，接收频率：超出范围，请重新输入。\n");
}

}  // namespace
}  // namespace radio
