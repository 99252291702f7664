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
// temporary file in the same folder, which then takes the old file's name. A symbolic link
// keeps pointing at the file it named, and an existing file keeps its permissions.
Status<FileError> writeFileAtomically(const std::string& path, const Bytes& bytes);

}  // namespace radio
