#include "platform/office/textmodel.h"

#include <algorithm>
#include <cwctype>
#include <functional>

namespace orvane::office {

namespace {
constexpr size_t kBlock = 16;            // paragraphs per searched block
constexpr size_t kGramBits = 1 << 16;    // trigram filter of a block
constexpr char16_t kSeparator = 0xFFFF;  // never in a pattern, so no match spans two paragraphs
// Hash of three folded units; a block holds the set of the trigrams of its text, so a
// search skips the blocks that lack one of the pattern's trigrams.
inline uint32_t gram(char16_t a, char16_t b, char16_t c) {
  return ((uint32_t(a) * 0x9E3779B1u) ^ (uint32_t(b) * 0x85EBCA77u) ^
          (uint32_t(c) * 0xC2B2AE3Du)) >>
         16;
}

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
  // After a split the paragraphs that kept their text keep what was read of it.
  std::unordered_map<const void*, ParaText> kept;
  if (keep_texts_) {
    for (size_t i = 0; i < paras_.size(); ++i) {
      if (text_ok_[i]) kept.emplace(paras_[i].internal_object(), std::move(texts_[i]));
    }
  }
  keep_texts_ = false;
  paras_.clear();
  list_paragraphs(root(), paras_);
  texts_.assign(paras_.size(), ParaText{});
  text_ok_.assign(paras_.size(), 0);
  where_.clear();
  for (size_t i = 0; i < paras_.size(); ++i) {
    where_[paras_[i].internal_object()] = i;
    auto it = kept.find(paras_[i].internal_object());
    if (it != kept.end()) {
      texts_[i] = std::move(it->second);
      text_ok_[i] = 1;
    }
  }
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
  if (!indexed_) {
    forget_kept(p);
    return;
  }
  auto it = where_.find(p.internal_object());
  if (it == where_.end()) {
    restructured();
    return;
  }
  text_ok_[it->second] = 0;
  Block& b = blocks_[it->second / kBlock];
  b.folded_ok = b.plain_ok = false;
}

// While a split waits to be indexed, a paragraph that changes must not keep its text (one
// the last index did not know, made since, has none to keep).
void Story::forget_kept(pugi::xml_node p) {
  if (!keep_texts_) return;
  auto it = where_.find(p.internal_object());
  if (it != where_.end()) text_ok_[it->second] = 0;
}

void Story::restructured() {
  indexed_ = false;
  keep_texts_ = false;
}

void Story::split(pugi::xml_node p) {
  if (!indexed_) {
    forget_kept(p);
    return;
  }
  auto it = where_.find(p.internal_object());
  if (it == where_.end()) {
    restructured();
    return;
  }
  text_ok_[it->second] = 0;
  indexed_ = false;
  keep_texts_ = true;
}

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
      size_t at = out.size();
      out.resize(at + t.size());
      for (size_t k = 0; k < t.size(); ++k) out[at + k] = fold_case(t[k]);
    } else {
      out += t;
    }
    out.push_back(kSeparator);
  }
  if (folded) {
    b.grams.assign(kGramBits / 64, 0);
    for (size_t k = 0; k + 2 < out.size(); ++k) {
      uint32_t g = gram(out[k], out[k + 1], out[k + 2]);
      b.grams[g >> 6] |= uint64_t{1} << (g & 63);
    }
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
  // Horspool over UTF-16 with the shift table keyed on the low byte: units that share
  // it take the smaller shift, which never skips a match.
  const size_t m = pat.size();
  size_t shift[256];
  for (auto& x : shift) x = m;
  for (size_t i = 0; i + 1 < m; ++i) shift[pat[i] & 0xFF] = m - 1 - i;
  auto search = [&](const Text& hay, size_t from) -> size_t {
    const char16_t* h = hay.data();
    const char16_t last = pat[m - 1];
    for (size_t at = from; at + m <= hay.size();) {
      char16_t c = h[at + m - 1];
      if (c == last && std::equal(pat.data(), pat.data() + m - 1, h + at)) return at;
      at += shift[c & 0xFF];
    }
    return Text::npos;
  };
  std::vector<uint32_t> pat_grams;
  for (size_t k = 0; k + 2 < m; ++k)
    pat_grams.push_back(gram(fold_case(pat[k]), fold_case(pat[k + 1]), fold_case(pat[k + 2])));
  for (size_t bi = 0; bi < blocks_.size(); ++bi) {
    Block& fb = block(bi, true);
    bool possible = true;
    for (uint32_t g : pat_grams)
      if (!(fb.grams[g >> 6] & (uint64_t{1} << (g & 63)))) {
        possible = false;
        break;
      }
    if (!possible) continue;
    Block& b = block(bi, !o.match_case);
    const Text& hay = o.match_case ? b.plain : b.folded;
    size_t from = 0;
    size_t para_in_block = 0;
    while (true) {
      size_t found = search(hay, from);
      if (found == Text::npos) break;
      auto at = static_cast<int32_t>(found);
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
        from = found + m;
      } else {
        from = found + 1;
      }
    }
  }
  return hits;
}

}  // namespace orvane::office
