#include "gui/settings/CScanInfoDlg.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QVBoxLayout>

#include "core/util/CRuntimeText.h"
#include "core/util/NumberText.h"
#include "gui/app/CProgramApp.h"
#include "gui/app/CommandIds.h"
#include "gui/app/DialogHelpFilter.h"
#include "gui/settings/SpinEdit.h"

namespace radio {
namespace gui {

namespace {

constexpr int kPriorityChannelLength = 2;

QString numberText(double value) {
    return QString::fromStdString(formatGeneral15(value));
}

}  // namespace

CScanInfoDlg::CScanInfoDlg(CProgramApp& app, QWidget* parent)
    : QDialog(parent),
      app_(app),
      priority_(new QComboBox(this)),
      channel_(new QLineEdit(this)),
      lookBackA_(new SpinEdit(false, this)),
      lookBackB_(new SpinEdit(false, this)),
      revert_(new QComboBox(this)),
      dropout_(new SpinEdit(true, this)),
      dwell_(new SpinEdit(true, this)) {
    new DialogHelpFilter(app_, *this, cmd::ScanInfo);
    setObjectName("CScanInfoDlg");
    setWindowTitle(tr("Scan Infomation"));
    priority_->addItems({tr("None"), tr("Fixed"), tr("Selected")});
    channel_->setMaxLength(kPriorityChannelLength);

    auto* form = new QFormLayout;
    form->addRow(tr("Priority"), priority_);
    form->addRow(tr("Priority Channel"), channel_);
    form->addRow(tr("Look Back Time A"), lookBackA_);
    form->addRow(tr("Look Back Time B"), lookBackB_);
    form->addRow(tr("Revert Channel"), revert_);
    form->addRow(tr("Dropout Delay Time"), dropout_);
    form->addRow(tr("Tx Dwell Time"), dwell_);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &CScanInfoDlg::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(buttons);

    connect(priority_, &QComboBox::currentIndexChanged, this, &CScanInfoDlg::updatePriorityMode);
    connect(lookBackA_, &SpinEdit::stepRequested, this,
            [this](int delta) { stepLookBack(&ScanInfoValues::lookBackA, delta); });
    connect(lookBackB_, &SpinEdit::stepRequested, this,
            [this](int delta) { stepLookBack(&ScanInfoValues::lookBackB, delta); });
    connect(lookBackA_, &SpinEdit::focusLeft, this,
            [this] { leaveLookBack(&ScanInfoValues::lookBackA); });
    connect(lookBackB_, &SpinEdit::focusLeft, this,
            [this] { leaveLookBack(&ScanInfoValues::lookBackB); });
    connect(dropout_, &SpinEdit::stepRequested, this,
            [this](int delta) { stepCount(&ScanInfoValues::dropoutDelay, delta); });
    connect(dwell_, &SpinEdit::stepRequested, this,
            [this](int delta) { stepCount(&ScanInfoValues::txDwell, delta); });
    connect(dropout_, &SpinEdit::focusLeft, this,
            [this] { leaveCount(&ScanInfoValues::dropoutDelay); });
    connect(dwell_, &SpinEdit::focusLeft, this, [this] { leaveCount(&ScanInfoValues::txDwell); });
}

void CScanInfoDlg::load(const MemoryImage& image) {
    image_ = image;
    values_ = decodeScanInfo(image);
    {
        const QSignalBlocker quiet(priority_);
        priority_->setCurrentIndex(values_.priorityMode < priority_->count() ? values_.priorityMode
                                                                             : -1);
    }
    const std::string channelText = values_.priorityChannelText;
    const int revertIndex = values_.revertIndex;
    updatePriorityMode();
    values_.priorityChannelText = channelText;
    values_.revertIndex = revertIndex;
    writeControls();
}

void CScanInfoDlg::updatePriorityMode() {
    const int mode = priority_->currentIndex();
    const bool fixed = priorityChannelEnabled(mode);
    if (!fixed) {
        channel_->clear();
    }
    channel_->setEnabled(fixed);
    lookBackA_->setEnabled(lookBackEnabled(mode));
    lookBackB_->setEnabled(lookBackEnabled(mode));
    revert_->clear();
    for (const std::string& entry : radio::revertList(mode, app_.language())) {
        revert_->addItem(QString::fromStdString(entry));
    }
    revert_->setCurrentIndex(0);
}

bool CScanInfoDlg::readControls() {
    struct NumberBox {
        SpinEdit* box;
        bool integer;
    };
    ScanInfoValues read = values_;
    read.priorityMode = priority_->currentIndex();
    read.priorityChannelText = channel_->text().toStdString();
    read.revertIndex = revert_->currentIndex();
    for (const NumberBox& number : {NumberBox{lookBackA_, false}, NumberBox{lookBackB_, false},
                                    NumberBox{dropout_, true}, NumberBox{dwell_, true}}) {
        const std::string text = number.box->text().toStdString();
        bool ok = false;
        if (number.integer) {
            const auto value = parseIntegerText(text);
            ok = value.has_value();
            (number.box == dropout_ ? read.dropoutDelay : read.txDwell) = value.value_or(0);
        } else {
            const auto value = parseNumberText(text);
            ok = value.has_value();
            (number.box == lookBackA_ ? read.lookBackA : read.lookBackB) = value.value_or(0);
        }
        if (!ok) {
            if (reporting_) {
                return false;  // one message at a time, not one per focus change it causes
            }
            reporting_ = true;
            app_.message(number.integer ? tr("Please enter an integer.")
                                        : tr("Please enter a number."));
            reporting_ = false;
            // Only the refused box goes back to its last accepted value: the others keep what
            // the user has typed since.
            number.box->setText(shownValue(number.box));
            number.box->setFocus();
            return false;
        }
    }
    values_ = read;
    return true;
}

QString CScanInfoDlg::shownValue(const SpinEdit* box) const {
    if (box == lookBackA_ || box == lookBackB_) {
        return numberText(box == lookBackA_ ? values_.lookBackA : values_.lookBackB);
    }
    return QString::number(box == dropout_ ? values_.dropoutDelay : values_.txDwell);
}

void CScanInfoDlg::writeControls() {
    channel_->setText(QString::fromStdString(values_.priorityChannelText));
    revert_->setCurrentIndex(values_.revertIndex < revert_->count() ? values_.revertIndex : -1);
    for (SpinEdit* box : {lookBackA_, lookBackB_, dropout_, dwell_}) {
        box->setText(shownValue(box));
    }
}

void CScanInfoDlg::stepLookBack(double ScanInfoValues::*time, int delta) {
    if (readControls()) {
        values_.*time = spinLookBack(values_.*time, delta);
        writeControls();
    }
}

void CScanInfoDlg::leaveLookBack(double ScanInfoValues::*time) {
    if (isVisible() && readControls()) {
        values_.*time = snapLookBack(values_.*time);
        writeControls();
    }
}

void CScanInfoDlg::stepCount(int ScanInfoValues::*count, int delta) {
    if (readControls()) {
        values_.*count = spinCount(values_.*count, delta);
        writeControls();
    }
}

void CScanInfoDlg::leaveCount(int ScanInfoValues::*count) {
    if (isVisible() && readControls()) {
        values_.*count = clampCount(values_.*count);
        writeControls();
    }
}

void CScanInfoDlg::store(MemoryImage& image) const {
    if (auto written = encodeScanInfo(image, values_, app_.language()); !written) {
        app_.message(QString::fromStdString(written.error()));
    }
}

void CScanInfoDlg::accept() {
    if (!readControls()) {
        return;
    }
    auto written = encodeScanInfo(image_, values_, app_.language());
    if (!written) {
        if (channel_->hasSelectedText()) {
            channel_->del();
        }
        readControls();
        app_.message(QString::fromStdString(written.error()));
        return;
    }
    QDialog::accept();
}

}  // namespace gui
}  // namespace radio
