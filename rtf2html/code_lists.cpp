#include "rtf2html/code_lists.h"

#include <algorithm>
#include <cstddef>

namespace orvane::rtf {

namespace {

constexpr TextView kListItem = u"</li>";
constexpr TextView kAlignTable = u"</td></tr></table>";

bool is_live(const CodeLists::Entry& e) { return e.status != u"D" && e.status != u"K"; }

bool contains(const std::deque<Text>& list, TextView s) {
  return std::find(list.begin(), list.end(), s) != list.end();
}

Text take_front(std::deque<Text>& list) {
  if (list.empty()) return {};
  Text t = std::move(list.front());
  list.pop_front();
  return t;
}

// Opens the entries in "P"/"PG" from the last to the first, stopping before `till`.
Text open_pending(std::vector<CodeLists::Entry>& codes, const TextView* till) {
  Text out;
  for (size_t i = codes.size(); i-- > 0;) {
    auto& e = codes[i];
    if (till && e.code == *till) break;
    if (e.status == u"P") {
      e.status = u"A";
    } else if (e.status == u"PG") {
      e.status = u"G";
    } else {
      continue;
    }
    out += e.open;
    e.written = true;
  }
  return out;
}

}  // namespace

void CodeLists::ClearCodes() {
  codes_.clear();
  ClearNext();
}

void CodeLists::ClearNext(TextView except) {
  if (!except.empty() && InNext(except)) {
    while (!next_.empty() && next_.front() != except) {
      next_.pop_front();
      if (!next_beg_.empty()) next_beg_.pop_front();
    }
    return;
  }
  next_.clear();
  next_beg_.clear();
}

void CodeLists::Codes2NextTill(TextView code) {
  if (InNext(code)) return;
  for (const auto& e : codes_) {
    if (e.code == code) break;
    if (!is_live(e)) continue;
    next_.push_front(e.code);
    next_beg_.push_front(e.open);
  }
}

void CodeLists::Codes2Next() {
  for (auto& e : codes_) {
    next_.push_back(std::move(e.code));
    next_beg_.push_back(std::move(e.open));
  }
  codes_.clear();
}

void CodeLists::Next2Codes() {
  // A list item must enclose whatever else the same text opens.
  auto li = std::find(next_.begin(), next_.end(), kListItem);
  if (li != next_.end() && li != next_.begin()) {
    size_t i = static_cast<size_t>(li - next_.begin());
    std::swap(next_[0], next_[i]);
    if (i < next_beg_.size()) std::swap(next_beg_[0], next_beg_[i]);
  }
  for (size_t i = 0; i < next_.size(); ++i) {
    Entry e;
    e.code = std::move(next_[i]);
    if (i < next_beg_.size()) e.open = std::move(next_beg_[i]);
    e.status = (e.code == kListItem || e.code == kAlignTable) ? u"PG" : u"P";
    codes_.push_back(std::move(e));
  }
  next_.clear();
  next_beg_.clear();
}

bool CodeLists::InNext(TextView s) const { return contains(next_, s); }
bool CodeLists::InNextBeg(TextView s) const { return contains(next_beg_, s); }

bool CodeLists::InCodes(TextView s, bool active_only) const {
  return std::any_of(codes_.begin(), codes_.end(), [&](const Entry& e) {
    return e.code == s && (!active_only || e.status == u"A" || e.status == u"G");
  });
}

bool CodeLists::InCodesBeg(TextView s) const {
  return std::any_of(codes_.begin(), codes_.end(), [&](const Entry& e) { return e.open == s; });
}

Text CodeLists::ShiftNext() { return take_front(next_); }
Text CodeLists::ShiftNextBeg() { return take_front(next_beg_); }

void CodeLists::RemoveFromNext(TextView code) {
  auto it = std::find(next_.begin(), next_.end(), code);
  if (it == next_.end()) return;
  size_t i = static_cast<size_t>(it - next_.begin());
  next_.erase(it);
  if (i < next_beg_.size()) next_beg_.erase(next_beg_.begin() + static_cast<std::ptrdiff_t>(i));
}

Text CodeLists::PopCode() {
  if (codes_.empty()) return {};
  Text code = std::move(codes_.back().code);
  codes_.pop_back();
  return code;
}

int32_t CodeLists::KillCode(TextView code, TextView except) {
  int32_t killed = 0;
  const bool all = code == u"*";
  for (auto& e : codes_) {
    if ((all || e.code == code) && e.status != except) {
      e.status = u"K";
      ++killed;
    }
  }
  return killed;
}

void CodeLists::ReviveCode(TextView code) {
  for (auto& e : codes_)
    if (e.code == code) e.status = u"A";
}

int32_t CodeLists::ReplaceInNextBeg(TextView code, Text with) {
  auto it = std::find(next_.begin(), next_.end(), code);
  if (it == next_.end()) return 0;
  size_t i = static_cast<size_t>(it - next_.begin());
  if (i < next_beg_.size()) next_beg_[i] = std::move(with);
  return static_cast<int32_t>(i + 1);
}

void CodeLists::ReplaceInCodesBeg(TextView code, Text with) {
  for (auto& e : codes_) {
    if (e.code != code) continue;
    e.open = std::move(with);
    e.status = u"P";
    e.written = false;
    return;
  }
}

void CodeLists::SetPendingCodesActive() {
  for (auto& e : codes_) {
    if (e.status == u"P") {
      e.status = u"A";
      e.written = true;
    } else if (e.status == u"PG") {
      e.status = u"G";
      e.written = true;
    }
  }
}

Text CodeLists::GetAllCodesBeg() { return open_pending(codes_, nullptr); }
Text CodeLists::GetAllCodesBegTill(TextView till) { return open_pending(codes_, &till); }

Text CodeLists::GetAllCodesTill(TextView till) {
  Text out;
  for (size_t i = codes_.size(); i-- > 0;) {
    auto& e = codes_[i];
    if (e.status != u"D" && !InNextBeg(e.open)) {
      out += e.code;
      e.status = u"K";
    }
    if (e.code == till) break;
  }
  return out;
}

Text CodeLists::GetActiveCodes() const {
  Text out;
  for (const auto& e : codes_) out += e.code;
  return out;
}

TextView CodeLists::last_font() const {
  for (size_t i = codes_.size(); i-- > 0;)
    if (codes_[i].code == u"</font>") return codes_[i].open;
  return {};
}

void CodeLists::RemoveBlanks() {
  std::erase_if(codes_, [](const Entry& e) { return e.status.empty() || e.status == u"K"; });
}

void CodeLists::KillGroupCodes() {
  for (auto& e : codes_)
    if (e.status == u"PG" || e.status == u"G") e.status = u"K";
}

int CodeLists::LastKilled() const {
  for (size_t i = codes_.size(); i-- > 0;)
    if (codes_[i].status == u"K") return static_cast<int>(i);
  return -1;
}

std::vector<CodeList> CodeLists::active_codes() const {
  std::vector<CodeList> out;
  out.reserve(codes_.size());
  for (const auto& e : codes_) out.push_back({e.code, e.status});
  return out;
}

std::vector<CodeList> CodeLists::active_opening_codes() const {
  std::vector<CodeList> out;
  out.reserve(codes_.size());
  for (const auto& e : codes_) out.push_back({e.open, e.status});
  return out;
}

}  // namespace orvane::rtf
