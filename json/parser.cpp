#include "json/parser.h"

#include <charconv>
#include <string>

#include "core/error.h"
#include "json/collection.h"
#include "json/dictionary.h"

namespace orvane::json {
namespace {

constexpr TextView kCrLf = u"\r\n";

bool is_number_char(char16_t c) {
  return (c >= u'0' && c <= u'9') || c == u'+' || c == u'-' || c == u'.' || c == u'e' || c == u'E';
}

int hex_value(char16_t c) {
  if (c >= u'0' && c <= u'9') return c - u'0';
  if (c >= u'a' && c <= u'f') return c - u'a' + 10;
  if (c >= u'A' && c <= u'F') return c - u'A' + 10;
  return -1;
}

// The longest leading part of `run` that reads as a decimal number (sign, digits,
// fraction, exponent), as a double; 0 when there is none or it leaves the double range.
double leading_number(TextView run) {
  size_t i = 0;
  const size_t n = run.size();
  bool negative = false;
  if (i < n && (run[i] == u'+' || run[i] == u'-')) negative = run[i++] == u'-';
  const size_t mantissa = i;
  uint64_t whole = 0;
  size_t digits = 0;
  while (i < n && run[i] >= u'0' && run[i] <= u'9') {
    whole = whole * 10 + (run[i++] - u'0');
    ++digits;
  }
  bool plain = true;  // digits only: exact without a decimal conversion
  if (i < n && run[i] == u'.') {
    plain = false;
    ++i;
    while (i < n && run[i] >= u'0' && run[i] <= u'9') ++i, ++digits;
  }
  if (digits == 0) return 0;
  if (i < n && (run[i] == u'e' || run[i] == u'E')) {
    size_t j = i + 1;
    if (j < n && (run[j] == u'+' || run[j] == u'-')) ++j;
    if (j < n && run[j] >= u'0' && run[j] <= u'9') {
      while (j < n && run[j] >= u'0' && run[j] <= u'9') ++j;
      i = j;
      plain = false;
    }
  }
  if (plain && digits <= 15) return negative ? -static_cast<double>(whole) : whole;
  std::string ascii(run.begin() + mantissa, run.begin() + i);
  double v = 0;
  auto r = std::from_chars(ascii.data(), ascii.data() + ascii.size(), v);
  if (r.ec != std::errc()) return 0;
  return negative ? -v : v;
}

void append_ascii(Text& out, std::string_view s) { out.append(s.begin(), s.end()); }

class Parser {
 public:
  Parser(TextView s, Text& errors) : s_(s), n_(s.size()), errors_(errors) {}

  ObjectPtr root() {
    errors_.clear();
    skip_blanks();
    if (at(u'{')) return parse_object(1);
    if (at(u'[')) return parse_array(1);
    errors_ = u"Invalid JSON";
    return nullptr;
  }

 private:
  bool at(char16_t c) const { return p_ < n_ && s_[p_] == c; }
  bool past_end() const { return p_ >= n_; }
  TextView rest() const { return p_ < n_ ? s_.substr(p_) : TextView(); }
  TextView next(size_t count) const { return p_ < n_ ? s_.substr(p_, count) : TextView(); }
  TextView last20() const { return n_ > 20 ? s_.substr(n_ - 20) : s_; }

  // "<what> at position <p> : <text>" CRLF, the position 1-based.
  void report_at(std::string_view what, TextView text) {
    append_ascii(errors_, what);
    append_ascii(errors_, " at position ");
    append_ascii(errors_, std::to_string(p_ + 1));
    errors_ += u" : ";
    errors_ += text;
    errors_ += kCrLf;
  }
  void report_missing(std::string_view what) {
    append_ascii(errors_, what);
    errors_ += last20();
    errors_ += kCrLf;
  }

  void skip_blanks() {
    while (p_ < n_) {
      switch (s_[p_]) {
        case u'\r':
        case u'\n':
        case u'\t':
        case u' ':
        case u'(':
        case u')':
        case u'*':
          ++p_;
          break;
        case u'/':
          if (p_ + 1 < n_ && s_[p_ + 1] == u'/') {
            p_ += 2;
            while (p_ < n_ && s_[p_] != u'\r' && s_[p_] != u'\n') ++p_;
          } else if (p_ + 1 < n_ && s_[p_ + 1] == u'*') {
            size_t end = s_.find(u"*/", p_ + 2);
            p_ = end == TextView::npos ? n_ : end + 2;
          } else {
            ++p_;
          }
          break;
        default:
          return;
      }
    }
  }

  Variant parse_value(int depth) {
    skip_blanks();
    if (past_end()) return parse_number();
    switch (s_[p_]) {
      case u'{':
      case u'[':
        if (depth >= kMaxDepth) {
          if (!aborted_) report_at("Nesting too deep", next(20));
          aborted_ = true;
          return Variant();
        }
        if (s_[p_] == u'{') return Variant(ObjectPtr(parse_object(depth + 1)));
        return Variant(ObjectPtr(parse_array(depth + 1)));
      case u'"':
      case u'\'':
        return Variant(parse_string());
      case u't':
      case u'f':
        return parse_boolean();
      case u'n':
        return parse_null();
      default:
        return parse_number();
    }
  }

