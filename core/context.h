// What an instance needs from its host: where messages go, what time it is, and the
// installation settings that stand in for the host machine (which office suites exist,
// which Word version answers, how files are printed and opened).
//
// Every object the library creates receives a Context; objects it creates on its own
// (a generator's FuncoesOrvane, a storage component) share their creator's.
#pragma once

#include <memory>
#include <optional>
#include <string>

#include "core/numbers.h"
#include "core/ui.h"

namespace orvane {

class Clock {
 public:
  virtual ~Clock() = default;
  virtual Date now() const = 0;  // local date and time
};

class SystemClock : public Clock {
 public:
  Date now() const override;
};

class FixedClock : public Clock {
 public:
  explicit FixedClock(Date at) : at_(at) {}
  Date now() const override { return at_; }

 private:
  Date at_;
};

struct HostSettings {
  // What "Word.Application".Version reports.
  Text word_version = u"16.0";
  // Suites that count as not installed.
  bool without_word = false;
  bool without_writer = false;
  // Printing: the command gets "-n COPIES FILE" style arguments appended (see printer).
  // Empty = CUPS "lp -n".
  std::string printer_command;
  // Opening a file with its program: the command gets the file appended. Empty = xdg-open.
  std::string opener_command;
};

struct Context {
  std::shared_ptr<ui::MessageSink> ui;
  std::shared_ptr<Clock> clock;
  HostSettings settings;

  int show(const ui::Message& m) const { return ui->show(m); }
  int show(Text text, int style, Text title = u"Orvane") const {
    return ui->show(ui::Message{std::move(text), style, std::move(title)});
  }
  Date now() const { return clock->now(); }
};

using ContextPtr = std::shared_ptr<const Context>;

// A context with the console sink, the system clock and default settings.
ContextPtr default_context();
ContextPtr make_context(std::shared_ptr<ui::MessageSink> ui, std::shared_ptr<Clock> clock = nullptr,
                        HostSettings settings = {});

}  // namespace orvane
