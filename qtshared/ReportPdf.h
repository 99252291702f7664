#pragma once

#include <QString>

#include "core/channels/ChannelFields.h"
#include "core/image/MemoryImage.h"
#include "core/text/Language.h"
#include "core/util/Result.h"
#include "qtshared/ReportPainter.h"

namespace radio {
namespace gui {

// Writes the report as a PDF file (A4) titled with the source's title, made by this program.
// The file is replaced whole or not at all: a failure leaves any old file as it was. The error
// is the message for the user, in the report's language.
Status<QString> exportReportPdf(const ReportSource& source, const QString& path);

// The same with the channel texts decoded from the image.
Status<QString> exportReportPdf(const MemoryImage& image, const QString& ownerText,
                                Language language, const QString& title, const QString& path);

}  // namespace gui
}  // namespace radio
