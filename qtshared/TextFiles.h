#pragma once

#include <QString>
#include <string>

#include "core/util/FileError.h"
#include "core/util/Result.h"

namespace radio {
namespace gui {

// A path as the file system takes it.
std::string localPath(const QString& path);

// A text file users make (a channel list), as UTF-8, whether it was saved as UTF-8 or GBK.
// Files over a mebibyte are refused whole: such a list is a few kilobytes.
Result<std::string, FileError> readTextFile(const QString& path);

// Writes a text file whole or not at all.
Status<FileError> writeTextFile(const QString& path, const std::string& text);

}  // namespace gui
}  // namespace radio
