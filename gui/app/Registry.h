#pragma once

#include <QString>
#include <QStringList>
#include <optional>

namespace radio {
namespace gui {

// The program's own per-user values: "com", "Type" and "Field" as 32-bit integers, and the
// list of recent files. On Windows they live under HKEY_CURRENT_USER\Software\<AppName>;
// elsewhere in the platform's user settings under the AppName. Failures are ignored: a value
// that cannot be read is missing.
class Registry {
  public:
    explicit Registry(QString appName);

    std::optional<int> readInt(const QString& name) const;
    void writeInt(const QString& name, int value);
    // Empty when missing.
    QStringList readTexts(const QString& name) const;
    void writeTexts(const QString& name, const QStringList& texts);

  private:
    QString appName_;
};

}  // namespace gui
}  // namespace radio
