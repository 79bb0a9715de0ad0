// Reading a text file line by line for the PDF writer, without holding the file in memory.
//
// Lines end at CR or CR LF, as on the host's platform; a bare LF ends a line too, because
// text files written on Linux use it. A last line without an end still counts; an end at
// the very end of the file does not start another (empty) line.
//
// Text files here are UTF-8; files from the host's platform are Windows-1252. Each line
// is decoded on its own: as UTF-8 when it is valid UTF-8, else as Windows-1252 (a
// Windows-1252 line with accents is practically never valid UTF-8). The line comes back
// in Windows-1252, one byte per UTF-16 unit of the decoded text, unmappable characters
// as '?' -- the same bytes to_cp1252() gives for the decoded text.
#pragma once

#include <cstddef>
#include <memory>
#include <string>
#include <string_view>

namespace orvane::textpdf {

class LineReader {
 public:
  // Takes ownership of the open file descriptor `fd`. `chunk` is the read size.
  explicit LineReader(int fd, size_t chunk = 64 * 1024);
  ~LineReader();
  LineReader(const LineReader&) = delete;
  LineReader& operator=(const LineReader&) = delete;

  // The next line in Windows-1252, without its end; false at the end of the file. The
  // view stays valid until the next call. VbError 57 when reading fails.
  bool next(std::string_view& line);

 private:
  bool next_raw(std::string_view& line);
  bool fill();
  struct Found {
    bool known = false;
    size_t at = 0;  // index of the next such byte in the buffer, or end_ when none
  };
  size_t find(Found& f, char c);

  int fd_;
  size_t chunk_;
  std::unique_ptr<char[]> buf_;
  size_t pos_ = 0, end_ = 0;
  bool at_start_ = true;  // a UTF-8 byte order mark there is dropped
  bool skip_lf_ = false;  // the previous line ended with CR; an LF right after belongs to it
  Found cr_, lf_;
  std::string carry_;    // a line that spans reads
  std::string decoded_;  // a non-ASCII line in Windows-1252
};

// Appends the Windows-1252 form of `utf8` to `out`; false when `utf8` is not valid UTF-8
// (overlong forms, surrogates and values past U+10FFFF are invalid).
bool utf8_to_cp1252(std::string_view utf8, std::string& out);

}  // namespace orvane::textpdf
