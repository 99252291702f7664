#pragma once

#include <QDialog>

#include "core/image/MemoryImage.h"
#include "core/settings/ParamTable.h"

class QCheckBox;

namespace radio {
namespace gui {

class AdjustTable;
class CProgramApp;

// Param Adjust: five audio levels for compander off and on, and the two emphasis switches.
// No OK or Cancel: whatever closes the page (close box, Enter, Escape) stores it.
class CParamAdjustDlg : public QDialog {
    Q_OBJECT
  public:
    explicit CParamAdjustDlg(CProgramApp& app, QWidget* parent = nullptr);

    void load(const MemoryImage& image);
    const MemoryImage& image() const { return image_; }
    // Writes the page as it was when it closed into an image.
    void store(MemoryImage& image) const;

    AdjustTable* table() const { return table_; }
    QCheckBox* deEmphasisBox() const { return deEmphasis_; }
    QCheckBox* preEmphasisBox() const { return preEmphasis_; }

    void done(int result) override;

  protected:
    void keyPressEvent(QKeyEvent* event) override;

  private:
    void markCurrentCell(int row, int col, int previousRow, int previousCol);

    CProgramApp& app_;
    MemoryImage image_;
    ParamAdjustValues values_;
    AdjustTable* table_;
    QCheckBox* deEmphasis_;
    QCheckBox* preEmphasis_;
};

}  // namespace gui
}  // namespace radio
