#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "core/util/FileError.h"
#include "core/util/Result.h"

namespace radio {

using Bytes = std::vector<std::uint8_t>;

// Reads at most maxBytes from the start of a file (all of it when maxBytes is 0).
Result<Bytes, FileError> readFileBytes(const std::string& path, std::size_t maxBytes = 0);

// Replaces the file with exactly these bytes, or leaves it as it was: the bytes go to a
// temporary file in the same folder, which then takes the old file's name. Symbolic links are
// followed to the file the last one names and stay links; an existing file keeps its
// permissions. A read-only file, a device, a pipe or a folder is refused and left alone.
// Temporary files a killed save left in the folder are removed once they are a minute old.
Status<FileError> writeFileAtomically(const std::string& path, const Bytes& bytes);

}  // namespace radio
