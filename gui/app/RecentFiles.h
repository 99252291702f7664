#pragma once

#include <QString>
#include <QStringList>

namespace radio {
namespace gui {

// The documents last opened or saved, most recent first, each file once however its path was
// spelt, at most kCapacity of them.
class RecentFiles {
  public:
    static constexpr int kCapacity = 4;

    // Paths as remembered from an earlier run; repeats and those beyond the capacity are dropped.
    explicit RecentFiles(const QStringList& paths = {});

    const QStringList& paths() const { return paths_; }
    // Puts the file first.
    void add(const QString& path);
    void remove(const QString& path);

  private:
    QStringList paths_;
};

}  // namespace gui
}  // namespace radio
