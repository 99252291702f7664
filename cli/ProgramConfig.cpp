#include "cli/ProgramConfig.h"

#include <QCoreApplication>
#include <filesystem>

namespace radio::cli {

const IniFile& programConfig() {
    static const IniFile* config = [] {
        static IniFile ini(4);
        const std::string folder = QCoreApplication::applicationDirPath().toStdString() + "/";
        // Read-only use: never create or rewrite the file from the command line.
        if (std::filesystem::exists(folder + "Program.ini")) {
            ini.load(folder + "Program.ini", false, true, false);
        }
        return &ini;
    }();
    return *config;
}

PortsLookup portsLookup() {
    return [](std::string_view key) { return programConfig().get("Ports", std::string(key)); };
}

}  // namespace radio::cli
