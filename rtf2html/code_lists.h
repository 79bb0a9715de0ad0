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
#pragma once

#include <cstdint>
#include <deque>
#include <vector>

#include "core/text.h"

namespace orvane::rtf {

struct CodeList {
  Text Code;
  Text Status;
};

class CodeLists {
 public:
  // One active entry: the closing tag, its opening tag and their shared status. `written`
  // records whether the opening tag actually went out, so that a closing tag is never
  // written for a tag that was not opened.
  struct Entry {
    Text code;
    Text open;
    Text status;
    bool written = false;
  };

  void ClearCodes();
  // With `except` present in the pending codes: drop pending pairs from the front until
  // it is first. Otherwise empty both pending lists.
  void ClearNext(TextView except = {});
  // Queues again (at the front of the pending lists) the live entries that stand before
  // the first entry whose code is `code`, unless `code` itself is pending.
  void Codes2NextTill(TextView code);
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
  void RemoveFromNext(TextView code);
  Text PopCode();
  // Marks "K" every entry with that code ("*" = all) whose status is not `except`.
  // Returns how many entries it marked.
  int32_t KillCode(TextView code, TextView except = {});
  void ReviveCode(TextView code);
  // 1-based position of `code` in the pending codes after replacing its opening tag,
  // 0 when it is not pending.
  int32_t ReplaceInNextBeg(TextView code, Text with);
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
  // The opening tag of the last "</font>" entry.
  Text GetLastFont() const { return Text(last_font()); }
  TextView last_font() const;
  void RemoveBlanks();

  // Converter helpers.
  // "PG" and "G" entries become "K" (a paragraph ends its alignment and list groups).
  void KillGroupCodes();
  // Highest index of a "K" entry, -1 when none.
  int LastKilled() const;

  // The two active lists as the host sees them: closing tags and opening tags, each with
  // the entry's status.
  std::vector<CodeList> active_codes() const;
  std::vector<CodeList> active_opening_codes() const;

  const std::vector<Entry>& codes() const { return codes_; }
  std::vector<Entry>& codes() { return codes_; }
  const std::deque<Text>& next() const { return next_; }
  const std::deque<Text>& next_beg() const { return next_beg_; }

 private:
  std::vector<Entry> codes_;
  std::deque<Text> next_;
  std::deque<Text> next_beg_;
};

}  // namespace orvane::rtf
