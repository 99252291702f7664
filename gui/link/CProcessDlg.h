#pragma once

#include <QDialog>

class QLabel;
class QProgressBar;
class QPushButton;

namespace radio {
namespace gui {

// The small progress window of a radio transfer: OK starts it, Cancel stops it (at once before
// the start, at the transfer's next check while it runs). Modeless, so the program stays usable.
class CProcessDlg : public QDialog {
    Q_OBJECT
  public:
    explicit CProcessDlg(const QString& caption, QWidget* parent = nullptr);

    bool started() const;

    QProgressBar* progress() const { return progress_; }
    QLabel* counter() const { return counter_; }
    QPushButton* okButton() const { return ok_; }
    QPushButton* cancelButton() const { return cancelButton_; }

    // The transfer knows its block count; the bar counts blocks from here on.
    void setBlockCount(int blocks);
    // A further phase of the same transfer (the check after a write): its own caption, and
    // the bar and the counter start again.
    void startPhase(const QString& caption, int blocks);
    void stepBlock();

  signals:
    // OK was pressed: the transfer may begin.
    void startRequested();
    // Cancel was pressed while the transfer runs: it stops at its next check.
    void stopRequested();

  public slots:
    void reject() override;

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    QProgressBar* progress_;
    QLabel* counter_;
    QPushButton* ok_;
    QPushButton* cancelButton_;
};

}  // namespace gui
}  // namespace radio
