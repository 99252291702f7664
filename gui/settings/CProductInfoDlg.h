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
// the last choice remembered for the user. OK asks first when another band would leave channels
// of the image outside it, then stores the choice in the image copy and for the user, and gives
// the title the program then shows.
class CProductInfoDlg : public QDialog {
    Q_OBJECT
  public:
    explicit CProductInfoDlg(CProgramApp& app, QWidget* parent = nullptr);

    void load(const MemoryImage& image);
    const MemoryImage& image() const { return image_; }
    // Writes the accepted type and band into an image.
    void store(MemoryImage& image) const;
    // After OK: the main window's title.
    QString title() const { return title_; }

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
};

}  // namespace gui
}  // namespace radio
