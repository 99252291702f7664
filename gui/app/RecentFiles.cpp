#include "gui/app/RecentFiles.h"

#include <QDir>
#include <QFileInfo>
#include <algorithm>

namespace radio {
namespace gui {

namespace {

// The path a file is known by: its real one once links and "." or ".." are resolved, or, for a
// file that is gone, its absolute path.
QString identity(const QString& path) {
    const QFileInfo info(path);
    const QString canonical = info.canonicalFilePath();
    return canonical.isEmpty() ? QDir::cleanPath(info.absoluteFilePath()) : canonical;
}

bool sameFile(const QString& a, const QString& b) {
#ifdef Q_OS_WIN
    constexpr Qt::CaseSensitivity kPathCase = Qt::CaseInsensitive;
#else
    constexpr Qt::CaseSensitivity kPathCase = Qt::CaseSensitive;
#endif
    return identity(a).compare(identity(b), kPathCase) == 0;
}

}  // namespace

RecentFiles::RecentFiles(const QStringList& paths) {
    for (const QString& path : paths) {
        const bool known = std::any_of(paths_.begin(), paths_.end(),
                                       [&](const QString& kept) { return sameFile(kept, path); });
        if (!path.isEmpty() && !known && paths_.size() < kCapacity) {
            paths_.append(path);
        }
    }
}

void RecentFiles::add(const QString& path) {
    if (path.isEmpty()) {
        return;
    }
    remove(path);
    paths_.prepend(identity(path));
    while (paths_.size() > kCapacity) {
        paths_.removeLast();
    }
}

void RecentFiles::remove(const QString& path) {
    paths_.removeIf([&](const QString& kept) { return sameFile(kept, path); });
}

}  // namespace gui
}  // namespace radio
