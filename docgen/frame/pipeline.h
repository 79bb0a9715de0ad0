// The generation pipeline every generator follows, and the one function that runs it.
//
//   1 functions (typed calls)  5 working copy            9 output file (PDF, ".doc", ".odt")
//   2 unit document folder     6 data pass (per document) 10 print, preview or close
//   3 suite choice, hand-over  7 open the working copy    11 result: the produced file's path
//   4 suite check              8 substitution (per suite) 12 error handler
//
// A document is declared once (GeneratorDeclaration: member names, hand-over rule,
// messages, failure behaviour) and implemented as a Generator: its data pass, read once
// and shared by both suites, and one application per suite; the rest of the steps are the
// defaults here unless the document's rules replace them (working copy, keep-Word flag,
// output name). run() walks the steps in order, so printing, preview, saving, the error
// handler and the messages are written once for every document.
#pragma once

#include <cstdint>
#include <vector>

#include "core/context.h"
#include "core/error.h"
#include "core/object.h"
#include "core/text.h"
#include "core/variant.h"
#include "docgen/frame/lists.h"
#include "docgen/frame/placeholder_table.h"
#include "docgen/frame/tables.h"
#include "platform/db/db.h"

namespace orvane::docgen {

enum class Route { Word, Writer };

// A placeholder typed whole by Word's long-text pass before the table pass cuts values.
struct LongText {
  Text placeholder;
  Variant value;
  bool upper_case = false;  // the found text compared in upper case
};

// A placeholder that Word replaces by a picture file: the placeholder is removed, and the
// picture put in its place when `file` names one.
struct PicturePlaceholder {
  Text placeholder;
  Text file;  // "" = only remove the placeholder
};

// What a data pass produces; each suite's application then puts it in the document.
struct DocumentData {
  explicit DocumentData(int32_t table_rows) : table(table_rows) {}
  PlaceholderTable table;
  std::vector<LongText> long_texts;
  std::vector<PicturePlaceholder> pictures;
  ListSet lists;
  std::vector<TableContent> tables;
  // The built table of `placeholder`, or nullptr.
  const TableContent* table_content(TextView placeholder) const;
};

// The common arguments and the state of one generator call.
struct Generation {
  Generation(ContextPtr ctx, Variant conn, int32_t unit, int32_t company, Text& layout,
             bool visualiza, int16_t copias, bool force_pdf = false);

  ContextPtr ctx;
  Variant conn;     // the host's connection
  int32_t unit;     // CodUnidade
  int32_t company;  // CodEmpresa
  Text& layout;     // the template path, rewritten with the working copy and the result
  bool visualiza;   // show instead of printing
  int16_t copias;   // copies to print
  bool force_pdf;   // ForçaPDF
  Route route = Route::Word;
  bool keep_word = false;  // the document's keep-Word flag, read at step 4

