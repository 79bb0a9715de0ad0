#include "core/text.h"

#include <algorithm>

#include "core/error.h"
#include "core/memory.h"

namespace orvane {
namespace {

// Windows-1252 bytes 0x80..0x9F; 0 marks the five unassigned bytes.
constexpr char16_t kCp1252High[32] = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

void append_utf8(std::string& out, char32_t cp) {
  if (cp < 0x80) {
    out.push_back(static_cast<char>(cp));
  } else if (cp < 0x800) {
    out.push_back(static_cast<char>(0xC0 | (cp >> 6)));
    out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
  } else if (cp < 0x10000) {
    out.push_back(static_cast<char>(0xE0 | (cp >> 12)));
    out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
  } else {
    out.push_back(static_cast<char>(0xF0 | (cp >> 18)));
    out.push_back(static_cast<char>(0x80 | ((cp >> 12) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
  }
}

bool chars_equal(char16_t a, char16_t b, vb::Compare cmp) {
  if (a == b) return true;
  return cmp == vb::Compare::Text && vb::UpperChar(a) == vb::UpperChar(b);
}

long find_from(TextView s, TextView find, size_t from, vb::Compare cmp) {
  if (find.size() > s.size()) return 0;
  if (cmp == vb::Compare::Binary) {
    size_t p = s.find(find, from);
    return p == TextView::npos ? 0 : static_cast<long>(p + 1);
  }
  for (size_t i = from; i + find.size() <= s.size(); ++i) {
    size_t k = 0;
    while (k < find.size() && chars_equal(s[i + k], find[k], cmp)) ++k;
    if (k == find.size()) return static_cast<long>(i + 1);
  }
  return 0;
}

void require(bool ok) {
  if (!ok) throw VbError(err::kInvalidCall);
}

}  // namespace

Text from_utf8(std::string_view in) {
  Text out;
  out.reserve(in.size());
  if (in.size() >= (size_t{4} << 20))
    prefer_huge_pages(out.data(), out.capacity() * sizeof(char16_t));
  size_t i = 0;
  while (i < in.size()) {
    unsigned char c = static_cast<unsigned char>(in[i]);
    char32_t cp;
    int extra;
    if (c < 0x80) {
      // A run of ASCII in one step (most text is).
      size_t end = i + 1;
      while (end < in.size() && static_cast<unsigned char>(in[end]) < 0x80) ++end;
      const size_t at = out.size();
      out.resize(at + (end - i));
      std::transform(in.begin() + static_cast<std::ptrdiff_t>(i),
                     in.begin() + static_cast<std::ptrdiff_t>(end),
                     out.begin() + static_cast<std::ptrdiff_t>(at),
                     [](char b) { return static_cast<char16_t>(static_cast<unsigned char>(b)); });
      i = end;
      continue;
    } else if ((c & 0xE0) == 0xC0) {
      cp = c & 0x1F;
      extra = 1;
    } else if ((c & 0xF0) == 0xE0) {
      cp = c & 0x0F;
      extra = 2;
    } else if ((c & 0xF8) == 0xF0) {
      cp = c & 0x07;
      extra = 3;
    } else {
      out.push_back(0xFFFD);
      ++i;
      continue;
    }
    if (i + extra >= in.size()) {
      out.push_back(0xFFFD);
      break;
    }
    bool ok = true;
    for (int k = 1; k <= extra; ++k) {
      unsigned char cc = static_cast<unsigned char>(in[i + k]);
      if ((cc & 0xC0) != 0x80) {
        ok = false;
        break;
      }
      cp = (cp << 6) | (cc & 0x3F);
    }
    if (!ok) {
      out.push_back(0xFFFD);
      ++i;
      continue;
    }
    i += extra + 1;
    if (cp >= 0x10000) {
      cp -= 0x10000;
      out.push_back(static_cast<char16_t>(0xD800 + (cp >> 10)));
      out.push_back(static_cast<char16_t>(0xDC00 + (cp & 0x3FF)));
    } else {
      out.push_back(static_cast<char16_t>(cp));
    }
  }
  return out;
}

std::string to_utf8(TextView in) {
  std::string out;
  out.reserve(in.size());
  for (size_t i = 0; i < in.size(); ++i) {
    if (in[i] < 0x80) {
      // A run of ASCII in one step (most text is).
      size_t end = i + 1;
      while (end < in.size() && in[end] < 0x80) ++end;
      const size_t at = out.size();
      out.resize(at + (end - i));
      std::transform(in.begin() + static_cast<std::ptrdiff_t>(i),
                     in.begin() + static_cast<std::ptrdiff_t>(end),
                     out.begin() + static_cast<std::ptrdiff_t>(at),
                     [](char16_t u) { return static_cast<char>(u); });
      i = end - 1;
      continue;
    }
    char32_t c = in[i];
    if (c >= 0xD800 && c <= 0xDBFF && i + 1 < in.size() && in[i + 1] >= 0xDC00 &&
        in[i + 1] <= 0xDFFF) {
      c = 0x10000 + ((c - 0xD800) << 10) + (in[i + 1] - 0xDC00);
      ++i;
    } else if (c >= 0xD800 && c <= 0xDFFF) {
      c = 0xFFFD;  // lone surrogate
    }
    append_utf8(out, c);
  }
  return out;
}

Text from_cp1252(std::string_view bytes) {
  Text out;
  out.reserve(bytes.size());
  for (char ch : bytes) {
    unsigned char b = static_cast<unsigned char>(ch);
    if (b >= 0x80 && b < 0xA0) {
      char16_t m = kCp1252High[b - 0x80];
      out.push_back(m ? m : static_cast<char16_t>(b));  // unassigned: C1 control, as Windows
    } else {
      out.push_back(b);
    }
  }
  return out;
}

int cp1252_byte(char16_t c) {
  if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) return c;
  for (int i = 0; i < 32; ++i)
    if (kCp1252High[i] == c) return 0x80 + i;
  if (c >= 0x80 && c < 0xA0) {
    // Unassigned bytes round-trip as C1 controls.
    int b = c;
    if (kCp1252High[b - 0x80] == 0) return b;
  }
  return -1;
}

std::string to_cp1252(TextView text, char replacement) {
  std::string out;
  out.reserve(text.size());
  for (char16_t c : text) {
    int b = cp1252_byte(c);
    out.push_back(b < 0 ? replacement : static_cast<char>(b));
  }
  return out;
}

namespace vb {

char16_t UpperChar(char16_t c) {
  if (c >= u'a' && c <= u'z') return c - 32;
  if (c < 0xE0) return c;
  if (c <= 0xFE && c != 0xF7) return c - 32;
  switch (c) {
    case 0xFF:
      return 0x178;
    case 0x161:
      return 0x160;
    case 0x17E:
      return 0x17D;
    case 0x153:
      return 0x152;
    default:
      // Latin Extended-A pairs (even upper, odd lower).
      if (c >= 0x100 && c <= 0x17F && (c & 1) && c != 0x131 && c != 0x138 && c != 0x149)
        return c - 1;
      return c;
  }
}

char16_t LowerChar(char16_t c) {
  if (c >= u'A' && c <= u'Z') return c + 32;
  if (c < 0xC0) return c;
  if (c <= 0xDE && c != 0xD7) return c + 32;
  switch (c) {
    case 0x178:
      return 0xFF;
    default:
      if (c >= 0x100 && c <= 0x17F && !(c & 1) && c != 0x130 && c != 0x138) return c + 1;
      return c;
  }
}

Text Left(TextView s, long n) {
  require(n >= 0);
  return Text(s.substr(0, std::min<size_t>(n, s.size())));
}

Text Right(TextView s, long n) {
  require(n >= 0);
  size_t k = std::min<size_t>(n, s.size());
  return Text(s.substr(s.size() - k));
}

Text Mid(TextView s, long start, long length) {
  require(start >= 1);
  require(length >= -1);
  if (static_cast<size_t>(start) > s.size()) return Text();
  size_t from = start - 1;
  size_t n = length < 0 ? s.size() - from : std::min<size_t>(length, s.size() - from);
  return Text(s.substr(from, n));
}

long InStr(long start, TextView s, TextView find, Compare cmp) {
  require(start >= 1);
  if (static_cast<size_t>(start) > s.size()) return 0;
  if (find.empty()) return start;
  return find_from(s, find, start - 1, cmp);
}

long InStrRev(TextView s, TextView find, long start, Compare cmp) {
  require(start == -1 || start >= 1);
  if (start == -1) start = static_cast<long>(s.size());
  if (find.empty()) return start;
  if (static_cast<size_t>(start) > s.size()) return 0;
  if (find.size() > static_cast<size_t>(start)) return 0;
  for (long i = start - static_cast<long>(find.size()); i >= 0; --i) {
    size_t k = 0;
    while (k < find.size() && chars_equal(s[i + k], find[k], cmp)) ++k;
    if (k == find.size()) return i + 1;
  }
  return 0;
}

Text LTrim(TextView s) {
  size_t b = 0;
  while (b < s.size() && s[b] == u' ') ++b;
  return Text(s.substr(b));
}

Text RTrim(TextView s) {
  size_t e = s.size();
  while (e > 0 && s[e - 1] == u' ') --e;
  return Text(s.substr(0, e));
}

Text Trim(TextView s) {
  size_t b = 0, e = s.size();
  while (b < e && s[b] == u' ') ++b;
  while (e > b && s[e - 1] == u' ') --e;
  return Text(s.substr(b, e - b));
}

Text UCase(TextView s) {
  Text out(s);
  for (auto& c : out) c = UpperChar(c);
  return out;
}

Text LCase(TextView s) {
  Text out(s);
  for (auto& c : out) c = LowerChar(c);
  return out;
}

Text Replace(TextView s, TextView find, TextView with, long start, long count, Compare cmp) {
  require(start >= 1);
  require(count >= -1);
  if (static_cast<size_t>(start) > s.size()) return Text();
  TextView rest = s.substr(start - 1);
  if (find.empty() || count == 0) return Text(rest);
  Text out;
  out.reserve(rest.size());
  size_t pos = 0;
  long done = 0;
  while (count < 0 || done < count) {
    long p = find_from(rest, find, pos, cmp);
    if (p == 0) break;
    out.append(rest.substr(pos, p - 1 - pos));
    out.append(with);
    pos = p - 1 + find.size();
    ++done;
  }
  out.append(rest.substr(pos));
  return out;
}

std::vector<Text> Split(TextView s, TextView delimiter, long limit) {
  std::vector<Text> parts;
  if (s.empty() || limit == 0) return parts;
  if (delimiter.empty()) {
    parts.emplace_back(s);
    return parts;
  }
  size_t pos = 0;
  while (true) {
    if (limit > 0 && static_cast<long>(parts.size()) == limit - 1) {
      parts.emplace_back(s.substr(pos));
      break;
    }
    size_t p = s.find(delimiter, pos);
    if (p == TextView::npos) {
      parts.emplace_back(s.substr(pos));
      break;
    }
    parts.emplace_back(s.substr(pos, p - pos));
    pos = p + delimiter.size();
  }
  return parts;
}

Text Join(const std::vector<Text>& parts, TextView delimiter) {
  Text out;
  for (size_t i = 0; i < parts.size(); ++i) {
    if (i) out.append(delimiter);
    out.append(parts[i]);
  }
  return out;
}

Text String(long n, char16_t c) {
  require(n >= 0);
  return Text(static_cast<size_t>(n), c);
}

Text Chr(long code) {
  require(code >= 0 && code <= 255);
  return from_cp1252(std::string(1, static_cast<char>(code)));
}

int Asc(TextView s) {
  require(!s.empty());
  int b = cp1252_byte(s[0]);
  return b < 0 ? '?' : b;
}

Text ChrW(long code) {
  require(code >= -32768 && code <= 65535);
  return Text(1, static_cast<char16_t>(code & 0xFFFF));
}

int AscW(TextView s) {
  require(!s.empty());
  return s[0];
}

bool EqualsNoCase(TextView a, TextView b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i)
    if (UpperChar(a[i]) != UpperChar(b[i])) return false;
  return true;
}

}  // namespace vb
}  // namespace orvane
