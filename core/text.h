// Text is UTF-16, as the host's strings are; every length and position below counts
// UTF-16 code units, and positions are 1-based wherever the host language is.
//
// The vb:: functions behave like their namesakes of the host language: Mid past the end
// gives "", Left/Right clamp, InStr returns 0 when not found. Arguments that the host
// language rejects (a negative length, a start below 1) raise VbError 5.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace orvane {

using Text = std::u16string;
using TextView = std::u16string_view;

// Conversions at the edges: UTF-8 for files, XML and SQLite; Windows-1252 for the
// system's single-byte code page. Invalid UTF-8 bytes decode as U+FFFD.
Text from_utf8(std::string_view utf8);
std::string to_utf8(TextView text);
Text from_cp1252(std::string_view bytes);
// Characters that Windows-1252 cannot hold become `replacement`.
std::string to_cp1252(TextView text, char replacement = '?');
// The Windows-1252 byte of one character, or -1 when the code page has none.
int cp1252_byte(char16_t c);

// Short literal helper for code that builds texts from UTF-8 literals.
inline Text T(std::string_view utf8) { return from_utf8(utf8); }

namespace vb {

enum class Compare { Binary = 0, Text = 1 };

Text Left(TextView s, long n);
Text Right(TextView s, long n);
// Mid(s, start) and Mid(s, start, length); start is 1-based.
Text Mid(TextView s, long start, long length = -1);
inline long Len(TextView s) { return static_cast<long>(s.size()); }
// 1-based position of `find` in `s` searching from `start`; 0 when absent.
// An empty `find` gives `start` (as the host language does).
long InStr(long start, TextView s, TextView find, Compare cmp = Compare::Binary);
inline long InStr(TextView s, TextView find, Compare cmp = Compare::Binary) {
  return InStr(1, s, find, cmp);
}
// Searches backwards from `start` (-1 = the end).
long InStrRev(TextView s, TextView find, long start = -1, Compare cmp = Compare::Binary);
// Trim functions remove spaces only (not tabs or line breaks).
Text Trim(TextView s);
Text LTrim(TextView s);
Text RTrim(TextView s);
// Case mapping covering Latin-1 and the Windows-1252 extras ("ação" -> "AÇÃO").
Text UCase(TextView s);
Text LCase(TextView s);
char16_t UpperChar(char16_t c);
char16_t LowerChar(char16_t c);
// Replace(s, find, with, start, count, compare): like the host language, the result
// starts at `start`; count -1 replaces all.
Text Replace(TextView s, TextView find, TextView with, long start = 1, long count = -1,
             Compare cmp = Compare::Binary);
// Split of "" gives an empty list; an empty delimiter gives the whole text as one item.
std::vector<Text> Split(TextView s, TextView delimiter = u" ", long limit = -1);
Text Join(const std::vector<Text>& parts, TextView delimiter = u" ");
Text String(long n, char16_t c);
inline Text Space(long n) { return String(n, u' '); }
// Chr and Asc go through Windows-1252 (the host's single-byte code page).
Text Chr(long code);
int Asc(TextView s);
Text ChrW(long code);
int AscW(TextView s);

bool EqualsNoCase(TextView a, TextView b);

}  // namespace vb
}  // namespace orvane
