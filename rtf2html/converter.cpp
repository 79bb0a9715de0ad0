#include "rtf2html/converter.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <optional>
#include <string>

#include "core/error.h"
#include "core/memory.h"
#include "rtf2html/tokenizer.h"

namespace orvane::rtf {

using namespace std::string_view_literals;

namespace {

constexpr TextView kFont = u"</font>";
constexpr TextView kListItem = u"</li>";
constexpr TextView kList = u"</ul>";
constexpr TextView kAlignTable = u"</td></tr></table>";
constexpr size_t kHeadroom = 64;  // room before a line for text put back by escapes

// Entity names of ISO 8859-1 from a1 to ff ("" at ae, which has none here).
constexpr std::array<const char16_t*, 95> kLatin1 = {
    u"iexcl",  u"cent",   u"pound",  u"curren", u"yen",    u"brvbar", u"sect",   u"uml",
    u"copy",   u"ordf",   u"laquo",  u"not",    u"shy",    u"",       u"macr",   u"deg",
    u"plusmn", u"sup2",   u"sup3",   u"acute",  u"micro",  u"para",   u"middot", u"cedil",
    u"sup1",   u"ordm",   u"raquo",  u"frac14", u"frac12", u"frac34", u"iquest", u"Agrave",
    u"Aacute", u"Acirc",  u"Atilde", u"Auml",   u"Aring",  u"AElig",  u"Ccedil", u"Egrave",
    u"Eacute", u"Ecirc",  u"Euml",   u"Igrave", u"Iacute", u"Icirc",  u"Iuml",   u"ETH",
    u"Ntilde", u"Ograve", u"Oacute", u"Ocirc",  u"Otilde", u"Ouml",   u"times",  u"Oslash",
    u"Ugrave", u"Uacute", u"Ucirc",  u"Uuml",   u"Yacute", u"THORN",  u"szlig",  u"agrave",
    u"aacute", u"acirc",  u"atilde", u"auml",   u"aring",  u"aelig",  u"ccedil", u"egrave",
    u"eacute", u"ecirc",  u"euml",   u"igrave", u"iacute", u"icirc",  u"iuml",   u"eth",
    u"ntilde", u"ograve", u"oacute", u"ocirc",  u"otilde", u"ouml",   u"divide", u"oslash",
    u"ugrave", u"uacute", u"ucirc",  u"uuml",   u"yacute", u"thorn",  u"yuml"};

int lower_hex(char16_t c) {
  if (c >= u'0' && c <= u'9') return c - u'0';
  if (c >= u'a' && c <= u'f') return c - u'a' + 10;
  return -1;
}

// The number that makes up all of `s` (an optional minus and digits), limited so that a
// huge number cannot overflow; nullopt when `s` is not one.
std::optional<int64_t> whole_number(TextView s) {
  bool negative = !s.empty() && s[0] == u'-';
  if (negative) s.remove_prefix(1);
  if (s.empty()) return std::nullopt;
  int64_t n = 0;
  for (char16_t c : s) {
    if (c < u'0' || c > u'9') return std::nullopt;
    n = std::min<int64_t>(n * 10 + (c - u'0'), 4'000'000'000);
  }
  return negative ? -n : n;
}

Text number_text(int64_t n) { return from_utf8(std::to_string(n)); }

// Every occurrence of `find` removed, without the host's 16-bit limit.
Text remove_all(TextView in, TextView find) {
  Text out;
  size_t i = 0;
  for (size_t p; (p = in.find(find, i)) != TextView::npos; i = p + find.size())
    out.append(in.substr(i, p - i));
  out.append(in.substr(i));
  return out;
}

// The first position of an ASCII `word` in `s` (npos when none). The header groups are
// looked for in the whole text, and RTF is dense with backslashes, so this skips ahead by
// the last character (Horspool) instead of stopping at every backslash.
size_t find_ascii(TextView s, TextView word) {
  const size_t m = word.size();
  if (m == 0) return 0;
  if (s.size() < m) return TextView::npos;
  std::array<size_t, 128> shift;
  shift.fill(m);
  for (size_t i = 0; i + 1 < m; ++i) shift[word[i] & 0x7f] = m - 1 - i;
  for (size_t at = 0; at + m <= s.size();) {
    const char16_t last = s[at + m - 1];
    if (last == word[m - 1] && s.compare(at, m, word) == 0) return at;
    at += last < 128 ? shift[last] : m;
  }
  return TextView::npos;
}

// Bare LF line ends (Linux programs) read as CR LF.
Text with_crlf(TextView s) {
  Text out;
  out.reserve(s.size() + s.size() / 32);
  size_t from = 0;
  for (size_t lf = s.find(u'\n'); lf != TextView::npos; lf = s.find(u'\n', lf + 1)) {
    out.append(s.substr(from, lf - from));
    if (lf == 0 || s[lf - 1] != u'\r') out += u'\r';
    from = lf;
  }
  out.append(s.substr(from));
  return out;
}

// The text being converted: the caller's text with header groups cut out, kept as pieces
// of it rather than copied. Reading it gives what cutting the groups out of a copy would,
// with every bare LF read as CR LF (lines end at each LF, and the CR a copy would insert is
// trimmed off the line anyway; cut-out groups get it back).
class PieceText {
 public:
  explicit PieceText(TextView s) {
    if (!s.empty()) pieces_.push_back({s, 0});
    size_ = s.size();
  }
  size_t size() const { return size_; }

  char16_t at(size_t pos) const { return piece_of(pos).text[pos - piece_of(pos).start]; }

  // The first position of an ASCII word, npos when none.
  size_t find(TextView word) const {
    const size_t m = word.size();
    for (size_t p = 0; p < pieces_.size(); ++p) {
      const Piece& piece = pieces_[p];
      size_t in = find_ascii(piece.text, word);
      if (in != TextView::npos) return piece.start + in;
      // A match that starts near the end of this piece and runs into the next ones.
      const size_t from = piece.text.size() >= m ? piece.text.size() - m + 1 : 0;
      for (size_t i = from; i < piece.text.size(); ++i) {
        const size_t at_pos = piece.start + i;
        if (at_pos + m > size_) break;
        size_t k = 0;
        while (k < m && at(at_pos + k) == word[k]) ++k;
        if (k == m) return at_pos;
      }
    }
    return TextView::npos;
  }

  // The group enclosing the 1-based position `pos`, cut out, with bare LF as CR LF.
  // Empty (and nothing cut) when no group encloses it.
  Text cut_group(size_t pos) {
    if (pos < 1 || pos > size_) return {};
    size_t start = TextView::npos;
    int64_t depth = 0;
    for (size_t i = pos; i-- > 0;) {
      const char16_t c = at(i);
      if ((c != u'{' && c != u'}') || escaped(i)) continue;
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
    size_t end = size_;
    depth = 0;
    for (size_t i = start; i < size_; ++i) {
      const char16_t c = at(i);
      if (c == u'\\') {
        ++i;  // the escaped character never counts
      } else if (c == u'{') {
        ++depth;
      } else if (c == u'}' && --depth == 0) {
        end = i + 1;
        break;
      }
    }
    Text section;
    for (const Piece& piece : pieces_) {
      const size_t b = std::max(start, piece.start);
      const size_t e = std::min(end, piece.start + piece.text.size());
      if (b < e) section.append(piece.text.substr(b - piece.start, e - b));
    }
    remove(start, end);
    return with_crlf(section);
  }

  // The next line from `pos` (up to the next LF), trimmed of spaces, CR and LF, into
  // `line` after `keep` characters already there; `pos` moves past it and the blanks after.
  void next_line(size_t& pos, Text& line, size_t keep) const {
    line.resize(keep);
    size_t p = pos;
    while (p < size_) {
      const Piece& piece = piece_of(p);
      const TextView rest = piece.text.substr(p - piece.start);
      const size_t lf = rest.find(u'\n');
      const size_t take = lf == TextView::npos ? rest.size() : lf + 1;
      line.append(rest.substr(0, take));
      p += take;
      if (lf != TextView::npos) break;
    }
    const TextView got = trim_all(TextView(line).substr(keep));
    const size_t lead = static_cast<size_t>(got.data() - line.data()) - keep;
    if (lead) line.erase(keep, lead);
    line.resize(keep + got.size());
    while (p < size_ && (at(p) == u' ' || at(p) == u'\r' || at(p) == u'\n')) ++p;
    pos = p;
  }

 private:
  struct Piece {
    TextView text;
    size_t start;  // position in the cut text
  };

  const Piece& piece_of(size_t pos) const {
    // Reads go mostly forward or backward from the last one.
    if (last_ >= pieces_.size() || pos < pieces_[last_].start ||
        pos >= pieces_[last_].start + pieces_[last_].text.size()) {
      last_ = 0;
      while (last_ + 1 < pieces_.size() && pieces_[last_ + 1].start <= pos) ++last_;
    }
    return pieces_[last_];
  }

  // Whether the character at `i` follows an odd run of backslashes.
  bool escaped(size_t i) const {
    size_t run = 0;
    while (i > run && at(i - run - 1) == u'\\') ++run;
    return run % 2 == 1;
  }

  void remove(size_t from, size_t to) {
    std::vector<Piece> kept;
    for (const Piece& piece : pieces_) {
      const size_t b = piece.start, e = piece.start + piece.text.size();
      if (b < from) kept.push_back({piece.text.substr(0, std::min(e, from) - b), 0});
      if (e > to) {
        const size_t s = std::max(b, to);
        kept.push_back({piece.text.substr(s - b), 0});
      }
    }
    size_t start = 0;
    pieces_.clear();
    for (Piece& piece : kept) {
      if (piece.text.empty()) continue;
      piece.start = start;
      start += piece.text.size();
      pieces_.push_back(piece);
    }
    size_ = start;
    last_ = 0;
  }

  std::vector<Piece> pieces_;
  size_t size_ = 0;
  mutable size_t last_ = 0;
};

// The HTML of every \'xx code, built once: index = the character code.
const std::array<Text, 256>& html_codes() {
  static const std::array<Text, 256> table = [] {
    std::array<Text, 256> t;
    t[0x00] = u"&nbsp;";
    t[0x85] = u"...";
    t[0x99] = u"<rtf>:\\super TM\\nosupersub";
    t[0x9a] = u"\u0161";
    t[0x9e] = u"\u017e";
    for (size_t c = 0xa1; c <= 0xff; ++c)
      if (c != 0xae) t[c] = u"&" + Text(kLatin1[c - 0xa1]) + u";";
    return t;
  }();
  return table;
}

// The HTML of the two lower-case hexadecimal digits of an escape ("" for anything else).
TextView html_code(TextView code) {
  if (code.size() != 2) return {};
  const int hi = lower_hex(code[0]), lo = lower_hex(code[1]);
  if (hi < 0 || lo < 0) return {};
  return html_codes()[static_cast<size_t>(hi * 16 + lo)];
}

// Whether `s` starts with one of the entities the converter writes itself ("&nbsp;" and
// the Latin-1 names).
bool starts_own_entity(TextView s) {
  static const std::vector<Text> names = [] {
    std::vector<Text> v{u"&nbsp;"};
    for (const char16_t* n : kLatin1)
      if (*n) v.push_back(u"&" + Text(n) + u";");
    return v;
  }();
  return std::any_of(names.begin(), names.end(), [&](const Text& e) { return s.starts_with(e); });
}

// Text as well-formed HTML: markup characters as entities, the converter's own entities
// (from escapes) kept.
void append_escaped(Text& out, TextView text) {
  size_t i = 0;
  for (size_t at; (at = text.find_first_of(u"<>&", i)) != TextView::npos; i = at + 1) {
    out.append(text.substr(i, at - i));
    const char16_t c = text[at];
    if (c == u'<') {
      out += u"&lt;";
    } else if (c == u'>') {
      out += u"&gt;";
    } else if (starts_own_entity(text.substr(at))) {
      out += c;
    } else {
      out += u"&amp;";
    }
  }
  out.append(text.substr(i));
}

// An attribute value that cannot end its quotes or start markup.
Text attribute_safe(TextView value) {
  Text out;
  for (char16_t c : value) {
    if (c == u'"') {
      out += u"&quot;";
    } else if (c == u'&') {
      out += u"&amp;";
    } else if (c == u'<') {
      out += u"&lt;";
    } else {
      out += c;
    }
  }
  return out;
}

bool is_group_code(TextView code) { return code == kListItem || code == kAlignTable; }

Text align_table(TextView align) {
  return Text(u"<table width=100%><tr><td align=\"") + Text(align) + u"\">";
}

bool is_blank_word(TextView w) { return w.find_first_not_of(u' ') == TextView::npos; }

}  // namespace

// ---- conversion -------------------------------------------------------------------------

Text Converter::rtf2html3(TextView rtf, TextView options) {
  size_t first = rtf.find_first_not_of(u' ');
  if (first == TextView::npos || rtf.substr(first, 5) != u"{\\rtf") return Text(rtf);

  lists_.ClearCodes();
  ClearFont();
  pending_close_.clear();
  pending_break_.clear();
  pending_open_.clear();
  strCurPhrase.clear();
  at_line_start_ = true;
  at_paragraph_start_ = true;
  skip_depth_ = 0;
  words_to_skip_ = 0;
  elements_.clear();
  read_options(options);
  // Whatever happens, the conversion leaves no text behind in the instance.
  struct Reset {
    Converter& c;
    ~Reset() {
      c.strCurPhrase.clear();
      c.pending_close_.clear();
      c.pending_break_.clear();
      c.pending_open_.clear();
      c.line_.clear();
      c.line_pos_ = 0;
      c.elements_.clear();
    }
  } reset{*this};

  TextView body = trim_all(rtf);
  if (body.size() >= 2 && body.front() == u'{' && body.back() == u'}')
    body = body.substr(1, body.size() - 2);
  PieceText text(body);
  list_document_ = text.find(u"\\list\\") != TextView::npos;
  // Notes come out about as long as they go in; room reserved but not written costs
  // nothing, growing a long text step by step does.
  strCurPhrase.reserve(2 * text.size());
  prefer_huge_pages(strCurPhrase.data(), strCurPhrase.capacity() * sizeof(char16_t));
  auto cut = [&text](TextView word) -> Text {
    size_t at = text.find(word);
    return at == TextView::npos ? Text() : text.cut_group(at + 1);
  };
  if (text.find(u"\\colortbl") != TextView::npos) color_table_ = GetColorTable(cut(u"\\colortbl"));
  if (text.find(u"\\fonttbl") != TextView::npos) font_table_ = GetFontTable(cut(u"\\fonttbl"));
  for (TextView group : {u"\\stylesheet", u"\\info", u"\\listtable", u"\\listoverridetable"})
    cut(group);

  size_t pos = 0;
  while (pos < text.size()) {
    text.next_line(pos, line_, kHeadroom);
    line_pos_ = kHeadroom;
    while (line_pos_ < line_.size()) {
      TextView word = next_word(line_, line_pos_);
      if (skip_depth_ != 0) {
        // Inside a skipped destination only the braces matter.
        if (word == u"{") ++skip_depth_;
        if (word == u"}") --skip_depth_;
        continue;
      }
      if (word == u"\\pict" || word == u"\\*") {
        skip_depth_ = 1;
        continue;
      }
      if (word == u"\\pntext") skip_depth_ = 1;
      if (!word.empty()) ProcessWord(word);
    }
  }

  Text closing = well_formed_ ? close_all_well_formed() : lists_.GetActiveCodes();
  pending_break_ = remove_all(remove_all(pending_break_, u"<br>"), u"\r\n");
  strCurPhrase += pending_close_;
  strCurPhrase += pending_break_;
  strCurPhrase += closing;
  Text result = std::move(strCurPhrase);
  ClearFont();
  return result;
}

void Converter::read_options(TextView options) {
  strCR = options.find(u"+CR") != TextView::npos ? Text(u"\r\n") : Text();
  font_faces_on_ = options.find(u"-FF") == TextView::npos;
  well_formed_ = options.find(u"+WF") != TextView::npos;
  default_font_size_ = 0;
  size_t at = options.find(u"+F=");
  if (at == TextView::npos) return;
  int64_t n = 0;
  for (size_t i = at + 3; i < options.size() && options[i] >= u'0' && options[i] <= u'9'; ++i) {
    n = n * 10 + (options[i] - u'0');
    if (n > INT16_MAX) throw VbError(err::kOverflow);
  }
  default_font_size_ = static_cast<int16_t>(n);
}

void Converter::put_back(TextView text) {
  if (text.size() <= line_pos_) {
    line_pos_ -= text.size();
    std::copy(text.begin(), text.end(), line_.begin() + static_cast<std::ptrdiff_t>(line_pos_));
    return;
  }
  Text rebuilt(kHeadroom, u' ');
  rebuilt += text;
  rebuilt.append(TextView(line_).substr(std::min(line_pos_, line_.size())));
  line_ = std::move(rebuilt);
  line_pos_ = kHeadroom;
}

// ---- words ------------------------------------------------------------------------------

void Converter::ProcessWord(TextView word) {
  if (words_to_skip_ > 0) {
    --words_to_skip_;
    return;
  }
  if (word.empty() || word == u"{"sv) return;
  if (word == u"}"sv) {
    // The group's formatting ends; list items and alignment tables outlive it.
    if (skip_depth_ == 0) {
      lists_.KillCode(u"*", u"G");
      lists_.ClearNext(kListItem);
      ClearFont();
    }
    return;
  }
  const bool escaped_char = word == u"\\\\"sv || word == u"\\{"sv || word == u"\\}"sv;
  if (word[0] == u'\\' && !escaped_char) {
    control_word(word);
    return;
  }
  text_word(escaped_char ? word.substr(1) : word);
}

void Converter::text_word(TextView word) {
  if (is_blank_word(word)) {
    // Spaces do not open or close anything; owed breaks wait for the next text.
    strCurPhrase += pending_open_;
    pending_open_.clear();
    if (at_line_start_) {
      for (size_t i = 0; i < word.size(); ++i) strCurPhrase += u"&nbsp;";
    } else {
      strCurPhrase += word;
    }
    return;
  }
  pending_close_ += ProcessAfterTextCodes();
  lists_.Next2Codes();
  if (at_paragraph_start_) {
    pending_open_ = lists_.GetAllCodesBeg();
    at_paragraph_start_ = false;
  } else {
    // An alignment table opens only at a paragraph start.
    pending_open_ = lists_.GetAllCodesBegTill(kAlignTable);
  }
  lists_.RemoveBlanks();
  if (well_formed_) {
    write_well_formed(word);
  } else {
    strCurPhrase += pending_close_;
    strCurPhrase += pending_break_;
    strCurPhrase += pending_open_;
    strCurPhrase += word;
  }
  pending_close_.clear();
  pending_break_.clear();
  pending_open_.clear();
  at_line_start_ = false;
}

void Converter::write_well_formed(TextView word) {
  // What the lists hold open, outermost first (the order their opening tags go out), one
  // element per closing tag: the last entry's opening tag wins, as for the font.
  struct Wanted {
    const CodeLists::Entry* entry;
    bool group;
  };
  std::vector<Wanted> wanted;
  const auto& codes = lists_.codes();
  for (size_t i = codes.size(); i-- > 0;) {
    const auto& e = codes[i];
    if (e.status != Status::A && e.status != Status::G) continue;
    auto same = [&](const Wanted& w) { return w.entry->code == e.code; };
    if (std::none_of(wanted.begin(), wanted.end(), same))
      wanted.push_back({&e, is_group_code(e.code)});
  }
  auto epoch_of = [&](TextView code) -> uint64_t {
    return code == kListItem ? item_epoch_ : code == kAlignTable ? paragraph_epoch_ : 0;
  };
  auto still_wanted = [&](const Element& el) {
    if (el.group && el.epoch != epoch_of(el.code)) return false;
    return std::any_of(wanted.begin(), wanted.end(), [&](const Wanted& w) {
      return w.entry->code == el.code && w.entry->open == el.open;
    });
  };
  size_t keep = 0;
  while (keep < elements_.size() && still_wanted(elements_[keep])) ++keep;
  auto kept = [&](TextView code) {
    return std::any_of(elements_.begin(), elements_.begin() + static_cast<std::ptrdiff_t>(keep),
                       [&](const Element& el) { return el.code == code; });
  };
  // A list item or table to open goes outside the inline formats.
  const bool new_group = std::any_of(wanted.begin(), wanted.end(), [&](const Wanted& w) {
    return w.group && !kept(w.entry->code);
  });
  if (new_group)
    while (keep > 0 && !elements_[keep - 1].group) --keep;

  for (size_t i = elements_.size(); i-- > keep;) {
    strCurPhrase += elements_[i].code;
    if (elements_[i].code == kListItem) strCurPhrase += strCR;
  }
  elements_.resize(keep);
  strCurPhrase += pending_break_;
  // Groups first; the font innermost, as it changes most often.
  auto rank = [](const Wanted& w) { return w.group ? 0 : w.entry->code == kFont ? 2 : 1; };
  for (int pass : {0, 1, 2}) {
    for (const auto& w : wanted) {
      if (rank(w) != pass || kept(w.entry->code)) continue;
      strCurPhrase += w.entry->open;
      elements_.push_back({w.entry->code, w.entry->open, w.group, epoch_of(w.entry->code)});
      ++keep;
    }
  }
  append_escaped(strCurPhrase, word);
}

Text Converter::close_all_well_formed() {
  Text out;
  for (size_t i = elements_.size(); i-- > 0;) out += elements_[i].code;
  elements_.clear();
  return out;
}

void Converter::open_format(TextView close, TextView open) {
  if (lists_.InNext(close)) return;
  if (no_reopen() && lists_.HasLive(close)) return;
  lists_.PushNext(Text(close));
  lists_.PushNextBeg(Text(open));
}

void Converter::close_format(TextView close) {
  if (well_formed_) {
    // A request not yet written is withdrawn as well.
    lists_.RemoveFromNext(close);
    if (!lists_.HasLive(close)) return;
  } else if (!lists_.InCodes(close)) {
    lists_.RemoveFromNext(close);
    return;
  }
  // The formats opened inside it are closed with it and reopened after it.
  lists_.Codes2NextTill(close, no_reopen());
  lists_.KillCode(close);
}

void Converter::font_changed(bool open) {
  font_tag_ = well_formed_ ? ParseFont(color_, size_, attribute_safe(face_))
                           : ParseFont(color_, size_, face_);
  if (open) open_format(kFont, font_tag_);
}

void Converter::control_word(TextView w) {
  if (w.size() >= 2 && w[1] == u'\'') {
    TextView html = html_code(w.substr(2));
    if (html.starts_with(u"<rtf>:")) {
      // RTF to read again, ended like a control word.
      put_back(u" ");
      put_back(html.substr(6));
    } else if (!html.empty()) {
      put_back(html);
    }
    return;
  }
  if (w == u"\\b"sv) return open_format(u"</b>", u"<b>");
  if (w == u"\\b0"sv) return close_format(u"</b>");
  if (w == u"\\i"sv) return open_format(u"</i>", u"<i>");
  if (w == u"\\i0"sv) return close_format(u"</i>");
  if (w == u"\\ul"sv) return open_format(u"</u>", u"<u>");
  if (w == u"\\ulnone"sv) return close_format(u"</u>");
  if (w == u"\\strike"sv) return open_format(u"</s>", u"<s>");
  if (w == u"\\strike0"sv) return close_format(u"</s>");
  if (w == u"\\super"sv) return open_format(u"</sup>", u"<sup>");
  if (w == u"\\sub"sv) return open_format(u"</sub>", u"<sub>");
  if (w == u"\\nosupersub"sv) {
    close_format(u"</sub>");
    close_format(u"</sup>");
    return;
  }
  if (w == u"\\plain"sv) {
    lists_.KillCode(u"*", u"G");
    ClearFont();
    return;
  }
  if (w == u"\\par"sv) {
    if (!lists_.InCodes(kList) && !lists_.InCodes(kListItem)) {
      pending_break_ += u"<br>";
      pending_break_ += strCR;
    } else {
      lists_.KillCode(kListItem);
      lists_.RemoveFromNext(kListItem);
      ++item_epoch_;
    }
    at_line_start_ = true;
    at_paragraph_start_ = true;
    return;
  }
  if (w == u"\\pard"sv) {
    lists_.KillGroupCodes();
    if (well_formed_) {
      // A new paragraph keeps no alignment of the last one, not even one queued to reopen.
      lists_.RemoveFromNext(kAlignTable);
      ++paragraph_epoch_;
    }
    if (!list_document_) {
      lists_.KillCode(kListItem);
      lists_.RemoveFromNext(kListItem);
      ++item_epoch_;
    }
    at_paragraph_start_ = true;
    return;
  }
  if (w == u"\\pnlvlblt"sv || w == u"\\bullet"sv) return open_format(kListItem, u"<li>");
  if (w == u"\\pntxta"sv || w == u"\\pntxtb"sv) {
    words_to_skip_ = 1;  // the numbering text
    return;
  }
  if (w == u"\\pntext"sv) {
    if (lists_.InNext(kListItem)) return;
    // A new item even while the last one is open: everything open is closed below.
    if (!no_reopen() || !lists_.HasLive(kListItem)) {
      lists_.PushNext(Text(kListItem));
      lists_.PushNextBeg(u"<li>");
    }
    lists_.Codes2NextTill(u"</table>", no_reopen());
    lists_.KillCode(u"*");
    ++item_epoch_;
    return;
  }
  if (w == u"\\qc"sv) return open_format(kAlignTable, align_table(u"center"));
  if (w == u"\\qr"sv) return open_format(kAlignTable, align_table(u"right"));
  if (w == u"\\tab"sv) return text_word(u"\t");

  if (w.starts_with(u"\\cf"sv)) {
    auto n = whole_number(w.substr(3));
    if (!n) return;
    if (*n == 0) {
      // The colour goes; the change shows at the next text.
      color_.clear();
      return font_changed(false);
    }
    if (*n < 0 || *n >= static_cast<int64_t>(color_table_.size())) throw VbError(err::kSubscript);
    color_ = u"#" + color_table_[static_cast<size_t>(*n)];
    return font_changed(true);
  }
  if (w.starts_with(u"\\fs"sv)) {
    auto n = whole_number(w.substr(3));
    if (!n) return;
    html_size_ = static_cast<int32_t>(std::clamp<int64_t>(*n / 7, 1, 8));
    size_ = html_size_ == default_font_size_ ? Text() : number_text(html_size_);
    // Only the tag changes; the next text writes it.
    return font_changed(false);
  }
  if (w.starts_with(u"\\f"sv) && font_faces_on_) {
    auto n = whole_number(w.substr(2));
    if (!n) return;
    if (*n < 0 || *n >= static_cast<int64_t>(font_table_.size())) throw VbError(err::kSubscript);
    face_ = font_table_[static_cast<size_t>(*n)];
    return font_changed(true);
  }
  // Any other control word does not change the HTML.
}

Text Converter::ProcessAfterTextCodes() {
  if (lists_.last_font() != font_tag_) {
    lists_.KillCode(kFont);
    if (!font_tag_.empty() && lists_.ReplaceInNextBeg(kFont, font_tag_) == 0) {
      lists_.PushNext(Text(kFont));
      lists_.PushNextBeg(font_tag_);
    }
  } else if (!lists_.InNext(kListItem)) {
    lists_.ReviveCode(kFont);
  }
  const int64_t last = lists_.LastKilled();
  if (last < 0) return {};
  const size_t k = static_cast<size_t>(last);
  const auto& codes = lists_.codes();
  Text closing;
  for (size_t i = 0; i <= k; ++i) {
    closing += codes[i].code;
    if (codes[i].code == kListItem) closing += strCR;
  }
  // What the closing interrupts opens again before the next text.
  for (size_t i = k + 1; i-- > 0;) {
    const auto& e = codes[i];
    if (e.status == Status::D || e.status == Status::K || lists_.InNext(e.code)) continue;
    lists_.UnShiftNext(e.code);
    lists_.UnShiftNextBeg(e.open);
  }
  lists_.KillThrough(k);
  return closing;
}

void Converter::ClearFont() {
  font_tag_.clear();
  face_.clear();
  color_.clear();
  size_.clear();
  font_tag2_.clear();
  html_size_ = 0;
}

// ---- helpers offered to the host --------------------------------------------------------

Text Converter::ParseFont(TextView color, TextView size, TextView face) {
  if (color.empty() && size.empty() && face.empty()) return {};
  Text tag = u"<font";
  if (!face.empty()) tag += u" face=\"" + Text(face) + u"\"";
  if (!color.empty()) tag += u" color=\"" + Text(color) + u"\"";
  if (!size.empty() && size != u"0") tag += u" size=" + Text(size);
  tag += u">";
  return tag;
}

Text Converter::HTMLCode(TextView code) { return Text(html_code(code)); }

Text Converter::rtf2html_replace(TextView in, TextView find, TextView with) {
  if (find.empty()) return Text(in);
  Text out;
  size_t i = 0;
  for (size_t p; (p = in.find(find, i)) != TextView::npos; i = p + find.size()) {
    // Where the match starts in the text being rewritten, counted as the host did.
    if (out.size() + (p - i) + 1 > 32767) throw VbError(err::kOverflow);
    out.append(in.substr(i, p - i));
    out.append(with);
  }
  out.append(in.substr(i));
  return out;
}

Text Converter::GetCodes(TextView word) const {
  static constexpr TextView kCrLf = u"\r\n";
  Text out = u"CurWord: " + Text(word) + u"..." + Text(kCrLf);
  out += u"BegCodes: ";
  for (const auto& e : lists_.codes()) out += e.open + u" (" + Text(status_text(e.status)) + u"), ";
  out += kCrLf;
  out += u"Codes: ";
  for (const auto& e : lists_.codes()) out += e.code + u" (" + Text(status_text(e.status)) + u"), ";
  out += kCrLf;
  auto joined = [](const std::deque<Text>& list) {
    Text s;
    for (size_t i = 0; i < list.size(); ++i) {
      if (i) s += u", ";
      s += list[i];
    }
    return s;
  };
  out += u"NextBegCodes: " + joined(lists_.next_beg()) + Text(kCrLf);
  out += u"NextCodes: " + joined(lists_.next()) + Text(kCrLf);
  out += u"Font String: " + font_tag_ + Text(kCrLf);
  out += u"Before Text: " + pending_open_ + Text(kCrLf);
  return out;
}

}  // namespace orvane::rtf
