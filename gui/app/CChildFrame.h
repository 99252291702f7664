#pragma once

#include <QMdiSubWindow>
#include <memory>

namespace radio {
namespace gui {

class CProgramApp;
class CProgramDoc;
class CProgramView;

// The window around one document's channel view. Closing it only hides it: the document stays
// open until New replaces it or the program ends.
class CChildFrame : public QMdiSubWindow {
    Q_OBJECT
  public:
    CChildFrame(CProgramApp& app, std::unique_ptr<CProgramDoc> document);
    ~CChildFrame() override;

    CProgramDoc& document() { return *document_; }
    CProgramView& view() { return *view_; }

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    void keepCloseOffCtrlW();
    void updateTitle();

    std::unique_ptr<CProgramDoc> document_;
    CProgramView* view_;  // owned as the frame's widget
};

}  // namespace gui
}  // namespace radio