  std::shared_ptr<Dictionary> parse_object(int depth) {
    skip_blanks();
    auto map = std::make_shared<Dictionary>();
    if (!at(u'{')) {
      report_at("Invalid Object", rest());
      return map;
    }
    ++p_;
    while (!aborted_) {
      skip_blanks();
      if (at(u'}')) {
        ++p_;
        return map;
      }
      if (at(u',')) {
        ++p_;
        skip_blanks();
      } else if (past_end()) {
        report_missing("Missing '}': ");
        return map;
      }
      Text key = parse_key();
      Variant value = parse_value(depth);
      if (!map->try_add(std::move(key), std::move(value))) {
        errors_ += standard_description(err::kDuplicateKey);
        errors_ += u": ";
        errors_ += key;
        errors_ += kCrLf;
        return map;
      }
    }
    return map;
  }

  std::shared_ptr<Collection> parse_array(int depth) {
    skip_blanks();
    auto list = std::make_shared<Collection>();
    if (!at(u'[')) {
      report_at("Invalid Array", next(20));
      return list;
    }
    ++p_;
    size_t previous = TextView::npos;  // where the last element's reading began
    while (!aborted_) {
      skip_blanks();
      if (at(u']')) {
        ++p_;
        return list;
      }
      if (at(u',')) {
        ++p_;
        skip_blanks();
      } else if (past_end()) {
        report_missing("Missing ']': ");
        return list;
      }
      // An element that consumed nothing at a character no step accepts would be read
      // again forever.
      if (p_ == previous) {
        report_at("Invalid Array", next(20));
        return list;
      }
      previous = p_;
      list->Add(parse_value(depth));
    }
    return list;
  }

  Text parse_string() {
    skip_blanks();
    const char16_t quote = s_[p_++];
    Text out;
    while (p_ < n_) {
      size_t start = p_;
      while (p_ < n_ && s_[p_] != quote && s_[p_] != u'\\') ++p_;
      out.append(s_.data() + start, p_ - start);
      if (p_ >= n_) break;
      if (s_[p_] == quote) {
        ++p_;
        return out;
      }
      if (++p_ >= n_) break;  // a backslash ending the text
      switch (const char16_t e = s_[p_]) {
        case u'"':
        case u'\\':
        case u'/':
        case u'\'':
          out.push_back(e);
          ++p_;
          break;
        case u'b':
          out.push_back(u'\b');
          ++p_;
          break;
        case u'f':
          out.push_back(u'\f');
          ++p_;
          break;
        case u'n':
          out.push_back(u'\n');
          ++p_;
          break;
        case u'r':
          out.push_back(u'\r');
          ++p_;
          break;
        case u't':
          out.push_back(u'\t');
          ++p_;
          break;
        case u'u': {
          unsigned code = 0;
          for (size_t k = p_ + 1; k < p_ + 5 && k < n_; ++k) {
            int h = hex_value(s_[k]);
            if (h < 0) break;
            code = code * 16 + static_cast<unsigned>(h);
          }
          out.push_back(static_cast<char16_t>(code));
          p_ += 5;  // past the four characters, whatever they were
          break;
        }
        default:
          break;  // the backslash is dropped; the character is read as it stands
      }
    }
    return out;
  }

  Variant parse_number() {
    skip_blanks();
    const size_t start = p_;
    while (p_ < n_ && is_number_char(s_[p_])) ++p_;
    // A number that runs into the end of the text was never closed.
    if (p_ >= n_) return Variant();
    return Variant(leading_number(s_.substr(start, p_ - start)));
  }

  Variant parse_boolean() {
    skip_blanks();
    if (next(4) == u"true") {
      p_ += 4;
      return Variant(true);
    }
    if (next(5) == u"false") {
      p_ += 5;
      return Variant(false);
    }
    report_at("Invalid Boolean", rest());
    return Variant(false);
  }

  Variant parse_null() {
    skip_blanks();
    if (next(4) == u"null") {
      p_ += 4;
      return Variant::Null();
    }
    report_at("Invalid null value", rest());
    return Variant();
  }

  // Quotes toggle their flag and are never part of the key; blanks are dropped even
  // within quotes; a colon outside quotes ends the key.
  Text parse_key() {
    skip_blanks();
    Text key;
    bool in_double = false, in_single = false;
    while (p_ < n_) {
      const size_t start = p_;
      while (p_ < n_) {
        char16_t c = s_[p_];
        if (c == u'"' || c == u'\'' || c == u':' || c == u'\r' || c == u'\n' || c == u'\t' ||
            c == u' ')
          break;
        ++p_;
      }
      key.append(s_.data() + start, p_ - start);
      if (p_ >= n_) break;
      const char16_t c = s_[p_++];
      if (c == u'"' || c == u'\'') {
        bool& flag = c == u'"' ? in_double : in_single;
        flag = !flag;
        if (!flag) {
          skip_blanks();
          if (!at(u':')) {
            report_at("Invalid Key", key);
            return key;
          }
        }
      } else if (c == u':') {
        if (!in_double && !in_single) return key;
        key.push_back(u':');
      }
    }
    return key;
  }

  TextView s_;
  size_t n_;
  size_t p_ = 0;
  Text& errors_;
  bool aborted_ = false;
};

}  // namespace

ObjectPtr parse(TextView text, Text& errors) { return Parser(text, errors).root(); }

}  // namespace orvane::json
