// The embedded default engine: a SQLite database file. Text comparisons under the
// NOCASE collation fold the case of accented letters too and ignore trailing blanks,
// as SQL Server's default collation does.
#pragma once

#include <memory>
#include <string>

#include "platform/db/backend.h"

namespace orvane::db {

// Opens the file at `path` (UTF-8). With `create`, a missing file becomes a new empty
// database; otherwise a missing file is an error. VbError (kDbCommandError) on failure.
std::unique_ptr<Backend> open_sqlite(const std::string& path, bool create);

}  // namespace orvane::db
