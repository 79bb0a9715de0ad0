#include "json/serializer.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <memory>
#include <typeinfo>

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

// Characters that a text may hold as they are: printable ASCII but the quote, the
// backslash and the slash.
struct PlainTable {
  bool plain[128] = {};
  constexpr PlainTable() {
    for (int c = 32; c <= 126; ++c) plain[c] = c != '"' && c != '\\' && c != '/';
  }
};
constexpr PlainTable kPlain;

// What the exports write as it is: 32..127 but the quotes, backslash and braces.
struct ExportPlainTable {
  bool plain[128] = {};
  constexpr ExportPlainTable() {
    for (int c = 32; c <= 127; ++c)
      plain[c] = c != '"' && c != '\'' && c != '\\' && c != '{' && c != '}';
  }
};
constexpr ExportPlainTable kExportPlain;

// Room a number's text form can take ("-4.94065645841247E-324" and the like).
constexpr size_t kNumberRoom = 32;

char16_t* write_ascii(char16_t* w, const char* s, const char* end) {
  while (s < end) *w++ = static_cast<char16_t>(*s++);
  return w;
}

// The number's text form at `w` with `point` as the decimal separator; at most
// kNumberRoom characters.
char16_t* write_number(char16_t* w, double d, char16_t point_char = u'.') {
  if (!std::isfinite(d)) {
    Text t = double_to_text(d);
    for (char16_t c : t) *w++ = c == u',' ? point_char : c;
    return w;
  }
  if (d == 0) {
    *w++ = u'0';
    return w;
  }
  if (d < 0) *w++ = u'-';
  const double a = std::fabs(d);
  char buf[24];
  if (a < 1e15 && a == std::floor(a)) {
    auto r = std::to_chars(buf, buf + sizeof buf, static_cast<uint64_t>(a));
    return write_ascii(w, buf, r.ptr);
  }
  Digits g;
  digits_of(a, g);
  const char* d0 = g.d;
  if (g.exp >= 15 || g.exp < -4) {
    *w++ = static_cast<char16_t>(d0[0]);
    if (g.n > 1) {
      *w++ = point_char;
      w = write_ascii(w, d0 + 1, d0 + g.n);
    }
    int len = std::snprintf(buf, sizeof buf, "E%c%02d", g.exp < 0 ? '-' : '+', std::abs(g.exp));
    return write_ascii(w, buf, buf + len);
  }
  const int point = g.exp + 1;  // digits before the decimal point
  if (point <= 0) {
    *w++ = u'0';
    *w++ = point_char;
    for (int k = point; k < 0; ++k) *w++ = u'0';
    return write_ascii(w, d0, d0 + g.n);
  }
  if (point >= g.n) {
    w = write_ascii(w, d0, d0 + g.n);
    for (int k = g.n; k < point; ++k) *w++ = u'0';
    return w;
  }
  w = write_ascii(w, d0, d0 + point);
  *w++ = point_char;
  return write_ascii(w, d0 + point, d0 + g.n);
}

class Writer {
 public:
  explicit Writer(TextSink& out) : out_(out) {}

