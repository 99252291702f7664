#pragma once

#include <string>

#include "core/image/MemoryImage.h"
#include "core/util/FileError.h"
#include "core/util/Result.h"

namespace radio {

// A .dat file is the memory image, 1024 bytes in offset order, nothing else.
// A longer file loads its first 1024 bytes; a shorter one is refused.
Result<MemoryImage, FileError> loadDatFile(const std::string& path);

// Writes exactly 1024 bytes; the old file survives any failure whole.
Status<FileError> saveDatFile(const std::string& path, const MemoryImage& image);

}  // namespace radio
