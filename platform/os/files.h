// File-system operations as the host's runtime offers them, on host texts (UTF-16
// paths, stored as UTF-8 on disk). Failures raise VbError with the runtime's numbers:
// 53 file not found, 76 path not found, 70 permission denied, 75 path/file access error.
//
// Paths are taken as given: the platform separator is "/", and a backslash is an
// ordinary character of a name here.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>

#include "core/text.h"

namespace orvane::os {

inline constexpr char16_t kSeparator = u'/';

// The user's temporary folder with its trailing separator: $TMPDIR, else "/tmp/".
Text temp_folder();
// Makes a new folder, private to this process, in the temporary folder: its path
// (without a trailing separator), or "" when it cannot be made.
std::string make_scratch_folder(std::string_view prefix);

// A scratch folder removed, with all it holds, when the object goes.
class ScratchFolder {
 public:
  explicit ScratchFolder(std::string_view prefix) : path_(make_scratch_folder(prefix)) {}
  ~ScratchFolder();
  ScratchFolder(const ScratchFolder&) = delete;
  ScratchFolder& operator=(const ScratchFolder&) = delete;
  bool ok() const { return !path_.empty(); }
  const std::string& path() const { return path_; }

 private:
  std::string path_;
};

// The process's current folder, without a trailing separator.
Text current_folder();

std::filesystem::path native_path(TextView path);

// True when `path` names an existing file (a folder does not count).
bool file_exists(TextView path);
bool folder_exists(TextView path);
// The length in bytes; VbError 53 when there is no such file.
int64_t file_length(TextView path);

// Copies `from` over `to`. The copy is written under a temporary name in the target
// folder and renamed into place, so `to` is either the old file or the complete new one.
void copy_file(TextView from, TextView to);
// VbError 53 when there is no such file.
void delete_file(TextView path);
// Creates one folder level; an existing folder is no failure. VbError 76 when the parent
// does not exist, 75 when the folder cannot be made.
void create_folder(TextView path);

}  // namespace orvane::os
