// Message boxes. Every message of the library goes through a MessageSink: the host
// installs its own (a dialog), the command line prints to stderr, tests record.
// The default sink prints "Orvane: TEXT" to stderr and answers every question with No,
// so nothing is overwritten without consent.
#pragma once

#include <memory>
#include <mutex>
#include <vector>

#include "core/text.h"

namespace orvane::ui {

// Style flags as the host's message box takes them (combined by addition).
enum Style : int {
  kOkOnly = 0,
  kYesNo = 4,
  kCritical = 16,
  kQuestion = 32,
  kExclamation = 48,
  kInformation = 64,
};

enum Answer : int { kOk = 1, kCancel = 2, kYes = 6, kNo = 7 };

struct Message {
  Text text;
  int style = kOkOnly;
  Text title;
  bool operator==(const Message&) const = default;
};

inline bool asks_yes_no(int style) { return (style & 7) == kYesNo; }

class MessageSink {
 public:
  virtual ~MessageSink() = default;
  // Shows the message and returns the answer (kOk for plain messages).
  virtual int show(const Message& m) = 0;
};

// Prints to stderr; questions get the configured answer (No by default).
class ConsoleSink : public MessageSink {
 public:
  explicit ConsoleSink(int answer = kNo) : answer_(answer) {}
  int show(const Message& m) override;

 private:
  int answer_;
};

// Keeps every message; questions get the queued answers in order, then `fallback`.
class RecordingSink : public MessageSink {
 public:
  explicit RecordingSink(int fallback = kNo) : fallback_(fallback) {}
  int show(const Message& m) override;
  void queue_answer(int answer) { answers_.push_back(answer); }
  const std::vector<Message>& messages() const { return messages_; }
  void clear() { messages_.clear(); }

 private:
  std::mutex mu_;
  std::vector<Message> messages_;
  std::vector<int> answers_;
  int fallback_;
};

// The standard failure message: "Ocorreu o erro nº" + number, CR, description,
// two CRs and the support line, critical icon, title "Orvane".
Message standard_failure(int32_t number, TextView description);

}  // namespace orvane::ui
