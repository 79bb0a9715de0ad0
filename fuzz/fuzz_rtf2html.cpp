// rtf2html3 on arbitrary text: only the documented index error for a font or colour
// beyond its table may come out, and the well-formed output (+WF) always nests.
#include <cstdlib>
#include <vector>

#include "fuzz/fuzz_common.h"
#include "rtf2html/converter.h"

namespace {

// Every tag of the well-formed output closes the last one opened ("<br>" stands alone);
// the text holds no "<" of its own.
void require_nested(orvane::TextView html) {
  std::vector<orvane::TextView> open;
  for (size_t i = html.find(u'<'); i != orvane::TextView::npos; i = html.find(u'<', i + 1)) {
    const size_t end = html.find(u'>', i);
    if (end == orvane::TextView::npos) std::abort();
    const bool closing = html[i + 1] == u'/';
    orvane::TextView tag = html.substr(i + (closing ? 2 : 1), end - i - (closing ? 2 : 1));
    tag = tag.substr(0, tag.find(u' '));
    if (tag == u"br") continue;
    if (!closing) {
      open.push_back(tag);
    } else if (open.empty() || open.back() != tag) {
      std::abort();
    } else {
      open.pop_back();
    }
  }
  if (!open.empty()) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  orvane::Text text = orvane::fuzz::text_of(data, size);
  orvane::rtf::Converter c;
  orvane::fuzz::run([&] { c.rtf2html3(text, u"+CR"); });
  orvane::fuzz::run([&] {
    if (text.starts_with(u"{\\rtf")) require_nested(c.rtf2html3(text, u"+WF"));
  });
  // The instance must stay usable after whatever happened.
  orvane::fuzz::run([&] { c.rtf2html3(u"{\\rtf1 ok}"); });
  return 0;
}
