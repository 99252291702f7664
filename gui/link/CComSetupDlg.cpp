#include "gui/link/CComSetupDlg.h"

#include <QButtonGroup>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>
#include <QVBoxLayout>

#include "core/link/PortNaming.h"
#include "gui/app/CProgramApp.h"
#include "gui/app/CommandIds.h"
#include "gui/app/DialogHelpFilter.h"
#include "serial/SerialLine.h"
#include "serial/SerialLineOpener.h"

namespace radio {
namespace gui {

CComSetupDlg::CComSetupDlg(CProgramApp& app, QWidget* parent, Probe probe)
    : QDialog(parent), app_(app), group_(new QButtonGroup(this)) {
    new DialogHelpFilter(app_, *this, cmd::ComSetup);
    setObjectName("CComSetupDlg");
    setWindowTitle(tr("COM Setup"));
    if (!probe) {
        probe = [](const std::string& device) { return SerialLine::open(device) != nullptr; };
    }
    auto* box = new QGroupBox(tr("COM"), this);
    auto* grid = new QGridLayout(box);
    for (int index = 0; index < 4; ++index) {
        const int number = index + 1;
        const std::string device = deviceFor(number);
        QString label = QStringLiteral("COM%1").arg(number);
        if (device != label.toStdString()) {
            label += QStringLiteral("  (%1)").arg(QString::fromStdString(device));
        }
        auto* button = new QRadioButton(label, box);
        button->setEnabled(probe(device));  // a port held by another program is greyed too
        group_->addButton(button, index);
        grid->addWidget(button, index / 2, index % 2);
    }
    // The stored number 1..4 preselects its button, even a greyed one; none stored is COM1.
    const int index = app_.registry().readInt("com").value_or(1) - 1;
    if (QAbstractButton* button = group_->button(index)) {
        button->setChecked(true);
    }
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(box);
    layout->addWidget(devicesLabel());
    layout->addWidget(buttons);
}

QLabel* CComSetupDlg::devicesLabel() {
    // What the system has, so a user can tell which cable is which and what to put in
    // [Ports] when com1..com4 stand for the wrong device.
    const PortsLookup ports = [this](std::string_view key) {
        return app_.config().get("Ports", std::string(key), "");
    };
    QString text = tr("Serial devices found:");
    const std::vector<SerialDeviceInfo> devices = availableSerialDevices();
    for (const SerialDeviceInfo& device : devices) {
        text += '\n' + QString::fromStdString(
                           describeSerialDevice(device, comNumberForDevice(device.path, ports)));
    }
    if (devices.empty()) {
        text = tr("No serial device was found.");
    }
    auto* label = new QLabel(text, this);
    label->setObjectName("devices");
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    return label;
}

std::string CComSetupDlg::deviceFor(int number) const {
    return devicePathForPort("com" + std::to_string(number), [this](std::string_view key) {
        return app_.config().get("Ports", std::string(key), "");
    });
}

int CComSetupDlg::portIndex() const {
    return group_->checkedId();
}

QRadioButton* CComSetupDlg::portButton(int index) const {
    return qobject_cast<QRadioButton*>(group_->button(index));
}

QString CComSetupDlg::acceptChoice() {
    const int number = portIndex() + 1;
    app_.registry().writeInt("com", number);
    app_.setPortName(QStringLiteral("com%1").arg(number));
    return app_.portName();
}

}  // namespace gui
}  // namespace radio
