// Opening a file with its program, as the host's shell does. The opener is the
// configured command (HostSettings::opener_command, default "xdg-open") run with the
// file appended, in the given working folder, detached from the caller.
//
// The answer uses the shell's result codes: 32 or more is success; below it,
// 2 file (or opener) not found, 3 working folder not found, 5 access denied,
// 8 out of resources, 31 no program could open the file.
#pragma once

#include <string>

#include "core/context.h"

namespace orvane::os {

namespace shell {
inline constexpr int kOutOfMemory = 0;
inline constexpr int kFileNotFound = 2;
inline constexpr int kPathNotFound = 3;
inline constexpr int kAccessDenied = 5;
inline constexpr int kNotEnoughMemory = 8;
inline constexpr int kNoAssociation = 31;
inline constexpr int kLaunched = 42;
}  // namespace shell

// `file` relative to `working_folder` when it is not absolute; an empty working
// folder means the current one. `show_mode` is the window show code, which a desktop
// opener cannot honour (it places its own window).
int shell_open(const HostSettings& settings, TextView file, TextView working_folder,
               int show_mode = 1);

// Runs `command_line` through /bin/sh in `folder` (standard streams on /dev/null),
// without waiting longer than `grace_ms` for it: its exit status when it ended in time,
// kStillRunning when it is still running (it then goes on by itself), kNotStarted when
// no process could be made (127 is the shell's own "command not found").
inline constexpr int kStillRunning = -1;
inline constexpr int kNotStarted = -2;
int run_detached(const std::string& command_line, const std::string& folder, int grace_ms);

// `text` quoted for /bin/sh.
std::string shell_quote(const std::string& text);

}  // namespace orvane::os
