// The lenient JSON reader behind FuncoesOrvane.parse.
//
// Objects become Dictionary, arrays Collection, strings Text, numbers Double, true/false
// Boolean, null Null. Besides plain JSON it accepts single-quoted strings, unquoted keys,
// // and /* */ comments and parentheses around tokens (so it reads the export envelope
// back). It never throws for bad input: every problem is appended to `errors` as one
// line ending in CRLF, and the steps return what they have built so far.
#pragma once

#include "core/object.h"

namespace orvane::json {

// Nesting beyond this depth stops the reading with a message instead of exhausting
// the stack.
inline constexpr int kMaxDepth = 1000;

// Resets `errors`, then reads `text`. Returns the root Dictionary or Collection, or
// nullptr (with `errors` = "Invalid JSON") when the text does not start, after blanks,
// with "{" or "[".
ObjectPtr parse(TextView text, Text& errors);

}  // namespace orvane::json
