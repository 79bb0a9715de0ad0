// extenso on arbitrary text: a text that is no number shows the failure message and
// gives ""; nothing may escape.
#include "core/context.h"
#include "funcs/wording.h"
#include "fuzz/fuzz_common.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static const auto ctx = orvane::make_context(std::make_shared<orvane::ui::RecordingSink>());
  orvane::Text v = orvane::fuzz::text_of(data, size);
  orvane::Text copy = v;
  orvane::funcs::extenso(*ctx, v, size & 2, size & 4);
  orvane::funcs::extensoCompleta(*ctx, copy);
  return 0;
}
