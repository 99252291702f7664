#pragma once

#include <QDialog>

class QLabel;

namespace radio {
namespace gui {

class CProgramApp;

// About: the texts of the language section and logo.bmp of the program folder.
class CAboutDlg : public QDialog {
    Q_OBJECT
  public:
    CAboutDlg(CProgramApp& app, QWidget* parent = nullptr);

    QLabel* picture() const { return picture_; }

  private:
    QLabel* picture_;
};

}  // namespace gui
}  // namespace radio
