// The demo database: the host's tables (schema.sql) filled with the demo data (data/*.sql),
// written as a SQLite file. `orvane demo-db`, `orvane demo` and the tests all build it here.
//
// The unit document and file folders (settings 76 and 87) are stored under the placeholder
// kFolderPlaceholder, which is replaced by the folder the caller names, so that documents of
// a demo run land beside its other output.
#pragma once

#include <filesystem>
#include <string_view>
#include <vector>

namespace orvane::demo {

// One embedded SQL source: its file name under demo/ and its text.
struct SqlScript {
  std::string_view name;
  std::string_view text;
};

// schema.sql first, then data/*.sql in name order.
const std::vector<SqlScript>& demo_scripts();

inline constexpr std::string_view kFolderPlaceholder = "{{DEMO_OUT}}";

// One embedded picture: its file name under demo/photos/ and its bytes.
struct DemoPicture {
  std::string_view name;
  std::string_view bytes;
};
// The pictures the demo data name, in name order.
const std::vector<DemoPicture>& demo_pictures();
// Where a picture goes under the demo folder: the product photos (Produtos.Foto) in "Fotos/",
// the signature of budget 20051 in unit 301's file folder.
std::filesystem::path demo_picture_target(std::string_view name);

// Writes the demo database at `path`, with the unit folders under `folder` (written without a
// trailing separator; empty means the folder that holds `path`), and the pictures it names
// under the same folder. An existing file is kept and false returned unless `replace` is true.
// The database is built beside `path` and renamed into place, so a failure never leaves a
// partial file at `path`.
// Throws std::runtime_error naming the script and line of a failing statement.
bool write_demo_database(const std::filesystem::path& path,
                         const std::filesystem::path& folder = {}, bool replace = false);

// The same over any scripts (every occurrence of kFolderPlaceholder replaced by `folder`).
bool write_database(const std::filesystem::path& path, const std::vector<SqlScript>& scripts,
                    const std::filesystem::path& folder, bool replace);

}  // namespace orvane::demo
