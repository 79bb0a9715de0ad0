// Errors in the host language's style: a number, a description and a source.
//
// The library's three error styles map to code as:
//  - let it propagate: do nothing, a VbError reaches the caller;
//  - report and go on: catch VbError, show the standard failure message, continue;
//  - skip the statement: wrap the statement in resume_next().
#pragma once

#include <cstdint>
#include <exception>
#include <string>

#include "core/text.h"

namespace orvane {

namespace err {
inline constexpr int32_t kInvalidCall = 5;  // invalid procedure call or argument
inline constexpr int32_t kOverflow = 6;
inline constexpr int32_t kOutOfMemory = 7;
inline constexpr int32_t kSubscript = 9;  // subscript out of range
inline constexpr int32_t kDivisionByZero = 11;
inline constexpr int32_t kTypeMismatch = 13;
inline constexpr int32_t kFileNotFound = 53;
inline constexpr int32_t kFileAlreadyOpen = 55;
inline constexpr int32_t kDeviceIo = 57;
inline constexpr int32_t kFileExists = 58;
inline constexpr int32_t kPermissionDenied = 70;
inline constexpr int32_t kPathFileAccess = 75;
inline constexpr int32_t kPathNotFound = 76;
inline constexpr int32_t kObjectNotSet = 91;
inline constexpr int32_t kInvalidUseOfNull = 94;
inline constexpr int32_t kCantCreateObject = 429;
inline constexpr int32_t kNoSuchMember = 438;
inline constexpr int32_t kArgumentNotOptional = 449;
inline constexpr int32_t kWrongArgCount = 450;
inline constexpr int32_t kNamedArgNotFound = 448;
inline constexpr int32_t kDuplicateKey = 457;
// Database and automation errors carry the provider's number when it has one.
inline constexpr int32_t kAutomation = 440;
}  // namespace err

// The description the host language gives for a number ("" when it has none).
Text standard_description(int32_t number);

class VbError : public std::exception {
 public:
  explicit VbError(int32_t number);
  VbError(int32_t number, Text description, Text source = {});

  int32_t number() const { return number_; }
  const Text& description() const { return description_; }
  const Text& source() const { return source_; }
  const char* what() const noexcept override { return what_.c_str(); }

 private:
  int32_t number_;
  Text description_;
  Text source_;
  std::string what_;
};

// Converts whatever a statement threw into a VbError (std::bad_alloc -> 7, other
// std::exception -> 5 with its message). Call from inside a catch block.
VbError current_error();

// "On Error Resume Next" for one statement: runs it and swallows any error.
// Returns false when the statement failed.
template <class F>
bool resume_next(F&& statement) noexcept {
  try {
    statement();
    return true;
  } catch (...) {
    return false;
  }
}

}  // namespace orvane
