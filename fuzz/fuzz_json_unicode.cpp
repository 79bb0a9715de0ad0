// fromUnicode raises a type mismatch for bad escapes and nothing else; toUnicode never.
#include "fuzz/fuzz_common.h"
#include "json/serializer.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  orvane::Text t = orvane::fuzz::text_of(data, size);
  orvane::fuzz::run([&] { orvane::json::from_unicode(t); });
  orvane::json::to_unicode(t);
  return 0;
}
