#include "json/serializer.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <limits>

#include "core/convert.h"
#include "core/error.h"
#include "core/object.h"
#include "json/collection.h"
#include "json/dictionary.h"

namespace orvane::json {
namespace {

constexpr char kHex[] = "0123456789ABCDEF";
constexpr int32_t kOutOfStackSpace = 28;

void append_ascii(Text& out, std::string_view s) { out.append(s.begin(), s.end()); }

void append_hex4(Text& out, unsigned code) {
  char16_t b[6] = {u'\\',
                   u'u',
                   static_cast<char16_t>(kHex[(code >> 12) & 15]),
                   static_cast<char16_t>(kHex[(code >> 8) & 15]),
                   static_cast<char16_t>(kHex[(code >> 4) & 15]),
                   static_cast<char16_t>(kHex[code & 15])};
  out.append(b, 6);
}

// A locale text form with its decimal commas turned into points.
void append_pointed(Text& out, Text t) {
  for (char16_t& c : t)
    if (c == u',') c = u'.';
  out += t;
}

// Significant digits ("12345", no trailing zeros) and the decimal exponent of the
// first one, rounded to 15 digits as the host language shows doubles.
struct Digits {
  char d[40];
  int n = 0;
  int exp = 0;
};

void read_scientific(const char* s, const char* end, Digits& g) {
  g.n = 0;
  const char* p = s;
  for (; p < end && *p != 'e'; ++p)
    if (*p != '.') g.d[g.n++] = *p;
  int e = 0;
  std::from_chars(p + 1 + (p[1] == '+'), end, e);
  g.exp = e;
  while (g.n > 1 && g.d[g.n - 1] == '0') --g.n;
}

void digits_of(double a, Digits& g) {
  char buf[64];
  // The shortest round-trip digits are the 15-digit rounding whenever there are at most
  // 15 of them: a normal double is far closer to them than half a unit of the 15th
  // digit. Subnormals have fewer bits, so they take the slow road.
  if (a >= std::numeric_limits<double>::min()) {
    auto r = std::to_chars(buf, buf + sizeof buf, a, std::chars_format::scientific);
    read_scientific(buf, r.ptr, g);
    if (g.n <= 15) return;
  }
  int len = std::snprintf(buf, sizeof buf, "%.14e", a);
  read_scientific(buf, buf + len, g);
}

class Writer {
 public:
  explicit Writer(strbuild::cStringBuilder& out) : out_(out) {}

  void value(const Variant& v, int depth) {
    switch (v.type()) {
      case VarType::Empty:
        return;
      case VarType::Null:
        out_.Append(u"null");
        return;
      case VarType::Boolean:
        out_.Append(v.boolean() ? TextView(u"true") : TextView(u"false"));
        return;
      case VarType::Date:
        out_.Append(u'"');
        out_.Append(date_to_text(v.date()));
        out_.Append(u'"');
        return;
      case VarType::String:
        out_.Append(u'"');
        string(v.text());
        out_.Append(u'"');
        return;
      case VarType::Object:
        object(v.object(), depth);
        return;
      case VarType::Array: {
        const Array& a = v.array();
        if (a.dims() == 0) throw VbError(err::kSubscript);
        std::vector<int32_t> index(a.dims());
        array(a, 0, index, depth);
        return;
      }
      default:
        scalar(v);
    }
  }

 private:
  void enter(int depth) {
    if (depth >= kMaxWriteDepth) throw VbError(kOutOfStackSpace, u"Out of stack space");
  }

  void scalar(const Variant& v) {
    scratch_.clear();
    switch (v.type()) {
      case VarType::Double:
        append_number(scratch_, v.dbl());
        break;
      case VarType::Integer:
        append_ascii(scratch_, std::to_string(v.integer()));
        break;
      case VarType::Long:
        append_ascii(scratch_, std::to_string(v.lng()));
        break;
      case VarType::Byte:
        append_ascii(scratch_, std::to_string(v.byte()));
        break;
      default:
        append_pointed(scratch_, CStr(v));
    }
    out_.Append(scratch_);
  }

