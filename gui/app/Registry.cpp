#include "gui/app/Registry.h"

#include <QSettings>
#include <memory>

namespace radio {
namespace gui {

namespace {

std::unique_ptr<QSettings> openSettings(const QString& appName) {
#ifdef Q_OS_WIN
    return std::make_unique<QSettings>("HKEY_CURRENT_USER\\Software\\" + appName,
                                       QSettings::NativeFormat);
#else
    return std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope,
                                       appName.isEmpty() ? QStringLiteral("radioprog") : appName);
#endif
}

}  // namespace

Registry::Registry(QString appName) : appName_(std::move(appName)) {}

std::optional<int> Registry::readInt(const QString& name) const {
    const QVariant value = openSettings(appName_)->value(name);
    bool ok = false;
    const qint64 number = value.toLongLong(&ok);
    if (!value.isValid() || !ok) {
        return std::nullopt;
    }
    return static_cast<int>(static_cast<quint32>(number));  // a DWORD read as a signed int
}

void Registry::writeInt(const QString& name, int value) {
    openSettings(appName_)->setValue(name, value);
}

QStringList Registry::readTexts(const QString& name) const {
    return openSettings(appName_)->value(name).toStringList();
}

void Registry::writeTexts(const QString& name, const QStringList& texts) {
    openSettings(appName_)->setValue(name, texts);
}

}  // namespace gui
}  // namespace radio
