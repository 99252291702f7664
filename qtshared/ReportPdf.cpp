#include "qtshared/ReportPdf.h"

#include <QBuffer>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>

#include "core/channels/ChannelCodec.h"
#include "core/util/FileIo.h"
#include "qtshared/TextFiles.h"

namespace radio {
namespace gui {

namespace {

// A twip is one device unit, so the layout lands on the page without rounding.
constexpr int kPdfResolution = 1440;
// About what a printer cannot reach at the sheet's edges, so the file prints as it looks.
constexpr double kMarginInches = 0.25;

// The whole file in memory first: a PDF is only complete once the painter ends.
Result<QByteArray, QString> renderPdf(const ReportSource& source) {
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        writer.setResolution(kPdfResolution);
        writer.setTitle(source.title);
        writer.setCreator(QStringLiteral("radioprog"));
        writer.setPageLayout(
            QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                        QMarginsF(kMarginInches, kMarginInches, kMarginInches, kMarginInches),
                        QPageLayout::Inch));
        if (const Status<QString> printed = printReport(writer, source); !printed) {
            return Result<QByteArray, QString>::failure(printed.error());
        }
    }
    return buffer.data();
}

}  // namespace

Status<QString> exportReportPdf(const ReportSource& source, const QString& path) {
    const Result<QByteArray, QString> pdf = renderPdf(source);
    if (!pdf) {
        return Status<QString>::failure(pdf.error());
    }
    const QByteArray& data = pdf.value();
    const Bytes bytes(data.begin(), data.end());
    const Status<FileError> written = writeFileAtomically(localPath(path), bytes);
    if (!written) {
        return Status<QString>::failure(
            QString::fromStdString(written.error().message(source.language)));
    }
    return {};
}

Status<QString> exportReportPdf(const MemoryImage& image, const QString& ownerText,
                                Language language, const QString& title, const QString& path) {
    return exportReportPdf({image, decodeChannels(image, language), ownerText, language, title},
                           path);
}

}  // namespace gui
}  // namespace radio
