#include "textpdf/line_reader.h"

#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <cstring>

#include "core/error.h"
#include "core/text.h"

namespace orvane::textpdf {
namespace {

bool is_ascii(std::string_view s) {
  const char* p = s.data();
  size_t n = s.size();
  // Eight bytes at a time: most lines of most files are plain ASCII.
  for (; n >= 8; p += 8, n -= 8) {
    uint64_t w;
    std::memcpy(&w, p, 8);
    if (w & 0x8080808080808080ULL) return false;
  }
  for (; n; ++p, --n)
    if (static_cast<unsigned char>(*p) & 0x80) return false;
  return true;
}

}  // namespace

bool utf8_to_cp1252(std::string_view utf8, std::string& out) {
  // Never longer than the input: write through a pointer and cut to size at the end.
  const size_t base = out.size();
  out.resize(base + utf8.size());
  char* o = out.data() + base;
  const unsigned char* p = reinterpret_cast<const unsigned char*>(utf8.data());
  const unsigned char* const e = p + utf8.size();
  while (p < e) {
    // Runs of ASCII go eight bytes at a time.
    uint64_t w;
    while (e - p >= 8 && (std::memcpy(&w, p, 8), (w & 0x8080808080808080ULL) == 0)) {
      std::memcpy(o, p, 8);
      o += 8;
      p += 8;
    }
    if (p == e) break;
    const unsigned char c = *p;
    if (c < 0x80) {
      *o++ = static_cast<char>(c);
      ++p;
      continue;
    }
    // Latin-1 letters (U+00A0..U+00FF) keep their value in the code page.
    if ((c == 0xC3 || c == 0xC2) && e - p >= 2 && (p[1] & 0xC0) == 0x80 &&
        (c == 0xC3 || p[1] >= 0xA0)) {
      *o++ = static_cast<char>(((c & 0x03) << 6) | (p[1] & 0x3F));
      p += 2;
      continue;
    }
    uint32_t cp;
    size_t len;
    if (c >= 0xC2 && c <= 0xDF) {
      cp = c & 0x1F;
      len = 2;
    } else if (c >= 0xE0 && c <= 0xEF) {
      cp = c & 0x0F;
      len = 3;
    } else if (c >= 0xF0 && c <= 0xF4) {
      cp = c & 0x07;
      len = 4;
    } else {
      return false;
    }
    if (static_cast<size_t>(e - p) < len) return false;
    for (size_t k = 1; k < len; ++k) {
      if ((p[k] & 0xC0) != 0x80) return false;
      cp = (cp << 6) | (p[k] & 0x3F);
    }
    if (len == 3 && (cp < 0x800 || (cp >= 0xD800 && cp <= 0xDFFF))) return false;
    if (len == 4 && (cp < 0x10000 || cp > 0x10FFFF)) return false;
    if (cp >= 0x10000) {
      // A surrogate pair: two UTF-16 units, neither in the code page.
      *o++ = '?';
      *o++ = '?';
    } else {
      int b = cp1252_byte(static_cast<char16_t>(cp));
      *o++ = b < 0 ? '?' : static_cast<char>(b);
    }
    p += len;
  }
  out.resize(static_cast<size_t>(o - out.data()));
  return true;
}

LineReader::LineReader(int fd, size_t chunk)
    : fd_(fd), chunk_(std::max<size_t>(chunk, 1)), buf_(new char[chunk_]) {}

LineReader::~LineReader() {
  if (fd_ >= 0) ::close(fd_);
}

bool LineReader::fill() {
  for (;;) {
    ssize_t got = ::read(fd_, buf_.get(), chunk_);
    if (got < 0 && errno == EINTR) continue;
    if (got < 0) throw VbError(err::kDeviceIo);
    pos_ = 0;
    end_ = static_cast<size_t>(got);
    cr_.known = lf_.known = false;
    return got > 0;
  }
}

size_t LineReader::find(Found& f, char c) {
  // Each search covers the rest of the read buffer and is kept until the reading
  // passes it, so files without CR (or without LF) are not scanned once per line.
  if (!f.known || f.at < pos_) {
    const void* q = std::memchr(buf_.get() + pos_, c, end_ - pos_);
    f.at = q ? static_cast<size_t>(static_cast<const char*>(q) - buf_.get()) : end_;
    f.known = true;
  }
  return f.at;
}

bool LineReader::next_raw(std::string_view& line) {
  carry_.clear();
  for (;;) {
    if (pos_ == end_ && !fill()) {
      if (carry_.empty()) return false;
      line = carry_;  // the last line has no end
      return true;
    }
    if (skip_lf_) {
      skip_lf_ = false;
      if (buf_[pos_] == '\n') {
        ++pos_;
        continue;
      }
    }
    const char* p = buf_.get() + pos_;
    const size_t left = end_ - pos_;
    const size_t stop_at = std::min(find(cr_, '\r'), find(lf_, '\n'));
    if (stop_at == end_) {
      carry_.append(p, left);
      pos_ = end_;
      continue;
    }
    const char* stop = buf_.get() + stop_at;
    skip_lf_ = *stop == '\r';
    pos_ += static_cast<size_t>(stop - p) + 1;
    if (carry_.empty()) {
      line = std::string_view(p, static_cast<size_t>(stop - p));
    } else {
      carry_.append(p, static_cast<size_t>(stop - p));
      line = carry_;
    }
    return true;
  }
}

bool LineReader::next(std::string_view& line) {
  if (!next_raw(line)) return false;
  if (at_start_) {
    at_start_ = false;
    if (line.substr(0, 3) == "\xEF\xBB\xBF") line.remove_prefix(3);
  }
  if (is_ascii(line)) return true;
  decoded_.clear();
  if (utf8_to_cp1252(line, decoded_)) line = decoded_;
  // Otherwise the bytes already are Windows-1252.
  return true;
}

}  // namespace orvane::textpdf
