#include <QPrintDialog>
#include <QPrinter>

#include "GuiFixture.h"
#include "support/Process.h"

namespace radio::test {
namespace {

std::string pdfText(const QString& path) {
    return runProgram({"/usr/bin/pdftotext", "-layout", path.toStdString(), "-"}).out;
}

// Channel 3 is in the grid, not yet in the image.
struct PrintBench : StartedProgram {
    PrintBench() { typeCell(3, 1, "440.00000"); }
};

TEST(Printing, ExportPdfWritesTheReportOfWhatTheGridShowsOrSaysWhyNot) {
    PrintBench bench;
    bench.prompts.files = {bench.folder.path("report"), bench.folder.path("no-such/report.pdf")};
    bench.chooseMenu("Export PDF");
    EXPECT_EQ(bench.prompts.proposedNames, std::vector<QString>{"RadioProgTest.pdf"});
    const std::string text = pdfText(bench.folder.path("report.pdf"));
    EXPECT_NE(text.find("Channel 3:"), std::string::npos) << text;
    EXPECT_NE(text.find("Page 2 of 2"), std::string::npos) << text;
    bench.chooseMenu("Export PDF");
    EXPECT_EQ(bench.prompts.shown.size(), 1u);  // the second file cannot be written
    EXPECT_FALSE(QFile::exists(bench.folder.path("no-such/report.pdf")));
}

TEST(Printing, CtrlPPrintsThePagesChosenInTheDialogAndCancelPrintsNothing) {
    for (const bool secondOnly : {false, true}) {
        PrintBench bench;
        const QString path = bench.folder.path("printed.pdf");
        bench.prompts.onDialog = [&](QDialog& dialog) {
            QPrinter& printer = *static_cast<QPrintDialog&>(dialog).printer();
            EXPECT_EQ(static_cast<QPrintDialog&>(dialog).maxPage(), 2);
            printer.setOutputFormat(QPrinter::PdfFormat);  // the printer the user chose
            printer.setOutputFileName(path);
            printer.setPrintRange(secondOnly ? QPrinter::PageRange : QPrinter::AllPages);
            printer.setFromTo(secondOnly ? 2 : 0, secondOnly ? 2 : 0);
            return int(QDialog::Accepted);
        };
        bench.press(Qt::Key_P, Qt::ControlModifier);
        const std::string text = pdfText(path);
        EXPECT_EQ(text.find("Page 1 of 2") == std::string::npos, secondOnly) << text;
        EXPECT_NE(text.find("Page 2 of 2"), std::string::npos) << text;

        QFile::remove(path);
        bench.prompts.onDialog = byUser([](QDialog& d) { click(button(d, "Cancel")); });
        bench.chooseMenu("Print...");
        EXPECT_FALSE(QFile::exists(path));
    }
}

}  // namespace
}  // namespace radio::test
