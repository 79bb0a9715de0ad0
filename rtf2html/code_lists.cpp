#include "rtf2html/code_lists.h"

#include <algorithm>

namespace orvane::rtf {

namespace {

constexpr TextView kFont = u"</font>";
constexpr TextView kListItem = u"</li>";
constexpr TextView kList = u"</ul>";
constexpr TextView kAlignTable = u"</td></tr></table>";

bool is_live(const CodeLists::Entry& e) { return e.status != Status::D && e.status != Status::K; }

bool contains(const std::deque<Text>& list, TextView s) {
  return std::find(list.begin(), list.end(), s) != list.end();
}

Text take_front(std::deque<Text>& list) {
  if (list.empty()) return {};
  Text t = std::move(list.front());
  list.pop_front();
  return t;
}

}  // namespace

TextView status_text(Status s) {
  static constexpr TextView kNames[] = {u"P", u"PG", u"A", u"G", u"K", u"D"};
  return kNames[static_cast<size_t>(s)];
}

std::optional<Status> status_of(TextView s) {
  for (Status st : {Status::P, Status::PG, Status::A, Status::G, Status::K, Status::D})
    if (status_text(st) == s) return st;
  return std::nullopt;
}

// ---- bookkeeping ------------------------------------------------------------------------

size_t CodeLists::slot(TextView code) {
  if (code == kFont) return 0;
  if (code == kListItem) return 1;
  if (code == kList) return 2;
  return 3;
}

void CodeLists::tally(const Text& code, int delta) {
  size_t& n = by_code_[slot(code)];
  n = delta > 0 ? n + 1 : n - 1;
}

void CodeLists::add(Entry e) {
  ++by_status_[static_cast<size_t>(e.status)];
  tally(e.code, 1);
  codes_.push_back(std::move(e));
}

void CodeLists::set(Entry& e, Status s) {
  --by_status_[static_cast<size_t>(e.status)];
  ++by_status_[static_cast<size_t>(s)];
  e.status = s;
}

void CodeLists::recount() {
  by_status_ = {};
  by_code_ = {};
  for (const auto& e : codes_) {
    ++by_status_[static_cast<size_t>(e.status)];
    tally(e.code, 1);
  }
}

// ---- the operations ---------------------------------------------------------------------

void CodeLists::ClearCodes() {
  codes_.clear();
  recount();
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

void CodeLists::Codes2NextTill(TextView code, bool unique) {
  if (InNext(code)) return;
  for (const auto& e : codes_) {
    if (e.code == code) break;
    if (!is_live(e) || (unique && InNext(e.code))) continue;
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
  recount();
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
    e.status = (e.code == kListItem || e.code == kAlignTable) ? Status::PG : Status::P;
    add(std::move(e));
  }
  next_.clear();
  next_beg_.clear();
}

bool CodeLists::InNext(TextView s) const { return contains(next_, s); }
bool CodeLists::InNextBeg(TextView s) const { return contains(next_beg_, s); }

bool CodeLists::InCodes(TextView s, bool active_only) const {
  const size_t named = slot(s);
  if (named < 3 && (by_code_[named] == 0 || !active_only)) return by_code_[named] > 0;
  // Recent entries are the likely matches: search from the end.
  return std::any_of(codes_.rbegin(), codes_.rend(), [&](const Entry& e) {
    return e.code == s && (!active_only || e.status == Status::A || e.status == Status::G);
  });
}

bool CodeLists::InCodesBeg(TextView s) const {
  return std::any_of(codes_.rbegin(), codes_.rend(), [&](const Entry& e) { return e.open == s; });
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
  Entry e = std::move(codes_.back());
  codes_.pop_back();
  --by_status_[static_cast<size_t>(e.status)];
  tally(e.code, -1);
  return std::move(e.code);
}

int32_t CodeLists::KillCode(TextView code, TextView except) {
  const bool all = code == u"*";
  const std::optional<Status> spared = status_of(except);
  // Nothing to do when every entry is killed already or spared.
  size_t candidates = codes_.size() - count(Status::K);
  if (spared && *spared != Status::K) candidates -= count(*spared);
  if (candidates == 0) return 0;
  if (!all && slot(code) < 3 && by_code_[slot(code)] == 0) return 0;
  int32_t killed = 0;
  for (auto& e : codes_) {
    if ((all || e.code == code) && e.status != spared && e.status != Status::K) {
      set(e, Status::K);
      ++killed;
    }
  }
  return killed;
}

void CodeLists::ReviveCode(TextView code) {
  if (slot(code) < 3 && by_code_[slot(code)] == 0) return;
  for (auto& e : codes_) {
    if (e.code != code) continue;
    set(e, Status::A);
    return;
  }
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
    set(e, Status::P);
    return;
  }
}

void CodeLists::SetPendingCodesActive() {
  for (auto& e : codes_) {
    if (e.status == Status::P) {
      set(e, Status::A);
    } else if (e.status == Status::PG) {
      set(e, Status::G);
    }
  }
}

// Opens the entries in "P"/"PG" from the last to the first, stopping before `till`.
Text CodeLists::open_pending(const TextView* till) {
  Text out;
  size_t left = count(Status::P) + count(Status::PG);
  for (size_t i = codes_.size(); left > 0 && i-- > 0;) {
    auto& e = codes_[i];
    if (till && e.code == *till) break;
    if (e.status == Status::P) {
      set(e, Status::A);
    } else if (e.status == Status::PG) {
      set(e, Status::G);
    } else {
      continue;
    }
    --left;
    out += e.open;
  }
  return out;
}

Text CodeLists::GetAllCodesBeg() { return open_pending(nullptr); }
Text CodeLists::GetAllCodesBegTill(TextView till) { return open_pending(&till); }

Text CodeLists::GetAllCodesTill(TextView till) {
  Text out;
  for (size_t i = codes_.size(); i-- > 0;) {
    auto& e = codes_[i];
    if (e.status != Status::D && !InNextBeg(e.open)) {
      out += e.code;
      set(e, Status::K);
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
  if (by_code_[0] == 0) return {};
  for (size_t i = codes_.size(); i-- > 0;)
    if (codes_[i].code == kFont) return codes_[i].open;
  return {};
}

void CodeLists::RemoveBlanks() {
  if (count(Status::K) == 0) return;
  std::erase_if(codes_, [](const Entry& e) { return e.status == Status::K; });
  recount();
}

void CodeLists::KillGroupCodes() {
  if (count(Status::G) + count(Status::PG) == 0) return;
  for (auto& e : codes_)
    if (e.status == Status::PG || e.status == Status::G) set(e, Status::K);
}

int64_t CodeLists::LastKilled() const {
  if (count(Status::K) == 0) return -1;
  for (size_t i = codes_.size(); i-- > 0;)
    if (codes_[i].status == Status::K) return static_cast<int64_t>(i);
  return -1;
}

void CodeLists::KillThrough(size_t k) {
  for (size_t i = 0; i <= k && i < codes_.size(); ++i) set(codes_[i], Status::K);
}

bool CodeLists::HasLive(TextView code) const {
  return std::any_of(codes_.rbegin(), codes_.rend(),
                     [&](const Entry& e) { return e.code == code && is_live(e); });
}

std::vector<CodeList> CodeLists::active_codes() const {
  std::vector<CodeList> out;
  out.reserve(codes_.size());
  for (const auto& e : codes_) out.push_back({e.code, Text(status_text(e.status))});
  return out;
}

std::vector<CodeList> CodeLists::active_opening_codes() const {
  std::vector<CodeList> out;
  out.reserve(codes_.size());
  for (const auto& e : codes_) out.push_back({e.open, Text(status_text(e.status))});
  return out;
}

}  // namespace orvane::rtf
