#include "core/util/FileIo.h"

#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <memory>
#include <random>
#include <string_view>
#include <system_error>

#if defined(__unix__) || defined(__APPLE__)
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#define RADIOPROG_POSIX 1
#endif

namespace radio {

namespace fs = std::filesystem;

namespace {

struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};
using FileHandle = std::unique_ptr<std::FILE, FileCloser>;

std::string systemReason(int error) {
    return std::generic_category().message(error);
}

FileError makeError(FileError::Kind kind, const std::string& path, std::string reason = {}) {
    FileError error;
    error.kind = kind;
    error.path = path;
    error.reason = std::move(reason);
    return error;
}

// Where the bytes must really go: through every symbolic link to the file the last one names
// (which may not exist yet). Empty, with the reason, for a loop or a link that cannot be read.
fs::path resolveTarget(const fs::path& path, int& error) {
    constexpr int kMostLinks = 40;  // as the system follows them
    fs::path current = path;
    for (int hop = 0; hop < kMostLinks; ++hop) {
        std::error_code ec;
        if (!fs::is_symlink(fs::symlink_status(current, ec))) {
            return current;
        }
        const fs::path target = fs::read_symlink(current, ec);
        if (ec) {
            error = ec.value();
            return {};
        }
        current = target.is_absolute() ? target : current.parent_path() / target;
    }
    error = static_cast<int>(std::errc::too_many_symbolic_link_levels);
    return {};
}

constexpr std::string_view kTemporaryMark = ".tmp";
constexpr std::size_t kTemporaryDigits = 12;

// ".NAME.tmpXXXXXXXXXXXX", the name createTemporary gives.
bool isTemporaryName(const std::string& name) {
    if (name.size() < 2 + kTemporaryMark.size() + kTemporaryDigits || name[0] != '.') {
        return false;
    }
    const std::size_t mark = name.size() - kTemporaryDigits - kTemporaryMark.size();
    return name.compare(mark, kTemporaryMark.size(), kTemporaryMark) == 0 &&
           name.find_first_not_of("0123456789abcdef", mark + kTemporaryMark.size()) ==
               std::string::npos;
}

// A save that was killed leaves its temporary file; the next save into the folder removes those
// old enough that no save can still be writing them (a save takes milliseconds).
void removeStaleTemporaries(const fs::path& folder) {
    constexpr auto kStale = std::chrono::minutes(1);
    std::error_code ec;
    const auto now = fs::file_time_type::clock::now();
    for (fs::directory_iterator entry(folder.empty() ? fs::path(".") : folder, ec), end;
         !ec && entry != end; entry.increment(ec)) {
        std::error_code ignored;
        if (isTemporaryName(entry->path().filename().string()) && entry->is_regular_file(ignored) &&
            now - entry->last_write_time(ignored) > kStale) {
            fs::remove(entry->path(), ignored);
        }
    }
}

// Who may write the file: a save never replaces one its owner made read-only, even when the
// folder would let it (and for root, whom the permission bits do not stop).
bool isReadOnly(const fs::file_status& status) {
    return (status.permissions() & fs::perms::owner_write) == fs::perms::none;
}

// Opens a new file next to the target that no other writer can have open.
FileHandle createTemporary(const fs::path& target, fs::path& tempPath, int& error) {
    std::random_device seed;
    std::mt19937_64 random(seed());
    fs::path folder = target.parent_path();
    for (int attempt = 0; attempt < 100; ++attempt) {
        char suffix[32];
        std::snprintf(suffix, sizeof suffix, ".tmp%012llx",
                      static_cast<unsigned long long>(random() & 0xFFFFFFFFFFFFull));
        std::string name = ".";
        name += target.filename().string();
        name += suffix;  // kTemporaryMark and kTemporaryDigits hex digits
        tempPath = folder / name;
        errno = 0;
        FileHandle file(std::fopen(tempPath.string().c_str(), "wbx"));
        if (file) {
            return file;
        }
        error = errno;
        if (error != EEXIST) {
            return nullptr;
        }
    }
    return nullptr;
}

bool flushToDisk(std::FILE* file) {
    if (std::fflush(file) != 0) {
        return false;
    }
#ifdef RADIOPROG_POSIX
    if (::fsync(::fileno(file)) != 0 && errno != EINVAL) {
        return false;
    }
#endif
    return true;
}

void syncFolder([[maybe_unused]] const fs::path& folder) {
#ifdef RADIOPROG_POSIX
    int fd = ::open(folder.empty() ? "." : folder.string().c_str(), O_RDONLY | O_DIRECTORY);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
#endif
}

// The name may have become a pipe since it was looked at: opening without waiting for a
// writer, and checking what was opened, keeps a read from hanging.
FileHandle openRegularForReading(const std::string& path) {
#ifdef RADIOPROG_POSIX
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        return nullptr;
    }
    struct stat info {};
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        ::close(fd);
        errno = ENXIO;
        return nullptr;
    }
    ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    FileHandle file(::fdopen(fd, "rb"));
    if (!file) {
        ::close(fd);
    }
    return file;
