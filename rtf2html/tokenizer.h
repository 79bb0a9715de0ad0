// Cutting RTF text into lines and words, extracting header groups and reading the colour
// and font tables.
//
// The scanning functions work on a view and an offset so that a whole document is read in
// one pass; the host-style functions (NabNextLine, NabNextWord, NabSection) take the text
// by reference and leave the rest in it, as the host expects.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "core/text.h"

namespace orvane::rtf {

// The text without spaces, CR and LF at either end.
TextView trim_all(TextView s);
inline Text TrimAll(TextView s) { return Text(trim_all(s)); }
// Text whose first non-space character is "\" or "{": trimmed at both ends; any other
// text: one leading space removed (if there is one) and the trailing spaces.
Text TrimifCmd(TextView s);
// Whether the (first) character is a decimal digit.
bool IsDig(TextView s);

// The next line of `text` from `pos`: up to and including the first CR LF (or to `end`),
// trimmed with trim_all. `pos` moves past the line and past the spaces, CR and LF that
// follow it. REQUIRES: pos <= end <= text.size().
TextView next_line(TextView text, size_t& pos, size_t end);
// The next word of `line` from `pos`, which moves past it:
//   "{" or "}"; a hexadecimal escape (backslash, apostrophe and two characters); an escaped
//   "\\", "\{" or "\}"; a control word (backslash and a letter) up to the next backslash,
//   brace or space, the space being consumed but not part of the word; any other text up to
//   the next backslash or brace. Empty at the end of the line.
TextView next_word(TextView line, size_t& pos);

Text NabNextLine(Text& rtf);
Text NabNextWord(Text& line);
// The group enclosing the 1-based position `pos`, from its opening brace to the matching
// closing brace (escaped braces do not count), cut out of `rtf`. Empty (and `rtf` left
// alone) when no group encloses the position; an unclosed group runs to the end.
Text NabSection(Text& rtf, int32_t pos);

// The colour table of a "\colortbl" group: entry 0 stands for the automatic colour and is
// empty; entry N is colour N of the document as six hexadecimal digits ("FF0000").
std::vector<Text> GetColorTable(TextView section);
// The font table of a "\fonttbl" group: entry N is the name of font N, for fonts numbered
// 0, 1, 2, ... up to the first number missing.
std::vector<Text> GetFontTable(TextView section);

}  // namespace orvane::rtf
