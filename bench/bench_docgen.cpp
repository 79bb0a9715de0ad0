// The vehicle trip sheet from the demo database to a PDF on a warm converter, split into
// its three costs: reading the database into the placeholder table, substituting the
// placeholders in the open document, and converting to PDF. Goal: substitution under
// 20 ms on either suite.
//
// The service order (order 30188, every list and table of the demo template): the data
// pass and the substitution together, on each suite, with the working copy already open
// (goal: under 30 ms), and the whole call on a warm converter.
//
// The budget 20051 (three product groups, services, additional services, conditions and the
// digital acceptance): its data pass and substitution together, on each suite, with the
// document already open. Goal: under 60 ms on either suite. Then the whole call.
#include <benchmark/benchmark.h>
#include <stdlib.h>

#include <filesystem>

#include "component/registry.h"
#include "core/context.h"
#include "demo/demo_db.h"
#include "docgen/amendment/amendment.h"
#include "docgen/budget/budget.h"
#include "docgen/contract/contract.h"
#include "docgen/frame/pipeline.h"
#include "docgen/frame/word_suite.h"
#include "docgen/frame/writer_suite.h"
#include "docgen/service_order/service_order.h"
#include "docgen/shared/equipment_balance.h"
#include "docgen/trip_sheet/trip_sheet.h"
#include "platform/db/db.h"

namespace fs = std::filesystem;
using namespace orvane;
using namespace orvane::docgen;

namespace {

struct Fixture {
  fs::path dir;
  fs::path templates = fs::path(ORVANE_BINARY_DIR) / "demo" / "templates";
  ContextPtr ctx;
  Variant conn;
  ObjectPtr funcs;

  // ORVANE_BENCH_TMP names the folder the database and the working copies go to (default
  // /tmp): on a disk every row the equipment balance writes waits for its sync.
  Fixture() {
    const char* parent = getenv("ORVANE_BENCH_TMP");
    std::string pattern = std::string(parent ? parent : "/tmp") + "/bench_docgen_XXXXXX";
    dir = mkdtemp(pattern.data());
    demo::write_demo_database(dir / "demo.db", dir);
    setenv("TMPDIR", (dir.string() + "/").c_str(), 1);
    ctx = make_context(std::make_shared<ui::RecordingSink>());
    conn = db::as_variant(db::open_connection(from_utf8((dir / "demo.db").string()), ctx));
    funcs = component::create_object(u"FuncoesOrvane", ctx);
  }
  ~Fixture() { fs::remove_all(dir); }

  fs::path copy_template(const char* ext, const char* stem = "Ficha de Deslocamento",
                         const char* as = "Ficha") {
    fs::path to = dir / (std::string(as) + ext);
    fs::copy_file(templates / (std::string(stem) + ext), to, fs::copy_options::overwrite_existing);
    return to;
  }

  ObjectPtr open_word(const fs::path& file) {
    ObjectPtr word = component::create_object(u"Word.Application", ctx);
    call(word, u"ChangeFileOpenDirectory", {Variant(from_utf8(dir.string() + "/"))});
    call(as_object(get(word, u"Documents")), u"Open",
         {Variant(from_utf8(file.filename().string()))});
    return word;
  }

