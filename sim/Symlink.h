#pragma once

#include <string>

namespace radio::sim {

// A symbolic link to the device, for a stable name; removed again when this goes away, as
// long as it still points where it was made to.
class Symlink {
  public:
    // Replaces an existing symbolic link at linkPath, never another kind of file.
    // Throws std::system_error when the link can not be made.
    Symlink(std::string linkPath, std::string target);
    ~Symlink();
    Symlink(const Symlink&) = delete;
    Symlink& operator=(const Symlink&) = delete;

  private:
    std::string linkPath_;
    std::string target_;
};

}  // namespace radio::sim
