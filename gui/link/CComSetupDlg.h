#pragma once

#include <QDialog>
#include <functional>
#include <string>

class QButtonGroup;
class QLabel;
class QRadioButton;

namespace radio {
namespace gui {

class CProgramApp;

// COM Setup: chooses which of COM1..COM4 the transfers use. Each choice shows the device it
// stands for; a port that cannot be opened right now is greyed out. The choice is remembered.
// Below, every serial device the system reports, with its maker and the port standing for it.
class CComSetupDlg : public QDialog {
    Q_OBJECT
  public:
    using Probe = std::function<bool(const std::string& device)>;

    // probe: whether a device can be opened now (the real serial port by default).
    CComSetupDlg(CProgramApp& app, QWidget* parent = nullptr, Probe probe = {});

    // 0..3 for COM1..COM4, -1 when no button is chosen.
    int portIndex() const;
    QRadioButton* portButton(int index) const;
    // The device a port number 1..4 stands for.
    std::string deviceFor(int number) const;

    // Stores the choice for the user (registry value "com" = index + 1) and for every
    // document of the run (the application's port name, "com" followed by index + 1), and
    // returns that name.
    QString acceptChoice();

  private:
    QLabel* devicesLabel();

    CProgramApp& app_;
    QButtonGroup* group_;
};

}  // namespace gui
}  // namespace radio
