#include "cli/progress.h"

#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <ostream>

namespace orvane::cli {

bool is_terminal(int fd) { return ::isatty(fd) == 1; }

std::string format_duration(double seconds) {
  long s = seconds < 0 ? 0 : static_cast<long>(seconds + 0.5);
  char buf[32];
  if (s >= 3600)
    std::snprintf(buf, sizeof buf, "%ld:%02ld:%02ld", s / 3600, s / 60 % 60, s % 60);
  else
    std::snprintf(buf, sizeof buf, "%ld:%02ld", s / 60, s % 60);
  return buf;
}

std::string progress_bar(size_t done, size_t total, double elapsed, int width, size_t timed) {
  char counts[64];
  std::snprintf(counts, sizeof counts, "  %zu/%zu", done, total);
  std::string tail = counts;
  if (timed > 0 && elapsed > 0) {
    double rate = timed / elapsed;
    char r[64];
    std::snprintf(r, sizeof r, rate >= 1 ? "  %.1f/s  %s left" : "  %.1f/min  %s left",
                  rate >= 1 ? rate : rate * 60,
                  format_duration((total - std::min(done, total)) / rate).c_str());
    tail += r;
  } else {
    tail += "  -.-/s  -:-- left";
  }
  int cells = std::max(10, width - 2 - static_cast<int>(tail.size()) - 1);
  int filled = total ? static_cast<int>(cells * std::min(done, total) / total) : cells;
  return "[" + std::string(filled, '#') + std::string(cells - filled, '.') + "]" + tail;
}

Progress::Progress(std::ostream& err, size_t total, bool terminal, int width)
    : err_(err),
      total_(total),
      terminal_(terminal),
      width_(width),
      start_(std::chrono::steady_clock::now()) {
  if (terminal_) draw();
}

Progress::~Progress() { finish(); }

double Progress::elapsed() const {
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - start_).count();
}

void Progress::clear() {
  if (terminal_ && drawn_) err_ << "\r\033[K";
  drawn_ = false;
}

void Progress::draw() {
  err_ << "\r\033[K" << progress_bar(done_, total_, elapsed(), width_, done_ - instant_)
       << std::flush;
  drawn_ = true;
}

void Progress::document(const std::string& line, bool failed, bool instant) {
  ++done_;
  instant_ += instant;
  if (!terminal_) {
    char pos[48];
    int w = static_cast<int>(std::to_string(total_).size());
    std::snprintf(pos, sizeof pos, "[%*zu/%zu] ", w, done_, total_);
    err_ << pos << line << "\n" << std::flush;
    return;
  }
  if (failed) {
    clear();
    err_ << line << "\n";
  }
  draw();
}

void Progress::note(const std::string& line) {
  clear();
  err_ << line << "\n";
  if (terminal_) draw();
  err_.flush();
}

void Progress::finish() {
  if (!terminal_ || !drawn_) return;
  clear();
  err_.flush();
}

}  // namespace orvane::cli
