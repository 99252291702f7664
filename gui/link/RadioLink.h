#pragma once

#include <QObject>
#include <QPointer>
#include <QString>
#include <functional>

#include "core/link/CloneProtocol.h"
#include "core/link/Transfer.h"

namespace radio {
namespace gui {

class CProcessDlg;
class CProgramApp;
class CProgramView;
class TransferThread;

// The view's link to the radio: the Read, Write and Compare commands, their progress window,
// and the transfer running on its own thread.
class RadioLink : public QObject {
    Q_OBJECT
  public:
    RadioLink(CProgramApp& app, CProgramView& view);
    ~RadioLink() override;

    void onRead();
    void onWrite();
    // Reads the radio into an image of its own and shows how it differs from the document.
    void onCompare();

    bool dialogOpen() const { return !dialog_.isNull(); }
    bool running() const { return thread_ != nullptr; }
    CProcessDlg* dialog() const;
    clone::Direction direction() const { return direction_; }

    // Before the view goes: true when nothing runs. A running transfer is stopped if the user
    // agrees; then this returns false and whenStopped is called from the event loop once the
    // transfer has ended. False alone: the user keeps it running.
    bool prepareToClose(const std::function<void()>& whenStopped);

  signals:
    void transferFinished(radio::TransferOutcome outcome);

  private:
    enum class Job { Read, Write, Compare };

    void openDialog(Job job);
    void start();
    void finish();
    void takeReadImage(const MemoryImage& radio);
    void reportCheck(const VerifyResult& result, const MemoryImage& written);
    void showDifferences(const MemoryImage& radio);
    void closeDialog();
    RetryChoice askRetry();

    CProgramApp& app_;
    CProgramView& view_;
    Job job_ = Job::Read;
    clone::Direction direction_ = clone::Direction::Read;
    MemoryImage sent_;              // what a write sends, or what a comparison compares with
    QPointer<CProcessDlg> dialog_;  // owned by the view, its Qt parent
    TransferThread* thread_ = nullptr;
};

}  // namespace gui
}  // namespace radio
