// The HTML formatting lists of the RTF converter.
//
// Active codes: closing tags whose opening tag has been (or is about to be) written, each
// with its opening tag and a status:
//   "P"  pending: moved from the pending lists, opening tag not yet written
//   "PG" like "P", for a group code (list item or alignment table)
//   "A"  active: opening tag written, closing tag owed
//   "G"  active group code
//   "K"  killed: to be closed at the next opportunity
//   "D"  done: closing tag written (or no longer owed)
// Pending codes: closing tags and their opening tags requested by control words but not
// written yet, in request order.
//
// Positions in the host's view of the lists are 1-based; here they are vectors. Opening
// tags are written from the last entry to the first and closing tags from the first to the
// last. Comparisons are exact. No operation fails: empty lists give empty text or false.
//
// The lists count their entries by status and a few codes by name, so that the converter's
// per-word questions ("anything killed?", "anything to open?", "a font open?") cost nothing
// when the answer is no, however long the lists are.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <deque>
#include <optional>
#include <vector>

#include "core/text.h"

namespace orvane::rtf {

struct CodeList {
  Text Code;
  Text Status;
};

enum class Status : uint8_t { P, PG, A, G, K, D };
TextView status_text(Status s);
// The status a text names; nullopt for any other text.
std::optional<Status> status_of(TextView s);

class CodeLists {
 public:
  // One active entry: the closing tag, its opening tag and their shared status.
  struct Entry {
    Text code;
    Text open;
    Status status = Status::P;
  };

  void ClearCodes();
  // With `except` present in the pending codes: drop pending pairs from the front until
  // it is first. Otherwise empty both pending lists.
  void ClearNext(TextView except = {});
  // Queues again (at the front of the pending lists) the live entries that stand before
  // the first entry whose code is `code`, unless `code` itself is pending. With `unique`,
  // an entry whose code is already pending is not queued a second time.
  void Codes2NextTill(TextView code, bool unique = false);
  void Codes2Next();
  // Moves every pending pair to the active lists ("PG" for list items and alignment
  // tables, "P" otherwise); a pending "</li>" is moved first.
  void Next2Codes();

  bool InNext(TextView s) const;
  bool InNextBeg(TextView s) const;
  bool InCodes(TextView s, bool active_only = false) const;
  bool InCodesBeg(TextView s) const;

  void PushNext(Text code) { next_.push_back(std::move(code)); }
  void PushNextBeg(Text code) { next_beg_.push_back(std::move(code)); }
  void UnShiftNext(Text code) { next_.push_front(std::move(code)); }
  void UnShiftNextBeg(Text code) { next_beg_.push_front(std::move(code)); }
  Text ShiftNext();
  Text ShiftNextBeg();
  // Removes the first pending code equal to `code` and the opening code at its position.
  void RemoveFromNext(TextView code);
  Text PopCode();
  // Marks "K" every entry with that code ("*" = all) whose status is not `except`.
  // Returns how many entries it newly marked.
  int32_t KillCode(TextView code, TextView except = {});
  // Sets status "A" on the first entry whose code is `code`.
  void ReviveCode(TextView code);
  // 1-based position of `code` in the pending codes after replacing its opening tag,
  // 0 when it is not pending.
  int32_t ReplaceInNextBeg(TextView code, Text with);
  // Replaces the opening tag of the first entry whose code is `code`; it becomes "P".
  void ReplaceInCodesBeg(TextView code, Text with);
  void SetPendingCodesActive();
  // Opening tags of the entries not yet opened, last entry first; they become active.
  Text GetAllCodesBeg();
  // The same, stopping before the entry whose code is `till`.
  Text GetAllCodesBegTill(TextView till);
  // Closing tags from the last entry back to the one whose code is `till` (included),
  // skipping done entries and those whose opening tag is pending; marks them "K".
  Text GetAllCodesTill(TextView till);
  // Every active closing tag, first to last, whatever its status.
  Text GetActiveCodes() const;
  // The opening tag of the last "</font>" entry, whatever its status.
  Text GetLastFont() const { return Text(last_font()); }
  TextView last_font() const;
  void RemoveBlanks();

  // Converter helpers.
  // "PG" and "G" entries become "K" (a paragraph ends its alignment and list groups).
  void KillGroupCodes();
  // Highest index of a "K" entry, -1 when none.
  int64_t LastKilled() const;
  // Entries 0..k become "K".
  void KillThrough(size_t k);
  // Whether an entry with that code is neither killed nor done.
  bool HasLive(TextView code) const;
  // Entries in the active and the pending lists together.
  size_t entries() const { return codes_.size() + next_.size(); }

  // The two active lists as the host sees them: closing tags and opening tags, each with
  // the entry's status.
  std::vector<CodeList> active_codes() const;
  std::vector<CodeList> active_opening_codes() const;

  const std::vector<Entry>& codes() const { return codes_; }
  const std::deque<Text>& next() const { return next_; }
  const std::deque<Text>& next_beg() const { return next_beg_; }

 private:
  Text open_pending(const TextView* till);
  void add(Entry e);
  void set(Entry& e, Status s);
  void tally(const Text& code, int delta);
  void recount();
  // Index into by_code_ of a code.
  static size_t slot(TextView code);
  size_t count(Status s) const { return by_status_[static_cast<size_t>(s)]; }

  std::vector<Entry> codes_;
  std::deque<Text> next_;
  std::deque<Text> next_beg_;
  std::array<size_t, 6> by_status_{};
  // Entries whose code is "</font>", "</li>", "</ul>"; [3] absorbs every other code.
  std::array<size_t, 4> by_code_{};
};

}  // namespace orvane::rtf
