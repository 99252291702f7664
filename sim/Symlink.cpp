#include "sim/Symlink.h"

#include <filesystem>
#include <system_error>

namespace radio::sim {

namespace fs = std::filesystem;

Symlink::Symlink(std::string linkPath, std::string target)
    : linkPath_(std::move(linkPath)), target_(std::move(target)) {
    if (fs::is_symlink(fs::symlink_status(linkPath_))) {
        fs::remove(linkPath_);  // left behind by a simulator that was killed
    }
    fs::create_symlink(target_, linkPath_);
}

Symlink::~Symlink() {
    std::error_code error;
    if (fs::is_symlink(fs::symlink_status(linkPath_, error)) &&
        fs::read_symlink(linkPath_, error) == target_) {
        fs::remove(linkPath_, error);
    }
}

}  // namespace radio::sim
