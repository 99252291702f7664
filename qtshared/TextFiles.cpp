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
    auto read = readFileBytes(localPath(path), kLargestTextFile);
    if (!read) {
        return Result<std::string, FileError>::failure(read.error());
    }
    return textFileToUtf8(std::string(read.value().begin(), read.value().end()));
}

Status<FileError> writeTextFile(const QString& path, const std::string& text) {
    return writeFileAtomically(localPath(path), Bytes(text.begin(), text.end()));
}

}  // namespace gui
}  // namespace radio