  void value(const Variant& v, int depth) {
    switch (v.type()) {
      case VarType::Empty:
        return;
      case VarType::Null:
        out_.put(u"null");
        return;
      case VarType::Boolean:
        out_.put(v.boolean() ? TextView(u"true") : TextView(u"false"));
        return;
      case VarType::Date:
        out_.put(u'"');
        out_.put(date_to_text(v.date()));
        out_.put(u'"');
        return;
      case VarType::String:
        string(v.text());
        return;
      case VarType::Double:
        out_.done(write_number(out_.room(kNumberRoom), v.dbl()));
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
    Text t;
    switch (v.type()) {
      case VarType::Integer:
        append_ascii(t, std::to_string(v.integer()));
        break;
      case VarType::Long:
        append_ascii(t, std::to_string(v.lng()));
        break;
      case VarType::Byte:
        append_ascii(t, std::to_string(v.byte()));
        break;
      default:
        append_pointed(t, CStr(v));
    }
    out_.put(t);
  }

  // The text between quotes, escaped.
  void string(TextView s) {
    const size_t n = s.size();
    char16_t* w = out_.room(6 * n + 2);
    *w++ = u'"';
    for (size_t i = 0; i < n; ++i) {
      const char16_t c = s[i];
      if (c < 128 && kPlain.plain[c]) {
        *w++ = c;
        continue;
      }
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
      *w++ = u'\\';
      if (esc) {
        *w++ = esc;
      } else {
        *w++ = u'u';
        *w++ = static_cast<char16_t>(kHex[(c >> 12) & 15]);
        *w++ = static_cast<char16_t>(kHex[(c >> 8) & 15]);
        *w++ = static_cast<char16_t>(kHex[(c >> 4) & 15]);
        *w++ = static_cast<char16_t>(kHex[c & 15]);
      }
    }
    *w++ = u'"';
    out_.done(w);
  }

  void object(const ObjectPtr& o, int depth) {
    if (!o) return;
    // Exact type checks: a pointer comparison where a cast would walk the hierarchy.
    const Object& obj = *o;
    const std::type_info& type = typeid(obj);
    if (type == typeid(Dictionary)) {
      const auto* d = static_cast<const Dictionary*>(o.get());
      enter(depth);
      out_.put(u'{');
      bool first = true;
      for (const auto& [key, item] : d->entries()) {
        member(first, key);
        value(item, depth + 1);
      }
      out_.put(u'}');
      return;
    }
    if (type == typeid(Collection)) {
      const auto* c = static_cast<const Collection*>(o.get());
      enter(depth);
      out_.put(u'[');
      bool first = true;
      for (const auto& item : c->items()) {
        if (!first) out_.put(u',');
        first = false;
        value(item, depth + 1);
      }
      out_.put(u']');
      return;
    }
    // Someone else's map or list: walked through its members.
    const Text name = o->type_name();
    if (name == u"Dictionary") {
      enter(depth);
      out_.put(u'{');
      Variant keys = call(o, u"Keys");
      bool first = true;
      if (keys.is_array()) {
        for (const auto& k : keys.array().items()) {
          member(first, CStr(k));
          value(call(o, u"Item", {k}), depth + 1);
        }
      }
      out_.put(u'}');
    } else if (name == u"Collection") {
      enter(depth);
      out_.put(u'[');
      const int32_t count = CLng(get(o, u"Count"));
      for (int32_t i = 1; i <= count; ++i) {
        if (i > 1) out_.put(u',');
        value(call(o, u"Item", {Variant(i)}), depth + 1);
      }
      out_.put(u']');
    }
  }

  // [","] '"' key '":' with the key as it is.
  void member(bool& first, TextView key) {
    char16_t* w = out_.room(key.size() + 4);
    if (!first) *w++ = u',';
    first = false;
    *w++ = u'"';
    if (!key.empty()) std::memcpy(w, key.data(), key.size() * sizeof(char16_t));
    w += key.size();
    *w++ = u'"';
    *w++ = u':';
    out_.done(w);
  }

  void array(const Array& a, int dim, std::vector<int32_t>& index, int depth) {
    enter(depth);
    out_.put(u'[');
    const auto& b = a.bound(dim);
    for (int32_t i = b.lower; i <= b.upper(); ++i) {
      if (i > b.lower) out_.put(u',');
      index[dim] = i;
      if (dim + 1 == a.dims())
        value(a.at(index), depth + 1);
      else
        array(a, dim + 1, index, depth + 1);
    }
    out_.put(u']');
  }

  TextSink& out_;
};

}  // namespace

void append_number(Text& out, double d, char16_t point) {
  char16_t buf[kNumberRoom];
  out.append(buf, write_number(buf, d, point));
}

Text to_json(const Variant& v) {
  TextSink out;
  Writer(out).value(v, 0);
  return out.text();
}

void append_to_unicode(TextSink& out, TextView s) {
  const size_t n = s.size();
  char16_t* w = out.room(6 * n);
  for (size_t i = 0; i < n; ++i) {
    const char16_t c = s[i];
    if (c < 128 && kExportPlain.plain[c]) {
      *w++ = c;
      continue;
    }
    const int code = c < 128 ? c : cp1252_byte(c);
    char16_t esc = 0;
    switch (code) {
      case -1:  // not in the code page: the platform reads it as "?", written as it is
        *w++ = c;
        continue;
      case 8:
        esc = u'b';
        break;
      case 9:
        esc = u't';
        break;
      case 10:
        esc = u'n';
        break;
      case 12:
        esc = u'f';
        break;
      case 13:
        esc = u'r';
        break;
      case 34:
      case 39:
      case 92:
        esc = c;
        break;
    }
    *w++ = u'\\';
    if (esc) {
      *w++ = esc;
    } else {  // below 32, above 127, and the braces
      *w++ = u'u';
      *w++ = static_cast<char16_t>(kHex[(code >> 12) & 15]);
      *w++ = static_cast<char16_t>(kHex[(code >> 8) & 15]);
      *w++ = static_cast<char16_t>(kHex[(code >> 4) & 15]);
      *w++ = static_cast<char16_t>(kHex[code & 15]);
    }
  }
  out.done(w);
}

Text to_unicode(Text& str) {
  std::erase(str, u'\'');
  TextSink out;
  append_to_unicode(out, str);
  return out.text();
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
