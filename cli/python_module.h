// Writes the typed Python classes of the public interface from the member tables, as
// write_cpp_header does for C++: `classes.py` (the classes a host creates, their ProgIDs
// and enumerations; members are reached late-bound) and `classes.pyi` (every member with
// its parameters and types, for editors and type checkers).
#pragma once

#include <iosfwd>

namespace orvane::cli {

void write_python_module(std::ostream& out);
void write_python_stub(std::ostream& out);

}  // namespace orvane::cli
