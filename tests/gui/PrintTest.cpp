#include <QFile>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>

#include "UserInput.h"
#include "gui/channels/CProgramView.h"
#include "gui/channels/ChannelGrid.h"
#include "gui/print/ReportPrinting.h"
#include "support/Process.h"

namespace radio::test {
namespace {

using namespace gui;

std::string pdfText(const QString& path) {
    return runProgram({"/usr/bin/pdftotext", "-layout", path.toStdString(), "-"}).out;
}

struct PrintBench {
    PrintBench() { typeIntoCell(*program.frame().activeView(), 3, 1, "440.00000"); }
    StartedProgram program;  // channel 3 in the grid, not yet in the image
};

TEST(Printing, ExportPdfWritesTheReportOfWhatTheGridShows) {
    PrintBench bench;
    const QString path = bench.program.folder.path("report");
    bench.program.prompts.files.push_back(path);
    chooseMenu(bench.program.frame(), "Export PDF");
    EXPECT_EQ(bench.program.prompts.proposedNames, std::vector<QString>{"RadioProgTest.pdf"});
    const std::string text = pdfText(path + ".pdf");
    EXPECT_NE(text.find("Channel 3:"), std::string::npos) << text;
    EXPECT_NE(text.find("Page 2 of 2"), std::string::npos) << text;
    EXPECT_TRUE(bench.program.prompts.shown.empty());
}

TEST(Printing, AnExportThatCannotBeWrittenSaysSo) {
    PrintBench bench;
    bench.program.prompts.files.push_back(bench.program.folder.path("no-such-folder/report.pdf"));
    chooseMenu(bench.program.frame(), "Export PDF");
    ASSERT_EQ(bench.program.prompts.shown.size(), 1u);
    EXPECT_FALSE(QFile::exists(bench.program.folder.path("no-such-folder/report.pdf")));
}

TEST(Printing, CtrlPPrintsThePagesChosenInTheDialogAndCancelPrintsNothing) {
    struct Case {
        int from, to;  // 0, 0: all pages
        bool page1, page2;
    };
    for (const Case c : {Case{0, 0, true, true}, Case{2, 2, false, true}}) {
        PrintBench bench;
        const QString path = bench.program.folder.path("printed.pdf");
        bench.program.prompts.onDialog = [&](QDialog& dialog) {
            auto& print = static_cast<QPrintDialog&>(dialog);
            EXPECT_EQ(print.maxPage(), 2);
            print.printer()->setOutputFormat(QPrinter::PdfFormat);  // the printer the user chose
            print.printer()->setOutputFileName(path);
            print.printer()->setPrintRange(c.from ? QPrinter::PageRange : QPrinter::AllPages);
            print.printer()->setFromTo(c.from, c.to);
            return int(QDialog::Accepted);
        };
        press(bench.program.frame(), Qt::Key_P, Qt::ControlModifier);
        const std::string text = pdfText(path);
        EXPECT_EQ(text.find("Page 1 of 2") != std::string::npos, c.page1) << text;
        EXPECT_EQ(text.find("Page 2 of 2") != std::string::npos, c.page2) << text;

        QFile::remove(path);
        bench.program.prompts.onDialog = byUser([](QDialog& d) { click(button(d, "Cancel")); });
        chooseMenu(bench.program.frame(), "Print...");
        EXPECT_FALSE(QFile::exists(path));
    }
}

TEST(Printing, PreviewShowsEveryPage) {
    PrintBench bench;
    int pages = 0;
    bench.program.prompts.onDialog = [&](QDialog& dialog) {
        auto* preview = qobject_cast<QPrintPreviewDialog*>(&dialog);
        EXPECT_NE(preview, nullptr);
        preview->printer()->setOutputFormat(QPrinter::PdfFormat);  // no printer needed
        preview->show();
        if (auto* widget = preview->findChild<QPrintPreviewWidget*>()) {
            widget->updatePreview();
            pages = widget->pageCount();
        }
        preview->hide();
        return int(QDialog::Rejected);
    };
    chooseMenu(bench.program.frame(), "Print Preview");
    EXPECT_EQ(pages, 2);
}

}  // namespace
}  // namespace radio::test