  struct Writer {
    ObjectPtr document, descriptor;
  };
  Writer open_writer(const fs::path& file) {
    ObjectPtr sm = component::create_object(u"com.sun.star.ServiceManager", ctx);
    ObjectPtr desktop =
        as_object(call(sm, u"createInstance", {Variant(Text(u"com.sun.star.frame.Desktop"))}));
    Variant url = call(funcs, u"ConvertToUrl", {Variant(from_utf8(file.string()))});
    Writer w;
    w.document = as_object(
        call(desktop, u"loadComponentFromURL",
             {url, Variant(Text(u"_blank")), Variant(int32_t{0}), Variant(Array::of({}, 0))}));
    w.descriptor = as_object(call(w.document, u"createReplaceDescriptor"));
    return w;
  }
};

Fixture& fixture() {
  static Fixture f;
  return f;
}

void BM_TripSheetDatabase(benchmark::State& state) {
  Fixture& f = fixture();
  for (auto _ : state) {
    TripSheetData d = read_trip_sheet(f.conn, 501);
    benchmark::DoNotOptimize(d.table.counter());
  }
}
BENCHMARK(BM_TripSheetDatabase)->Unit(benchmark::kMillisecond);

void BM_TripSheetSubstitutionWord(benchmark::State& state) {
  Fixture& f = fixture();
  TripSheetData d = read_trip_sheet(f.conn, 501);
  fs::path file = f.copy_template(".docx");
  for (auto _ : state) {
    state.PauseTiming();
    ObjectPtr word = f.open_word(file);
    state.ResumeTiming();
    substitute_trip_sheet_word(word, d);
    state.PauseTiming();
    call(word, u"Quit", {Variant(false)});
    state.ResumeTiming();
  }
}
BENCHMARK(BM_TripSheetSubstitutionWord)->Unit(benchmark::kMillisecond);

void BM_TripSheetSubstitutionWriter(benchmark::State& state) {
  Fixture& f = fixture();
  TripSheetData d = read_trip_sheet(f.conn, 501);
  fs::path file = f.copy_template(".odt");
  for (auto _ : state) {
    state.PauseTiming();
    Fixture::Writer w = f.open_writer(file);
    state.ResumeTiming();
    substitute_trip_sheet_writer(w.document, w.descriptor, d);
    state.PauseTiming();
    call(w.document, u"close", {Variant(false)});
    state.ResumeTiming();
  }
}
BENCHMARK(BM_TripSheetSubstitutionWriter)->Unit(benchmark::kMillisecond);

// The PDF export of the filled document, the converter already running.
void BM_TripSheetConversionWord(benchmark::State& state) {
  Fixture& f = fixture();
  TripSheetData d = read_trip_sheet(f.conn, 501);
  fs::path file = f.copy_template(".docx");
  const Variant pdf(from_utf8((f.dir / "Ficha.pdf").string()));
  {  // warm the converter
    ObjectPtr word = f.open_word(file);
    call(as_object(get(word, u"ActiveDocument")), u"ExportAsFixedFormat",
         {pdf, Variant(int32_t{17})});
    call(word, u"Quit", {Variant(false)});
  }
  for (auto _ : state) {
    state.PauseTiming();
    ObjectPtr word = f.open_word(file);
    substitute_trip_sheet_word(word, d);
    state.ResumeTiming();
    call(as_object(get(word, u"ActiveDocument")), u"ExportAsFixedFormat",
         {pdf, Variant(int32_t{17})});
    state.PauseTiming();
    call(word, u"Quit", {Variant(false)});
    state.ResumeTiming();
  }
}
BENCHMARK(BM_TripSheetConversionWord)->Unit(benchmark::kMillisecond)->Iterations(10);

void BM_TripSheetConversionWriter(benchmark::State& state) {
  Fixture& f = fixture();
  TripSheetData d = read_trip_sheet(f.conn, 501);
  fs::path file = f.copy_template(".odt");
  Array props({Array::Bound{0, 2}});
  props.at(0) = call(f.funcs, u"MakePropertyValue",
                     {Variant(Text(u"FilterName")), Variant(Text(u"writer_pdf_Export"))});
  const Variant url =
      call(f.funcs, u"ConvertToUrl", {Variant(from_utf8((f.dir / "Ficha.pdf").string()))});
  auto export_once = [&](bool timed) {
    if (timed) state.PauseTiming();
    Fixture::Writer w = f.open_writer(file);
    substitute_trip_sheet_writer(w.document, w.descriptor, d);
    if (timed) state.ResumeTiming();
    call(w.document, u"storeToURL", {url, Variant(props)});
    if (timed) state.PauseTiming();
    call(w.document, u"close", {Variant(false)});
    if (timed) state.ResumeTiming();
  };
  export_once(false);  // warm the converter
  for (auto _ : state) export_once(true);
}
BENCHMARK(BM_TripSheetConversionWriter)->Unit(benchmark::kMillisecond)->Iterations(10);

// The whole call, database to PDF, on each route.
void BM_TripSheetEndToEnd(benchmark::State& state, const char* ext) {
  Fixture& f = fixture();
  fs::path file = f.copy_template(ext);
  for (auto _ : state) {
    Text layout = from_utf8(file.string());
    Text out = GeraDeslocamentoViatura(f.ctx, f.conn, 301, 1, 501, layout, false, 0);
    if (out.empty()) state.SkipWithError("the trip sheet was not produced");
  }
}
BENCHMARK_CAPTURE(BM_TripSheetEndToEnd, Word, ".docx")
    ->Unit(benchmark::kMillisecond)
    ->Iterations(10);
BENCHMARK_CAPTURE(BM_TripSheetEndToEnd, Writer, ".odt")
    ->Unit(benchmark::kMillisecond)
    ->Iterations(10);

// ---- the service order ---------------------------------------------------------------------

// Times `fill` (a document's data pass and substitution) on a working copy of `file`, opened
// before and closed after each timed run; opening and closing are not timed.
template <class Fill>
void time_fill_on_open_copy(benchmark::State& state, Route route, const fs::path& file,
                            int32_t unit, int32_t company, bool writer_tables, Fill fill) {
  Fixture& f = fixture();
  for (auto _ : state) {
    state.PauseTiming();
    Text layout = from_utf8(file.string());
    Generation g(f.ctx, f.conn, unit, company, layout, false, 0);
    g.route = route;
    open_working_copy(g, route, writer_tables);
    state.ResumeTiming();
    fill(g);
    state.PauseTiming();
    if (route == Route::Word) {
      word_suite::close_and_quit(g.word);
    } else {
      writer_suite::close(g.document);
    }
    state.ResumeTiming();
  }
}

const char* kOrderTemplate = "Ordem de Serviço";

// The data pass and the substitution of order 30188 on the working copy opened in `g`.
void service_order_fill(Generation& g) {
  service_order::OrderData d = service_order::read(g, 30188);
  if (g.route == Route::Word) {
    service_order::apply_word(g, d);
  } else {
    service_order::apply_writer(g, d);
  }
}

void BM_ServiceOrderDataAndSubstitution(benchmark::State& state, Route route) {
  const fs::path file =
      fixture().copy_template(route == Route::Word ? ".docx" : ".odt", kOrderTemplate, "Ordem");
  time_fill_on_open_copy(state, route, file, 301, 1, true, service_order_fill);
}
BENCHMARK_CAPTURE(BM_ServiceOrderDataAndSubstitution, Word, Route::Word)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_ServiceOrderDataAndSubstitution, Writer, Route::Writer)
    ->Unit(benchmark::kMillisecond);