#else
    return FileHandle(std::fopen(path.c_str(), "rb"));
#endif
}

}  // namespace

Result<Bytes, FileError> readFileBytes(const std::string& path, std::size_t maxBytes) {
    using R = Result<Bytes, FileError>;
    std::error_code ec;
    fs::file_status status = fs::status(path, ec);
    if (fs::is_directory(status)) {
        return R::failure(makeError(FileError::Kind::IsDirectory, path));
    }
    if (!fs::exists(status)) {
        return R::failure(makeError(FileError::Kind::NotFound, path));
    }
    if (!fs::is_regular_file(status)) {
        return R::failure(makeError(FileError::Kind::NotRegular, path));
    }
    errno = 0;
    FileHandle file = openRegularForReading(path);
    if (!file) {
        if (errno == ENXIO || errno == EWOULDBLOCK) {
            return R::failure(makeError(FileError::Kind::NotRegular, path));
        }
        return R::failure(makeError(FileError::Kind::Unreadable, path, systemReason(errno)));
    }
    Bytes bytes;
    std::uint8_t chunk[4096];
    while (maxBytes == 0 || bytes.size() < maxBytes) {
        std::size_t want = sizeof chunk;
        if (maxBytes != 0) {
            want = std::min(want, maxBytes - bytes.size());
        }
        std::size_t got = std::fread(chunk, 1, want, file.get());
        bytes.insert(bytes.end(), chunk, chunk + got);
        if (got < want) {
            if (std::ferror(file.get())) {
                int error = errno;
                return R::failure(makeError(FileError::Kind::Unreadable, path,
                                            systemReason(error ? error : EIO)));
            }
            break;
        }
    }
    return bytes;
}

Status<FileError> writeFileAtomically(const std::string& path, const Bytes& bytes) {
    using S = Status<FileError>;
    int linkError = 0;
    const fs::path target = resolveTarget(fs::path(path), linkError);
    if (target.empty()) {
        FileError error = makeError(FileError::Kind::NotWritable, path, systemReason(linkError));
        error.existed = false;
        return S::failure(std::move(error));
    }
    std::error_code ec;
    const fs::file_status status = fs::status(target, ec);
    if (fs::is_directory(status)) {
        return S::failure(makeError(FileError::Kind::IsDirectory, path));
    }
    const bool existed = fs::exists(status);
    // A device or a pipe would be replaced by a plain file of the same name.
    if (existed && !fs::is_regular_file(status)) {
        return S::failure(makeError(FileError::Kind::NotRegular, path));
    }
    if (existed && isReadOnly(status)) {
        return S::failure(makeError(FileError::Kind::ReadOnly, path));
    }

    const auto failure = [&](FileError::Kind kind, std::string reason) {
        FileError error = makeError(kind, path, std::move(reason));
        error.existed = existed;
        return S::failure(std::move(error));
    };
    removeStaleTemporaries(target.parent_path());

    fs::path tempPath;
    int error = 0;
    FileHandle file = createTemporary(target, tempPath, error);
    if (!file) {
        return failure(FileError::Kind::NotWritable, systemReason(error));
    }
    auto discard = [&](int why) {
        file.reset();
        std::error_code ignored;
        fs::remove(tempPath, ignored);
        return failure(FileError::Kind::NotWritable, systemReason(why));
    };
    errno = 0;
    if (!bytes.empty() && std::fwrite(bytes.data(), 1, bytes.size(), file.get()) != bytes.size()) {
        return discard(errno ? errno : EIO);
    }
    if (!flushToDisk(file.get())) {
        return discard(errno ? errno : EIO);
    }
    if (std::fclose(file.release()) != 0) {
        return discard(errno ? errno : EIO);
    }

    fs::file_status old = fs::status(target, ec);
    if (!ec && fs::exists(old)) {
        fs::permissions(tempPath, old.permissions(), ec);
    }
    fs::rename(tempPath, target, ec);
    if (ec) {
        std::error_code ignored;
        fs::remove(tempPath, ignored);
        return failure(FileError::Kind::NotReplaced, ec.message());
    }
    syncFolder(target.parent_path());
    return {};
}

}  // namespace radio
