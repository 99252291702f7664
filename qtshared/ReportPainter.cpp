#include "qtshared/ReportPainter.h"

#include <QFontMetricsF>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPen>
#include <algorithm>
#include <cmath>

#include "core/text/Texts.h"

namespace radio {
namespace gui {

namespace {

constexpr int kTwipsPerInch = 1440;
constexpr int kTwipsPerPoint = 20;
const QString kReportFace = QStringLiteral("Times New Roman");

// The report names Times New Roman; where it is missing, its metric twin keeps the layout.
// The Chinese texts come from AR PL UMing (SimSun on Windows), serif faces like the rest: the
// Noto CJK faces share glyphs between ideographs and Kangxi radicals, and a PDF made with them
// gives radicals (U+2F42 for 文) to anyone who searches or copies its text.
void substituteReportFace() {
    static const bool installed = [] {
        QFont::insertSubstitutions(
            kReportFace, {QStringLiteral("Liberation Serif"), QStringLiteral("AR PL UMing CN"),
                          QStringLiteral("SimSun"), QStringLiteral("Noto Serif CJK SC"),
                          QStringLiteral("Noto Sans CJK SC")});
        return true;
    }();
    (void)installed;
}

int toTwips(double deviceUnits, double dpi) {
    return static_cast<int>(std::lround(deviceUnits * kTwipsPerInch / dpi));
}

QString fromUtf8(const std::string& text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace

ReportFonts::ReportFonts(const QPaintDevice& device)
    : ReportFonts(device, QSize(device.width(), device.height())) {}

ReportFonts::ReportFonts(const QPaintDevice& device, QSize printableArea)
    : dpiX_(device.logicalDpiX()), dpiY_(device.logicalDpiY()) {
    substituteReportFace();
    geometry_.printableWidth = toTwips(printableArea.width(), dpiX_);
    geometry_.printableHeight = toTwips(printableArea.height(), dpiY_);
    const ReportFontSizes sizes =
        reportFontSizes(geometry_.printableWidth, geometry_.printableHeight);
    main_ = makeFace(device, sizes.mainHeight, sizes.columnUnit);
    small_ = makeFace(device, sizes.smallHeight, sizes.smallWidth);
    geometry_.mainLineHeight = main_.lineHeight;
    geometry_.smallLineHeight = small_.lineHeight;
}

ReportFonts::Face ReportFonts::makeFace(const QPaintDevice& device, int heightTwips,
                                        int widthTwips) const {
    Face face;
    face.font = QFont(kReportFace);
    face.font.setStyleHint(QFont::Serif);
    face.font.setPointSizeF(static_cast<double>(heightTwips) / kTwipsPerPoint);
    face.font.setWeight(QFont::Normal);
    face.font.setItalic(false);
    face.font.setUnderline(false);
    face.font = QFont(face.font, &device);
    const QFontMetricsF metrics(face.font, &device);
    face.ascent = metrics.ascent();
    face.lineHeight = toTwips(metrics.height() + metrics.leading(), dpiY_);
    // The report asks for an average character width as well as a height; a scale along x
    // gives any face that width.
    const double wanted = widthTwips * dpiX_ / kTwipsPerInch;
    const double natural = metrics.averageCharWidth();
    face.widthScale = natural > 0 ? wanted / natural : 1.0;
    return face;
}

const QFont& ReportFonts::font(ReportFont which) const {
    return which == ReportFont::Main ? main_.font : small_.font;
}

double ReportFonts::widthScale(ReportFont which) const {
    return which == ReportFont::Main ? main_.widthScale : small_.widthScale;
}

double ReportFonts::ascent(ReportFont which) const {
    return which == ReportFont::Main ? main_.ascent : small_.ascent;
}

int ReportFonts::textWidth(ReportFont which, std::string_view text) const {
    // The font was made for the device, so its metrics are the device's.
    const double advance =
        QFontMetricsF(font(which)).horizontalAdvance(QString::fromUtf8(text)) * widthScale(which);
    return static_cast<int>(std::ceil(advance * kTwipsPerInch / dpiX_));
}

std::vector<ReportPage> reportPages(const ReportFonts& fonts, const ReportSource& source) {
    return layoutReport(
        source.image, source.channels, source.ownerText.toStdString(), source.language,
        fonts.geometry(),
        [&fonts](ReportFont font, std::string_view text) { return fonts.textWidth(font, text); });
}

void paintReportPage(QPainter& painter, const ReportFonts& fonts, const ReportPage& page) {
    painter.save();
    // A thin black line as a printer draws it, at any device resolution.
    QPen pen(Qt::black);
    pen.setWidthF(std::max(1.0, fonts.toDeviceX(kTwipsPerInch / 600)));
    painter.setPen(pen);
    for (const ReportRule& rule : page.rules) {
        painter.drawLine(QPointF(fonts.toDeviceX(rule.x1), fonts.toDeviceY(rule.y)),
                         QPointF(fonts.toDeviceX(rule.x2), fonts.toDeviceY(rule.y)));
    }
    for (const ReportText& text : page.texts) {
        if (text.text.empty()) {
            continue;
        }
        painter.save();
        painter.setFont(fonts.font(text.font));
        // Positions name the text's top left corner; Qt draws from the baseline.
        painter.translate(fonts.toDeviceX(text.x), fonts.toDeviceY(text.y));
        painter.scale(fonts.widthScale(text.font), 1.0);
        painter.drawText(QPointF(0.0, fonts.ascent(text.font)), fromUtf8(text.text));
        painter.restore();
    }
    painter.restore();
}

Status<QString> printReport(QPagedPaintDevice& device, const ReportSource& source, int firstPage,
                            int lastPage) {
    const auto failed = [&source] {
        const std::string_view message = text(TextId::PrintFailed, source.language);
        return Status<QString>::failure(
            QString::fromUtf8(message.data(), static_cast<qsizetype>(message.size())));
    };
    const ReportFonts fonts(device);
    const std::vector<ReportPage> pages = reportPages(fonts, source);
    const int count = static_cast<int>(pages.size());
    const int first = std::clamp(firstPage, 1, count);
    const int last = lastPage <= 0 ? count : std::clamp(lastPage, first, count);
    QPainter painter;
    if (!painter.begin(&device)) {
        return failed();
    }
    for (int page = first; page <= last; ++page) {
        if (page > first && !device.newPage()) {
            painter.end();
            return failed();
        }
        paintReportPage(painter, fonts, pages[static_cast<std::size_t>(page - 1)]);
    }
    if (!painter.end()) {
        return failed();
    }
    return {};
}

}  // namespace gui
}  // namespace radio
