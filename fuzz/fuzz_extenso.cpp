// extenso on arbitrary text: a text that is no number shows the failure message once and
// gives ""; a reading shows nothing; nothing may escape.
//
// The recorded messages are dropped after every input: kept, they grow the heap on each
// failing input, which libFuzzer takes for a leak and answers with a full leak scan of the
// process every time (that, not extenso, made the first runs crawl at ~60 inputs/s).
#include "core/context.h"
#include "funcs/wording.h"
#include "fuzz/fuzz_common.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static const auto sink = std::make_shared<orvane::ui::RecordingSink>();
  static const auto ctx = orvane::make_context(sink);
  orvane::Text v = orvane::fuzz::text_of(data, size);
  orvane::Text copy = v;
  orvane::Text r = orvane::funcs::extenso(*ctx, v, size & 2, size & 4);
  if (sink->messages().size() > (r.empty() ? 1u : 0u)) __builtin_trap();
  sink->clear();
  r = orvane::funcs::extensoCompleta(*ctx, copy);
  if (sink->messages().size() > (r.empty() ? 1u : 0u)) __builtin_trap();
  sink->clear();
  return 0;
}
