// Running outside programs (LibreOffice, the print spooler, the desktop's opener).
#pragma once

#include <string>
#include <vector>

namespace orvane::office {

struct ProcessResult {
  int status = -1;  // exit status; -1 when it could not start or was killed
  bool timed_out = false;
  std::string output;  // stdout and stderr together
};

// Runs argv[0] (searched in PATH) with no input, waiting at most `timeout_s` seconds;
// a program still running then is killed.
ProcessResult run_program(const std::vector<std::string>& argv, int timeout_s);
// Runs a command line through /bin/sh -c.
ProcessResult run_shell(const std::string& command_line, int timeout_s);
// A word quoted for /bin/sh.
std::string shell_quote(const std::string& s);

}  // namespace orvane::office
