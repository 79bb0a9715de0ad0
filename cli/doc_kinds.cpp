#include "cli/doc_kinds.h"

#include <unistd.h>

#include <random>
#include <stdexcept>

#include "component/registry.h"
#include "core/convert.h"
#include "core/error.h"

namespace orvane::cli {
namespace {

namespace fs = std::filesystem;
using Type = MemberOption::Type;

const MemberOption kForcaPdf{"--forca-pdf", u"ForçaPDF", Type::Switch,
                             "a PDF even where the unit keeps Word documents"};
const MemberOption kDataContrato{"--data-contrato", u"DataContrato", Type::Date,
                                 "contract date shown in the document (YYYY-MM-DD)"};

std::string lower_ascii(std::string_view s) {
  std::string out(s);
  for (char& c : out)
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  return out;
}

bool ends_with(std::string_view s, std::string_view tail) {
  return s.size() >= tail.size() && s.substr(s.size() - tail.size()) == tail;
}

std::string file_name_of(const std::string& path) {
  size_t slash = path.find_last_of("/\\");
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

// One line of text from what a generator showed: its messages joined, line breaks as spaces.
std::string one_line(const std::vector<ui::Message>& messages) {
  std::string out;
  for (const auto& m : messages) {
    std::string t = to_utf8(m.text);
    std::string line;
    bool space = false;
    for (char c : t) {
      if (c == '\r' || c == '\n' || c == '\t' || c == ' ') {
        space = !line.empty();
        continue;
      }
      if (space) line += ' ';
      space = false;
      line += c;
    }
    if (line.empty()) continue;
    if (!out.empty()) out += " / ";
    out += line;
  }
  return out;
}

}  // namespace

const char* route_name(Route r) { return r == Route::Word ? "Word" : "Writer"; }

const std::vector<DocumentKind>& document_kinds() {
  static const std::vector<DocumentKind> kinds = {
      {.name = "trip",
       .aliases = {"deslocamento", "ficha"},
       .title = "trip sheet",
       .member = u"GeraDeslocamentoViatura",
       .table = "VeículosDeslocamentos",
       .key_columns = {"CodInterno"},
       .key_params = {u"CodDesloca"},
       .template_param = u"Layout"},
      {.name = "os",
       .aliases = {"service-order", "ordem", "ordem-servico"},
       .title = "service order",
       .member = u"GeraOS",
       .writer_member = u"GeraOSOpen",
       .table = "OSs",
       .key_columns = {"Planílha"},
       .key_params = {u"Planílha"},
       .template_param = u"LayoutOrdem"},
      {.name = "budget",
       .aliases = {"orcamento", "orçamento"},
       .title = "budget",
       .member = u"GeraOrçamento",
       .writer_member = u"GeraOrçamentoOpen",
       .table = "Orçamentos",
       .key_columns = {"Planílha"},
       .key_params = {u"Planílha"},
       .template_param = u"LayoutOrçamento",
       .options = {kForcaPdf}},
      {.name = "contract",
       .aliases = {"contrato"},
       .title = "contract",
       .member = u"GeraContrato",
       .writer_member = u"GeraContratoOpen",
       .writer_templates = {u"ContractD.dll", u"ContractAttach1.dll", u"ContractRent.dll",
                            u"ContractFence.dll", u"ContractImg.dll"},
       .table = "ClientesContratos",
       .key_columns = {"CodCliente"},
       .key_params = {u"CodCliente"},
       .template_param = u"Contrato",
       .names_its_files = true,
       .options = {{"--path-orvane", u"PathOrvane", Type::Folder,
                    "installation folder with the standard templates (default: the template's)"},
                   {"--pasta-contratos", u"PastaContratos", Type::Folder,
                    "folder of the other contract templates (default: the template's)"},
                   kForcaPdf,
                   {"--veiculo", u"CodVeículo", Type::Integer, "vehicle of the contract"},
                   {"--posto", u"CodPosto", Type::Integer, "guard post of the contract"},
                   {"--filtro-orc", u"FiltroOrc", Type::Text,
                    "extra SQL condition on the customer's budgets"},
                   kDataContrato,
                   {"--pla-orc", u"vPlaOrc", Type::Integer,
                    "budget key for the receivables and conditions"}}},
      {.name = "amendment",
       .aliases = {"aditivo"},
       .title = "contract amendment",
       .member = u"GeraAditivo",
       .writer_member = u"GeraAditivoOpen",
       .writer_templates = {u"AdditiveLGPD.dll"},
       .table = "ClientesAditivos",
       .key_columns = {"CodCliente", "NumAditivo"},
       .key_params = {u"CodCliente", u"NumAditivo"},
       .template_param = u"Contrato",
       .names_its_files = true,
       .options = {kForcaPdf, kDataContrato}},
  };
  return kinds;
}

const DocumentKind* find_kind(std::string_view name) {
  std::string wanted = lower_ascii(name);
  for (const auto& k : document_kinds()) {
    if (k.name == wanted) return &k;
    for (const auto& a : k.aliases)
      if (a == wanted) return &k;
  }
  return nullptr;
}

std::string kind_names() {
  std::string out;
  for (const auto& k : document_kinds()) {
    if (!out.empty()) out += ", ";
    out += k.name;
    if (!k.aliases.empty()) {
      out += " (";
      for (size_t i = 0; i < k.aliases.size(); ++i) out += (i ? ", " : "") + k.aliases[i];
      out += ")";
    }
  }
  return out;
}

bool member_available(std::u16string_view member) {
  const component::ClassInfo* info = component::Registry::global().find(u"GeraDocsOrvane");
  return info && info->members && info->members->find(member, CallKind::Method) != nullptr;
}

Route route_of(const DocumentKind& kind, const std::string& template_path) {
  if (ends_with(template_path, "odt")) return Route::Writer;
  Text name = from_utf8(file_name_of(template_path));
  for (const auto& standard : kind.writer_templates)
    if (vb::EqualsNoCase(name, standard)) return Route::Writer;
  return Route::Word;
}

std::u16string member_for(const DocumentKind& kind, const std::string& template_path,
                          std::optional<Route> forced) {
  Route r = forced ? *forced : route_of(kind, template_path);
  return r == Route::Writer && !kind.writer_member.empty() ? kind.writer_member : kind.member;
}

std::string DocumentKey::text() const {
  std::string s;
  for (size_t i = 0; i < parts.size(); ++i) s += (i ? "/" : "") + std::to_string(parts[i]);
  return s;
}

std::string DocumentKey::file_text() const {
  std::string s = text();
  for (char& c : s)
    if (c == '/') c = '-';
  return s;
}

std::optional<DocumentKey> parse_key(const DocumentKind& kind, std::string_view text) {
  DocumentKey key;
  size_t start = 0;
  while (true) {
    size_t slash = text.find('/', start);
    std::string part(text.substr(start, slash == std::string_view::npos ? slash : slash - start));
    if (part.empty() || part.size() > 10 || part.find_first_not_of("0123456789") != part.npos)
      return std::nullopt;
    long long v = std::stoll(part);
    if (v > 2147483647LL) return std::nullopt;
    key.parts.push_back(static_cast<int32_t>(v));
    if (slash == std::string_view::npos) break;
    start = slash + 1;
  }
  if (key.parts.size() != kind.key_columns.size()) return std::nullopt;
  return key;
}

std::vector<std::pair<std::u16string, Variant>> with_folder_defaults(
    const DocumentKind& kind, const std::string& template_path,
    std::vector<std::pair<std::u16string, Variant>> options) {
  for (const auto& m : kind.options) {
    if (m.type != MemberOption::Type::Folder) continue;
    bool given = false;
    for (const auto& o : options) given = given || o.first == m.param;
    if (!given)
      options.emplace_back(m.param, from_utf8(fs::path(template_path).parent_path().string()));
  }
  return options;
}

int CollectingSink::show(const ui::Message& m) {
  messages_.push_back(m);
  return ui::asks_yes_no(m.style) ? ui::kNo : ui::kOk;
}

GenerationResult generate(const GenerationRequest& request, const Variant& connection,
                          const ContextPtr& ctx, CollectingSink& sink) {
  GenerationResult r;
  const DocumentKind& kind = *request.kind;
  if (!member_available(request.member)) {
    r.message = to_utf8(request.member) + " is not available in this build";
    return r;
  }
  std::vector<Variant> args;
  std::vector<Text> names;
  auto add = [&](std::u16string name, Variant v) {
    names.push_back(std::move(name));
    args.push_back(std::move(v));
  };
  add(u"Connorvane", connection);
  add(u"CodUnidade", Variant(request.unit));
  add(u"CodEmpresa", Variant(request.company));
  for (size_t i = 0; i < kind.key_params.size() && i < request.key.parts.size(); ++i)
    add(kind.key_params[i], Variant(request.key.parts[i]));
  add(kind.template_param, from_utf8(request.template_path));
  add(u"Visualiza", false);
  add(u"Cópias", Variant(int16_t{0}));
  for (const auto& [name, value] : request.options) add(name, value);

  sink.take();
  Variant result;
  try {
    ObjectPtr docs = component::create_object(u"GeraDocsOrvane", ctx);
    result = docs->invoke(request.member, CallKind::Method, args, names);
  } catch (const VbError& e) {
    std::string said = one_line(sink.take());
    r.message = to_utf8(request.member) + ": error " + std::to_string(e.number()) + ": " +
                to_utf8(e.description()) + (said.empty() ? "" : " (" + said + ")");
    return r;
  } catch (const std::exception& e) {
    r.message = to_utf8(request.member) + ": " + e.what();
    return r;
  }
  std::string said = one_line(sink.take());
  r.produced = result.is_text() ? to_utf8(result.text()) : std::string();
  std::error_code ec;
  if (r.produced.empty()) {
    r.message = said.empty() ? to_utf8(request.member) + " produced no document" : said;
    return r;
  }
  if (!fs::is_regular_file(r.produced, ec)) {
    r.message = to_utf8(request.member) + " answered " + r.produced + ", which does not exist" +
                (said.empty() ? "" : " (" + said + ")");
    return r;
  }
  r.ok = true;
  return r;
}

bool is_partial_name(const std::string& file_name) {
  return file_name.rfind(".orvane-part-", 0) == 0;
}

void move_into_place(const fs::path& from, const fs::path& to) {
  std::error_code ec;
  fs::rename(from, to, ec);
  if (!ec) return;
  // Another file system: copy beside the target under a temporary name, then rename.
  static std::mt19937_64 rng{std::random_device{}()};
  fs::path partial =
      to.parent_path() / (".orvane-part-" + std::to_string(::getpid()) + "-" +
                          std::to_string(rng() % 1000000000ULL) + "-" + to.filename().string());
  fs::copy_file(from, partial, fs::copy_options::overwrite_existing, ec);
  if (!ec) fs::rename(partial, to, ec);
  if (ec) {
    std::error_code ignored;
    fs::remove(partial, ignored);
    throw std::runtime_error("cannot write " + to.string() + ": " + ec.message());
  }
  fs::remove(from, ec);
}

}  // namespace orvane::cli
