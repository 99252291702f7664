#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "core/channels/ChannelFields.h"
#include "core/image/MemoryImage.h"
#include "core/text/Language.h"

namespace radio {

// The printed report as positioned texts and rules, independent of any device. All lengths
// are twips (1/1440 inch) measured from the top left of the printable area, x to the right
// and y upwards, so everything on the page has y <= 0.

// The font sizes that follow from a printable area: the page is 66 columns of the main
// font's average character width across and 45 main-font heights down.
struct ReportFontSizes {
    int columnUnit = 0;  // W, also the main font's average character width
    int mainHeight = 0;  // H, the main font's character height
    int smallHeight = 0;
    int smallWidth = 0;

    friend bool operator==(const ReportFontSizes&, const ReportFontSizes&) = default;
};

ReportFontSizes reportFontSizes(int printableWidth, int printableHeight);

// What the device tells: the printable area and the line heights (text height plus external
// leading) of the two fonts as it draws them.
struct ReportGeometry {
    int printableWidth = 0;
    int printableHeight = 0;
    int mainLineHeight = 0;   // L0
    int smallLineHeight = 0;  // L
};

enum class ReportFont { Main, Small };

// The width of a text in one of the report's fonts as the device draws it, in twips.
using ReportTextWidth = std::function<int(ReportFont font, std::string_view text)>;

// A text whose top left corner is at (x, y).
struct ReportText {
    int x = 0;
    int y = 0;
    ReportFont font = ReportFont::Small;
    std::string text;  // UTF-8

    friend bool operator==(const ReportText&, const ReportText&) = default;
};

// A horizontal rule from (x1, y) to (x2, y).
struct ReportRule {
    int x1 = 0;
    int x2 = 0;
    int y = 0;

    friend bool operator==(const ReportRule&, const ReportRule&) = default;
};

struct ReportPage {
    std::vector<ReportRule> rules;
    std::vector<ReportText> texts;  // in drawing order
};

// The channels the report lists, 1..16 in order: those whose grid row has a receive
// frequency text.
std::vector<int> reportedChannels(const ChannelTable& channels);

// The options page plus one page for every seven reported channels.
int reportPageCount(const ChannelTable& channels);

// Every page of the report. The options come from the image, the channels from the grid
// texts (the grid may hold edits the image does not have yet). Measured by textWidth, a column
// whose widest text would run into the next column or past the end of the rules moves left
// just so far; unmeasured, every column keeps its place.
std::vector<ReportPage> layoutReport(const MemoryImage& image, const ChannelTable& channels,
                                     std::string_view ownerText, Language language,
                                     const ReportGeometry& geometry,
                                     const ReportTextWidth& textWidth = {});

// The same with the channel texts decoded from the image.
std::vector<ReportPage> layoutReport(const MemoryImage& image, std::string_view ownerText,
                                     Language language, const ReportGeometry& geometry,
                                     const ReportTextWidth& textWidth = {});

}  // namespace radio