  ObjectPtr word;                                // Word route
  ObjectPtr service_manager, desktop, document;  // Writer route
  ObjectPtr replace_descriptor, text_cursor;
};

// How the Word member of a document passes the whole call to its Writer member.
using HandOverTest = bool (*)(TextView layout);
// "odt" as the last three characters (case-sensitive).
bool ends_in_odt(TextView layout);
// ".odt" as the last four characters.
bool ends_in_dot_odt(TextView layout);

struct GeneratorDeclaration {
  Text word_member;    // "GeraOS"
  Text writer_member;  // "GeraOSOpen"; "" when one member serves both suites
  HandOverTest hands_over = ends_in_odt;
  Text word_missing;  // step 4 messages (critical, "Orvane")
  Text writer_missing;
  // The trip sheet reads its data before it chooses and checks the suite.
  bool data_before_suite = false;
  // The Writer route also gets a text cursor (for table placeholders).
  bool writer_tables = false;
  // Step 12: the message for error 429 on the Writer route (the Word text for a document whose
  // one member serves both suites), and what stays open after a failure.
  bool writer_429_names_writer = true;
  bool failure_quits_word = true;
  bool failure_closes_writer = false;
  // Word's export, ".doc" save and printing with their shorter argument lists.
  bool short_word_arguments = false;
};

enum class OutputKind { Pdf, Doc, Odt };

class Generator {
 public:
  virtual ~Generator() = default;
  // Step 5: the working copy; `g.layout` names it afterwards. Default: a plain copy into the
  // temporary folder under the template's name.
  virtual void make_working_copy(Generation& g);
  // Step 4: the keep-Word flag (Word: a ".doc" instead of a PDF). Default: never.
  virtual bool keep_word(Generation& g);
  // Step 6: the data pass, shared by both suites.
  virtual DocumentData read(Generation& g) = 0;
  // Step 8 on each suite.
  virtual void apply_word(Generation& g, DocumentData& d) = 0;
  virtual void apply_writer(Generation& g, DocumentData& d) = 0;
  // After the substitution, before the file is written (a database write).
  virtual void after_fill(Generation& g);
  // Step 9: the produced file's path. Default: the working copy's name with the extension
  // changed (pdf_name, doc_name).
  virtual Text output_path(Generation& g, OutputKind kind);
  // Step 9 on Writer: the PDF (default), or the document itself (".odt").
  virtual OutputKind writer_output(Generation& g);
  // After the file is written (e.g. stored in the unit's file storage).
  virtual void after_save(Generation& g);
  // Step 10 on Writer with Visualiza: true leaves the document open instead of closing it
  // and opening the produced file.
  virtual bool preview_keeps_writer_open(Generation& g);
};

// The whole call on `route`: steps 2 to 12. Returns the produced file's path, or "" when
// the suite is missing or anything failed (reported in a message box).
Text run(const GeneratorDeclaration& decl, Generator& gen, Generation& g, Route route);
// The Word member: hands the call to the Writer route when the declaration says so.
Text run_word_member(const GeneratorDeclaration& decl, Generator& gen, Generation& g);
// The Writer member.
Text run_writer_member(const GeneratorDeclaration& decl, Generator& gen, Generation& g);

// ---- the steps, for the documents that replace a default ---------------------------------

// Step 2: the unit document folder (setting 76), created one level deep; errors ignored.
void create_unit_document_folder(Generation& g);
// The unit document folder as setting 76 names it, trimmed ("" when there is none).
Text unit_document_folder(const Generation& g);

// Step 3: "odt" as the last three characters (case-sensitive) is Writer, anything else Word.
Route choose_suite(TextView layout);

// Step 4: whether the route's suite can be driven; shows `missing_message` (critical,
// "Orvane") when it cannot.
bool check_suite(Generation& g, Route route, TextView missing_message);

// Step 5: a plain copy of the template into the temporary folder under `file_name`
// (default: the template's own name); `g.layout` then names the copy.
void copy_to_temporary_folder(Generation& g, TextView file_name = u"");
// Step 5 with the unit's storage switch (S3Ativo): when on, the template is fetched from the
// unit's file storage into the template's folder; otherwise the plain copy.
void working_copy_with_storage_switch(Generation& g);
// The unit's storage switch (S3Ativo of Unidades, Null as false).
bool storage_switch(const Generation& g);

// Opens a static read-only recordset (cursor 3, lock 1) on the call's connection.
db::RecordsetPtr open_recordset(const Generation& g, TextView sql);

// Step 7: the working copy opened in the route's suite.
void open_working_copy(Generation& g, Route route, bool writer_tables);

// Step 9 name rules. The PDF name: when the fourth character from the end is "." the last
// three characters become "pdf", otherwise the last four do. The ".doc" name: a name ending
// in "docx" loses its "x"-ending four characters for "doc", any other its last three.
Text pdf_name(TextView layout);
Text doc_name(TextView layout);
// The Writer members' PDF name: every ".odt", then every ".dll", replaced by ".pdf".
Text writer_pdf_name(TextView layout);
// The first free name in the "(n)" series: `stem` + extension when no file has it, else
// `stem` + "(1)" + extension, "(2)" ... (extension with its dot).
Text free_file_name(TextView stem, TextView extension);

// The messages the pipeline shows.
Text word_429_message();
Text writer_429_message();
Text generic_failure_message(const VbError& e);
Text word_printing_message();
Text writer_printing_message();

}  // namespace orvane::docgen
