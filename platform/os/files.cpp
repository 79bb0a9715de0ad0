#include "platform/os/files.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <string>

#include "core/error.h"

namespace orvane::os {
namespace fs = std::filesystem;

namespace {

constexpr int32_t kDiskFull = 61;

VbError failure(int32_t number, TextView path) {
  return VbError(number, standard_description(number) + u": " + Text(path));
}

VbError errno_error(int e, TextView path, int32_t fallback) {
  int32_t number = fallback;
  if (e == ENOENT) number = err::kFileNotFound;
  if (e == EACCES || e == EPERM || e == EROFS) number = err::kPermissionDenied;
  if (e == ENOSPC) number = kDiskFull;
  return failure(number, path);
}

// Closes a descriptor and removes the temporary copy unless it was renamed into place.
struct PendingCopy {
  int in = -1, out = -1;
  std::string temp;
  ~PendingCopy() {
    if (in >= 0) ::close(in);
    if (out >= 0) ::close(out);
    if (!temp.empty()) ::unlink(temp.c_str());
  }
};

}  // namespace

Text temp_folder() {
  std::string dir = "/tmp/";
  if (const char* t = std::getenv("TMPDIR"); t && *t) dir = t;
  if (dir.back() != '/') dir += '/';
  return from_utf8(dir);
}

std::string make_scratch_folder(std::string_view prefix) {
  std::string tmpl = to_utf8(temp_folder());
  tmpl.append(prefix).append("-XXXXXX");
  return ::mkdtemp(tmpl.data()) ? tmpl : std::string();
}

ScratchFolder::~ScratchFolder() {
  std::error_code ec;
  if (ok()) fs::remove_all(path_, ec);
}

Text current_folder() {
  std::error_code ec;
  fs::path p = fs::current_path(ec);
  return ec ? Text() : from_utf8(p.string());
}

fs::path native_path(TextView path) { return fs::path(to_utf8(path)); }

bool file_exists(TextView path) {
  if (path.empty()) return false;
  struct stat st;
  return ::stat(to_utf8(path).c_str(), &st) == 0 && !S_ISDIR(st.st_mode);
}

bool folder_exists(TextView path) {
  if (path.empty()) return false;
  struct stat st;
  return ::stat(to_utf8(path).c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

int64_t file_length(TextView path) {
  struct stat st;
  if (path.empty() || ::stat(to_utf8(path).c_str(), &st) != 0 || S_ISDIR(st.st_mode))
    throw failure(err::kFileNotFound, path);
  return static_cast<int64_t>(st.st_size);
}

void copy_file(TextView from, TextView to) {
  std::string src = to_utf8(from), dst = to_utf8(to);
  PendingCopy c;
  c.in = ::open(src.c_str(), O_RDONLY | O_CLOEXEC);
  if (c.in < 0) throw errno_error(errno, from, err::kPathFileAccess);
  struct stat st;
  if (::fstat(c.in, &st) != 0 || S_ISDIR(st.st_mode)) throw failure(err::kFileNotFound, from);
  if (folder_exists(to)) throw failure(err::kPathFileAccess, to);

  fs::path target(dst);
  fs::path folder = target.parent_path();
  if (folder.empty()) folder = ".";
  if (!fs::is_directory(folder)) throw failure(err::kPathNotFound, to);
  std::string pattern = (folder / ("." + target.filename().string() + ".orvane-XXXXXX")).string();
  c.out = ::mkstemp(pattern.data());
  if (c.out < 0) throw errno_error(errno, to, err::kPathFileAccess);
  c.temp = pattern;

  char buf[1 << 16];
  for (;;) {
    ssize_t n = ::read(c.in, buf, sizeof buf);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) throw errno_error(errno, from, err::kDeviceIo);
    if (n == 0) break;
    for (ssize_t done = 0; done < n;) {
      ssize_t w = ::write(c.out, buf + done, static_cast<size_t>(n - done));
      if (w < 0 && errno == EINTR) continue;
      if (w < 0) throw errno_error(errno, to, err::kDeviceIo);
      done += w;
    }
  }
  ::fchmod(c.out, st.st_mode & 07777);
  if (::fsync(c.out) != 0 || ::close(c.out) != 0) {
    c.out = -1;
    throw errno_error(errno, to, err::kDeviceIo);
  }
  c.out = -1;
  if (::rename(c.temp.c_str(), dst.c_str()) != 0)
    throw errno_error(errno, to, err::kPathFileAccess);
  c.temp.clear();
}

void delete_file(TextView path) {
  if (!file_exists(path)) throw failure(err::kFileNotFound, path);
  if (::unlink(to_utf8(path).c_str()) != 0) throw errno_error(errno, path, err::kPathFileAccess);
}

void create_folder(TextView path) {
  std::string p = to_utf8(path);
  while (p.size() > 1 && p.back() == '/') p.pop_back();
  if (p.empty()) throw failure(err::kPathNotFound, path);
  if (::mkdir(p.c_str(), 0777) == 0) return;
  int e = errno;
  if (e == EEXIST && folder_exists(path)) return;
  throw failure(e == ENOENT ? err::kPathNotFound : err::kPathFileAccess, path);
}

}  // namespace orvane::os
