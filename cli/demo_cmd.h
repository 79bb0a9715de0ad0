// `orvane demo [--out DIR] [--templates DIR] [--picture PNG]`: builds the demo database in DIR
// when it is missing and produces every document of the demo from the bundled templates into
// DIR, through the members a host calls. One line per document as it goes (name, route,
// pages, time), a summary table, and DIR/index.html with a thumbnail of each first page
// (DIR/thumbnails/) and links to the files. Documents whose member this build does not have
// are listed as not in this build. --picture writes two first pages side by side.
#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace orvane::cli {

// Exit status 0 when every document of this build was produced, 2 for a usage error, 3
// otherwise.
int cmd_demo(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace orvane::cli
