// Shared by the harnesses: input bytes as text, and the rule that a VbError is a value
// (the documented failure of a member), never a finding. Anything else — a crash, a
// sanitizer report, another exception — is.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

#include "core/error.h"
#include "core/text.h"

namespace orvane::fuzz {

inline Text text_of(const uint8_t* data, size_t size) {
  // The first byte picks the decoding so both code paths of the callers get exercised.
  std::string_view bytes(reinterpret_cast<const char*>(data), size);
  if (!bytes.empty() && (bytes[0] & 1)) return from_cp1252(bytes.substr(1));
  return from_utf8(bytes.empty() ? bytes : bytes.substr(1));
}

template <class F>
void run(F&& f) {
  try {
    f();
  } catch (const VbError&) {
    // A documented failure: fine.
  }
}

}  // namespace orvane::fuzz
