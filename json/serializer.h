// Writing JSON: FuncoesOrvane.toString and the two text escapes of the exports.
//
// to_json writes a value compactly: Dictionary as an object (keys as they are),
// Collection and arrays as lists, texts escaped (everything outside 32..126 as \uXXXX),
// dates quoted in their pt-BR text form, numbers in their text form with a point as the
// decimal separator (15 significant digits, 1E+15 / 1E-05 outside 1E-4..1E15), Empty as
// nothing and other objects as nothing. Dictionary and Collection are recognised by type
// name, so a host's own map or list objects are written too.
#pragma once

#include "core/variant.h"
#include "json/text_sink.h"

namespace orvane::json {

// Containers nested deeper than this (a map that holds itself, say) raise VbError 28.
inline constexpr int kMaxWriteDepth = 2048;

Text to_json(const Variant& v);

// The number's text form as to_json writes it ("1234.5", "1E+15"); with point ','
// it is the host's text form of a Double.
void append_number(Text& out, double d, char16_t point = u'.');

// toUnicode: removes the apostrophes from `str` (the caller sees the shorter text) and
// returns it escaped for the exports: control characters, quotes, backslash and braces
// as escapes, other characters by their Windows-1252 code ("\u00E7" for "ç").
Text to_unicode(Text& str);
void append_to_unicode(TextSink& out, TextView without_apostrophes);

// fromUnicode: decodes \uXXXX escapes only. VbError 13 when the four characters after
// "\u" are not hexadecimal.
Text from_unicode(TextView str);

}  // namespace orvane::json
