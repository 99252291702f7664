#pragma once

#include <QObject>

class QWidget;

namespace radio {
namespace gui {

class CProgramApp;

// F1 in a dialog opens the help of the focused control, or the dialog's own page when the
// control names none. Made once per dialog, which owns it.
class DialogHelpFilter : public QObject {
    Q_OBJECT
  public:
    DialogHelpFilter(CProgramApp& app, QWidget& dialog, int helpContext);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    CProgramApp& app_;
    QWidget& dialog_;
};

}  // namespace gui
}  // namespace radio