// The data pass alone (it also rebuilds the customer's equipment balance).
void BM_ServiceOrderDatabase(benchmark::State& state) {
  Fixture& f = fixture();
  for (auto _ : state) {
    Text layout = u"Ordem.docx";
    Generation g(f.ctx, f.conn, 301, 1, layout, false, 0);
    service_order::OrderData d = service_order::read(g, 30188);
    benchmark::DoNotOptimize(d.document.table.counter());
  }
}
BENCHMARK(BM_ServiceOrderDatabase)->Unit(benchmark::kMillisecond);

// The whole call, database to PDF, on each member.
void BM_ServiceOrderEndToEnd(benchmark::State& state, const char* ext) {
  Fixture& f = fixture();
  const fs::path file = f.copy_template(ext, kOrderTemplate, "Ordem");
  {  // warm the converter
    Text layout = from_utf8(file.string());
    GeraOS(f.ctx, f.conn, 301, 1, 30188, layout, false, 0);
  }
  for (auto _ : state) {
    Text layout = from_utf8(file.string());
    Text out = std::string(ext) == ".odt"
                   ? GeraOSOpen(f.ctx, f.conn, 301, 1, 30188, layout, false, 0)
                   : GeraOS(f.ctx, f.conn, 301, 1, 30188, layout, false, 0);
    if (out.empty()) state.SkipWithError("the service order was not produced");
  }
}
BENCHMARK_CAPTURE(BM_ServiceOrderEndToEnd, Word, ".docx")
    ->Unit(benchmark::kMillisecond)
    ->Iterations(10);