  void string(TextView s) {
    const size_t n = s.size();
    size_t i = 0;
    while (i < n) {
      size_t start = i;
      while (i < n && s[i] >= 32 && s[i] <= 126 && s[i] != u'"' && s[i] != u'\\' && s[i] != u'/')
        ++i;
      if (i > start) out_.Append(s.substr(start, i - start));
      if (i >= n) break;
      const char16_t c = s[i++];
      char16_t esc = 0;
      switch (c) {
        case u'"':
        case u'\\':
        case u'/':
          esc = c;
          break;
        case u'\b':
          esc = u'b';
          break;
        case u'\f':
          esc = u'f';
          break;
        case u'\n':
          esc = u'n';
          break;
        case u'\r':
          esc = u'r';
          break;
        case u'\t':
          esc = u't';
          break;
      }
      if (esc) {
        const char16_t pair[2] = {u'\\', esc};
        out_.Append(TextView(pair, 2));
      } else {
        scratch_.clear();
        append_hex4(scratch_, c);
        out_.Append(scratch_);
      }
    }
  }

  void object(const ObjectPtr& o, int depth) {
    if (!o) return;
    if (auto* d = dynamic_cast<const Dictionary*>(o.get())) {
      enter(depth);
      out_.Append(u'{');
      bool first = true;
      for (const auto& [key, item] : d->entries()) {
        member(first, key);
        value(item, depth + 1);
      }
      out_.Append(u'}');
      return;
    }
    if (auto* c = dynamic_cast<const Collection*>(o.get())) {
      enter(depth);
      out_.Append(u'[');
      bool first = true;
      for (const auto& item : c->items()) {
        if (!first) out_.Append(u',');
        first = false;
        value(item, depth + 1);
      }
      out_.Append(u']');
      return;
    }
    // Someone else's map or list: walked through its members.
    const Text type = o->type_name();
    if (type == u"Dictionary") {
      enter(depth);
      out_.Append(u'{');
      Variant keys = call(o, u"Keys");
      bool first = true;
      if (keys.is_array()) {
        for (const auto& k : keys.array().items()) {
          member(first, CStr(k));
          value(call(o, u"Item", {k}), depth + 1);
        }
      }
      out_.Append(u'}');
    } else if (type == u"Collection") {
      enter(depth);
      out_.Append(u'[');
      const int32_t count = CLng(get(o, u"Count"));
      for (int32_t i = 1; i <= count; ++i) {
        if (i > 1) out_.Append(u',');
        value(call(o, u"Item", {Variant(i)}), depth + 1);
      }
      out_.Append(u']');
    }
  }

  void member(bool& first, TextView key) {
    if (!first) out_.Append(u',');
    first = false;
    out_.Append(u'"');
    out_.Append(key);
    out_.Append(u"\":");
  }

  void array(const Array& a, int dim, std::vector<int32_t>& index, int depth) {
    enter(depth);
    out_.Append(u'[');
    const auto& b = a.bound(dim);
    for (int32_t i = b.lower; i <= b.upper(); ++i) {
      if (i > b.lower) out_.Append(u',');
      index[dim] = i;
      if (dim + 1 == a.dims())
        value(a.at(index), depth + 1);
      else
        array(a, dim + 1, index, depth + 1);
    }
    out_.Append(u']');
  }

