// Helpers for tests that make the environment fail: a small tmpfs that fills up.
#pragma once

#include <sys/mount.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <string>

namespace orvane::testing {

// A tmpfs of `kib` KiB mounted at `dir` for the life of the object. Mounting needs
// privileges the machine may not grant: then ok() is false and why() says so.
class SmallTmpfs {
 public:
  SmallTmpfs(const std::filesystem::path& dir, int kib) : dir_(dir) {
    std::filesystem::create_directories(dir_);
    const std::string opts = "size=" + std::to_string(kib) + "k";
    if (::mount("tmpfs", dir_.c_str(), "tmpfs", 0, opts.c_str()) == 0)
      mounted_ = true;
    else
      why_ = "cannot mount a small tmpfs here (" + std::string(std::strerror(errno)) + ")";
  }
  ~SmallTmpfs() {
    if (mounted_) ::umount2(dir_.c_str(), MNT_DETACH);
  }
  SmallTmpfs(const SmallTmpfs&) = delete;
  SmallTmpfs& operator=(const SmallTmpfs&) = delete;
  bool ok() const { return mounted_; }
  const std::string& why() const { return why_; }

 private:
  std::filesystem::path dir_;
  bool mounted_ = false;
  std::string why_;
};

}  // namespace orvane::testing
