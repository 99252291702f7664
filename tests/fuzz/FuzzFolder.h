#pragma once

// A folder of its own for one fuzzing process, removed at its end. The targets save as the
// program does, with fsync for the file and its folder; on a disk that caps them at a few dozen
// runs a second, so the folder lives in memory (/dev/shm) where the system has one.
#include <stdlib.h>

#include <cstdlib>
#include <filesystem>
#include <string>

namespace radio::fuzz {

class TemporaryFolder {
  public:
    explicit TemporaryFolder(const std::string& name) {
        const bool inMemory = std::filesystem::is_directory("/dev/shm");
        path_ = (inMemory ? "/dev/shm/" : "/tmp/") + name + "-XXXXXX";
        if (mkdtemp(path_.data()) == nullptr) {
            std::abort();
        }
    }
    ~TemporaryFolder() {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    TemporaryFolder(const TemporaryFolder&) = delete;
    TemporaryFolder& operator=(const TemporaryFolder&) = delete;

    const std::string& path() const { return path_; }

  private:
    std::string path_;
};

inline const std::string& folder(const std::string& name) {
    static const TemporaryFolder made(name);
    return made.path();
}

}  // namespace radio::fuzz
