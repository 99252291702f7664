#pragma once

#include <QDialog>

class QPlainTextEdit;

namespace radio {
namespace gui {

// What a comparison with the radio found, one difference a line, to read and copy; Close ends
// it. The document and the radio stay as they were.
class CCompareDlg : public QDialog {
    Q_OBJECT
  public:
    CCompareDlg(const QString& differences, QWidget* parent = nullptr);

    QString text() const;

  private:
    QPlainTextEdit* view_;
};

}  // namespace gui
}  // namespace radio
