// The kinds of document the command produces in bulk (`orvane gera`, `orvane demo`), as data:
// which GeraDocsOrvane member makes each, which table holds its keys, how a key and a
// template reach the member's parameters, and the member's own options.
//
// A document is made exactly as a host makes it: a GeraDocsOrvane created through the class
// registry and its member called late-bound by name with named arguments. Nothing here
// includes a generator's header, so a kind whose member is not in this build is known, listed
// and reported as not available, and works as soon as the member is registered.
#pragma once

#include <cstdint>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "core/context.h"
#include "core/text.h"
#include "core/variant.h"

namespace orvane::cli {

enum class Route { Word, Writer };
const char* route_name(Route r);

// `--flag VALUE` (a switch takes no value) passed as the member's named argument `param`.
// A Folder option the caller leaves out is the template's folder.
struct MemberOption {
  enum class Type { Switch, Integer, Text, Date, Folder };
  std::string flag;
  std::u16string param;
  Type type;
  std::string help;
};

struct DocumentKind {
  std::string name;                  // the name on the command line: "trip", "budget"
  std::vector<std::string> aliases;  // Portuguese names: "deslocamento", "orcamento"
  std::string title;                 // "trip sheet", for messages
  std::u16string member;             // the member a host calls; it hands Writer templates over
  std::u16string writer_member;      // its Writer twin; empty when one member serves both
  // Standard template names that only the Writer twin knows (given without a folder).
  std::vector<std::u16string> writer_templates;
  std::string table;                       // where --where selects the keys
  std::vector<std::string> key_columns;    // one per key part ("1042/1" has two)
  std::vector<std::u16string> key_params;  // the member's parameters for those parts
  std::u16string template_param;           // in/out: template on entry, result on return
  // The member names its output after the key (contract, amendment); the others name it
  // after the template, so a batch adds the key to keep documents apart.
  bool names_its_files = false;
  std::vector<MemberOption> options;
};

const std::vector<DocumentKind>& document_kinds();
// By name or alias, case-insensitively; null when unknown.
const DocumentKind* find_kind(std::string_view name);
// "trip (deslocamento), os (ordem, ordem-servico), ..." for usage messages.
std::string kind_names();

// Whether this build's GeraDocsOrvane has the member.
bool member_available(std::u16string_view member);
// The member a template goes to: the Writer twin for "odt" templates and the twin's own
// standard names, else the host's usual member. `forced` overrides.
std::u16string member_for(const DocumentKind& kind, const std::string& template_path,
                          std::optional<Route> forced = std::nullopt);
// Word, or Writer for templates ending in "odt" and Writer-only standard names.
Route route_of(const DocumentKind& kind, const std::string& template_path);

// A document's key: one number per key column, written "501" or "1042/1".
struct DocumentKey {
  std::vector<int32_t> parts;
  std::string text() const;       // "1042/1"
  std::string file_text() const;  // "1042-1", for file names
  bool operator==(const DocumentKey&) const = default;
};
// nullopt when `text` is not that many whole numbers separated by "/".
std::optional<DocumentKey> parse_key(const DocumentKind& kind, std::string_view text);

// One call of a generator member.
struct GenerationRequest {
  const DocumentKind* kind = nullptr;
  std::u16string member;
  DocumentKey key;
  int32_t unit = 0;
  int32_t company = 1;
  std::string template_path;
  std::vector<std::pair<std::u16string, Variant>> options;  // further named arguments
};

struct GenerationResult {
  bool ok = false;
  std::string produced;  // the member's result: the produced file
  std::string message;   // why not, in the member's words when it said any
};

// `options` with the kind's Folder options that are not among them set to the template's
// folder (where a standard template name is looked for).
std::vector<std::pair<std::u16string, Variant>> with_folder_defaults(
    const DocumentKind& kind, const std::string& template_path,
    std::vector<std::pair<std::u16string, Variant>> options);

// Collects what the generators show while they run; questions are answered No.
class CollectingSink : public ui::MessageSink {
 public:
  int show(const ui::Message& m) override;
  std::vector<ui::Message> take() { return std::exchange(messages_, {}); }

 private:
  std::vector<ui::Message> messages_;
};

// Calls the member on a GeraDocsOrvane created through the registry with `ctx`, whose
// sink must be `sink` (the member's messages become the failure message). Never throws:
// a member that is missing, raises, returns "" or names a file that is not there is a
// failure with its reason.
GenerationResult generate(const GenerationRequest& request, const Variant& connection,
                          const ContextPtr& ctx, CollectingSink& sink);

// Moves `from` to `to` so that `to` is never partial: a rename, or across file systems a copy
// to a hidden temporary name beside `to`, renamed into place. An existing `to` is replaced.
// Throws std::runtime_error naming the target.
void move_into_place(const std::filesystem::path& from, const std::filesystem::path& to);

// The temporary name move_into_place() uses beside `to` (sweepers recognise it).
bool is_partial_name(const std::string& file_name);

}  // namespace orvane::cli
