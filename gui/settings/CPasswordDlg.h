#pragma once

#include <QDialog>

class QLineEdit;

namespace radio {
namespace gui {

class CProgramApp;

// Asks for the service access code: six characters, shown masked. OK closes only on the
// right code; a wrong one is reported and stays in the box as typed.
class CPasswordDlg : public QDialog {
    Q_OBJECT
  public:
    explicit CPasswordDlg(CProgramApp& app, QWidget* parent = nullptr);

    QLineEdit* entryBox() const { return entry_; }

  public slots:
    void accept() override;

  private:
    CProgramApp& app_;
    QLineEdit* entry_;
};

// The gate: on the right code, unlocks the adjustment pages for the rest of the run and
// appends their two items to the Edit menu once.
void runAccessCodeGate(CProgramApp& app);

}  // namespace gui
}  // namespace radio
