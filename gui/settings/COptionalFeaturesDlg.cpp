#include "gui/settings/COptionalFeaturesDlg.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QVBoxLayout>

#include "gui/app/CProgramApp.h"
#include "gui/app/CommandIds.h"
#include "gui/app/DialogHelpFilter.h"
#include "gui/app/HelpContext.h"
#include "gui/settings/KeyFilter.h"

namespace radio {
namespace gui {

namespace {

// Control ids, which are also the help contexts.
constexpr int kBeepId = 1016;
constexpr int kBatterySaverId = 1005;

std::optional<int> selection(const QComboBox* list) {
    const int index = list->currentIndex();
    return index < 0 ? std::nullopt : std::optional<int>(index);
}

void select(QComboBox* list, std::optional<int> index) {
    list->setCurrentIndex(index.value_or(-1));
}

}  // namespace

COptionalFeaturesDlg::COptionalFeaturesDlg(CProgramApp& app, QWidget* parent)
    : QDialog(parent), app_(app) {
    new DialogHelpFilter(app_, *this, cmd::OptionalFeatures);
    setObjectName("COptionalFeaturesDlg");
    setWindowTitle(tr("Optional Features"));

    auto* left = new QFormLayout;
    left->addRow(tr("Time-Out Timer"), addList(OptionalField::TimeOutTimer, 1118));
    left->addRow(tr("TOT Pre-Alert"), addList(OptionalField::TotPreAlert, 1130));
    left->addRow(tr("Call Tone"), addList(OptionalField::CallTone, 1119));
    left->addRow(tr("Vox Gain Level"), addList(OptionalField::VoxGainLevel, 1121));
    auto* right = new QFormLayout;
    right->addRow(tr("Call Key Define"), addList(OptionalField::CallKeyDefine, 1009));
    right->addRow(tr("Voice Annunciation"), addList(OptionalField::VoiceAnnunciation, 1117));
    right->addRow(tr("Squelch Level"), addList(OptionalField::SquelchLevel, 1116));
    right->addRow(tr("Vox Delay Time"), addList(OptionalField::VoxDelayTime, 1123));

    beep_ = new QCheckBox(tr("Beep"), this);
    setHelpContext(*beep_, kBeepId);
    batterySaver_ = new QCheckBox(tr("Battery Saver"), this);
    setHelpContext(*batterySaver_, kBatterySaverId);
    auto* checks = new QHBoxLayout;
    checks->addWidget(beep_);
    checks->addWidget(batterySaver_);
    checks->addStretch();

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &COptionalFeaturesDlg::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* columns = new QHBoxLayout;
    columns->addLayout(left);
    columns->addSpacing(16);
    columns->addLayout(right);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(columns);
    layout->addLayout(checks);
    layout->addWidget(buttons);

    fillLists();
    new KeyFilter(*this, optionalFeaturesKeyPasses);
}

QComboBox* COptionalFeaturesDlg::addList(OptionalField field, int helpId) {
    auto* list = new QComboBox(this);
    setHelpContext(*list, helpId);
    lists_[field] = list;
    return list;
}

void COptionalFeaturesDlg::fillLists() {
    for (const auto& [field, list] : lists_) {
        for (const std::string& entry : optionalFeaturesList(field, app_.language())) {
            list->addItem(QString::fromStdString(entry));
        }
    }
}

void COptionalFeaturesDlg::load(const MemoryImage& image) {
    image_ = image;
    const OptionalFeaturesValues v = decodeOptionalFeatures(image);
    select(list(OptionalField::TimeOutTimer), v.timeOutTimer);
    select(list(OptionalField::TotPreAlert), v.totPreAlert);
    select(list(OptionalField::SquelchLevel), v.squelchLevel);
    select(list(OptionalField::VoxGainLevel), v.voxGainLevel);
    select(list(OptionalField::CallTone), v.callTone);
    select(list(OptionalField::VoxDelayTime), v.voxDelayTime);
    select(list(OptionalField::VoiceAnnunciation), v.voiceAnnunciation);
    select(list(OptionalField::CallKeyDefine), v.callKeyDefine);
    beep_->setChecked(v.beep);
    batterySaver_->setChecked(v.batterySaver);
}

OptionalFeaturesValues COptionalFeaturesDlg::values() const {
    OptionalFeaturesValues v;
    v.timeOutTimer = selection(list(OptionalField::TimeOutTimer));
    v.totPreAlert = selection(list(OptionalField::TotPreAlert));
    v.squelchLevel = selection(list(OptionalField::SquelchLevel));
    v.voxGainLevel = selection(list(OptionalField::VoxGainLevel));
    v.callTone = selection(list(OptionalField::CallTone));
    v.voxDelayTime = selection(list(OptionalField::VoxDelayTime));
    v.voiceAnnunciation = selection(list(OptionalField::VoiceAnnunciation));
    v.callKeyDefine = selection(list(OptionalField::CallKeyDefine));
    v.beep = beep_->isChecked();
    v.batterySaver = batterySaver_->isChecked();
    return v;
}

void COptionalFeaturesDlg::store(MemoryImage& image) const {
    encodeOptionalFeatures(image, values());
}

void COptionalFeaturesDlg::accept() {
    store(image_);
    QDialog::accept();
}

}  // namespace gui
}  // namespace radio
