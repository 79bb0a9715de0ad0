#include "platform/office/textmodel.h"

#include <algorithm>
#include <cwctype>
#include <functional>

namespace orvane::office {

namespace {
constexpr size_t kBlock = 64;            // paragraphs per searched block
constexpr char16_t kSeparator = 0xFFFF;  // never in a pattern, so no match spans two paragraphs
}  // namespace

bool is_word_char(char16_t c) {
  if (c < 0x80)
    return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_';
  if (c < 0xC0) return c == 0xAA || c == 0xB5 || c == 0xBA;
  if (c == 0xD7 || c == 0xF7) return false;
  if (c < 0x250) return true;
  return std::iswalnum(static_cast<wint_t>(c)) != 0 || (c >= 0x370 && c < 0x2000);
}

char16_t fold_case(char16_t c) { return vb::UpperChar(c); }

Text node_text(pugi::xml_node n) { return from_utf8(n.value()); }
void set_node_text(pugi::xml_node n, TextView t) { n.set_value(to_utf8(t).c_str()); }

void Story::ensure_index() {
  if (indexed_) return;
  paras_.clear();
  list_paragraphs(root(), paras_);
  texts_.assign(paras_.size(), ParaText{});
  text_ok_.assign(paras_.size(), 0);
  where_.clear();
  for (size_t i = 0; i < paras_.size(); ++i) where_[paras_[i].internal_object()] = i;
  blocks_.clear();
  for (size_t i = 0; i < paras_.size(); i += kBlock) {
    Block b;
    b.first = i;
    b.last = std::min(paras_.size(), i + kBlock);
    blocks_.push_back(std::move(b));
  }
  indexed_ = true;
}

size_t Story::count() {
  ensure_index();
  return paras_.size();
}

pugi::xml_node Story::para(size_t i) {
  ensure_index();
  return i < paras_.size() ? paras_[i] : pugi::xml_node();
}

std::optional<size_t> Story::index_of(pugi::xml_node p) {
  ensure_index();
  auto it = where_.find(p.internal_object());
  if (it == where_.end()) return std::nullopt;
  return it->second;
}

void Story::ensure_text(size_t i) {
  if (text_ok_[i]) return;
  texts_[i] = ParaText{};
  build_text(paras_[i], texts_[i]);
  text_ok_[i] = 1;
}

const ParaText& Story::text(size_t i) {
  ensure_index();
  ensure_text(i);
  return texts_[i];
}

ParaText Story::text_of(pugi::xml_node p) {
  ParaText t;
  build_text(p, t);
  return t;
}

void Story::touched(pugi::xml_node p) {
  if (!indexed_) return;
  auto it = where_.find(p.internal_object());
  if (it == where_.end()) {
    restructured();
    return;
  }
  text_ok_[it->second] = 0;
  Block& b = blocks_[it->second / kBlock];
  b.folded_ok = b.plain_ok = false;
}

void Story::restructured() { indexed_ = false; }

Story::Block& Story::block(size_t bi, bool folded) {
  Block& b = blocks_[bi];
  bool& ok = folded ? b.folded_ok : b.plain_ok;
  if (ok) return b;
  Text& out = folded ? b.folded : b.plain;
  out.clear();
  b.starts.clear();
  for (size_t i = b.first; i < b.last; ++i) {
    ensure_text(i);
    b.starts.push_back(static_cast<int32_t>(out.size()));
    const Text& t = texts_[i].text;
    if (folded) {
      for (char16_t c : t) out.push_back(fold_case(c));
    } else {
      out += t;
    }
    out.push_back(kSeparator);
  }
  ok = true;
  return b;
}

std::vector<Hit> Story::find_all(const SearchOptions& o) {
  ensure_index();
  std::vector<Hit> hits;
  if (o.what.empty() || o.what.find(kSeparator) != Text::npos) return hits;
  Text pat = o.what;
  if (!o.match_case)
    for (auto& c : pat) c = fold_case(c);
  std::boyer_moore_horspool_searcher searcher(pat.begin(), pat.end());
  for (size_t bi = 0; bi < blocks_.size(); ++bi) {
    Block& b = block(bi, !o.match_case);
    const Text& hay = o.match_case ? b.plain : b.folded;
    auto it = hay.begin();
    size_t para_in_block = 0;
    while (true) {
      auto found = std::search(it, hay.end(), searcher);
      if (found == hay.end()) break;
      auto at = static_cast<int32_t>(found - hay.begin());
      while (para_in_block + 1 < b.starts.size() && b.starts[para_in_block + 1] <= at)
        ++para_in_block;
      size_t pi = b.first + para_in_block;
      int32_t start = at - b.starts[para_in_block];
      int32_t end = start + static_cast<int32_t>(pat.size());
      bool ok = true;
      if (o.whole_word) {
        const Text& t = texts_[pi].text;
        if (start > 0 && is_word_char(t[start - 1])) ok = false;
        if (end < static_cast<int32_t>(t.size()) && is_word_char(t[end])) ok = false;
      }
      if (ok) {
        hits.push_back(Hit{pi, start, end});
        it = found + static_cast<long>(pat.size());
      } else {
        it = found + 1;
      }
    }
  }
  return hits;
}

}  // namespace orvane::office
