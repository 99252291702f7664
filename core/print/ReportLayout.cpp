#include "core/print/ReportLayout.h"

#include <algorithm>
#include <array>

#include "core/channels/ChannelCodec.h"
#include "core/print/ReportOptions.h"
#include "core/text/Texts.h"

namespace radio {

namespace {

constexpr int kChannelsPerPage = 7;
constexpr double kSmallFontScale = 0.8;
constexpr double kChannelBlockLines = 5.7;

// Horizontal positions, in column units.
constexpr int kRuleStart = 5;
constexpr int kRuleEnd = 60;
constexpr int kTitleColumn = 6;
constexpr int kOptionLabelColumn = 9;
constexpr int kOptionValueColumn = 35;
constexpr int kChannelNumberColumn = 4;
constexpr int kOwnerColumn = 10;
constexpr int kPageNumberColumn = 45;

// One line of a channel block: two labelled grid texts side by side.
struct BlockLine {
    TextId leftLabel;
    ChannelField leftField;
    TextId rightLabel;
    ChannelField rightField;
};

constexpr BlockLine kBlockLines[] = {
    {TextId::PrintReceiveFrequency, ChannelField::RxFrequency, TextId::PrintTransmitFrequency,
     ChannelField::TxFrequency},
    {TextId::PrintDecode, ChannelField::DecodeTone, TextId::PrintEncode, ChannelField::EncodeTone},
    {TextId::PrintPower, ChannelField::Power, TextId::PrintScan, ChannelField::ScanAdd},
    {TextId::PrintChannelLock, ChannelField::BusyLock, TextId::PrintWideNarrow,
     ChannelField::WideNarrow},
};
constexpr int kBlockLeftLabel = 5;
constexpr int kBlockLeftValue = 22;
constexpr int kBlockRightLabel = 36;
constexpr int kBlockRightValue = 55;

// Where the texts of the options rows and of the channel block lines start, in twips.
struct Columns {
    std::array<int, 2> option;  // label, value
    std::array<int, 4> block;   // left label, left value, right label, right value
};

// Positions of one page in device-independent units.
struct Metrics {
    int w;   // column unit
    int l0;  // main font line
    int l;   // small font line
};

class PageBuilder {
  public:
    PageBuilder(Metrics metrics, Language language) : m_(metrics), language_(language) {}

    void rule(int y) { page_.rules.push_back({kRuleStart * m_.w, kRuleEnd * m_.w, y}); }
    void put(int column, int y, ReportFont font, std::string text) {
        putAt(column * m_.w, y, font, std::move(text));
    }
    void put(int column, int y, ReportFont font, TextId id) {
        put(column, y, font, std::string(radio::text(id, language_)));
    }
    void putAt(int x, int y, ReportFont font, std::string text) {
        page_.texts.push_back({x, y, font, std::move(text)});
    }

    const Metrics& metrics() const { return m_; }
    Language language() const { return language_; }
    ReportPage take() { return std::move(page_); }

