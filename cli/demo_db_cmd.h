// `orvane demo-db PATH [--force] [--out DIR]`: writes the demo database.
#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace orvane::cli {

// Exit status 0 when written or kept, 2 for a usage error, 3 when building failed.
int cmd_demo_db(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace orvane::cli
