#include "cli/ProgramConfig.h"

#include <QCoreApplication>
#include <QFileInfo>

#include "qtshared/ProgramFiles.h"
#include "qtshared/TextFiles.h"

namespace radio::cli {

const IniFile& programConfig() {
    static const IniFile* config = [] {
        static IniFile ini(4);
        const QString path =
            gui::locateProgramFiles(QCoreApplication::applicationDirPath()).iniToRead;
        // Read-only use: never create or rewrite the file from the command line.
        if (QFileInfo(path).isFile()) {
            ini.load(gui::localPath(path), false, true, false);
        }
        return &ini;
    }();
    return *config;
}

PortsLookup portsLookup() {
    return [](std::string_view key) { return programConfig().get("Ports", std::string(key)); };
}

}  // namespace radio::cli