  strbuild::cStringBuilder& out_;
  Text scratch_;
};

}  // namespace

void append_number(Text& out, double d) {
  if (!std::isfinite(d)) {
    append_pointed(out, double_to_text(d));
    return;
  }
  if (d == 0) {
    out.push_back(u'0');
    return;
  }
  if (d < 0) out.push_back(u'-');
  const double a = std::fabs(d);
  if (a < 1e15 && a == std::floor(a)) {
    char buf[24];
    auto r = std::to_chars(buf, buf + sizeof buf, static_cast<uint64_t>(a));
    out.append(buf, r.ptr);
    return;
  }
  Digits g;
  digits_of(a, g);
  const char* d0 = g.d;
  if (g.exp >= 15 || g.exp < -4) {
    out.push_back(static_cast<char16_t>(d0[0]));
    if (g.n > 1) {
      out.push_back(u'.');
      out.append(d0 + 1, d0 + g.n);
    }
    char eb[16];
    int len = std::snprintf(eb, sizeof eb, "E%c%02d", g.exp < 0 ? '-' : '+', std::abs(g.exp));
    out.append(eb, eb + len);
    return;
  }
  const int point = g.exp + 1;  // digits before the decimal point
  if (point <= 0) {
    out.append(u"0.");
    out.append(static_cast<size_t>(-point), u'0');
    out.append(d0, d0 + g.n);
  } else if (point >= g.n) {
    out.append(d0, d0 + g.n);
    out.append(static_cast<size_t>(point - g.n), u'0');
  } else {
    out.append(d0, d0 + point);
    out.push_back(u'.');
    out.append(d0 + point, d0 + g.n);
  }
}

void write_json(strbuild::cStringBuilder& out, const Variant& v) { Writer(out).value(v, 0); }

Text to_json(const Variant& v) {
  strbuild::cStringBuilder out;
  write_json(out, v);
  return out.take();
}

void append_to_unicode(strbuild::cStringBuilder& out, TextView s) {
  Text esc;
  const size_t n = s.size();
  size_t i = 0;
  while (i < n) {
    size_t start = i;
    // Printable ASCII other than the quote, apostrophe, backslash and braces.
    while (i < n && s[i] >= 32 && s[i] <= 127 && s[i] != u'"' && s[i] != u'\'' && s[i] != u'\\' &&
           s[i] != u'{' && s[i] != u'}')
      ++i;
    if (i > start) out.Append(s.substr(start, i - start));
    if (i >= n) break;
    const char16_t c = s[i++];
    int code = c < 128 ? c : cp1252_byte(c);
    if (code < 0) {  // not in the code page: the platform reads it as "?"
      out.Append(c);
      continue;
    }
    const char16_t* simple = nullptr;
    switch (code) {
      case 8:
        simple = u"\\b";
        break;
      case 9:
        simple = u"\\t";
        break;
      case 10:
        simple = u"\\n";
        break;
      case 12:
        simple = u"\\f";
        break;
      case 13:
        simple = u"\\r";
        break;
      case 34:
        simple = u"\\\"";
        break;
      case 39:
        simple = u"\\'";
        break;
      case 92:
        simple = u"\\\\";
        break;
    }
    if (simple) {
      out.Append(TextView(simple));
    } else if (code < 32 || code > 127 || code == 123 || code == 125) {
      esc.clear();
      append_hex4(esc, static_cast<unsigned>(code));
      out.Append(esc);
    } else {
      out.Append(c);
    }
  }
}

Text to_unicode(Text& str) {
  std::erase(str, u'\'');
  strbuild::cStringBuilder out;
  append_to_unicode(out, str);
  return out.take();
}

Text from_unicode(TextView str) {
  Text out;
  out.reserve(str.size());
  size_t i = 0;
  while (i < str.size()) {
    if (str[i] == u'\\' && i + 1 < str.size() && str[i + 1] == u'u') {
      TextView hex = str.substr(i + 2, 4);
      if (hex.empty()) throw VbError(err::kTypeMismatch);
      unsigned code = 0;
      for (char16_t h : hex) {
        int v = h >= u'0' && h <= u'9'   ? h - u'0'
                : h >= u'a' && h <= u'f' ? h - u'a' + 10
                : h >= u'A' && h <= u'F' ? h - u'A' + 10
                                         : -1;
        if (v < 0) throw VbError(err::kTypeMismatch);
        code = code * 16 + static_cast<unsigned>(v);
      }
      out.push_back(static_cast<char16_t>(code));
      i += 6;
    } else {
      out.push_back(str[i++]);
    }
  }
  return out;
}

}  // namespace orvane::json
