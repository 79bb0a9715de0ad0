#include "cli/demo_cmd.h"

#include <unistd.h>

#include <filesystem>
#include <functional>
#include <ostream>

#include "core/context.h"
#include "core/text.h"
#include "demo/demo_db.h"
#include "docgen/budget/budget.h"
#include "docgen/service_order/service_order.h"
#include "docgen/trip_sheet/trip_sheet.h"
#include "platform/db/db.h"

namespace orvane::cli {
namespace {

namespace fs = std::filesystem;

// Messages of the generators go to stderr, prefixed like those of `orvane call`.
class DemoSink : public ui::MessageSink {
 public:
  explicit DemoSink(std::ostream& err) : err_(err) {}
  int show(const ui::Message& m) override {
    err_ << "Orvane: " << to_utf8(m.text) << "\n";
    return ui::kNo;
  }

 private:
  std::ostream& err_;
};

// One document of the demo: the template it starts from, the name it is kept under in the
// output folder, and the generator call (which returns the produced file, "" on failure).
struct DemoDocument {
  std::string template_file;
  std::string output_name;
  std::function<Text(const ContextPtr&, const Variant& conn, Text& layout)> generate;
};

std::vector<DemoDocument> demo_documents() {
  auto trip_sheet = [](int32_t unit, int32_t trip) {
    return [=](const ContextPtr& ctx, const Variant& conn, Text& layout) {
      return docgen::GeraDeslocamentoViatura(ctx, conn, unit, 1, trip, layout, false, 0);
    };
  };
  auto service_order = [](int32_t unit, int32_t company, int32_t planilha) {
    return [=](const ContextPtr& ctx, const Variant& conn, Text& layout) {
      return docgen::GeraOS(ctx, conn, unit, company, planilha, layout, false, 0);
    };
  };
  auto budget = [](int32_t unit, int32_t company, int32_t planilha) {
    return [=](const ContextPtr& ctx, const Variant& conn, Text& layout) {
      return docgen::GeraOrcamento(ctx, conn, unit, company, planilha, layout, false, 0, true);
    };
  };
  return {
      {"Ficha de Deslocamento.docx", "Ficha de Deslocamento 501 (Word)", trip_sheet(301, 501)},
      {"Ficha de Deslocamento.odt", "Ficha de Deslocamento 501 (Writer)", trip_sheet(301, 501)},
      {"Ordem de Serviço.docx", "Ordem de Serviço 30188 (Word)", service_order(301, 1, 30188)},
      {"Ordem de Serviço.odt", "Ordem de Serviço 30188 (Writer)", service_order(301, 1, 30188)},
      {"Ordem de Serviço.docx", "Ordem de Serviço 74022 (Word)", service_order(740, 2, 74022)},
      {"Orçamento.docx", "Orçamento 20051 (Word)", budget(301, 1, 20051)},
      {"Orçamento.odt", "Orçamento 20051 (Writer)", budget(301, 1, 20051)},
      {"Orçamento Completo.docx", "Orçamento Completo 20051 (Word)", budget(301, 1, 20051)},
      {"Orçamento.docx", "Orçamento 20058 (Word)", budget(301, 1, 20058)},
      {"Orçamento.docx", "Orçamento 20101 (Word)", budget(740, 2, 20101)},
  };
}

// The built templates: beside the build tree this command came from, else where an
// installation keeps them.
fs::path default_templates() {
  fs::path built = fs::path(ORVANE_BINARY_DIR) / "demo" / "templates";
  if (fs::is_directory(built)) return built;
  std::error_code ec;
  fs::path exe = fs::read_symlink("/proc/self/exe", ec);
  return exe.parent_path().parent_path() / "share" / "orvane" / "templates";
}

}  // namespace

int cmd_demo(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  fs::path dir = "orvane-demo";
  fs::path templates = default_templates();
  for (size_t i = 0; i < args.size(); ++i) {
    if ((args[i] == "--out" || args[i] == "--templates") && i + 1 < args.size()) {
      fs::path& target = args[i] == "--out" ? dir : templates;
      target = args[i + 1];
      ++i;
    } else {
      err << "orvane: demo: unexpected argument " << args[i]
          << "\nusage: orvane demo [--out DIR] [--templates DIR]\n";
      return 2;
    }
  }
  std::error_code ec;
  fs::create_directories(dir, ec);
  dir = fs::absolute(dir, ec);
  const fs::path db_path = dir / "demo.db";
  try {
    if (demo::write_demo_database(db_path, dir)) out << db_path.string() << "\n";
  } catch (const std::exception& e) {
    err << "orvane: demo: " << e.what() << "\n";
    return 3;
  }

  ContextPtr ctx = make_context(std::make_shared<DemoSink>(err));
  Variant conn = db::as_variant(db::open_connection(from_utf8(db_path.string()), ctx));
  int status = 0;
  for (const DemoDocument& d : demo_documents()) {
    const fs::path tpl = templates / d.template_file;
    if (!fs::exists(tpl)) {
      err << "orvane: demo: template not found: " << tpl.string() << "\n";
      status = 3;
      continue;
    }
    Text layout = from_utf8(tpl.string());
    const std::string produced = to_utf8(d.generate(ctx, conn, layout));
    if (produced.empty()) {
      err << "orvane: demo: " << d.output_name << " was not produced\n";
      status = 3;
      continue;
    }
    // The generators write beside their working copy; the demo keeps its results together.
    const fs::path target = dir / (d.output_name + fs::path(produced).extension().string());
    fs::copy_file(produced, target, fs::copy_options::overwrite_existing, ec);
    if (ec) {
      err << "orvane: demo: cannot write " << target.string() << ": " << ec.message() << "\n";
      status = 3;
      continue;
    }
    out << target.string() << "\n";
  }
  return status;
}

}  // namespace orvane::cli
