#include "core/ui.h"

#include <cstdio>
#include <string>

namespace orvane::ui {

int ConsoleSink::show(const Message& m) {
  std::string line = "Orvane: " + to_utf8(m.text) + "\n";
  std::fwrite(line.data(), 1, line.size(), stderr);
  return asks_yes_no(m.style) ? answer_ : kOk;
}

int RecordingSink::show(const Message& m) {
  std::lock_guard lock(mu_);
  messages_.push_back(m);
  if (!asks_yes_no(m.style)) return kOk;
  if (answers_.empty()) return fallback_;
  int a = answers_.front();
  answers_.erase(answers_.begin());
  return a;
}

Message standard_failure(int32_t number, TextView description) {
  Text t = T("Ocorreu o erro nº") + from_utf8(std::to_string(number)) + u"\r" + Text(description) +
           u"\r\r" + T("Se o problema persistir, entre em contato com o suporte!");
  return Message{t, kCritical, u"Orvane"};
}

}  // namespace orvane::ui
