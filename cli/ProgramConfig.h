#pragma once

#include "core/config/IniFile.h"
#include "core/link/PortNaming.h"

namespace radio::cli {

// Program.ini (the user's copy, else the defaults next to or shared with the program), read once.
const IniFile& programConfig();

// [Ports] of Program.ini, for naming com1..com4.
PortsLookup portsLookup();

}  // namespace radio::cli
