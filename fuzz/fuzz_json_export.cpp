// StringToJSON of packed rows: an odd field count raises an index error, nothing else.
#include "fuzz/fuzz_common.h"
#include "json/export.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  orvane::fuzz::run([&] { orvane::json::string_to_json(orvane::fuzz::text_of(data, size)); });
  return 0;
}
