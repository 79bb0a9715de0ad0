#include "docgen/frame/pipeline.h"

#include <filesystem>

#include "core/convert.h"
#include "docgen/frame/substitution.h"
#include "docgen/frame/word_suite.h"
#include "docgen/frame/writer_suite.h"
#include "funcs/aggregates.h"
#include "funcs/files.h"
#include "platform/os/files.h"

namespace orvane::docgen {
namespace {

constexpr int32_t kGWord = 1;
constexpr int32_t kGWriter = 3;
constexpr int kCritical = 16;
constexpr int kInformation = 64;
constexpr int32_t kNormalWindow = 1;

enum class WordOutput { Pdf, Doc };

// Step 9 on Word: the PDF export from version 12 on, unless the document is kept as Word;
// below that, with the flag, or when the export raises an error, a ".doc".
WordOutput save_word_output(Generation& g, Generator& gen, bool short_list) {
  if (!g.keep_word && word_suite::major_version(g.word) >= 12) {
    g.layout = gen.output_path(g, OutputKind::Pdf);
    const bool exported =
        resume_next([&] { word_suite::export_pdf(g.word, g.layout, g.visualiza, short_list); });
    if (exported) return WordOutput::Pdf;
    // An export that fails is not reported: the document is kept as ".doc" instead.
  }
  g.layout = gen.output_path(g, OutputKind::Doc);
  word_suite::save_doc(g.word, funcs::SeparaArquivo(g.layout, false),
                       funcs::SeparaArquivo(g.layout, true), short_list);
  return WordOutput::Doc;
}

void print_word(Generation& g, bool short_list) {
  word_suite::print(g.word, g.copias, short_list);
  g.ctx->show(word_printing_message(), kInformation, u"Orvane");
}

void quit_word(Generation& g) {
  word_suite::close_and_quit(g.word);
  g.word.reset();
}

// Step 10 on Word.
void finish_word(Generation& g, WordOutput output, bool short_list) {
  if (output == WordOutput::Pdf) {
    // With Visualiza the export itself opened the PDF.
    if (!g.visualiza && g.copias > 0) print_word(g, short_list);
    quit_word(g);
    return;
  }
  if (!g.visualiza && g.copias != 0) {
    print_word(g, short_list);
    quit_word(g);
    return;
  }
  // Word stays open with the document in front of the user.
  word_suite::show(g.word);
  g.word.reset();
}

// Steps 9 and 10 on Writer.
void finish_writer(Generation& g, Generator& gen) {
  const OutputKind kind = gen.writer_output(g);
  g.layout = gen.output_path(g, kind);
  writer_suite::store(g.ctx, g.document, Variant(funcs::ConvertToUrl(g.layout)),
                      kind == OutputKind::Odt ? u"writer8" : u"writer_pdf_Export");
  gen.after_save(g);
  if (g.visualiza) {
    if (gen.preview_keeps_writer_open(g)) return;
    writer_suite::close(g.document);
    Text folder;
    funcs::RunFile(*g.ctx, g.layout, folder, kNormalWindow);
    return;
  }
  if (g.copias > 0) {
    for (int i = 1; i <= g.copias; ++i) writer_suite::print_once(g.document);
    g.ctx->show(writer_printing_message(), kInformation, u"Orvane");
  }
  writer_suite::close(g.document);
}

void report_failure(const GeneratorDeclaration& decl, Generation& g, const VbError& e) {
  if (e.number() == err::kCantCreateObject) {
    const bool writer_text = g.route == Route::Writer && decl.writer_429_names_writer;
    g.ctx->show(writer_text ? writer_429_message() : word_429_message(), kCritical, u"Orvane");
  } else {
    g.ctx->show(generic_failure_message(e), kCritical, u"Orvane");
  }
  if (g.word && decl.failure_quits_word) quit_word(g);
  g.word.reset();  // otherwise Word keeps running
  if (g.document && decl.failure_closes_writer) {
    resume_next([&] { writer_suite::close(g.document); });
  }
}

}  // namespace

const TableContent* DocumentData::table_content(TextView placeholder) const {
  for (const TableContent& t : tables) {
    if (t.placeholder == placeholder) return &t;
  }
  return nullptr;
}

Generation::Generation(ContextPtr c, Variant cn, int32_t u, int32_t co, Text& l, bool v, int16_t cp,
                       bool f)
    : ctx(c ? std::move(c) : default_context()),
      conn(std::move(cn)),
      unit(u),
      company(co),
      layout(l),
      visualiza(v),
      copias(cp),
      force_pdf(f) {}

bool ends_in_odt(TextView layout) { return vb::Right(layout, 3) == u"odt"; }
bool ends_in_dot_odt(TextView layout) { return vb::Right(layout, 4) == u".odt"; }

// ---- the defaults of a document ----------------------------------------------------------

void Generator::make_working_copy(Generation& g) { copy_to_temporary_folder(g); }
bool Generator::keep_word(Generation&) { return false; }
void Generator::after_fill(Generation&) {}
Text Generator::output_path(Generation& g, OutputKind kind) {
  return kind == OutputKind::Doc ? doc_name(g.layout) : pdf_name(g.layout);
}
OutputKind Generator::writer_output(Generation&) { return OutputKind::Pdf; }
void Generator::after_save(Generation&) {}
bool Generator::preview_keeps_writer_open(Generation&) { return false; }

// ---- run -----------------------------------------------------------------------------------

Text run(const GeneratorDeclaration& decl, Generator& gen, Generation& g, Route route) {
  g.route = route;
  create_unit_document_folder(g);
  auto missing = [&](Route r) -> TextView {
    return r == Route::Word ? decl.word_missing : decl.writer_missing;
  };
  try {
    std::optional<DocumentData> data;
    if (decl.data_before_suite) {
      gen.make_working_copy(g);
      data.emplace(gen.read(g));
      g.route = choose_suite(g.layout);
      if (!check_suite(g, g.route, missing(g.route))) return Text();
      g.keep_word = gen.keep_word(g);
      open_working_copy(g, g.route, decl.writer_tables);
    } else {
      if (!check_suite(g, g.route, missing(g.route))) return Text();
      g.keep_word = gen.keep_word(g);
      gen.make_working_copy(g);
      open_working_copy(g, g.route, decl.writer_tables);
      data.emplace(gen.read(g));
    }

    if (g.route == Route::Word) {
      gen.apply_word(g, *data);
      gen.after_fill(g);
      const WordOutput output = save_word_output(g, gen, decl.short_word_arguments);
      gen.after_save(g);
      finish_word(g, output, decl.short_word_arguments);
    } else {
      gen.apply_writer(g, *data);
      gen.after_fill(g);
      finish_writer(g, gen);
    }
    return g.layout;
  } catch (...) {
    report_failure(decl, g, current_error());
    return Text();
  }
}

Text run_word_member(const GeneratorDeclaration& decl, Generator& gen, Generation& g) {
  if (decl.hands_over && decl.hands_over(g.layout)) return run(decl, gen, g, Route::Writer);
  return run(decl, gen, g, Route::Word);
}

Text run_writer_member(const GeneratorDeclaration& decl, Generator& gen, Generation& g) {
  return run(decl, gen, g, Route::Writer);
}

// ---- steps -----------------------------------------------------------------------------------

Text unit_document_folder(const Generation& g) {
  Variant folder = funcs::Dlookup(g.conn, u"Descreve", u"DadosEntidades",
                                  u"CodEntidade=76 And Unidade=" + CStr(Variant(g.unit)));
  return folder.is_null() ? Text() : vb::Trim(CStr(folder));
}

void create_unit_document_folder(Generation& g) {
  resume_next([&] {
    Variant folder = funcs::Dlookup(g.conn, u"Descreve", u"DadosEntidades",
                                    u"CodEntidade=76 And Unidade=" + CStr(Variant(g.unit)));
    Text path = vb::Trim(CStr(folder));  // Null fails here: no folder
    os::create_folder(path);
  });
}

Route choose_suite(TextView layout) { return ends_in_odt(layout) ? Route::Writer : Route::Word; }

bool check_suite(Generation& g, Route route, TextView missing_message) {
  if (funcs::ValidaAppExport(g.ctx, route == Route::Word ? kGWord : kGWriter)) return true;
  g.ctx->show(Text(missing_message), kCritical, u"Orvane");
  return false;
}

bool storage_switch(const Generation& g) {
  return CBool(funcs::NZ(
      funcs::Dlookup(g.conn, u"S3Ativo", u"Unidades", u"CodUnidade=" + CStr(Variant(g.unit))),
      Variant(false)));
}

void copy_to_temporary_folder(Generation& g, TextView file_name) {
  const Text name = file_name.empty() ? funcs::SeparaArquivo(g.layout, true) : Text(file_name);
  const Text copy = funcs::RetornaPastaTemp() + name;
  os::copy_file(g.layout, copy);  // FileCopy, never leaving a half-written copy
  g.layout = copy;
}

void working_copy_with_storage_switch(Generation& g) {
  if (!storage_switch(g)) {
    copy_to_temporary_folder(g);
    return;
  }
  // The template comes from the unit's file storage, fetched into the template's folder.
  Text folder = funcs::SeparaArquivo(g.layout, false);
  Text fetched = g.layout;
  funcs::ManipulaArqsAbreArquivos(g.ctx, g.conn, g.unit, funcs::SeparaArquivo(g.layout, true), u"",
                                  fetched, folder, false);
  g.layout = fetched;
}

db::RecordsetPtr open_recordset(const Generation& g, TextView sql) {
  return db::open_recordset(g.conn, sql, db::CursorType::Static, db::LockType::ReadOnly);
}

void open_working_copy(Generation& g, Route route, bool writer_tables) {
  if (route == Route::Word) {
    g.word = word_suite::open(g.ctx, funcs::SeparaArquivo(g.layout, false),
                              funcs::SeparaArquivo(g.layout, true));
    return;
  }
  writer_suite::Loaded w = writer_suite::load(g.ctx, Variant(funcs::ConvertToUrl(g.layout)));
  g.service_manager = std::move(w.service_manager);
  g.desktop = std::move(w.desktop);
  g.document = std::move(w.document);
  g.replace_descriptor = writer_suite::create_replace_descriptor(g.document);
  if (writer_tables) g.text_cursor = writer_suite::create_text_cursor(g.document);
}

Text pdf_name(TextView layout) {
  const long n = vb::Len(layout);
  if (vb::Mid(layout, n - 3, 1) == u".") return vb::Left(layout, n - 3) + u"pdf";
  return vb::Left(layout, n - 4) + u"pdf";
}

Text doc_name(TextView layout) {
  const long n = vb::Len(layout);
  if (vb::Right(layout, 4) == u"docx") return vb::Left(layout, n - 4) + u"doc";
  return vb::Left(layout, n - 3) + u"doc";
}

Text writer_pdf_name(TextView layout) {
  return vb::Replace(vb::Replace(layout, u".odt", u".pdf"), u".dll", u".pdf");
}

Text free_file_name(TextView stem, TextView extension) {
  auto exists = [](const Text& path) { return std::filesystem::exists(to_utf8(path)); };
  Text name = Text(stem) + Text(extension);
  for (int32_t n = 1; exists(name); ++n) {
    name = Text(stem) + u"(" + CStr(Variant(n)) + u")" + Text(extension);
  }
  return name;
}

Text word_429_message() {
  return T(
      "Ocorreu um erro ao abrir o arquivo no Microsoft Word, verifique se o arquivo é "
      "compatível ou instale o aplicativo!");
}

Text writer_429_message() {
  return T(
      "Ocorreu erro ao abrir o arquivo no Open/Libre Office, verifique se o arquivo é "
      "compatível ou instale o aplicativo!");
}

Text generic_failure_message(const VbError& e) {
  const Text cr(1, u'\r');
  return T("Ocorreu um erro ao processar o arquivo:") + cr + cr + CStr(Variant(e.number())) +
         u" - " + e.description() + cr + cr +
         T("Verifique se o arquivo já não está aberto em outra janela, encerre todos e tente "
           "novamente!");
}

Text word_printing_message() {
  return T(
      "O Word está imprimindo o documento! Certifique-se que a impressão acabou e clique em OK!");
}

Text writer_printing_message() {
  return T("O documento está sendo impresso! Aguarde o fim da impressão e clique em ok!");
}

}  // namespace orvane::docgen
