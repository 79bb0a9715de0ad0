#include "docgen/pipeline.h"

#include <filesystem>

#include "component/registry.h"
#include "core/convert.h"
#include "funcs/aggregates.h"
#include "platform/os/files.h"

namespace orvane::docgen {
namespace {

constexpr int32_t kGWord = 1;
constexpr int32_t kGWriter = 3;
constexpr int kCritical = 16;
constexpr int kInformation = 64;
constexpr int32_t kWdExportFormatPDF = 17;
constexpr int32_t kWdFormatDocument = 0;

Variant invoke_named(const ObjectPtr& obj, TextView member, std::vector<Variant> args,
                     std::vector<Text> names) {
  if (!obj) throw VbError(err::kObjectNotSet);
  return obj->invoke(member, CallKind::Method, args, names);
}

Variant text(TextView t) { return Variant(Text(t)); }

// The empty property list the Writer calls get where the generator sets no option.
Variant no_properties() { return Variant(Array::of({}, 0)); }

Text separa(Generation& g, TextView path, bool file_name) {
  return CStr(fcall(g, u"SeparaArquivo", {text(path), Variant(file_name)}));
}

void print_word(Generation& g) {
  invoke_named(g.word, u"PrintOut",
               {text(u""), Variant(int32_t{0}), Variant(int32_t{0}), Variant(int32_t{g.copias}),
                text(u""), Variant(int32_t{0}), Variant(true), Variant(true), Variant(false),
                Variant(int32_t{0}), Variant(int32_t{0}), Variant(int32_t{0}), Variant(int32_t{0})},
               {u"FileName", u"Range", u"Item", u"Copies", u"Pages", u"PageType", u"Collate",
                u"Background", u"PrintToFile", u"PrintZoomColumn", u"PrintZoomRow",
                u"PrintZoomPaperWidth", u"PrintZoomPaperHeight"});
  g.ctx->show(word_printing_message(), kInformation, u"Orvane");
}

void close_and_quit_word(Generation& g) {
  resume_next([&] { call(as_object(get(g.word, u"ActiveWindow")), u"Close", {Variant(false)}); });
  resume_next([&] { call(g.word, u"Quit", {Variant(false)}); });
  g.word.reset();
}

}  // namespace

Generation::Generation(ContextPtr c, Variant cn, int32_t u, Text& l, bool v, int16_t cp)
    : ctx(c ? std::move(c) : default_context()),
      conn(std::move(cn)),
      unit(u),
      layout(l),
      visualiza(v),
      copias(cp) {}

const ObjectPtr& functions(Generation& g) {
  if (!g.funcs) g.funcs = component::create_object(u"FuncoesOrvane", g.ctx);
  return g.funcs;
}

Variant fcall(Generation& g, TextView member, std::vector<Variant>& args) {
  return functions(g)->invoke(member, CallKind::Method, args);
}
Variant fcall(Generation& g, TextView member, std::vector<Variant>&& args) {
  return fcall(g, member, args);
}

void create_unit_document_folder(Generation& g) {
  resume_next([&] {
    Variant folder = fcall(g, u"Dlookup",
                           {g.conn, text(u"Descreve"), text(u"DadosEntidades"),
                            Variant(u"CodEntidade=76 And Unidade=" + CStr(Variant(g.unit)))});
    Text path = vb::Trim(CStr(folder));  // Null fails here: no folder
    os::create_folder(path);
  });
}

Route choose_suite(TextView layout) {
  return vb::Right(layout, 3) == u"odt" ? Route::Writer : Route::Word;
}

bool check_suite(Generation& g, Route route, TextView missing_message) {
  const int32_t app = route == Route::Word ? kGWord : kGWriter;
  if (CBool(fcall(g, u"ValidaAppExport", {Variant(app)}))) return true;
  g.ctx->show(Text(missing_message), kCritical, u"Orvane");
  return false;
}

void make_working_copy(Generation& g, bool use_storage_switch) {
  const Text unit_filter = u"CodUnidade=" + CStr(Variant(g.unit));
  bool s3 = false;
  if (use_storage_switch) {
    s3 = CBool(funcs::NZ(
        fcall(g, u"Dlookup", {g.conn, text(u"S3Ativo"), text(u"Unidades"), Variant(unit_filter)}),
        Variant(false)));
  }
  const Text file_name = separa(g, g.layout, true);
  if (!s3) {
    const Text copy = CStr(fcall(g, u"RetornaPastaTemp", {})) + file_name;
    os::copy_file(g.layout, copy);  // FileCopy, never leaving a half-written copy
    g.layout = copy;
    return;
  }
  // The template comes from the unit's file storage, fetched into the template's folder.
  std::vector<Variant> args{g.conn,        Variant(g.unit),   Variant(file_name),
                            text(u""),     Variant(g.layout), Variant(separa(g, g.layout, false)),
                            Variant(false)};
  fcall(g, u"ManipulaArqsAbreArquivos", args);
  g.layout = CStr(args[4]);
}

db::RecordsetPtr open_recordset(Generation& g, TextView sql) {
  return db::open_recordset(g.conn, sql, db::CursorType::Static, db::LockType::ReadOnly);
}

void open_working_copy(Generation& g, Route route, bool with_table_tools) {
  if (route == Route::Word) {
    g.word = component::create_object(u"Word.Application", g.ctx);
    call(g.word, u"ChangeFileOpenDirectory", {Variant(separa(g, g.layout, false))});
    invoke_named(
        as_object(get(g.word, u"Documents")), u"Open",
        {Variant(separa(g, g.layout, true)), Variant(false), Variant(false), Variant(false),
         text(u""), text(u""), Variant(false), text(u""), text(u""), Variant(int32_t{0})},
        {u"FileName", u"ConfirmConversions", u"ReadOnly", u"AddToRecentFiles", u"PasswordDocument",
         u"PasswordTemplate", u"Revert", u"WritePasswordDocument", u"WritePasswordTemplate",
         u"Format"});
    return;
  }
  g.service_manager = component::create_object(u"com.sun.star.ServiceManager", g.ctx);
  g.desktop =
      as_object(call(g.service_manager, u"createInstance", {text(u"com.sun.star.frame.Desktop")}));
  Variant url = fcall(g, u"ConvertToUrl", {Variant(g.layout)});
  g.document = as_object(call(g.desktop, u"loadComponentFromURL",
                              {url, text(u"_blank"), Variant(int32_t{0}), no_properties()}));
  g.replace_descriptor = as_object(call(g.document, u"createReplaceDescriptor"));
  if (with_table_tools) {
    g.search_descriptor = as_object(call(g.document, u"createSearchDescriptor"));
    g.text_cursor = as_object(call(as_object(call(g.document, u"GetText")), u"createTextCursor"));
  }
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

double word_major_version(const Variant& version) { return Val(CStr(version)); }

WordOutput save_word_output(Generation& g, bool force_doc) {
  if (!force_doc && word_major_version(get(g.word, u"Version")) >= 12) {
    g.layout = pdf_name(g.layout);
    const bool exported = resume_next([&] {
      invoke_named(
          as_object(get(g.word, u"ActiveDocument")), u"ExportAsFixedFormat",
          {Variant(g.layout), Variant(kWdExportFormatPDF), Variant(g.visualiza),
           Variant(int32_t{0}), Variant(int32_t{0}), Variant(int32_t{1}), Variant(int32_t{1}),
           Variant(int32_t{0}), Variant(true), Variant(true), Variant(int32_t{0}), Variant(true),
           Variant(true), Variant(false)},
          {u"OutputFileName", u"ExportFormat", u"OpenAfterExport", u"OptimizeFor", u"Range",
           u"From", u"To", u"Item", u"IncludeDocProps", u"KeepIRM", u"CreateBookmarks",
           u"DocStructureTags", u"BitmapMissingFonts", u"UseISO19005_1"});
    });
    if (exported) return WordOutput::Pdf;
    // An export that fails is not reported: the document is kept as ".doc" instead.
  }
  g.layout = doc_name(g.layout);
  call(g.word, u"ChangeFileOpenDirectory", {Variant(separa(g, g.layout, false))});
  invoke_named(as_object(get(g.word, u"ActiveDocument")), u"SaveAs",
               {Variant(separa(g, g.layout, true)), Variant(kWdFormatDocument), Variant(false),
                text(u""), Variant(true), text(u""), Variant(false), Variant(false), Variant(false),
                Variant(false), Variant(false)},
               {u"FileName", u"FileFormat", u"LockComments", u"Password", u"AddToRecentFiles",
                u"WritePassword", u"ReadOnlyRecommended", u"EmbedTrueTypeFonts",
                u"SaveNativePictureFormat", u"SaveFormsData", u"SaveAsAOCELetter"});
  return WordOutput::Doc;
}

void store_writer_pdf(Generation& g) {
  g.layout = pdf_name(g.layout);
  Array properties({Array::Bound{0, 2}});
  properties.at(0) =
      fcall(g, u"MakePropertyValue", {text(u"FilterName"), text(u"writer_pdf_Export")});
  Variant url = fcall(g, u"ConvertToUrl", {Variant(g.layout)});
  call(g.document, u"storeToURL", {url, Variant(std::move(properties))});
}

void finish_word(Generation& g, WordOutput output) {
  if (output == WordOutput::Pdf) {
    // With Visualiza the export itself opened the PDF.
    if (!g.visualiza && g.copias > 0) print_word(g);
    close_and_quit_word(g);
    return;
  }
  if (!g.visualiza && g.copias != 0) {
    print_word(g);
    close_and_quit_word(g);
    return;
  }
  // Word stays open with the document in front of the user.
  let(as_object(get(g.word, u"ActiveWindow")), u"Visible", Variant(true));
  g.word.reset();
}

void finish_writer(Generation& g) {
  if (g.visualiza) {
    call(g.document, u"close", {Variant(false)});
    fcall(g, u"RunFile", {Variant(g.layout), text(u""), Variant(int32_t{1})});
    return;
  }
  if (g.copias > 0) {
    for (int i = 1; i <= g.copias; ++i) call(g.document, u"printPages", {no_properties()});
    g.ctx->show(writer_printing_message(), kInformation, u"Orvane");
  }
  call(g.document, u"close", {Variant(false)});
}

void report_failure(Generation& g, const VbError& e, TextView message_429) {
  if (e.number() == err::kCantCreateObject) {
    g.ctx->show(Text(message_429), kCritical, u"Orvane");
  } else {
    g.ctx->show(generic_failure_message(e), kCritical, u"Orvane");
  }
  if (g.word) close_and_quit_word(g);
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
