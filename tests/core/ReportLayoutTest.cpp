#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <tuple>
#include <vector>

#include "core/channels/ChannelCodec.h"
#include "core/image/ImageMap.h"
#include "core/image/NewImage.h"
#include "core/print/ReportLayout.h"
#include "core/print/ReportOptions.h"

namespace radio {
namespace {

// Letter paper less the usual printer margins: W = 174, H = 336.
constexpr ReportGeometry kGeometry{11520, 15120, 386, 309};
constexpr int W = 174;
constexpr int L0 = 386;
constexpr int L = 309;

// Channels 1 to `count` in use, channel n on 44n.12500 (n modulo 10).
ChannelTable firstChannels(int count) {
    ChannelTable table;
    for (int channel = 1; channel <= count; ++channel) {
        table[static_cast<std::size_t>(channel - 1)] =
            newChannelDefaults("44" + std::to_string(channel % 10) + ".12500", Language::English);
    }
    return table;
}

std::vector<ReportPage> layout(const ChannelTable& channels) {
    return layoutReport(newDocumentImage(), channels, "Owner Line", Language::English, kGeometry);
}

// The text at a place, "<none>" where there is none.
ReportText textAt(const ReportPage& page, int x, int y) {
    const auto found = std::ranges::find_if(
        page.texts, [&](const ReportText& text) { return text.x == x && text.y == y; });
    return found == page.texts.end() ? ReportText{x, y, ReportFont::Main, "<none>"} : *found;
}

// The channel numbers of the "Channel n:" lines of a page, in order.
std::vector<std::string> channelHeadings(const ReportPage& page) {
    std::vector<std::string> headings;
    for (const ReportText& text : page.texts) {
        if (text.x == 4 * W) {
            headings.push_back(text.text);
        }
    }
    return headings;
}

TEST(ReportLayout, NoUsedChannelGivesTheOptionsPageAlone) {
    // Integer division for the main font, truncation for the small one (268.8 -> 268).
    EXPECT_EQ(reportFontSizes(11520, 15120), (ReportFontSizes{174, 336, 268, 139}));
    const ChannelTable none;  // a temporary here crashes clang 14
    const auto pages = layout(none);
    ASSERT_EQ(pages.size(), 1u);
    const ReportPage& page = pages[0];
    EXPECT_EQ(page.rules, (std::vector<ReportRule>{{5 * W, 60 * W, -2 * L0 - 50},
                                                   {5 * W, 60 * W, -2 * L0 - 120},
                                                   {5 * W, 60 * W, L0 / 2 - 36 * L0}}));
    EXPECT_EQ(textAt(page, 6 * W, -L0), (ReportText{6 * W, -L0, ReportFont::Main, "Option"}));
    EXPECT_EQ(textAt(page, 10 * W, -36 * L0),
              (ReportText{10 * W, -36 * L0, ReportFont::Small, "Owner Line"}));
    EXPECT_EQ(textAt(page, 45 * W, -36 * L0).text, "Page 1 of 1");
    EXPECT_EQ(textAt(page, 9 * W, -5 * L).text, "Time Out Timer:");
    EXPECT_EQ(textAt(page, 35 * W, -15 * L).text, "On");
    // Two title lines, eleven rows of two texts, owner and page number.
    EXPECT_EQ(page.texts.size(), 2u + 22u + 2u);
}

// Seven channels to a page; empty rows and rows without a receive frequency take no place.
TEST(ReportLayout, ChannelPages) {
    const std::pair<int, std::size_t> cases[] = {{1, 2}, {7, 2}, {8, 3}, {15, 4}};
    for (const auto& [used, pages] : cases) {
        const auto laidOut = layout(firstChannels(used));
        ASSERT_EQ(laidOut.size(), pages) << used;
        const std::string last = "Page " + std::to_string(pages) + " of " + std::to_string(pages);
        EXPECT_EQ(textAt(laidOut.back(), 45 * W, -36 * L0).text, last);
    }
    const auto sixteen = layout(firstChannels(16));
    EXPECT_EQ(channelHeadings(sixteen[3]),
              (std::vector<std::string>{"Channel 15:", "Channel 16:"}));
    EXPECT_EQ(channelHeadings(sixteen[2]).front(), "Channel 8:");
    ChannelTable channels = firstChannels(2);
    channels[15] = firstChannels(16)[15];
    channels[9] = {"", "446.50000", "None", "None", "", "Yes", "", "", "", ""};
    const ReportPage page = layout(channels)[1];
    EXPECT_EQ(channelHeadings(page),
              (std::vector<std::string>{"Channel 1:", "Channel 2:", "Channel 16:"}));
    // Blocks start 5.7 small lines apart, truncated: 1761.3 -> 1761, 3522.6 -> 3522.
    EXPECT_EQ(textAt(page, 4 * W, -4 * L - 1761).text, "Channel 2:");
    EXPECT_EQ(textAt(page, 4 * W, -4 * L - 3522).text, "Channel 16:");
    EXPECT_EQ(textAt(page, 22 * W, -5 * L - 3522).text, "446.12500");
}

TEST(ReportLayout, ChannelBlockShowsTheGridTextsOfTheImage) {
    MemoryImage image = newDocumentImage();
    encodeChannel(
        image, 5,
        {"446.00625", "446.50000", "67.0", "D023N", "Low", "", "Carrier", "Narrow", "On", "3"});
    image.setBits(map::kScanAddLow, 0x10, 0x10);
    const ReportPage page = layoutReport(image, "", Language::English, kGeometry)[1];
    const int top = -4 * L;
    // clang-format off
    const std::vector<std::vector<std::string>> lines = {
        {"Receive Frequency:", "446.00625", "Transceive Frequency:", "446.50000"},
        {"QT/DQT Decode:", "67.0", "QT/DQT Encode:", "D023N"}, {"Power:", "Low", "Scan:", "Yes"},
        {"Channel Lock:", "Carrier", "W/N:", "Narrow"}};
    // clang-format on
    const int columns[] = {5 * W, 22 * W, 36 * W, 55 * W};
    EXPECT_EQ(textAt(page, 4 * W, top).text, "Channel 5:");
    for (std::size_t i = 0; i < lines.size(); ++i) {
        for (std::size_t c = 0; c < 4; ++c) {
            EXPECT_EQ(textAt(page, columns[c], top - static_cast<int>(i + 1) * L).text,
                      lines[i][c]);
        }
    }
    // Compander and scrambler are not printed.
    EXPECT_EQ(page.texts.size(), 1u + 1u + 16u + 2u);  // title, heading, four lines, footer
}

TEST(ReportOptions, ValueRules) {
    const std::tuple<std::size_t, std::uint8_t, int, std::string> cases[] = {
        {map::kTotPreAlert, 0x01, 6, "Off"},        {map::kTotPreAlert, 0xFB, 6, "10"},
        {map::kTimeOutTimer, 0xC1, 5, "15s"},       {map::kVoxDelayTime, 0x00, 10, "0.3"},
        {map::kVoxDelayTime, 0x05, 10, "3.0"},      {map::kVoiceAnnunciation, 0x03, 13, "English"},
        {map::kVoiceAnnunciation, 0x04, 13, "Off"}, {map::kCallTone, 0x10, 11, "16"},
        {map::kFunctionSwitches, 0x02, 14, "Off"},  {map::kFunctionSwitches, 0x02, 15, "On"},
        {map::kVoxGainLevel, 0xE0, 9, "Off"}};
    for (const auto& [offset, byte, row, value] : cases) {
        MemoryImage image = newDocumentImage();
        image.set(offset, byte);
        const auto rows = reportOptionRows(image, Language::English);
        const auto found = std::ranges::find(rows, row, [](const auto& r) { return r.row; });
        ASSERT_NE(found, rows.end()) << row;
        EXPECT_EQ(found->value, value) << offset << " " << int(byte);
    }
}

}  // namespace
}  // namespace radio
