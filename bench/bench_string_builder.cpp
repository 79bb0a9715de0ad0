// cStringBuilder.Append against std::u16string::append: 50 MB of text (25 million
// UTF-16 characters) appended in pieces of 1 to 100 characters.
#include <benchmark/benchmark.h>

#include <random>
#include <vector>

#include "strbuild/string_builder.h"

namespace {

using orvane::Text;
using orvane::TextView;

constexpr size_t kTotalChars = 25u << 20;

struct Pieces {
  Text source;
  std::vector<TextView> pieces;
};

const Pieces& pieces() {
  static const Pieces p = [] {
    Pieces p;
    std::mt19937 rng(1);
    p.source.resize(4096 + 100);
    for (auto& c : p.source) c = static_cast<char16_t>(u'a' + rng() % 26);
    size_t total = 0;
    while (total < kTotalChars) {
      size_t len = 1 + rng() % 100;
      p.pieces.emplace_back(p.source.data() + rng() % 4096, len);
      total += len;
    }
    return p;
  }();
  return p;
}

void BM_BuilderAppend(benchmark::State& state) {
  const auto& p = pieces();
  for (auto _ : state) {
    orvane::strbuild::cStringBuilder b;
    for (TextView s : p.pieces) b.Append(s);
    benchmark::DoNotOptimize(b.str().data());
  }
  state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(kTotalChars * 2));
}
BENCHMARK(BM_BuilderAppend)->Unit(benchmark::kMillisecond);

void BM_U16StringAppend(benchmark::State& state) {
  const auto& p = pieces();
  for (auto _ : state) {
    Text s;
    for (TextView piece : p.pieces) s.append(piece);
    benchmark::DoNotOptimize(s.data());
  }
  state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(kTotalChars * 2));
}
BENCHMARK(BM_U16StringAppend)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
