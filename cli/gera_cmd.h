// `orvane gera KIND [KEY...] [--where SQL] --db URL --unit N --template PATH [--out DIR]
// [--jobs N] [member options]`: one document per key, each through the member a host calls.
//
// The keys are the ones given, then those the --where condition selects from the kind's
// table; keys that do not exist fail without stopping the others. N worker processes (this
// program again, each with its own temporary folder and its own warm converter) take keys
// from one shared list. Each produced file is moved to --out (default: where the member puts
// it; a file named after the template gets the key added) without ever leaving a partial
// file at its target. Progress goes to stderr, produced paths to stdout. The first Ctrl-C
// lets the documents in progress finish and stops; a second one stops at once.
#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace orvane::cli {

// Exit status 0 every document produced; 2 bad invocation (unknown kind, member not in this
// build, missing template, unusable --db or --out); 3 any document failed; 130 interrupted.
int cmd_gera(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace orvane::cli
