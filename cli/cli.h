// The orvane command: a host that creates the classes and calls their members by name,
// and the tool people use from a shell. run() is the whole command; main() only
// forwards argv and the standard streams.
#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace orvane::cli {

// Exit status: 0 every call ran; 2 usage error; 3 a member raised an error.
int run(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace orvane::cli
