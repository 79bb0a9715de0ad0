// A document package: the zip container of OOXML (.docx) and ODF (.odt) documents.
//
// Parts are read on demand and inflated with a size cap, so a small file that inflates
// to gigabytes (a zip bomb) is refused instead of exhausting memory. Saving writes every
// part the caller did not replace as the very same compressed bytes it was read as, and
// replaces the target atomically: a failed save leaves the previous file untouched.
// For ODF the "mimetype" part is written first and stored, as readers require.
//
// Failures raise VbError with a description that names the file and the part.
#pragma once

#include <cstddef>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace orvane::office {

struct PackageLimits {
  size_t max_part_size = size_t{64} << 20;    // inflated bytes of any one part
  size_t max_total_size = size_t{512} << 20;  // inflated bytes read over the whole package
  size_t max_entries = 10000;
};

class Package {
 public:
  // Reads the file at `path`. REQUIRES: the file exists (VbError 5174 otherwise).
  static Package open(const std::string& path, PackageLimits limits = {});
  // A package read from bytes already in memory; `label` names it in errors.
  static Package from_bytes(std::string bytes, std::string label, PackageLimits limits = {});

  Package(Package&&) noexcept;
  Package& operator=(Package&&) noexcept;
  ~Package();

  const std::string& label() const { return label_; }
  // Names of the parts in archive order (parts added later come last).
  std::vector<std::string> names() const;
  bool has(std::string_view name) const;
  // The inflated part. VbError when it is missing, over the cap or damaged.
  const std::string& read(std::string_view name);
  // Replaces (or adds) a part. Stored parts are kept uncompressed.
  void write(const std::string& name, std::string data, bool stored = false);
  void remove(const std::string& name);
  bool changed(std::string_view name) const;

  // Writes the package to `path` through a temporary file in the same folder.
  // `odf`: "mimetype" first and stored.
  void save(const std::string& path, bool odf) const;

 private:
  Package() = default;
  struct Entry {
    std::string name;
    long long index = -1;  // position in the source archive; -1 = new part
    bool replaced = false;
    bool stored = false;
    bool removed = false;
    bool loaded = false;
    std::string data;
  };
  struct Source;
  Entry* find(std::string_view name);
  const Entry* find(std::string_view name) const;

  std::string label_;
  PackageLimits limits_;
  std::unique_ptr<Source> src_;
  std::vector<Entry> entries_;
  size_t inflated_total_ = 0;
};

// Writes `data` to `path` through a temporary file in the same folder, renamed over the
// target once complete. VbError 75 naming the path when the folder is not writable.
void write_file_atomically(const std::string& path, std::string_view data);
// Moves a finished file (possibly on another file system) over `path` atomically.
void install_file_atomically(const std::string& finished, const std::string& path);
std::string read_whole_file(const std::string& path);

}  // namespace orvane::office
