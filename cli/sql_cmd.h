// `orvane sql [--db URL] [--json] SQL`: runs a SQL Server text through the database
// layer and prints the columns with their ADO type codes, then the rows.
#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace orvane::cli {

// Exit status 0 when the statement ran, 2 for a usage error, 3 when it failed (the
// database's message on `err`).
int cmd_sql(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace orvane::cli
