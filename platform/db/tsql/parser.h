// Recursive-descent parser for the SQL Server subset (see ast.h). A statement outside
// the subset fails with a database error that names the construct ("unsupported SQL
// construct: TOP ... PERCENT"); a malformed one names the token it stopped at.
#pragma once

#include "platform/db/tsql/ast.h"

namespace orvane::db::tsql {

Statement parse(TextView sql);

// True when the statement is definition or engine housekeeping (CREATE, DROP, ALTER,
// PRAGMA, BEGIN, COMMIT...), which passes to the engine untranslated.
bool is_passthrough(TextView sql);

}  // namespace orvane::db::tsql
