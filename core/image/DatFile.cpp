#include "core/image/DatFile.h"

#include <algorithm>

#include "core/util/FileIo.h"

namespace radio {

Result<MemoryImage, FileError> loadDatFile(const std::string& path) {
    using R = Result<MemoryImage, FileError>;
    auto bytes = readFileBytes(path, MemoryImage::kSize);
    if (!bytes) {
        return R::failure(bytes.error());
    }
    if (bytes.value().size() < MemoryImage::kSize) {
        FileError error;
        error.kind = bytes.value().empty() ? FileError::Kind::Empty : FileError::Kind::TooShort;
        error.path = path;
        error.size = bytes.value().size();
        error.expected = MemoryImage::kSize;
        return R::failure(error);
    }
    MemoryImage image;
    std::copy_n(bytes.value().begin(), MemoryImage::kSize, image.data());
    return image;
}

Status<FileError> saveDatFile(const std::string& path, const MemoryImage& image) {
    return writeFileAtomically(path, Bytes(image.data(), image.data() + MemoryImage::kSize));
}

}  // namespace radio
