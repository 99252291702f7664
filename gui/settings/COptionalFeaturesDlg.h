#pragma once

#include <QDialog>
#include <map>

#include "core/image/MemoryImage.h"
#include "core/settings/OptionalFeatures.h"

class QCheckBox;
class QComboBox;

namespace radio {
namespace gui {

class CProgramApp;

// Optional Features: the radio's general options. Each opening shows the image afresh;
// OK writes the page's own bits back, Cancel leaves the image alone.
class COptionalFeaturesDlg : public QDialog {
    Q_OBJECT
  public:
    explicit COptionalFeaturesDlg(CProgramApp& app, QWidget* parent = nullptr);

    // Shows the values of a copy of the image.
    void load(const MemoryImage& image);
    OptionalFeaturesValues values() const;
    // The copy with the page written into it (after OK).
    const MemoryImage& image() const { return image_; }
    // Writes the page's own bits into an image.
    void store(MemoryImage& image) const;

    QComboBox* list(OptionalField field) const { return lists_.at(field); }
    QCheckBox* beepBox() const { return beep_; }
    QCheckBox* batterySaverBox() const { return batterySaver_; }

  public slots:
    void accept() override;

  private:
    QComboBox* addList(OptionalField field, int helpId);
    void fillLists();

    CProgramApp& app_;
    MemoryImage image_;
    std::map<OptionalField, QComboBox*> lists_;
    QCheckBox* beep_;
    QCheckBox* batterySaver_;
};

}  // namespace gui
}  // namespace radio
