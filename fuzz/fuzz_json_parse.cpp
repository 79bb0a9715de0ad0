// parse never raises for bad input; the tree it returns must serialize.
#include "fuzz/fuzz_common.h"
#include "json/parser.h"
#include "json/serializer.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  orvane::Text errors;
  orvane::ObjectPtr root = orvane::json::parse(orvane::fuzz::text_of(data, size), errors);
  if (root) orvane::fuzz::run([&] { orvane::json::to_json(orvane::Variant(root)); });
  return 0;
}
