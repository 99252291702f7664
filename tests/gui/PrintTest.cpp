#include <QPdfWriter>
#include <QPrintDialog>
#include <QPrinter>

#include "GuiFixture.h"
#include "core/image/NewImage.h"
#include "qtshared/ReportPainter.h"
#include "support/Process.h"

namespace radio::test {
namespace {

// The text of a PDF, after the title and maker a reader shows.
std::string pdfText(const QString& path) {
    return runProgram({"/usr/bin/pdftotext", "-layout", "-htmlmeta", path.toStdString(), "-"}).out;
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
    EXPECT_NE(text.find("<title>Channel Information</title>"), std::string::npos);
    EXPECT_NE(text.find("<meta name=\"Creator\" content=\"radioprog\"/>"), std::string::npos);
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

// With the widest values every text of the report ends before the next one on its line and
// before the rules do, in both languages.
TEST(Printing, EveryTextEndsWithinItsRuledLine) {
    ChannelTable widest;
    widest.fill({"446.00625", "446.00625", "D754I", "D754I", "High", "Yes", "QT/DQT", "Narrow"});
    QPdfWriter writer(QString{});  // only measures: never drawn on, it writes no file
    const gui::ReportFonts fonts(writer);
    for (const Language language : {Language::English, Language::Chinese}) {
        for (const ReportPage& page :
             gui::reportPages(fonts, {newDocumentImage(), widest, "Owner Line", language, {}})) {
            for (const ReportText& text : page.texts) {
                int end = page.rules.front().x2;  // the next text on the line, else the rules' end
                for (const ReportText& next : page.texts) {
                    end = next.y == text.y && next.x > text.x ? std::min(end, next.x) : end;
                }
                EXPECT_LE(text.x + fonts.textWidth(text.font, text.text), end) << text.text;
            }
        }
    }
}

}  // namespace
}  // namespace radio::test
