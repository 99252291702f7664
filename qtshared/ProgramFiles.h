#pragma once

#include <QString>

namespace radio {
namespace gui {

// Where the program finds its runtime files and keeps the user's Program.ini. Decided once at
// start-up from the executable's folder:
// - portable: the folder holds a writable Program.ini (a build folder, an unpacked copy, a USB
//   stick), and everything is read from and written to that folder, as it always was;
// - installed: the runtime files are in PREFIX/share/radioprog next to PREFIX/bin (any prefix),
//   the user's changes go to USERCONFIG/radioprog/Program.ini, which is read instead of the
//   shipped defaults once it exists. Nothing is ever written under the prefix. A Windows copy
//   in a folder it may not write (Program Files), or one the installer put there with its
//   uninstall.exe, is installed the same way, its files beside the program and the user's
//   changes in %APPDATA%\radioprog.
struct ProgramFiles {
    bool portable = true;
    QString dataDir;     // runtime files, with a trailing '/'
    QString iniToRead;   // the user's copy when there is one, else the defaults
    QString iniToWrite;  // where changes to Program.ini are saved
};

// programDir: the executable's folder; userConfigDir: the per-user configuration folder
// ($XDG_CONFIG_HOME or ~/.config; %APPDATA% on Windows).
ProgramFiles locateProgramFiles(const QString& programDir, const QString& userConfigDir);
// The same with the user's configuration folder the system names.
ProgramFiles locateProgramFiles(const QString& programDir);

}  // namespace gui
}  // namespace radio
