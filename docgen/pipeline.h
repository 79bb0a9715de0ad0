// The generation pipeline every generator follows, one function per step. A generator
// keeps its call's state in a Generation and runs the steps in its own order:
//
//   1 functions object      5 working copy           9 output file (PDF or ".doc")
//   2 unit document folder  6 data (the generator's) 10 print, preview or close
//   3 suite choice          7 open the working copy  11 result: the produced file's path
//   4 suite check           8 substitution           12 error handler
//
// The suites and the functions object are reached late-bound, by member name, as the
// host platform offers them.
#pragma once

#include <cstdint>

#include "core/context.h"
#include "core/error.h"
#include "core/object.h"
#include "core/text.h"
#include "core/variant.h"
#include "platform/db/db.h"

namespace orvane::docgen {

enum class Route { Word, Writer };

// What a Word document ends as: exported to PDF, or saved as a Word 97 ".doc".
enum class WordOutput { Pdf, Doc };

struct Generation {
  Generation(ContextPtr ctx, Variant conn, int32_t unit, Text& layout, bool visualiza,
             int16_t copias);

  ContextPtr ctx;
  Variant conn;    // the host's connection
  int32_t unit;    // CodUnidade
  Text& layout;    // the template path, rewritten with the working copy and the result
  bool visualiza;  // show instead of printing
  int16_t copias;  // copies to print

  ObjectPtr funcs;  // step 1, made on first use

  // Word route.
  ObjectPtr word;
  // Writer route.
  ObjectPtr service_manager, desktop, document, replace_descriptor;
  ObjectPtr search_descriptor, text_cursor;  // for generators that insert tables
};

// Step 1: the FuncoesOrvane instance of the call, created on first use.
const ObjectPtr& functions(Generation& g);
// A member of the functions object, late-bound (by-reference arguments written back).
Variant fcall(Generation& g, TextView member, std::vector<Variant>& args);
Variant fcall(Generation& g, TextView member, std::vector<Variant>&& args);

// Step 2: the unit document folder (setting 76), created one level deep; errors ignored.
void create_unit_document_folder(Generation& g);

// Step 3: "odt" as the last three characters (case-sensitive) is Writer, anything else Word.
Route choose_suite(TextView layout);

// Step 4: whether the route's suite can be driven; shows `missing_message` (critical,
// "Orvane") when it cannot.
bool check_suite(Generation& g, Route route, TextView missing_message);

// Step 5: the working copy. With the unit's storage switch on (and `use_storage_switch`)
// the template is fetched from the unit's file storage into the template's folder;
// otherwise it is copied into the temporary folder. `layout` then names the copy.
void make_working_copy(Generation& g, bool use_storage_switch);

// Opens a static read-only recordset (cursor 3, lock 1) on the call's connection.
db::RecordsetPtr open_recordset(Generation& g, TextView sql);

// Step 7: the working copy opened in the route's suite. `with_table_tools` also makes the
// Writer search descriptor and text cursor that table placeholders need.
void open_working_copy(Generation& g, Route route, bool with_table_tools = false);

// Step 9 name rules. The PDF name: when the fourth character from the end is "." the last
// three characters become "pdf", otherwise the last four do. The ".doc" name: a name ending
// in "docx" loses its "x"-ending four characters for "doc", any other its last three.
Text pdf_name(TextView layout);
Text doc_name(TextView layout);
// The leading number of Word's version text ("16.0" -> 16).
double word_major_version(const Variant& version);

// Step 9, Word: PDF through ExportAsFixedFormat from version 12 on (`force_doc` false);
// below that, when `force_doc`, or when the export raises an error, a ".doc" saved beside.
WordOutput save_word_output(Generation& g, bool force_doc = false);
// Step 9, Writer: the PDF stored with the "writer_pdf_Export" filter.
void store_writer_pdf(Generation& g);

// Step 10.
void finish_word(Generation& g, WordOutput output);
void finish_writer(Generation& g);

// Step 12: the message for an error (429: `message_429`; any other: the generic text
// with its number and description), then Word closed and quit when it was started.
void report_failure(Generation& g, const VbError& e, TextView message_429);

// The messages the pipeline shows.
Text word_429_message();
Text writer_429_message();
Text generic_failure_message(const VbError& e);
Text word_printing_message();
Text writer_printing_message();

}  // namespace orvane::docgen
