// rtf2html3 inside the process, on WordPad-style documents of growing size: the time per
// byte should stay flat up to 20 MB (the tokenizer never copies the rest of the text);
// the same with well-formed output; and hostile input that opens the same format again
// and again, whose time should grow with its size (4x the input in at most 5x the time).
#include <benchmark/benchmark.h>

#include <random>
#include <string>

#include "rtf2html/converter.h"

namespace {

using orvane::Text;

// Paragraphs with bold, italic, underline, strike-through, colours, two fonts, sizes,
// centred and right-aligned paragraphs and Latin-1 escapes, CR LF line ends.
Text make_document(size_t bytes) {
  static const char* const kWords[] = {"servi\\'e7o",
                                       "t\\'e9cnico",
                                       "alarme",
                                       "monitora\\'e7\\'e3o",
                                       "ve\\'edculo",
                                       "rastreador",
                                       "cliente",
                                       "contrato",
                                       "instala\\'e7\\'e3o",
                                       "S\\'e3o Paulo",
                                       "\\'bd",
                                       "c\\'f3digo",
                                       "sensor",
                                       "bateria"};
  std::mt19937 rng(42);
  auto pick = [&](unsigned n) { return static_cast<unsigned>(rng() % n); };
  std::string s =
      "{\\rtf1\\ansi\\ansicpg1252\\deff0{\\fonttbl{\\f0\\fnil\\fcharset0 Calibri;}"
      "{\\f1\\fswiss\\fcharset0 Arial;}}\r\n{\\colortbl ;\\red255\\green0\\blue0;"
      "\\red0\\green77\\blue187;\\red0\\green128\\blue0;}\r\n\\viewkind4\\uc1 \r\n";
  while (s.size() < bytes) {
    const char* align[] = {"", "", "", "\\qc", "\\qr"};
    s += "\\pard\\sa200";
    s += align[pick(5)];
    s += "\\f0\\fs22 ";
    for (unsigned r = 3 + pick(10); r > 0; --r) {
      std::string w;
      for (unsigned n = 2 + pick(5); n > 0; --n) w += std::string(kWords[pick(14)]) + " ";
      switch (pick(8)) {
        case 0:
          s += "\\b " + w + "\\b0 ";
          break;
        case 1:
          s += "\\i " + w + "\\i0 ";
          break;
        case 2:
          s += "\\ul " + w + "\\ulnone ";
          break;
        case 3:
          s += "\\cf" + std::to_string(1 + pick(3)) + " " + w + "\\cf0 ";
          break;
        case 4:
          s += "\\fs" + std::to_string(16 + 10 * pick(3)) + " " + w + "\\fs22 ";
          break;
        case 5:
          s += "{\\f1 " + w + "}";
          break;
        case 6:
          s += "\\strike " + w + "\\strike0 ";
          break;
        default:
          s += w;
      }
    }
    s += "\\par\r\n";
  }
  s += "}\r\n";
  return Text(s.begin(), s.end());
}

void BM_rtf2html3(benchmark::State& state) {
  const Text doc = make_document(static_cast<size_t>(state.range(0)) << 20);
  orvane::rtf::Converter c;
  for (auto _ : state) benchmark::DoNotOptimize(c.rtf2html3(doc));
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) *
                          static_cast<int64_t>(doc.size()));
}
BENCHMARK(BM_rtf2html3)->Arg(1)->Arg(2)->Arg(5)->Arg(10)->Arg(20)->Unit(benchmark::kMillisecond);

void BM_rtf2html3_WellFormed(benchmark::State& state) {
  const Text doc = make_document(static_cast<size_t>(state.range(0)) << 20);
  orvane::rtf::Converter c;
  for (auto _ : state) benchmark::DoNotOptimize(c.rtf2html3(doc, u"+WF"));
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) *
                          static_cast<int64_t>(doc.size()));
}
BENCHMARK(BM_rtf2html3_WellFormed)->Arg(1)->Arg(5)->Unit(benchmark::kMillisecond);

// "\b x" again and again: past 1000 list entries bold is not opened again.
void BM_rtf2html3_Hostile(benchmark::State& state) {
  const size_t bytes = static_cast<size_t>(state.range(0)) << 20;
  Text doc = u"{\\rtf1 ";
  while (doc.size() < bytes) doc += u"\\b x";
  doc += u"}";
  orvane::rtf::Converter c;
  for (auto _ : state) benchmark::DoNotOptimize(c.rtf2html3(doc));
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) *
                          static_cast<int64_t>(doc.size()));
}
BENCHMARK(BM_rtf2html3_Hostile)->Arg(1)->Arg(4)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
