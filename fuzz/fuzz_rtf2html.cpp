// rtf2html3 on arbitrary text: only the documented index error for a font or colour
// beyond its table may come out.
#include "fuzz/fuzz_common.h"
#include "rtf2html/converter.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  orvane::Text text = orvane::fuzz::text_of(data, size);
  orvane::rtf::Converter c;
  orvane::fuzz::run([&] { c.rtf2html3(text, u"+CR"); });
  // The instance must stay usable after whatever happened.
  orvane::fuzz::run([&] { c.rtf2html3(u"{\\rtf1 ok}"); });
  return 0;
}
