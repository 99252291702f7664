#include "qtshared/ProgramFiles.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace radio {
namespace gui {

namespace {

const QString kIniName = QStringLiteral("Program.ini");

QString withSlash(const QString& folder) {
    return folder.endsWith('/') ? folder : folder + '/';
}

bool hasIni(const QString& folder) {
    return QFileInfo(folder + kIniName).isFile();
}

}  // namespace

ProgramFiles locateProgramFiles(const QString& programDir, const QString& userConfigDir) {
    const QString own = withSlash(QDir::cleanPath(programDir));
    const bool ownWritable = QFileInfo(own).isWritable() && QFileInfo(own + kIniName).isWritable();
    if (hasIni(own) && ownWritable) {
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
    return locateProgramFiles(
        programDir, QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation));
}

}  // namespace gui
}  // namespace radio