BENCHMARK_CAPTURE(BM_ServiceOrderEndToEnd, Writer, ".odt")
    ->Unit(benchmark::kMillisecond)
    ->Iterations(10);

// ---- the budget ------------------------------------------------------------------------------

fs::path copy_budget_template(Fixture& f, const char* ext) {
  fs::path to = f.dir / (std::string("Orcamento") + ext);
  fs::copy_file(f.templates / (std::string("Orçamento") + ext), to,
                fs::copy_options::overwrite_existing);
  return to;
}

// Data pass and substitution of budget 20051, the template already open.
void BM_BudgetDataAndSubstitution(benchmark::State& state, Route route) {
  const fs::path file = copy_budget_template(fixture(), route == Route::Word ? ".docx" : ".odt");
  time_fill_on_open_copy(state, route, file, 301, 1, false, [](Generation& g) {
    Budget budget(20051);
    DocumentData d = budget.read(g);
    if (g.route == Route::Word) {
      budget.apply_word(g, d);
    } else {
      budget.apply_writer(g, d);
    }
  });
}
BENCHMARK_CAPTURE(BM_BudgetDataAndSubstitution, Word, Route::Word)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_BudgetDataAndSubstitution, Writer, Route::Writer)
    ->Unit(benchmark::kMillisecond);

// The whole call, database to PDF.
void BM_BudgetEndToEnd(benchmark::State& state, const char* ext) {
  Fixture& f = fixture();
  const fs::path file = copy_budget_template(f, ext);
  for (auto _ : state) {
    Text layout = from_utf8(file.string());
    Text out = GeraOrcamento(f.ctx, f.conn, 301, 1, 20051, layout, false, 0, true);
    if (out.empty()) state.SkipWithError("the budget was not produced");
  }
}
BENCHMARK_CAPTURE(BM_BudgetEndToEnd, Word, ".docx")->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK_CAPTURE(BM_BudgetEndToEnd, Writer, ".odt")->Unit(benchmark::kMillisecond)->Iterations(5);

// The contract: its data pass and the substitution in the open working copy together
// (goal: under 80 ms for customer 1042, under 150 ms with every list for 1063), and the
// whole call to a PDF.
ContractArguments contract_arguments(int32_t customer, int32_t unit) {
  Fixture& f = fixture();
  ContractArguments a;
  a.path_orvane = from_utf8(f.templates.string());
  a.pasta_contratos = from_utf8(f.templates.string());
  a.cod_unidade = unit;
  a.cod_empresa = unit == 740 ? 2 : 1;
  a.cod_cliente = customer;
  return a;
}

void BM_ContractDataAndSubstitution(benchmark::State& state, Route route, int32_t customer,
                                    int32_t unit, const char* name) {
  Fixture& f = fixture();
  const ContractArguments a = contract_arguments(customer, unit);
  const fs::path file = f.dir / (std::string(name) + (route == Route::Word ? ".docx" : ".odt"));
  fs::copy_file(f.templates / file.filename(), file, fs::copy_options::overwrite_existing);
  time_fill_on_open_copy(state, route, file, unit, a.cod_empresa, true, [&a](Generation& g) {
    DocumentData d = read_contract(g, a);
    if (g.route == Route::Word) {
      apply_contract_word(g, d);
    } else {
      apply_contract_writer(g, d);
    }
  });
}
BENCHMARK_CAPTURE(BM_ContractDataAndSubstitution, Word1042, Route::Word, 1042, 301, "Contrato")
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_ContractDataAndSubstitution, Writer1042, Route::Writer, 1042, 301, "Contrato")
    ->Unit(benchmark::kMillisecond);
// The annex that holds most of the lists and tables, for the carrier's fleet.
BENCHMARK_CAPTURE(BM_ContractDataAndSubstitution, Word1063Annex, Route::Word, 1063, 740,
                  "ContratoAnexo1")
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_ContractDataAndSubstitution, Writer1063Annex, Route::Writer, 1063, 740,
                  "ContratoAnexo1")
    ->Unit(benchmark::kMillisecond);

