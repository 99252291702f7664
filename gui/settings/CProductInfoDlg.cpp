#include "gui/settings/CProductInfoDlg.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QVBoxLayout>

#include "core/channels/BandText.h"
#include "core/settings/ProductInfo.h"
#include "gui/app/BandQuestion.h"
#include "gui/app/CProgramApp.h"
#include "gui/app/CommandIds.h"
#include "gui/app/DialogHelpFilter.h"
#include "gui/app/HelpContext.h"
#include "qtshared/ConfigText.h"

namespace radio {
namespace gui {

namespace {

constexpr int kMaxTypes = 19;
constexpr int kTypeListId = 1013;
constexpr int kBandListId = 1014;

}  // namespace

CProductInfoDlg::CProductInfoDlg(CProgramApp& app, QWidget* parent)
    : QDialog(parent), app_(app), types_(new QComboBox(this)), bands_(new QComboBox(this)) {
    new DialogHelpFilter(app_, *this, cmd::ProductInformation);
    setObjectName("CProductInfoDlg");
    setWindowTitle(tr("Product Information"));
    setHelpContext(*types_, kTypeListId);
    setHelpContext(*bands_, kBandListId);
    types_->setMinimumContentsLength(12);
    bands_->setMinimumContentsLength(12);

    auto* group = new QGroupBox(tr("Setting"), this);
    auto* form = new QFormLayout(group);
    form->addRow(tr("Type"), types_);
    form->addRow(tr("Frequency"), bands_);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &CProductInfoDlg::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(group);
    layout->addWidget(buttons);

    connect(types_, &QComboBox::currentIndexChanged, this, &CProductInfoDlg::fillBands);
}

void CProductInfoDlg::fillTypes() {
    const QSignalBlocker quiet(types_);
    types_->clear();
    for (int number = 1; number <= kMaxTypes; ++number) {
        const QString name = app_.setupText(QStringLiteral("Type%1").arg(number));
        if (name.isEmpty()) {
            break;
        }
        types_->addItem(name);
    }
}

void CProductInfoDlg::fillBands() {
    const int number = types_->currentIndex() + 1;  // no type selected reads "Field0"
    bandTexts_ = splitBandList(app_.config().get("Setup", "Field" + std::to_string(number), ""));
    bands_->clear();
    for (const std::string& band : bandTexts_) {
        bands_->addItem(decodeConfigText(band));
    }
    bands_->setCurrentIndex(0);
}

void CProductInfoDlg::load(const MemoryImage& image) {
    image_ = image;
    chosen_ = decodeProductInfo(image);
    fillTypes();
    const Registry registry = app_.registry();
    const int type = registry.readInt("Type").value_or(0);
    types_->setCurrentIndex(type >= 0 && type < types_->count() ? type : -1);
    fillBands();
    const int band = registry.readInt("Field").value_or(0);
    bands_->setCurrentIndex(band >= 0 && band < bands_->count() ? band : -1);
}

BandLimits CProductInfoDlg::chosenBandLimits() const {
    const int band = bands_->currentIndex();
    return radio::bandLimits(band >= 0 && band < static_cast<int>(bandTexts_.size())
                                 ? bandTexts_[static_cast<std::size_t>(band)]
                                 : std::string());
}

void CProductInfoDlg::store(MemoryImage& image) const {
    encodeProductInfo(image, chosen_);
}

void CProductInfoDlg::accept() {
    const BandLimits limits = chosenBandLimits();
    // Keeping the band the channels were entered for leaves nothing newly outside it.
    const BandLimits current =
        radio::bandLimits(configuredBand(app_.config(), chosen_.typeIndex, chosen_.bandIndex));
    if (limits != current &&
        !goOnWithChannelsOutsideBand(app_, this, image_, limits, tr("Keep this band?"))) {
        return;  // back to the choice, as the user left it
    }
    const int type = types_->currentIndex();
    const int band = bands_->currentIndex();
    chosen_ = {type, band};
    store(image_);

    title_ = QString::fromStdString(mainWindowTitle(
        TitleForm::ProductChosen, app_.languageText("AppName").toStdString(),
        types_->currentText().toStdString(), bands_->currentText().toStdString(), app_.language()));

    Registry registry = app_.registry();
    registry.writeInt("Type", type);
    registry.writeInt("Field", band);
    QDialog::accept();
}

}  // namespace gui
}  // namespace radio
