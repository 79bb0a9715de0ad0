// Printing and showing documents on this machine.
//
// print_file sends a file to the printer `copies` times over: the configured printer
// command (HostSettings::printer_command) run with the copies and the file appended,
// or CUPS `lp -n COPIES FILE`. show_file opens a file with the desktop's program for
// it through the shell open of RunFile (the configured opener, or xdg-open).
#pragma once

#include <string>

#include "core/context.h"

namespace orvane::office {

// VbError 4198 with the spooler's message when printing fails.
void print_file(const Context& ctx, const std::string& file, int copies);
// Returns false when the opener could not be run or reported a failure.
bool show_file(const Context& ctx, const std::string& file);

}  // namespace orvane::office
