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
    PrintBench() {
        clearUserSettings();
        activate(program.frame());
        typeIntoCell(view(), 3, 1, "440.00000");  // in the grid, not yet in the image
    }
    ~PrintBench() { clearUserSettings(); }
    CProgramView& view() { return *program.frame().activeView(); }
    StartedProgram program;
};

TEST(Printing, ExportPdfWritesTheReportOfWhatTheGridShows) {
    PrintBench bench;
    const QString path = bench.program.folder.path("report");
    bench.program.prompts.files.push_back(path);
    chooseMenu(bench.program.frame(), "Export PDF");
    EXPECT_EQ(bench.program.prompts.proposedNames, std::vector<QString>{"RadioProgTest.pdf"});
    const std::string text = pdfText(path + ".pdf");
    EXPECT_NE(text.find("Option"), std::string::npos) << text;
    EXPECT_NE(text.find("Channel 3:"), std::string::npos) << text;
    EXPECT_NE(text.find("Page 2 of 2"), std::string::npos) << text;
    EXPECT_NE(text.find("Owner Line"), std::string::npos) << text;
    EXPECT_TRUE(bench.program.prompts.shown.empty());
}

TEST(Printing, AnExportThatCannotBeWrittenSaysSo) {
    PrintBench bench;
    bench.program.prompts.files.push_back(bench.program.folder.path("no-such-folder/report.pdf"));
    chooseMenu(bench.program.frame(), "Export PDF");
    ASSERT_EQ(bench.program.prompts.shown.size(), 1u);
    EXPECT_FALSE(QFile::exists(bench.program.folder.path("no-such-folder/report.pdf")));
}

TEST(Printing, PrintGoesToThePrinterChosenInTheDialog) {
    PrintBench bench;
    const QString path = bench.program.folder.path("printed.pdf");
    int maxPage = 0;
    bench.program.prompts.onDialog = [&](QDialog& dialog) {
        auto* print = qobject_cast<QPrintDialog*>(&dialog);
        EXPECT_NE(print, nullptr);
        maxPage = print->maxPage();
        print->printer()->setOutputFormat(QPrinter::PdfFormat);
        print->printer()->setOutputFileName(path);
        return int(QDialog::Accepted);
    };
    press(bench.program.frame(), Qt::Key_P);
    EXPECT_EQ(maxPage, 2);
    EXPECT_NE(pdfText(path).find("Page 1 of 2"), std::string::npos);

    // Cancel prints nothing.
    QFile::remove(path);
    bench.program.prompts.onDialog = user([](QDialog& dialog) { click(button(dialog, "Cancel")); });
    chooseMenu(bench.program.frame(), "Print...");
    EXPECT_FALSE(QFile::exists(path));
}

TEST(Printing, OnlyThePagesChosenInTheDialogArePrinted) {
    PrintBench bench;
    const QString path = bench.program.folder.path("page2.pdf");
    bench.program.prompts.onDialog = [&](QDialog& dialog) {
        QPrinter* printer = static_cast<QPrintDialog&>(dialog).printer();
        printer->setOutputFormat(QPrinter::PdfFormat);
        printer->setOutputFileName(path);
        printer->setPrintRange(QPrinter::PageRange);
        printer->setFromTo(2, 2);
        return int(QDialog::Accepted);
    };
    press(bench.program.frame(), Qt::Key_P);
    const std::string text = pdfText(path);
    EXPECT_NE(text.find("Page 2 of 2"), std::string::npos) << text;
    EXPECT_EQ(text.find("Page 1 of 2"), std::string::npos) << text;
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
