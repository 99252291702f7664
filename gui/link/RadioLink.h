#pragma once

#include <QObject>
#include <QPointer>
#include <QString>
#include <memory>

#include "core/link/CloneProtocol.h"
#include "core/link/Transfer.h"

namespace radio {
namespace gui {

class CProcessDlg;
class CProgramApp;
class CProgramView;
class TransferThread;

// The view's link to the radio: the Read and Write commands, their progress window, the port
// the view uses, and the transfer running on its own thread.
class RadioLink : public QObject {
    Q_OBJECT
  public:
    RadioLink(CProgramApp& app, CProgramView& view);
    ~RadioLink() override;

    void onRead();
    void onWrite();

    bool dialogOpen() const { return dialog_ != nullptr; }
    bool running() const { return thread_ != nullptr; }
    CProcessDlg* dialog() const { return dialog_.get(); }
    clone::Direction direction() const { return direction_; }

    QString portName() const { return portName_; }
    void setPortName(const QString& name) { portName_ = name; }

    // Before the view goes: asks whether to stop a running transfer, stops it and waits for
    // it to end (the window stays responsive meanwhile). False when the user keeps it running.
    bool prepareToClose();

  signals:
    void transferFinished(radio::TransferOutcome outcome);

  private:
    void openDialog(clone::Direction direction);
    void start();
    void finish();
    void closeDialog();
    void waitForEnd();
    RetryChoice askRetry();

    CProgramApp& app_;
    CProgramView& view_;
    clone::Direction direction_ = clone::Direction::Read;
    QString portName_ = QStringLiteral("COM1");
    std::unique_ptr<CProcessDlg> dialog_;
    TransferThread* thread_ = nullptr;
};

}  // namespace gui
}  // namespace radio
