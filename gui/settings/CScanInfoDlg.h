#pragma once

#include <QDialog>

#include "core/image/MemoryImage.h"
#include "core/settings/ScanInfo.h"

class QComboBox;
class QLineEdit;

namespace radio {
namespace gui {

class CProgramApp;
class SpinEdit;

// Scan Information: priority mode and channel, look-back times, revert channel, dropout delay
// and transmit dwell. Works on a copy of the image; OK checks the priority channel and writes
// the page into the copy with every number in its range, whether or not its box was left.
class CScanInfoDlg : public QDialog {
    Q_OBJECT
  public:
    explicit CScanInfoDlg(CProgramApp& app, QWidget* parent = nullptr);

    // Opening: every member afresh from the image.
    void load(const MemoryImage& image);
    // The image with the page written into it (after OK).
    const MemoryImage& image() const { return image_; }
    // Writes the accepted page into an image; nothing (after telling the user) when the
    // priority channel is no longer programmed there.
    void store(MemoryImage& image) const;

    QComboBox* priorityList() const { return priority_; }
    QLineEdit* priorityChannelBox() const { return channel_; }
    SpinEdit* lookBackABox() const { return lookBackA_; }
    SpinEdit* lookBackBBox() const { return lookBackB_; }
    QComboBox* revertList() const { return revert_; }
    SpinEdit* dropoutDelayBox() const { return dropout_; }
    SpinEdit* txDwellBox() const { return dwell_; }

  public slots:
    void accept() override;

  private:
    void updatePriorityMode();
    // Controls into the members; false (after the number message) when a box holds no number.
    bool readControls();
    void writeControls();
    QString shownValue(const SpinEdit* box) const;
    void stepLookBack(double ScanInfoValues::*time, int delta);
    void leaveLookBack(double ScanInfoValues::*time);
    void stepCount(int ScanInfoValues::*count, int delta);
    void leaveCount(int ScanInfoValues::*count);

    CProgramApp& app_;
    MemoryImage image_;
    ScanInfoValues values_;
    bool reporting_ = false;  // a number message is showing
    QComboBox* priority_;
    QLineEdit* channel_;
    SpinEdit* lookBackA_;
    SpinEdit* lookBackB_;
    QComboBox* revert_;
    SpinEdit* dropout_;
    SpinEdit* dwell_;
};

}  // namespace gui
}  // namespace radio
