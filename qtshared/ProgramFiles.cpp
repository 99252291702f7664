#include "qtshared/ProgramFiles.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

namespace radio {
namespace gui {

namespace {

const QString kIniName = QStringLiteral("Program.ini");
const QString kUninstallerName = QStringLiteral("uninstall.exe");

QString withSlash(const QString& folder) {
    return folder.endsWith('/') ? folder : folder + '/';
}

bool hasIni(const QString& folder) {
    return QFileInfo(folder + kIniName).isFile();
}

// Opening for appending is the real test: on Windows QFileInfo::isWritable looks only at the
// read-only attribute, not at who may write into Program Files.
bool canWrite(const QString& file) {
    QFile probe(file);
    return probe.open(QIODevice::WriteOnly | QIODevice::Append);
}

// The Windows installer puts its uninstaller beside the program; such a copy is installed even
// where the user could write into its folder (an administrator, or Wine).
bool hasUninstaller(const QString& folder) {
    return QFileInfo(folder + kUninstallerName).isFile();
}

}  // namespace

ProgramFiles locateProgramFiles(const QString& programDir, const QString& userConfigDir) {
    const QString own = withSlash(QDir::cleanPath(programDir));
    if (hasIni(own) && !hasUninstaller(own) && canWrite(own + kIniName)) {
        return {true, own, own + kIniName, own + kIniName};
    }
    const QString shared = withSlash(QDir::cleanPath(own + "../share/radioprog"));
    QString dataDir;
    if (hasIni(shared)) {
        dataDir = shared;
    } else if (hasIni(own)) {
        dataDir = own;  // a read-only copy: its file is the defaults
    } else {
        // No Program.ini anywhere: as before, an empty one is made next to the program.
        return {true, own, own + kIniName, own + kIniName};
    }
    const QString user = withSlash(QDir::cleanPath(userConfigDir)) + "radioprog/" + kIniName;
    return {false, dataDir, QFileInfo(user).isFile() ? user : dataDir + kIniName, user};
}

ProgramFiles locateProgramFiles(const QString& programDir) {
#ifdef Q_OS_WIN
    // Windows programs keep a user's settings in the roaming profile, which follows the user
    // from one computer of a network to another.
    const QString roaming = qEnvironmentVariable("APPDATA");
    if (!roaming.isEmpty()) {
        return locateProgramFiles(programDir, QDir::fromNativeSeparators(roaming));
    }
#endif
    return locateProgramFiles(
        programDir, QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation));
}

}  // namespace gui
}  // namespace radio
