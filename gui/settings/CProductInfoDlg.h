#pragma once

#include <QDialog>
#include <string>
#include <vector>

#include "core/channels/Frequency.h"
#include "core/image/MemoryImage.h"
#include "core/settings/ProductInfo.h"

class QComboBox;

namespace radio {
namespace gui {

class CProgramApp;

// Product Information: the radio type and its band, from the lists in Program.ini. Opens on
// the last choice remembered for the user. OK stores the choice in the image copy and for the
// user, and gives the title and band limits the program then uses.
class CProductInfoDlg : public QDialog {
    Q_OBJECT
  public:
    explicit CProductInfoDlg(CProgramApp& app, QWidget* parent = nullptr);

    void load(const MemoryImage& image);
    // The channels as the document's grid shows them, and the band they were entered for: OK
    // asks before another band leaves any of them outside it.
    void setChannels(const MemoryImage& shown, BandLimits currentBand);
    const MemoryImage& image() const { return image_; }
    // Writes the accepted type and band into an image.
    void store(MemoryImage& image) const;
    // After OK: the main window's title and the view's band limits.
    QString title() const { return title_; }
    BandLimits bandLimits() const { return limits_; }

    QComboBox* typeList() const { return types_; }
    QComboBox* bandList() const { return bands_; }

  public slots:
    void accept() override;

  private:
    void fillTypes();
    void fillBands();
    BandLimits chosenBandLimits() const;

    CProgramApp& app_;
    MemoryImage image_;
    QComboBox* types_;
    QComboBox* bands_;
    std::vector<std::string> bandTexts_;  // as stored in Program.ini, for the limits
    ProductInfoValues chosen_{-1, -1};
    QString title_;
    BandLimits limits_;
    MemoryImage channels_;
    BandLimits currentBand_;
};

}  // namespace gui
}  // namespace radio
