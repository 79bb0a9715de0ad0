#include "cli/demo_cmd.h"

#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <ostream>

#include "cli/doc_kinds.h"
#include "cli/preview.h"
#include "core/context.h"
#include "core/text.h"
#include "demo/demo_db.h"
#include "platform/db/db.h"

namespace orvane::cli {
namespace {

namespace fs = std::filesystem;

// One document of the demo, made by the member a host would call for it. A document whose
// member this build does not have is listed as such; it is not a failure.
struct DemoDocument {
  std::string name;  // also its file name in the output folder
  std::string kind;  // see document_kinds()
  Route route;
  std::u16string member;
  std::string key;
  int32_t unit;
  int32_t company;
  std::string template_file;  // in the templates folder (or a standard template name there)
};

const std::vector<DemoDocument>& demo_documents() {
  using enum Route;
  static const std::vector<DemoDocument> docs = {
      {"Ficha de Deslocamento 501 (Word)", "trip", Word, u"GeraDeslocamentoViatura", "501", 301, 1,
       "Ficha de Deslocamento.docx"},
      {"Ficha de Deslocamento 501 (Writer)", "trip", Writer, u"GeraDeslocamentoViatura", "501", 301,
       1, "Ficha de Deslocamento.odt"},
      {"Ordem de Serviço 30188 (Word)", "os", Word, u"GeraOS", "30188", 301, 1,
       "Ordem de Serviço.docx"},
      {"Ordem de Serviço 30188 (Writer)", "os", Writer, u"GeraOSOpen", "30188", 301, 1,
       "Ordem de Serviço.odt"},
      {"Ordem de Serviço 74022 (Word)", "os", Word, u"GeraOS", "74022", 740, 2,
       "Ordem de Serviço.docx"},
      {"Orçamento 20051 (Word)", "budget", Word, u"GeraOrçamento", "20051", 301, 1,
       "Orçamento.docx"},
      {"Orçamento 20051 (Writer)", "budget", Writer, u"GeraOrçamentoOpen", "20051", 301, 1,
       "Orçamento.odt"},
      {"Orçamento 20058 (Word)", "budget", Word, u"GeraOrçamento", "20058", 301, 1,
       "Orçamento.docx"},
      {"Contrato 1042 (Word)", "contract", Word, u"GeraContrato", "1042", 301, 1, "Contract.dll"},
      {"Contrato 1042 (Writer)", "contract", Writer, u"GeraContratoOpen", "1042", 301, 1,
       "Contract.dll"},
      {"Distrato 1057 (Writer)", "contract", Writer, u"GeraContratoOpen", "1057", 301, 1,
       "ContractD.dll"},
      {"Aditivo 1063-1 (Word)", "amendment", Word, u"GeraAditivo", "1063/1", 740, 2,
       "Aditivo.docx"},
      {"Aditivo 1042-1 (Writer)", "amendment", Writer, u"GeraAditivoOpen", "1042/1", 301, 1,
       "AdditiveLGPD.dll"},
  };
  return docs;
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

// Characters, not bytes, so that accented names line up.
std::string pad(const std::string& s, size_t width) {
  size_t chars = 0;
  for (unsigned char c : s) chars += (c & 0xC0) != 0x80;
  return chars >= width ? s : s + std::string(width - chars, ' ');
}

std::string seconds_text(double s) {
  char buf[32];
  std::snprintf(buf, sizeof buf, "%.2f s", s);
  return buf;
}

std::string pages_text(int pages) {
  return pages > 0 ? std::to_string(pages) + (pages == 1 ? " page" : " pages") : "-";
}

}  // namespace

int cmd_demo(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  fs::path dir = "orvane-demo";
  fs::path templates = default_templates();
  fs::path picture;
  for (size_t i = 0; i < args.size(); ++i) {
    if ((args[i] == "--out" || args[i] == "--templates" || args[i] == "--picture") &&
        i + 1 < args.size()) {
      fs::path& target = args[i] == "--out" ? dir : args[i] == "--picture" ? picture : templates;
      target = args[i + 1];
      ++i;
    } else {
      err << "orvane: demo: unexpected argument " << args[i]
          << "\nusage: orvane demo [--out DIR] [--templates DIR] [--picture PNG]\n";
      return 2;
    }
  }
  std::error_code ec;
  fs::create_directories(dir, ec);
  dir = fs::absolute(dir, ec);
  templates = fs::absolute(templates, ec);
  const fs::path db_path = dir / "demo.db";
  try {
    if (demo::write_demo_database(db_path, dir)) out << db_path.string() << "\n";
  } catch (const std::exception& e) {
    err << "orvane: demo: " << e.what() << "\n";
    return 3;
  }
  fs::create_directories(dir / "thumbnails", ec);

  auto sink = std::make_shared<CollectingSink>();
  ContextPtr ctx = make_context(sink);
  Variant conn = db::as_variant(db::open_connection(from_utf8(db_path.string()), ctx));
  const auto& docs = demo_documents();
  std::vector<IndexEntry> entries;
  size_t failed = 0, absent = 0, n = 0;
  const auto batch_start = std::chrono::steady_clock::now();
  for (const DemoDocument& d : docs) {
    const DocumentKind* kind = find_kind(d.kind);
    IndexEntry e{.name = d.name, .kind = kind ? kind->title : d.kind, .route = route_name(d.route)};
    auto start = std::chrono::steady_clock::now();
    const std::string tpl = (templates / d.template_file).string();
    auto key = kind ? parse_key(*kind, d.key) : std::nullopt;
    if (!member_available(d.member)) {
      e.status = IndexEntry::Status::NotInBuild;
      e.message = to_utf8(d.member);
    } else if (!kind || !key) {
      e.status = IndexEntry::Status::Failed;
      e.message = "the demo names an unknown kind or key: " + d.kind + " " + d.key;
    } else if (!fs::exists(tpl)) {
      e.status = IndexEntry::Status::Failed;
      e.message = "template not found: " + tpl;
    } else {
      GenerationRequest req{.kind = kind,
                            .member = d.member,
                            .key = *key,
                            .unit = d.unit,
                            .company = d.company,
                            .template_path = tpl,
                            .options = with_folder_defaults(*kind, tpl, {})};
      GenerationResult r = generate(req, conn, ctx, *sink);
      if (!r.ok) {
        e.status = IndexEntry::Status::Failed;
        e.message = r.message;
      } else {
        // The generators write beside their working copy; the demo keeps its results together.
        fs::path target = dir / (d.name + fs::path(r.produced).extension().string());
        try {
          move_into_place(r.produced, target);
          e.document = target.filename().string();
          e.pages = document_pages(target);
          if (e.pages < 0) {
            e.status = IndexEntry::Status::Failed;
            e.message = "not a readable PDF: " + target.string();
          } else if (e.pages > 0) {
            std::string thumb = "thumbnails/" + d.name + ".png";
            if (write_thumbnail(target, dir / thumb, 300)) e.thumbnail = thumb;
          }
        } catch (const std::exception& ex) {
          e.status = IndexEntry::Status::Failed;
          e.message = ex.what();
        }
      }
    }
    e.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    char pos[16];
    std::snprintf(pos, sizeof pos, "[%2zu/%zu] ", ++n, docs.size());
    out << pos << pad(d.name, 36) << " " << pad(e.route, 7);
    if (e.status == IndexEntry::Status::Produced)
      out << pad(pages_text(e.pages), 9) << seconds_text(e.seconds) << "\n";
    else if (e.status == IndexEntry::Status::Failed)
      out << "FAILED: " << e.message << "\n";
    else
      out << "not in this build (" << to_utf8(d.member) << ")\n";
    out.flush();
    failed += e.status == IndexEntry::Status::Failed;
    absent += e.status == IndexEntry::Status::NotInBuild;
    entries.push_back(std::move(e));
  }

  out << "\n"
      << pad("Document", 36) << " " << pad("Route", 7) << pad("Pages", 7) << pad("Time", 9)
      << "Result\n";
  for (const auto& e : entries) {
    bool ok = e.status == IndexEntry::Status::Produced;
    out << pad(e.name, 36) << " " << pad(e.route, 7)
        << pad(ok && e.pages > 0 ? std::to_string(e.pages) : "-", 7)
        << pad(ok ? seconds_text(e.seconds) : "-", 9)
        << (ok                                       ? (dir / e.document).string()
            : e.status == IndexEntry::Status::Failed ? "FAILED: " + e.message
                                                     : "not in this build")
        << "\n";
  }
  try {
    write_index_html(dir, "Orvane: documentos de demonstração", entries);
  } catch (const std::exception& ex) {
    err << "orvane: demo: " << ex.what() << "\n";
    return 3;
  }
  const double total =
      std::chrono::duration<double>(std::chrono::steady_clock::now() - batch_start).count();
  out << "\n"
      << docs.size() << " documents: " << docs.size() - failed - absent << " produced, " << failed
      << " failed, " << absent << " not in this build, in " << seconds_text(total) << "\n"
      << (dir / "index.html").string() << "\n";

  if (!picture.empty()) {
    // Two first pages side by side: of two kinds when the build makes two, for the README.
    std::vector<fs::path> chosen;
    std::string first_kind;
    for (size_t i = 0; i < entries.size() && chosen.size() < 2; ++i) {
      const auto& e = entries[i];
      if (e.status != IndexEntry::Status::Produced || e.pages <= 0) continue;
      if (chosen.size() == 1 && e.kind == first_kind) continue;
      if (chosen.empty()) first_kind = e.kind;
      chosen.push_back(dir / e.document);
    }
    for (size_t i = 0; i < entries.size() && chosen.size() < 2; ++i)
      if (entries[i].status == IndexEntry::Status::Produced && entries[i].pages > 0 &&
          dir / entries[i].document != chosen.front())
        chosen.push_back(dir / entries[i].document);
    if (chosen.size() < 2 || !write_first_pages_picture(chosen, picture, 320)) {
      err << "orvane: demo: cannot write the picture " << picture.string() << "\n";
      return 3;
    }
    out << picture.string() << "\n";
  }
  return failed ? 3 : 0;
}

}  // namespace orvane::cli
