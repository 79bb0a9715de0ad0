#include "rtf2html/tokenizer.h"

#include <algorithm>

namespace orvane::rtf {

namespace {

bool is_blank(char16_t c) { return c == u' ' || c == u'\r' || c == u'\n'; }
bool is_letter(char16_t c) { return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z'); }
bool is_digit(char16_t c) { return c >= u'0' && c <= u'9'; }
bool ends_word(char16_t c) { return c == u'\\' || c == u'{' || c == u'}'; }

// Whether the character at `i` is escaped by an odd run of backslashes before it.
bool escaped(TextView s, size_t i) {
  size_t run = 0;
  while (i > run && s[i - run - 1] == u'\\') ++run;
  return run % 2 == 1;
}

// The decimal number at `pos` (0 when there are no digits), limited so that huge numbers
// cannot overflow.
int64_t read_number(TextView s, size_t pos) {
  int64_t n = 0;
  for (; pos < s.size() && is_digit(s[pos]); ++pos)
    n = std::min<int64_t>(n * 10 + (s[pos] - u'0'), 1'000'000'000);
  return n;
}

// Position of `word` in s[from, to) that is not followed by a digit ("\f1" is not "\f12").
size_t find_numbered(TextView s, TextView word, size_t from, size_t to) {
  while (from < to) {
    size_t p = s.find(word, from);
    if (p == TextView::npos || p >= to) return TextView::npos;
    size_t after = p + word.size();
    if (after >= s.size() || !is_digit(s[after])) return p;
    from = p + 1;
  }
  return TextView::npos;
}

Text two_hex(int64_t v) {
  static constexpr char16_t kHex[] = u"0123456789ABCDEF";
  v = std::clamp<int64_t>(v, 0, 255);
  return Text{kHex[v / 16], kHex[v % 16]};
}

}  // namespace

TextView trim_all(TextView s) {
  size_t b = 0, e = s.size();
  while (b < e && is_blank(s[b])) ++b;
  while (e > b && is_blank(s[e - 1])) --e;
  return s.substr(b, e - b);
}

Text TrimifCmd(TextView s) {
  size_t first = s.find_first_not_of(u' ');
  if (first != TextView::npos && (s[first] == u'\\' || s[first] == u'{')) return vb::Trim(s);
  if (!s.empty() && s[0] == u' ') s.remove_prefix(1);
  return vb::RTrim(s);
}

bool IsDig(TextView s) { return !s.empty() && is_digit(s[0]); }

TextView next_line(TextView text, size_t& pos, size_t end) {
  TextView rest = text.substr(0, end);
  size_t crlf = rest.find(u"\r\n", pos);
  size_t stop = crlf == TextView::npos ? end : crlf + 2;
  TextView line = trim_all(rest.substr(pos, stop - pos));
  pos = stop;
  while (pos < end && is_blank(text[pos])) ++pos;
  return line;
}

TextView next_word(TextView line, size_t& pos) {
  const size_t n = line.size();
  if (pos >= n) return {};
  const size_t start = pos;
  const char16_t c = line[start];
  if (c == u'{' || c == u'}') {
    pos = start + 1;
    return line.substr(start, 1);
  }
  if (c == u'\\' && start + 1 < n) {
    const char16_t d = line[start + 1];
    if (d == u'\'') {
      pos = std::min(n, start + 4);
      return line.substr(start, pos - start);
    }
    if (ends_word(d)) {
      pos = start + 2;
      return line.substr(start, 2);
    }
    if (is_letter(d)) {
      size_t i = start + 2;
      while (i < n && !ends_word(line[i]) && line[i] != u' ') ++i;
      pos = (i < n && line[i] == u' ') ? i + 1 : i;
      return line.substr(start, i - start);
    }
  }
  size_t i = start + 1;
  while (i < n && !ends_word(line[i])) ++i;
  pos = i;
  return line.substr(start, i - start);
}

Text NabNextLine(Text& rtf) {
  size_t pos = 0;
  Text line(next_line(rtf, pos, rtf.size()));
  rtf = Text(trim_all(TextView(rtf).substr(pos)));
  return line;
}

Text NabNextWord(Text& line) {
  size_t pos = 0;
  Text word(next_word(line, pos));
  line.erase(0, pos);
  return word;
}

Text NabSection(Text& rtf, int32_t pos) {
  if (pos < 1 || static_cast<size_t>(pos) > rtf.size()) return {};
  const TextView s = rtf;
  // Back to the opening brace of the enclosing group, stepping over complete inner groups.
  size_t start = TextView::npos;
  int64_t depth = 0;
  for (size_t i = static_cast<size_t>(pos); i-- > 0;) {
    const char16_t c = s[i];
    if ((c != u'{' && c != u'}') || escaped(s, i)) continue;
    if (c == u'}') {
      ++depth;
    } else if (depth == 0) {
      start = i;
      break;
    } else {
      --depth;
    }
  }
  if (start == TextView::npos) return {};
  size_t end = s.size();
  depth = 0;
  for (size_t i = start; i < s.size(); ++i) {
    const char16_t c = s[i];
    if (c == u'\\') {
      ++i;  // the escaped character never counts
    } else if (c == u'{') {
      ++depth;
    } else if (c == u'}' && --depth == 0) {
      end = i + 1;
      break;
    }
  }
  Text section(s.substr(start, end - start));
  rtf.erase(start, end - start);
  return section;
}

std::vector<Text> GetColorTable(TextView sec) {
  std::vector<Text> table;
  size_t at = sec.find(u"\\colortbl");
  if (at == TextView::npos) return table;
  table.emplace_back();  // the automatic colour
  size_t auto_end = sec.find(u';', at);
  if (auto_end == TextView::npos) return table;
  size_t end = sec.find(u";}", auto_end);
  if (end == TextView::npos) end = sec.size();
  size_t pos = auto_end + 1;
  while (pos < end) {
    size_t red = sec.find(u"\\red", pos);
    if (red == TextView::npos || red >= end) break;
    size_t stop = sec.find(u';', red);
    if (stop == TextView::npos || stop > end) stop = end;
    TextView entry = sec.substr(red, stop - red);
    auto component = [&](TextView word) -> int64_t {
      size_t p = entry.find(word);
      return p == TextView::npos ? 0 : read_number(entry, p + word.size());
    };
    table.push_back(two_hex(read_number(entry, 4)) + two_hex(component(u"\\green")) +
                    two_hex(component(u"\\blue")));
    pos = std::max(stop, red + 4);
  }
  return table;
}

std::vector<Text> GetFontTable(TextView sec) {
  std::vector<Text> table;
  size_t at = sec.find(u"\\fonttbl");
  if (at == TextView::npos) return table;
  size_t end = sec.find(u";}}", at);
  end = end == TextView::npos ? sec.size() : end + 1;
  size_t font = find_numbered(sec, u"\\f0", at, end);
  while (font != TextView::npos) {
    // The name follows the first space outside nested groups (such as "{\*\panose ...}").
    int64_t depth = 0;
    size_t space = TextView::npos;
    for (size_t i = font; i < end; ++i) {
      const char16_t c = sec[i];
      if (c == u'{') {
        ++depth;
      } else if (c == u'}') {
        --depth;
      } else if (c == u' ' && depth == 0) {
        space = i;
        break;
      }
    }
    if (space == TextView::npos) break;
    size_t semi = sec.find(u';', space + 1);
    if (semi == TextView::npos || semi >= end) break;
    table.emplace_back(sec.substr(space + 1, semi - space - 1));
    Text next = u"\\f" + from_utf8(std::to_string(table.size()));
    font = find_numbered(sec, next, semi + 1, end);
  }
  return table;
}

}  // namespace orvane::rtf
