// Progress of a batch of documents on stderr. On a terminal: one bar, redrawn in place, with
// done/total, the rate and the time left; failures and notes are printed above it. Anywhere
// else (a log, a pipe): one plain line per document, "[ 3/40] ...", nothing redrawn.
#pragma once

#include <chrono>
#include <cstddef>
#include <iosfwd>
#include <string>

namespace orvane::cli {

// Whether the file descriptor is a terminal.
bool is_terminal(int fd);

// "0:07", "12:30", "1:02:03".
std::string format_duration(double seconds);

// "[#########...........]  12/40  3.1/s  0:09 left" within `width` columns (less one, so a
// terminal never wraps it). The rate counts `timed` documents over the elapsed time; below
// one a second it is given per minute.
std::string progress_bar(size_t done, size_t total, double elapsed_seconds, int width,
                         size_t timed);

class Progress {
 public:
  Progress(std::ostream& err, size_t total, bool terminal, int width = 80);
  ~Progress();
  Progress(const Progress&) = delete;
  Progress& operator=(const Progress&) = delete;

  // One more document finished; `line` describes it. On a terminal only failures print.
  // An `instant` one (refused before any work) does not count in the rate.
  void document(const std::string& line, bool failed, bool instant = false);
  // A line between documents (both modes).
  void note(const std::string& line);
  // Removes the bar; later output starts on a clean line.
  void finish();

  size_t completed() const { return done_; }
  double elapsed() const;

 private:
  void draw();
  void clear();

  std::ostream& err_;
  size_t total_;
  size_t done_ = 0;
  size_t instant_ = 0;
  bool terminal_;
  int width_;
  bool drawn_ = false;
  std::chrono::steady_clock::time_point start_;
};

}  // namespace orvane::cli
