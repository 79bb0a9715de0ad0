// Error numbers the office layer raises. They follow the numbers the suites themselves
// use where one exists, so a generator's handler reports what the user would expect.
#pragma once

#include <cstdint>
#include <string>

#include "core/error.h"

namespace orvane::office {

namespace oerr {
inline constexpr int32_t kFileNotFound = 5174;     // the document to open does not exist
inline constexpr int32_t kCorruptDocument = 5792;  // not a readable package, or broken XML
inline constexpr int32_t kCommandFailed = 4198;    // a save, export or print that failed
inline constexpr int32_t kNoDocument = 4248;       // a call that needs an open document
inline constexpr int32_t kBadPicture = 5152;       // a picture that is not JPEG or PNG
inline constexpr int32_t kBadParameter = 5843;     // a value out of the accepted range
inline constexpr int32_t kNotInTable = 5825;       // a table call outside a table
inline constexpr int32_t kUnavailable = 5941;      // the collection member does not exist
inline constexpr int32_t kServerGone = 462;        // a call after Quit
inline constexpr int32_t kConversion = 4198;       // the converter could not write the file
}  // namespace oerr

// Raises VbError(number, UTF-8 description).
[[noreturn]] void fail(int32_t number, const std::string& description_utf8);

}  // namespace orvane::office
