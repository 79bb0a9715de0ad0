// Opening a .docx or an .odt package and running find, replace-all and table insertion
// on it, then saving and opening the result again. The input is the main part's XML
// (document.xml / content.xml) put into an otherwise well-formed package, so the
// mutations reach the text model rather than dying in the zip checksum; a few inputs are
// taken as a whole package instead, for the zip reader.
//
// Layout: one mode byte (bit 0: .odt, bits 1-2 both set: raw package), the text to find,
// 0x01, its replacement, 0x01, the XML. A document that opened and was edited must save
// to a package that opens again: anything else is a finding, like a crash.
#include <unistd.h>
#include <zip.h>

#include <cstdio>
#include <string>
#include <vector>

#include "fuzz/fuzz_common.h"
#include "platform/office/docx/document.h"
#include "platform/office/odt/document.h"

namespace {

using namespace orvane;

void zip_parts(const std::string& path,
               const std::vector<std::pair<std::string, std::string>>& parts) {
  int err = 0;
  zip_t* z = zip_open(path.c_str(), ZIP_CREATE | ZIP_TRUNCATE, &err);
  if (!z) __builtin_trap();
  for (auto& [name, data] : parts) {
    zip_source_t* s = zip_source_buffer(z, data.data(), data.size(), 0);
    zip_int64_t i = zip_file_add(z, name.c_str(), s, ZIP_FL_ENC_UTF_8);
    if (name == "mimetype") zip_set_file_compression(z, i, ZIP_CM_STORE, 0);
  }
  if (zip_close(z) != 0) __builtin_trap();
}

void write_docx(const std::string& path, const std::string& document_xml) {
  zip_parts(path,
            {{"[Content_Types].xml",
              "<?xml version=\"1.0\" encoding=\"UTF-8\"?><Types "
              "xmlns=\"http://schemas.openxmlformats.org/package/2006/content-types\">"
              "<Default Extension=\"rels\" "
              "ContentType=\"application/vnd.openxmlformats-package.relationships+xml\"/>"
              "<Default Extension=\"xml\" ContentType=\"application/xml\"/>"
              "<Override PartName=\"/word/document.xml\" ContentType=\"application/"
              "vnd.openxmlformats-officedocument.wordprocessingml.document.main+xml\"/></Types>"},
             {"_rels/.rels",
              "<?xml version=\"1.0\" encoding=\"UTF-8\"?><Relationships "
              "xmlns=\"http://schemas.openxmlformats.org/package/2006/relationships\">"
              "<Relationship Id=\"rId1\" "
              "Type=\"http://schemas.openxmlformats.org/officeDocument/2006/relationships/"
              "officeDocument\" Target=\"word/document.xml\"/></Relationships>"},
             {"word/document.xml", document_xml},
             {"word/_rels/document.xml.rels",
              "<?xml version=\"1.0\" encoding=\"UTF-8\"?><Relationships "
              "xmlns=\"http://schemas.openxmlformats.org/package/2006/relationships\">"
              "</Relationships>"}});
}

void write_odt(const std::string& path, const std::string& content_xml) {
  zip_parts(path, {{"mimetype", "application/vnd.oasis.opendocument.text"},
                   {"content.xml", content_xml},
                   {"META-INF/manifest.xml",
                    "<?xml version=\"1.0\" encoding=\"UTF-8\"?><manifest:manifest "
                    "xmlns:manifest=\"urn:oasis:names:tc:opendocument:xmlns:manifest:1.0\" "
                    "manifest:version=\"1.3\"><manifest:file-entry manifest:full-path=\"/\" "
                    "manifest:media-type=\"application/vnd.oasis.opendocument.text\"/>"
                    "<manifest:file-entry manifest:full-path=\"content.xml\" "
                    "manifest:media-type=\"text/xml\"/></manifest:manifest>"}});
}

// Small caps keep a zip bomb from being a memory finding of the harness itself.
office::PackageLimits limits() {
  office::PackageLimits l;
  l.max_part_size = size_t{8} << 20;
  l.max_total_size = size_t{32} << 20;
  return l;
}

template <class Doc>
void edit(const std::string& in, const std::string& out, const Text& what, const Text& with,
          uint8_t mode) {
  std::unique_ptr<Doc> doc;
  fuzz::run([&] { doc = Doc::open(in, limits()); });
  if (!doc) return;  // refused with a documented error
  bool saved = false;
  fuzz::run([&] {
    office::Story& body = doc->body();
    office::SearchOptions o;
    o.what = what;
    o.match_case = mode & 8;
    o.whole_word = mode & 16;
    std::vector<office::Hit> hits;
    if (!what.empty()) hits = body.find_all(o);
    if (!hits.empty()) {
      // A table in place of the first match, of 1-3 rows and columns.
      const office::Hit h = hits.front();
      doc->insert_table(body.para(h.para), h.start, h.end, 1 + (mode >> 5) % 3,
                        1 + (mode >> 6) % 3);
    }
    if (!what.empty()) doc->replace_all(o, with);
    for (size_t i = 0; i < body.count(); ++i) (void)body.text(i);
    doc->save(out);
    saved = true;
  });
  if (!saved) return;
  // What was saved must open again.
  try {
    auto again = Doc::open(out, limits());
    for (size_t i = 0; i < again->body().count(); ++i) (void)again->body().text(i);
  } catch (const VbError& e) {
    fprintf(stderr, "saved document does not open: %s\n", to_utf8(e.description()).c_str());
    __builtin_trap();
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static const std::string dir = [] {
    char tmpl[] = "/tmp/orvane-fuzz-office-XXXXXX";
    return std::string(mkdtemp(tmpl)) + "/";
  }();
  if (size == 0) return 0;
  const uint8_t mode = data[0];
  std::string rest(reinterpret_cast<const char*>(data) + 1, size - 1);
  const bool odt = mode & 1;
  const std::string in = dir + (odt ? "in.odt" : "in.docx");
  const std::string out = dir + (odt ? "out.odt" : "out.docx");
  std::string what_bytes, with_bytes, xml = rest;
  size_t a = rest.find('\x01');
  if (a != std::string::npos) {
    size_t b = rest.find('\x01', a + 1);
    if (b != std::string::npos) {
      what_bytes = rest.substr(0, a);
      with_bytes = rest.substr(a + 1, b - a - 1);
      xml = rest.substr(b + 1);
    }
  }
  if ((mode & 6) == 6) {
    FILE* f = fopen(in.c_str(), "wb");
    fwrite(xml.data(), 1, xml.size(), f);
    fclose(f);
  } else if (odt) {
    write_odt(in, xml);
  } else {
    write_docx(in, xml);
  }
  const Text what = from_utf8(what_bytes), with = from_utf8(with_bytes);
  if (odt)
    edit<office::odt::Document>(in, out, what, with, mode);
  else
    edit<office::docx::Document>(in, out, what, with, mode);
  std::remove(in.c_str());
  std::remove(out.c_str());
  return 0;
}
