// ConvertToPDF on arbitrary input text; the output must stay a well-formed file (the
// harness checks the trailer is complete when the conversion returns normally).
#include <unistd.h>

#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>

#include "core/context.h"
#include "fuzz/fuzz_common.h"
#include "textpdf/gera_pdf.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static const std::string dir = [] {
    char tmpl[] = "/tmp/orvane-fuzz-pdf-XXXXXX";
    return std::string(mkdtemp(tmpl)) + "/";
  }();
  // Messages are dropped after each input so the heap does not grow (see fuzz_extenso).
  static const auto sink = std::make_shared<orvane::ui::RecordingSink>();
  static const auto ctx = orvane::make_context(sink);
  {
    std::ofstream in(dir + "in.txt", std::ios::binary | std::ios::trunc);
    in.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
  }
  orvane::textpdf::GeraPDF pdf(ctx);
  bool finished = false;
  orvane::fuzz::run([&] {
    pdf.ConvertToPDF(orvane::from_utf8(dir + "in.txt"), orvane::from_utf8(dir + "out.pdf"));
    finished = true;
  });
  if (finished && size > 0) {
    std::ifstream out(dir + "out.pdf", std::ios::binary);
    std::stringstream ss;
    ss << out.rdbuf();
    std::string s = ss.str();
    if (s.rfind("%PDF-1.2", 0) != 0 || s.find("%%EOF") == std::string::npos) __builtin_trap();
  }
  std::remove((dir + "out.pdf").c_str());
  sink->clear();
  return 0;
}
