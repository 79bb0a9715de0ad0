// `orvane demo [--out DIR] [--templates DIR]`: builds the demo database in DIR when it is
// missing and produces the demo documents from the bundled templates into DIR, one line
// per produced file.
#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace orvane::cli {

// Exit status 0 when every document was produced, 2 for a usage error, 3 otherwise.
int cmd_demo(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace orvane::cli
