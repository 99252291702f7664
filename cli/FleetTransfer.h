#pragma once

#include <QString>
#include <optional>
#include <string>
#include <vector>

#include "core/image/MemoryImage.h"

namespace radio::cli {

// Several radios at once, one thread per port on the same engine as for one radio; the image
// is the only thing they share, read-only. Progress goes to stderr (one line per port, in
// place on a terminal), a table of each port's outcome and time to stdout. Returns the exit
// status: 0 when every port succeeded, 1 otherwise.
int writeFleet(const std::vector<std::string>& ports, const MemoryImage& image, bool unlocked,
               bool verify, std::optional<int> retries);

// Reads each radio into directory/<port name>.dat; a failed read writes no file.
int readFleet(const std::vector<std::string>& ports, const QString& directory,
              std::optional<int> retries);

// The file a fleet read saves a port's radio in: the last part of a device path, or comN.
std::string fleetFileName(const std::string& port);

}  // namespace radio::cli
