#include "core/context.h"

#include <ctime>

namespace orvane {

Date SystemClock::now() const {
  std::time_t t = std::time(nullptr);
  std::tm tm{};
  localtime_r(&t, &tm);
  return Date::from_parts(tm.tm_year + 1900, tm.tm_mon + 1, tm.tm_mday, tm.tm_hour, tm.tm_min,
                          tm.tm_sec);
}

ContextPtr make_context(std::shared_ptr<ui::MessageSink> ui, std::shared_ptr<Clock> clock,
                        HostSettings settings) {
  auto c = std::make_shared<Context>();
  c->ui = ui ? std::move(ui) : std::make_shared<ui::ConsoleSink>();
  c->clock = clock ? std::move(clock) : std::make_shared<SystemClock>();
  c->settings = std::move(settings);
  return c;
}

ContextPtr default_context() {
  static const ContextPtr kDefault = make_context(nullptr);
  return kDefault;
}

}  // namespace orvane
