// Databases reached through ODBC (unixODBC): a real SQL Server through FreeTDS or
// Microsoft's driver, where the library's SQL passes unchanged, or any other driver.
// When the driver reports SQLite as its database, the translator applies as it does
// for the embedded engine.
#pragma once

#include <memory>
#include <string>

#include "platform/db/backend.h"

namespace orvane::db {

// Connects with an ODBC connection string ("DSN=name;..." or "DRIVER={...};..."), UTF-8.
// VbError (kDbCommandError) carrying the driver's message when it cannot connect.
std::unique_ptr<Backend> open_odbc(const std::string& connection_string);

}  // namespace orvane::db