  private:
    Metrics m_;
    Language language_;
    ReportPage page_;
};

void addFrame(PageBuilder& page) {
    const Metrics& m = page.metrics();
    page.rule(-2 * m.l0 - 50);
    page.rule(-2 * m.l0 - 120);
    page.rule(m.l0 / 2 - 36 * m.l0);
}

// Places columns from the right: each keeps its place unless its widest text would run past the
// end of the rules or into the next column (half a column unit clear of it), and then moves
// left just so far.
template <std::size_t N>
std::array<int, N> placeFromTheRight(std::array<int, N> x, const std::array<int, N>& widest,
                                     int w) {
    int limit = kRuleEnd * w;
    for (std::size_t i = N; i-- > 0;) {
        x[i] = std::min(x[i], limit - widest[i]);
        limit = x[i] - w / 2;
    }
    return x;
}

// One set of columns for the whole report, so every page lines up alike.
Columns fitColumns(const MemoryImage& image, const ChannelTable& channels,
                   const std::vector<int>& used, Language language, int w,
                   const ReportTextWidth& textWidth) {
    std::array<int, 2> optionWidest{};
    std::array<int, 4> blockWidest{};
    const auto widen = [&textWidth](int& widest, std::string_view text) {
        widest = std::max(widest, textWidth ? textWidth(ReportFont::Small, text) : 0);
    };
    for (const ReportOptionRow& option : reportOptionRows(image, language)) {
        widen(optionWidest[0], option.label);
        widen(optionWidest[1], option.value);
    }
    for (const BlockLine& line : kBlockLines) {
        widen(blockWidest[0], text(line.leftLabel, language));
        widen(blockWidest[2], text(line.rightLabel, language));
        for (const int channel : used) {
            const ChannelRow& row = channels[static_cast<std::size_t>(channel - 1)];
            widen(blockWidest[1], row[fieldIndex(line.leftField)]);
            widen(blockWidest[3], row[fieldIndex(line.rightField)]);
        }
    }
    return {placeFromTheRight<2>({kOptionLabelColumn * w, kOptionValueColumn * w}, optionWidest, w),
            placeFromTheRight<4>({kBlockLeftLabel * w, kBlockLeftValue * w, kBlockRightLabel * w,
                                  kBlockRightValue * w},
                                 blockWidest, w)};
}

void addOptions(PageBuilder& page, const MemoryImage& image, const Columns& columns) {
    const Metrics& m = page.metrics();
    page.put(kTitleColumn, -m.l0, ReportFont::Main, TextId::PrintOption);
    page.put(kTitleColumn, -4 * m.l, ReportFont::Small, TextId::PrintFunction);
    for (const ReportOptionRow& option : reportOptionRows(image, page.language())) {
        page.putAt(columns.option[0], -option.row * m.l, ReportFont::Small, option.label);
        page.putAt(columns.option[1], -option.row * m.l, ReportFont::Small, option.value);
    }
}

void addChannelBlock(PageBuilder& page, const Columns& columns, int block, int channel,
                     const ChannelRow& row) {
    const Metrics& m = page.metrics();
    const int d = static_cast<int>(block * kChannelBlockLines * m.l);
    page.put(
        kChannelNumberColumn, -4 * m.l - d, ReportFont::Small,
        fillText(text(TextId::PrintChannelNumber, page.language()), {std::to_string(channel)}));
    int y = -4 * m.l - d;
    const auto label = [&page](TextId id) { return std::string(text(id, page.language())); };
    for (const BlockLine& line : kBlockLines) {
        y -= m.l;
        page.putAt(columns.block[0], y, ReportFont::Small, label(line.leftLabel));
        page.putAt(columns.block[1], y, ReportFont::Small, row[fieldIndex(line.leftField)]);
        page.putAt(columns.block[2], y, ReportFont::Small, label(line.rightLabel));
        page.putAt(columns.block[3], y, ReportFont::Small, row[fieldIndex(line.rightField)]);
    }
}

// Channel page `index` (0 for the first channel page) lists the next seven reported channels.
void addChannels(PageBuilder& page, const Columns& columns, const ChannelTable& channels,
                 const std::vector<int>& used, std::size_t index) {
    page.put(kTitleColumn, -page.metrics().l0, ReportFont::Main, TextId::PrintChannel);
    const std::size_t first = index * kChannelsPerPage;
    for (std::size_t k = 0; k < kChannelsPerPage && first + k < used.size(); ++k) {
        const int channel = used[first + k];
        addChannelBlock(page, columns, static_cast<int>(k), channel,
                        channels[static_cast<std::size_t>(channel - 1)]);
    }
}

void addFooter(PageBuilder& page, std::string_view ownerText, int pageNumber, int pageCount) {
    const int y = -36 * page.metrics().l0;
    page.put(kOwnerColumn, y, ReportFont::Small, std::string(ownerText));
    page.put(kPageNumberColumn, y, ReportFont::Small,
             fillText(text(TextId::PrintPageOf, page.language()),
                      {std::to_string(pageNumber), std::to_string(pageCount)}));
}

}  // namespace

ReportFontSizes reportFontSizes(int printableWidth, int printableHeight) {
    ReportFontSizes sizes;
    sizes.columnUnit = printableWidth / 66;
    sizes.mainHeight = printableHeight / 45;
    sizes.smallHeight = static_cast<int>(sizes.mainHeight * kSmallFontScale);
    sizes.smallWidth = static_cast<int>(sizes.columnUnit * kSmallFontScale);
    return sizes;
}

std::vector<int> reportedChannels(const ChannelTable& channels) {
    std::vector<int> used;
    for (std::size_t i = 0; i < channels.size(); ++i) {
        if (!channels[i][fieldIndex(ChannelField::RxFrequency)].empty()) {
            used.push_back(static_cast<int>(i) + 1);
        }
    }
    return used;
}

int reportPageCount(const ChannelTable& channels) {
    const int used = static_cast<int>(reportedChannels(channels).size());
    return 1 + (used + kChannelsPerPage - 1) / kChannelsPerPage;
}

std::vector<ReportPage> layoutReport(const MemoryImage& image, const ChannelTable& channels,
                                     std::string_view ownerText, Language language,
                                     const ReportGeometry& geometry,
                                     const ReportTextWidth& textWidth) {
    const Metrics metrics{
        reportFontSizes(geometry.printableWidth, geometry.printableHeight).columnUnit,
        geometry.mainLineHeight, geometry.smallLineHeight};
    const std::vector<int> used = reportedChannels(channels);
    const int pageCount = reportPageCount(channels);
    const Columns columns = fitColumns(image, channels, used, language, metrics.w, textWidth);
    std::vector<ReportPage> pages;
    for (int number = 1; number <= pageCount; ++number) {
        PageBuilder page(metrics, language);
        addFrame(page);
        if (number == 1) {
            addOptions(page, image, columns);
        } else {
            addChannels(page, columns, channels, used, static_cast<std::size_t>(number - 2));
        }
        addFooter(page, ownerText, number, pageCount);
        pages.push_back(page.take());
    }
    return pages;
}

std::vector<ReportPage> layoutReport(const MemoryImage& image, std::string_view ownerText,
                                     Language language, const ReportGeometry& geometry,
                                     const ReportTextWidth& textWidth) {
    return layoutReport(image, decodeChannels(image, language), ownerText, language, geometry,
                        textWidth);
}

}  // namespace radio
