#pragma once

#include <QObject>
#include <memory>

class QPrinter;

namespace radio {
namespace gui {

class CProgramApp;
class CProgramView;
struct ReportSource;

// The report of the active document through the platform's print path: the print dialog,
// printing straight to the chosen printer, the preview, the page setup, and a PDF file.
// One printer for the run, so the setup chosen once is kept for every later print.
class ReportPrinting : public QObject {
    Q_OBJECT
  public:
    explicit ReportPrinting(CProgramApp& app);
    ~ReportPrinting() override;

    QPrinter& printer();

    void print(CProgramView& view, bool askFirst);
    void preview(CProgramView& view);
    void pageSetup();
    void exportPdf(CProgramView& view);

  private:
    ReportSource source(CProgramView& view) const;
    void printTo(QPrinter& printer, const ReportSource& source);

    CProgramApp& app_;
    std::unique_ptr<QPrinter> printer_;
};

}  // namespace gui
}  // namespace radio