void BM_ContractEndToEnd(benchmark::State& state, Route route) {
  Fixture& f = fixture();
  const ContractArguments a = contract_arguments(1042, 301);
  for (auto _ : state) {
    Text contrato = route == Route::Word ? Text(u"Contract.dll") : Text(u"Contrato.odt");
    Text out = route == Route::Word ? GeraContrato(f.ctx, f.conn, a, contrato)
                                    : GeraContratoOpen(f.ctx, f.conn, a, contrato);
    if (out.empty()) state.SkipWithError("the contract was not produced");
  }
}
BENCHMARK_CAPTURE(BM_ContractEndToEnd, Word, Route::Word)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(10);
BENCHMARK_CAPTURE(BM_ContractEndToEnd, Writer, Route::Writer)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(10);

// ---- the contract amendment -------------------------------------------------------------------

// The contract amendment of the carrier (1063, amendment 1): its data pass, its substitution on
// each suite, warm, and the whole call. Goal: data pass and substitution under 100 ms.
fs::path copy_amendment_template(Fixture& f, const char* ext) {
  fs::path to = f.dir / (std::string("AditivoBench") + ext);
  fs::copy_file(f.templates / (std::string("Aditivo") + ext), to,
                fs::copy_options::overwrite_existing);
  return to;
}

const AmendmentKeys kCarrierAmendment{1063, 1, Variant::Missing()};

void BM_AmendmentData(benchmark::State& state) {
  Fixture& f = fixture();
  Text layout;
  for (auto _ : state) {
    Generation g(f.ctx, f.conn, 301, 1, layout, false, 0);
    DocumentData d = read_amendment(g, kCarrierAmendment);
    benchmark::DoNotOptimize(d.table.counter());
  }
}
BENCHMARK(BM_AmendmentData)->Unit(benchmark::kMillisecond);

// The part of the data pass that writes: the customer's equipment balance rebuilt (each
// statement a commit of its own on SQLite).
void BM_AmendmentEquipmentBalance(benchmark::State& state) {
  Fixture& f = fixture();
  for (auto _ : state) AtualizaProdutosCliente(f.conn, 301, 1, 1063);
}
BENCHMARK(BM_AmendmentEquipmentBalance)->Unit(benchmark::kMillisecond);

void BM_AmendmentDataAndSubstitution(benchmark::State& state, Route route) {
  const fs::path file = copy_amendment_template(fixture(), route == Route::Word ? ".docx" : ".odt");
  time_fill_on_open_copy(state, route, file, 301, 1, true, [](Generation& g) {
    DocumentData d = read_amendment(g, kCarrierAmendment);
    if (g.route == Route::Word) {
      apply_amendment_word(g, d);
    } else {
      apply_amendment_writer(g, d);
    }
  });
}
BENCHMARK_CAPTURE(BM_AmendmentDataAndSubstitution, Word, Route::Word)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_AmendmentDataAndSubstitution, Writer, Route::Writer)
    ->Unit(benchmark::kMillisecond);

void BM_AmendmentEndToEnd(benchmark::State& state, const char* ext) {
  Fixture& f = fixture();
  const fs::path file = copy_amendment_template(f, ext);
  for (auto _ : state) {
    Text layout = from_utf8(file.string());
    Text out = GeraAditivo(f.ctx, f.conn, 301, 1, 1063, layout, 1, false, 0);
    if (out.empty()) state.SkipWithError("the amendment was not produced");
    state.PauseTiming();
    fs::remove(to_utf8(out));  // the next call takes the same name, not the "(n)" series
    state.ResumeTiming();
  }
}
BENCHMARK_CAPTURE(BM_AmendmentEndToEnd, Word, ".docx")
    ->Unit(benchmark::kMillisecond)
    ->Iterations(10);
BENCHMARK_CAPTURE(BM_AmendmentEndToEnd, Writer, ".odt")
    ->Unit(benchmark::kMillisecond)
    ->Iterations(10);

}  // namespace

BENCHMARK_MAIN();
