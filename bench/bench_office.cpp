// The office layer's speed goals:
//  - 1 000 distinct placeholders replaced (find with replace-all, one per placeholder, as
//    the Word and Writer table passes do) in a 20-page document, then saved: < 50 ms;
//  - a 2-page PDF on the warm in-process converter: at most a fifth of a cold
//    `soffice --headless --convert-to pdf` of the same file;
//  - what comments cost: looking for them in the document each conversion is handed
//    (the 20-page one), and taking one out of the copy an export converts;
//  - what a failure of the in-process converter costs the conversions after it (they
//    run in a child soffice): measured last, as it ends in-process conversion.
#include <benchmark/benchmark.h>
#include <unistd.h>
#include <zip.h>

#include <filesystem>
#include <string>
#include <vector>

#include "platform/office/comments.h"
#include "platform/office/convert.h"
#include "platform/office/word/word.h"
#include "platform/office/writer/writer.h"

namespace {

using namespace orvane;
using namespace orvane::office;

std::string work_dir() {
  static std::string dir = [] {
    char tmpl[] = "/tmp/orvane-bench-office-XXXXXX";
    return std::string(mkdtemp(tmpl));
  }();
  return dir;
}

void zip_parts(const std::string& path,
               const std::vector<std::pair<std::string, std::string>>& parts) {
  int err = 0;
  zip_t* z = zip_open(path.c_str(), ZIP_CREATE | ZIP_TRUNCATE, &err);
  for (auto& [name, data] : parts) {
    zip_source_t* s = zip_source_buffer(z, data.data(), data.size(), 0);
    zip_int64_t i = zip_file_add(z, name.c_str(), s, ZIP_FL_ENC_UTF_8);
    if (name == "mimetype") zip_set_file_compression(z, i, ZIP_CM_STORE, 0);
  }
  zip_close(z);
}

std::string placeholder(int i) { return "Cli.Campo" + std::to_string(1000 + i); }

const char* kFiller =
    "Pelo presente instrumento particular as partes acima qualificadas ajustam entre si a "
    "prestação dos serviços de monitoramento descritos nas cláusulas seguintes, ";

// About 20 pages: 800 paragraphs of running text, placeholders spread through them, a
// fifth of them split across runs the way editors leave them; `first` leads the body.
std::string make_docx(int paragraphs, int placeholders, const std::string& first = "") {
  std::string body = first;
  for (int p = 0; p < paragraphs; ++p) {
    body += "<w:p><w:r><w:t xml:space=\"preserve\">";
    body += kFiller;
    body += "</w:t></w:r>";
    for (int k = p; k < placeholders; k += paragraphs) {
      std::string ph = placeholder(k);
      if (k % 5 == 0)
        body += "<w:r><w:t xml:space=\"preserve\"> " + ph.substr(0, 4) +
                "</w:t></w:r><w:proofErr w:type=\"spellStart\"/><w:r><w:rPr><w:b/></w:rPr><w:t>" +
                ph.substr(4) + "</w:t></w:r><w:proofErr w:type=\"spellEnd\"/>";
      else
        body += "<w:r><w:t xml:space=\"preserve\"> " + ph + "</w:t></w:r>";
    }
    body += "</w:p>";
  }
  std::string path = work_dir() + "/vinte.docx";
  zip_parts(path,
            {{"[Content_Types].xml",
              "<?xml version=\"1.0\" encoding=\"UTF-8\"?><Types "
              "xmlns=\"http://schemas.openxmlformats.org/"
              "package/2006/content-types\"><Default Extension=\"rels\" ContentType=\"application/"
              "vnd.openxmlformats-package.relationships+xml\"/><Default Extension=\"xml\" "
              "ContentType=\"application/xml\"/><Override PartName=\"/word/document.xml\" "
              "ContentType=\"application/"
              "vnd.openxmlformats-officedocument.wordprocessingml.document.main+xml\"/>"
              "</Types>"},
             {"_rels/.rels",
              "<?xml version=\"1.0\" encoding=\"UTF-8\"?><Relationships "
              "xmlns=\"http://schemas.openxmlformats.org/"
              "package/2006/relationships\"><Relationship Id=\"rId1\" "
              "Type=\"http://schemas.openxmlformats.org/"
              "officeDocument/2006/relationships/officeDocument\" "
              "Target=\"word/document.xml\"/></Relationships>"},
             {"word/document.xml",
              "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?><w:document "
              "xmlns:w=\"http://schemas.openxmlformats.org/wordprocessingml/2006/main\"><w:body>" +
                  body + "<w:sectPr/></w:body></w:document>"}});
  return path;
}

std::string make_odt(int paragraphs, int placeholders) {
  std::string text;
  for (int p = 0; p < paragraphs; ++p) {
    text += "<text:p text:style-name=\"Standard\">";
    text += kFiller;
    for (int k = p; k < placeholders; k += paragraphs) {
      std::string ph = placeholder(k);
      if (k % 5 == 0)
        text += " " + ph.substr(0, 4) + "<text:span text:style-name=\"T1\">" + ph.substr(4) +
                "</text:span>";
      else
        text += " " + ph;
    }
    text += "</text:p>";
  }
  std::string path = work_dir() + "/vinte.odt";
  zip_parts(
      path,
      {{"mimetype", "application/vnd.oasis.opendocument.text"},
       {"content.xml",
        "<?xml version=\"1.0\" encoding=\"UTF-8\"?><office:document-content "
        "xmlns:office=\"urn:oasis:names:tc:opendocument:xmlns:office:1.0\" "
        "xmlns:text=\"urn:oasis:names:tc:opendocument:xmlns:text:1.0\" office:version=\"1.3\">"
        "<office:body><office:text>" +
            text + "</office:text></office:body></office:document-content>"}});
  return path;
}

constexpr int kParagraphs = 800, kPlaceholders = 1000;

void BM_WordTablePass1000(benchmark::State& state) {
  std::string src = make_docx(kParagraphs, kPlaceholders), out = work_dir() + "/saida.docx";
  auto ctx = default_context();
  for (auto _ : state) {
    auto word = word::Application::create(ctx);
    word->Documents().Open(from_utf8(src));
    auto& find = word->Selection().Find();
    int replaced = 0;
    for (int i = 0; i < kPlaceholders; ++i) {
      find.ClearFormatting();
      find.Replacement().ClearFormatting();
      find.Text(from_utf8(placeholder(i)));
      find.Replacement().Text(u"Valor substituído " + from_utf8(std::to_string(i)));
      find.Forward(true);
      find.Wrap(word::wdFindContinue);
      find.MatchCase(false);
      find.MatchWholeWord(true);
      replaced += find.Execute(word::wdReplaceAll);
    }
    word->ActiveDocument().SaveAs(from_utf8(out));
    word->Quit();
    if (replaced != kPlaceholders) state.SkipWithError("not every placeholder was replaced");
  }
  state.counters["bytes"] = static_cast<double>(std::filesystem::file_size(out));
}
BENCHMARK(BM_WordTablePass1000)->Unit(benchmark::kMillisecond);

void BM_WriterTablePass1000(benchmark::State& state) {
  std::string src = make_odt(kParagraphs, kPlaceholders), out = work_dir() + "/saida.odt";
  auto ctx = default_context();
  for (auto _ : state) {
    auto sm = writer::ServiceManager::create(ctx);
    auto doc =
        sm->desktop()->loadComponentFromURL(from_utf8(file_url(src)), u"_blank", 0, Variant());
    auto rd = doc->createReplaceDescriptor();
    int replaced = 0;
    for (int i = 0; i < kPlaceholders; ++i) {
      rd->setSearchString(from_utf8(placeholder(i)));
      rd->setReplaceString(u"Valor substituído " + from_utf8(std::to_string(i)));
      replaced += doc->replaceAll(*rd);
    }
    doc->storeToURL(from_utf8(file_url(out)), Variant());
    doc->close(false);
    if (replaced != kPlaceholders) state.SkipWithError("not every placeholder was replaced");
  }
}
BENCHMARK(BM_WriterTablePass1000)->Unit(benchmark::kMillisecond);

std::string two_pages() {
  static std::string path = [] {
    std::string p = make_docx(60, 0);
    std::string two = work_dir() + "/duas.docx";
    std::filesystem::rename(p, two);
    return two;
  }();
  return path;
}

void BM_PdfWarmConverter(benchmark::State& state) {
  std::string src = two_pages(), out = work_dir() + "/duas.pdf";
  convert_document(src, out, Format::Pdf);  // starts the converter outside the timing
  for (auto _ : state) convert_document(src, out, Format::Pdf);
  state.counters["in_process"] = in_process_converter_running() ? 1 : 0;
}
BENCHMARK(BM_PdfWarmConverter)->Unit(benchmark::kMillisecond)->Iterations(10);

void BM_PdfColdSoffice(benchmark::State& state) {
  std::string src = two_pages(), out = work_dir() + "/duas-soffice.pdf";
  for (auto _ : state) convert_with_soffice(src, out, Format::Pdf);
}
BENCHMARK(BM_PdfColdSoffice)->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_LookForComments20Pages(benchmark::State& state) {
  std::string src = make_docx(kParagraphs, kPlaceholders);
  for (auto _ : state)
    if (has_comments(src)) state.SkipWithError("no comment was expected");
}
BENCHMARK(BM_LookForComments20Pages)->Unit(benchmark::kMillisecond);

void BM_RemoveAComment20Pages(benchmark::State& state) {
  std::string src = work_dir() + "/comentado.docx", copy = work_dir() + "/copia.docx";
  std::filesystem::rename(
      make_docx(kParagraphs, kPlaceholders,
                "<w:p><w:commentRangeStart w:id=\"0\"/><w:r><w:t>Cláusula</w:t></w:r>"
                "<w:commentRangeEnd w:id=\"0\"/><w:r><w:commentReference w:id=\"0\"/></w:r>"
                "</w:p>"),
      src);
  for (auto _ : state) {
    state.PauseTiming();
    std::filesystem::copy_file(src, copy, std::filesystem::copy_options::overwrite_existing);
    state.ResumeTiming();
    if (!remove_comments(copy)) state.SkipWithError("the comment was not found");
  }
}
BENCHMARK(BM_RemoveAComment20Pages)->Unit(benchmark::kMillisecond);

void BM_PdfAfterAFailure(benchmark::State& state) {
  std::string src = two_pages(), out = work_dir() + "/duas-depois.pdf";
  testing_hooks::fail_next_in_process_conversion();
  convert_document(src, out, Format::Pdf);  // the failed one, retried in a child
  for (auto _ : state) convert_document(src, out, Format::Pdf);
  state.counters["in_process"] = in_process_converter_running() ? 1 : 0;
}
BENCHMARK(BM_PdfAfterAFailure)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace

BENCHMARK_MAIN();
