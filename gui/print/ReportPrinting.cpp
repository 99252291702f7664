#include "gui/print/ReportPrinting.h"

#include <QFileInfo>
#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>

#include "gui/app/CMainFrame.h"
#include "gui/app/CProgramApp.h"
#include "gui/app/UserPrompts.h"
#include "gui/channels/CProgramView.h"
#include "gui/image/CProgramDoc.h"
#include "qtshared/ReportPainter.h"
#include "qtshared/ReportPdf.h"

namespace radio {
namespace gui {

ReportPrinting::ReportPrinting(CProgramApp& app) : app_(app) {}

ReportPrinting::~ReportPrinting() = default;

QPrinter& ReportPrinting::printer() {
    if (!printer_) {
        printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
    }
    return *printer_;
}

ReportSource ReportPrinting::source(CProgramView& view) const {
    return {view.document().image(), view.channelTexts(), app_.languageText("Copyrights Owner"),
            app_.language(), view.document().title()};
}

void ReportPrinting::printTo(QPrinter& target, const ReportSource& source) {
    const bool range = target.printRange() == QPrinter::PageRange;
    const int first = range ? target.fromPage() : 1;
    const int last = range ? target.toPage() : 0;
    target.setDocName(source.title);
    if (const Status<QString> printed = printReport(target, source, first, last); !printed) {
        app_.message(printed.error());
    }
}

void ReportPrinting::print(CProgramView& view, bool askFirst) {
    const ReportSource report = source(view);
    QPrinter& target = printer();
    if (askFirst) {
        QPrintDialog dialog(&target, app_.mainFrame());
        dialog.setMinMax(1, reportPageCount(report.channels));
        if (app_.prompts().runDialog(dialog) != QDialog::Accepted) {
            return;
        }
    }
    printTo(target, report);
}

void ReportPrinting::preview(CProgramView& view) {
    const ReportSource report = source(view);
    QPrintPreviewDialog dialog(&printer(), app_.mainFrame());
    connect(&dialog, &QPrintPreviewDialog::paintRequested, this,
            [this, &report](QPrinter* target) { printTo(*target, report); });
    app_.prompts().runDialog(dialog);
}

void ReportPrinting::pageSetup() {
    QPageSetupDialog dialog(&printer(), app_.mainFrame());
    app_.prompts().runDialog(dialog);
}

void ReportPrinting::exportPdf(CProgramView& view) {
    const ReportSource report = source(view);
    const QString path = app_.prompts().saveFileNameWithSuffix(app_.mainFrame(), tr("Export PDF"),
                                                               view.document().proposedFileName(),
                                                               tr("PDF Files (*.pdf)"), "pdf");
    if (path.isEmpty()) {
        return;
    }
    if (const Status<QString> written = exportReportPdf(report, path); !written) {
        app_.message(written.error());
    }
}

}  // namespace gui
}  // namespace radio
