// Writes the typed C++ classes of the public interface (orvane/classes.hpp) from the
// member tables, so the header a C++ host includes always matches what the component
// answers. Each member keeps its name and parameters; its one-line contract becomes the
// comment above it.
#pragma once

#include <iosfwd>

namespace orvane::cli {

void write_cpp_header(std::ostream& out);

}  // namespace orvane::cli
