#include <gtest/gtest.h>

#include <tuple>
#include <utility>
#include <vector>

#include "core/channels/ChannelClipboard.h"
#include "core/channels/ChannelCsv.h"

namespace radio {
namespace {

constexpr BandLimits kBand{40000000, 48000000};  // 400-480 MHz
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
