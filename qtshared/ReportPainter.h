#pragma once

#include <QFont>
#include <QSize>
#include <QString>
#include <string_view>
#include <vector>

#include "core/channels/ChannelFields.h"
#include "core/image/MemoryImage.h"
#include "core/print/ReportLayout.h"
#include "core/text/Language.h"
#include "core/util/Result.h"

class QPagedPaintDevice;
class QPaintDevice;
class QPainter;

namespace radio {
namespace gui {

// The report's two fonts made for one device, with the geometry measured through them.
// Twips map to device units by the device's resolution, y pointing down on the device.
class ReportFonts {
  public:
    // The printable area is the whole device, as on a printer or PDF writer (not full page).
    explicit ReportFonts(const QPaintDevice& device);
    // The printable area in device units, for devices that are the whole sheet (an image).
    ReportFonts(const QPaintDevice& device, QSize printableArea);

    const ReportGeometry& geometry() const { return geometry_; }
    const QFont& font(ReportFont which) const;
    // Horizontal scale that gives the font its average character width.
    double widthScale(ReportFont which) const;
    double ascent(ReportFont which) const;  // device units
    // The width of a text as paintReportPage draws it, in twips, rounded up.
    int textWidth(ReportFont which, std::string_view text) const;

    double toDeviceX(int twipsX) const { return twipsX * dpiX_ / 1440.0; }
    double toDeviceY(int twipsY) const { return -twipsY * dpiY_ / 1440.0; }

  private:
    struct Face {
        QFont font;
        double widthScale = 1.0;
        double ascent = 0.0;
        int lineHeight = 0;  // twips
    };
    Face makeFace(const QPaintDevice& device, int heightTwips, int widthTwips) const;

    double dpiX_;
    double dpiY_;
    Face main_;
    Face small_;
    ReportGeometry geometry_;
};

// Draws one laid-out page at the painter's origin, which must be the printable area's top left.
void paintReportPage(QPainter& painter, const ReportFonts& fonts, const ReportPage& page);

// Everything the report shows.
struct ReportSource {
    MemoryImage image;
    ChannelTable channels;  // the grid texts
    QString ownerText;
    Language language = Language::English;
    QString title;  // the document's name: the PDF's title, the print job's name
};

// The pages laid out for the fonts' device, each text measured as it will be drawn.
std::vector<ReportPage> reportPages(const ReportFonts& fonts, const ReportSource& source);

// Lays out and draws the pages firstPage..lastPage (1-based; 0 for lastPage means to the end)
// on a printer or PDF writer, a new sheet for each page.
Status<QString> printReport(QPagedPaintDevice& device, const ReportSource& source,
                            int firstPage = 1, int lastPage = 0);

}  // namespace gui
}  // namespace radio
