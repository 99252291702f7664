#include "qtshared/TextFiles.h"

#include <QFile>

#include "core/util/FileIo.h"
#include "qtshared/ConfigText.h"

namespace radio {
namespace gui {

namespace {

constexpr std::size_t kLargestTextFile = 1 << 20;

}  // namespace

std::string localPath(const QString& path) {
    return QFile::encodeName(path).toStdString();
}

Result<std::string, FileError> readTextFile(const QString& path) {
    // One byte more than allowed tells a file at the limit from a larger one, which is refused
    // whole: its first megabyte could end inside a line ("16,435.12500" read as 435.1).
    auto read = readFileBytes(localPath(path), kLargestTextFile + 1);
    if (!read) {
        return Result<std::string, FileError>::failure(read.error());
    }
    if (read.value().size() > kLargestTextFile) {
        FileError error;
        error.kind = FileError::Kind::TooLarge;
        error.path = localPath(path);
        error.expected = kLargestTextFile;
        return Result<std::string, FileError>::failure(error);
    }
    return textFileToUtf8(std::string(read.value().begin(), read.value().end()));
}

Status<FileError> writeTextFile(const QString& path, const std::string& text) {
    return writeFileAtomically(localPath(path), Bytes(text.begin(), text.end()));
}

}  // namespace gui
}  // namespace radio
