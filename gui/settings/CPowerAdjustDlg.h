#pragma once

#include <QDialog>

#include "core/channels/Frequency.h"
#include "core/image/MemoryImage.h"
#include "core/settings/PowerTable.h"

namespace radio {
namespace gui {

class AdjustTable;
class CProgramApp;

// Power Adjustment: low and high transmit power per frequency point of the band. There is no
// OK or Cancel: whatever closes the page stores the table into the image copy.
class CPowerAdjustDlg : public QDialog {
    Q_OBJECT
  public:
    explicit CPowerAdjustDlg(CProgramApp& app, QWidget* parent = nullptr);

    // Builds the table for the band's points from the image.
    void load(const MemoryImage& image, BandLimits limits);
    const MemoryImage& image() const { return image_; }
    // Writes the table as it was when the page closed into an image.
    void store(MemoryImage& image) const;
    AdjustTable* table() const { return table_; }

    void done(int result) override;

  protected:
    void keyPressEvent(QKeyEvent* event) override;

  private:
    void moveDown();

    CProgramApp& app_;
    MemoryImage image_;
    std::vector<PowerRow> rows_;
    AdjustTable* table_;
};

}  // namespace gui
}  // namespace radio
