// JSON reading and writing against nlohmann::json on the same ~18 MB document of
// customer records (accents, escapes, numbers, booleans, nulls, nested arrays).
#include <benchmark/benchmark.h>

#include <nlohmann/json.hpp>

#include "core/object.h"
#include "json/parser.h"
#include "json/serializer.h"

namespace {

using orvane::Text;

class Rng {
 public:
  uint32_t next() {
    state_ = state_ * 6364136223846793005ull + 1442695040888963407ull;
    return static_cast<uint32_t>(state_ >> 33);
  }
  uint32_t below(uint32_t n) { return next() % n; }
  template <size_t N>
  const char* pick(const char* const (&items)[N]) {
    return items[below(N)];
  }

 private:
  uint64_t state_ = 42;
};

const char* const kFirst[] = {"José",    "Conceição", "João",    "Ana",  "Márcia", "Luís",
                              "Antônio", "Beatriz",   "Gonçalo", "Inês", "Raí",    "Zoë"};
const char* const kLast[] = {"da Silva", "Conceição", "Araújo",  "D'Ávila", "Gonçalves",
                             "Simões",   "Magalhães", "Peçanha", "Brandão", "Loureiro"};
const char* const kStreet[] = {"Rua São João", "Av. Paulista",   "Travessa Ipê",
                               "Rua Açaí",     "Alameda Santos", "Estrada do Café"};
const char* const kCity[] = {"São Paulo", "Florianópolis",  "Belém",  "Maceió",
                             "Goiânia",   "Ribeirão Preto", "Niterói"};
const char* const kTag[] = {"vip", "alarme", "rastreador", "inadimplente", "novo", "câmera"};
const char* const kNote[] = {
    "Cliente pediu \\\"urgência\\\" na instalação",
    "Linha 1\\nLinha 2\\tcom tab",
    "Caminho C:\\\\Sistemas\\\\Orvane/backup",
    "Observação com € e ™ e emoji \\ud83d\\ude00",
    "",
    "Sem observações",
};

std::string make_document(size_t target_bytes) {
  Rng rng;
  std::string out = "{\"gerado\":\"2026-12-05T10:30:00\",\"versao\":3,\"clientes\":[";
  char buf[160];
  for (int id = 1; out.size() < target_bytes; ++id) {
    if (id > 1) out += ',';
    out += "{\"id\":" + std::to_string(id);
    out += ",\"nome\":\"" + std::string(rng.pick(kFirst)) + " " + rng.pick(kLast) + "\"";
    std::snprintf(buf, sizeof buf, ",\"cpf\":\"%03u.%03u.%03u-%02u\"", rng.below(1000),
                  rng.below(1000), rng.below(1000), rng.below(100));
    out += buf;
    out += ",\"endereco\":{\"rua\":\"" + std::string(rng.pick(kStreet)) + ", " +
           std::to_string(rng.below(3000)) + "\",\"cidade\":\"" + rng.pick(kCity) +
           "\",\"cep\":\"" + std::to_string(10000 + rng.below(89999)) + "-000\"}";
    out += std::string(",\"ativo\":") + (rng.below(4) ? "true" : "false");
    std::snprintf(buf, sizeof buf, ",\"saldo\":%.2f,\"limite\":", rng.below(10000000) / 100.0);
    out += buf;
    out += rng.below(3) ? std::to_string(rng.below(50) * 1000) : "null";
    out += ",\"tags\":[";
    for (uint32_t t = 0, n = rng.below(4); t < n; ++t) {
      if (t) out += ',';
      out += "\"" + std::string(rng.pick(kTag)) + "\"";
    }
    out += "],\"veiculos\":[";
    for (uint32_t v = 0, n = rng.below(3); v < n; ++v) {
      if (v) out += ',';
      std::snprintf(buf, sizeof buf,
                    "{\"placa\":\"%c%c%c%u%c%02u\",\"ano\":%u,\"km\":%.1f,\"bloqueado\":%s,"
                    "\"posicao\":[%.6f,%.6f]}",
                    'A' + rng.below(26), 'A' + rng.below(26), 'A' + rng.below(26), rng.below(10),
                    'A' + rng.below(26), rng.below(100), 2005 + rng.below(20),
                    rng.below(3000000) / 10.0, rng.below(10) ? "false" : "true",
                    -(rng.below(30000000) / 1e6), -(rng.below(20000000) / 1e6 + 35));
      out += buf;
    }
    out += "],\"obs\":\"" + std::string(rng.pick(kNote)) + "\",\"contrato\":";
    out += rng.below(5) ? std::to_string(100000 + rng.below(900000)) : "null";
    out += '}';
  }
  return out + "]}";
}

const std::string& document() {
  static const std::string doc = make_document(18 << 20);
  return doc;
}
const Text& document16() {
  static const Text doc = orvane::from_utf8(document());
  return doc;
}

void BM_OrvaneParse(benchmark::State& state) {
  const Text& doc = document16();
  Text errors;
  for (auto _ : state) {
    orvane::ObjectPtr root = orvane::json::parse(doc, errors);
    benchmark::DoNotOptimize(root.get());
    if (!errors.empty()) state.SkipWithError("the document did not parse cleanly");
  }
  state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(document().size()));
}
BENCHMARK(BM_OrvaneParse)->Unit(benchmark::kMillisecond);

void BM_NlohmannParse(benchmark::State& state) {
  const std::string& doc = document();
  for (auto _ : state) {
    nlohmann::json j = nlohmann::json::parse(doc);
    benchmark::DoNotOptimize(j);
  }
  state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(doc.size()));
}
BENCHMARK(BM_NlohmannParse)->Unit(benchmark::kMillisecond);

void BM_OrvaneToString(benchmark::State& state) {
  Text errors;
  orvane::Variant tree(orvane::json::parse(document16(), errors));
  for (auto _ : state) {
    Text out = orvane::json::to_json(tree);
    benchmark::DoNotOptimize(out.data());
  }
  state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(document().size()));
}
BENCHMARK(BM_OrvaneToString)->Unit(benchmark::kMillisecond);

void BM_NlohmannDump(benchmark::State& state) {
  const nlohmann::json j = nlohmann::json::parse(document());
  for (auto _ : state) {
    std::string out = j.dump();
    benchmark::DoNotOptimize(out.data());
  }
  state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(document().size()));
}
BENCHMARK(BM_NlohmannDump)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
