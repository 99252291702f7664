#pragma once

#include <QTextBrowser>

namespace radio {
namespace gui {

// Shows the HTML help of the interface language at the section of a context number.
class HelpWindow : public QTextBrowser {
    Q_OBJECT
  public:
    HelpWindow();
    void showContext(const QString& file, int context);
    int shownContext() const { return context_; }

  private:
    int context_ = 0;
};

}  // namespace gui
}  // namespace radio
