#include "platform/office/testdocs.h"

#include <zip.h>

#include <filesystem>
#include <stdexcept>
#include <vector>

#include "platform/office/process.h"
#include "testing/testing.h"

namespace orvane::office::testdocs {

namespace {

void zip_parts(const std::string& path,
               const std::vector<std::pair<std::string, std::string>>& parts) {
  int err = 0;
  zip_t* z = zip_open(path.c_str(), ZIP_CREATE | ZIP_TRUNCATE, &err);
  if (!z) throw std::runtime_error("zip_open");
  for (auto& [name, data] : parts) {
    zip_source_t* s = zip_source_buffer(z, data.data(), data.size(), 0);
    zip_int64_t i = zip_file_add(z, name.c_str(), s, ZIP_FL_ENC_UTF_8);
    if (name == "mimetype") zip_set_file_compression(z, i, ZIP_CM_STORE, 0);
  }
  if (zip_close(z) != 0) throw std::runtime_error("zip_close");
}

// One private LibreOffice profile per test program, removed at its end.
struct Profile {
  std::string dir;
  Profile() {
    char tmpl[] = "/tmp/orvane-test-lo-XXXXXX";
    dir = mkdtemp(tmpl);
  }
  ~Profile() {
    std::error_code ec;
    std::filesystem::remove_all(dir, ec);
  }
};

std::string profile_arg() {
  static Profile p;
  return "-env:UserInstallation=file://" + p.dir;
}

}  // namespace

void write_docx(const std::string& path, const std::string& body_xml,
                const std::vector<DocxPart>& parts, const std::string& section_xml) {
  std::string doc =
      "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\n"
      "<w:document xmlns:w=\"http://schemas.openxmlformats.org/wordprocessingml/2006/main\" "
      "xmlns:r=\"http://schemas.openxmlformats.org/officeDocument/2006/relationships\" "
      "xmlns:wp=\"http://schemas.openxmlformats.org/drawingml/2006/wordprocessingDrawing\" "
      "xmlns:a=\"http://schemas.openxmlformats.org/drawingml/2006/main\" "
      "xmlns:pic=\"http://schemas.openxmlformats.org/drawingml/2006/picture\" "
      "xmlns:wps=\"http://schemas.microsoft.com/office/word/2010/wordprocessingShape\" "
      "xmlns:mc=\"http://schemas.openxmlformats.org/markup-compatibility/2006\" "
      "xmlns:v=\"urn:schemas-microsoft-com:vml\" "
      "xmlns:w10=\"urn:schemas-microsoft-com:office:word\">"
      "<w:body>" +
      body_xml + "<w:sectPr>" + section_xml +
      "<w:pgSz w:w=\"11906\" w:h=\"16838\"/><w:pgMar w:top=\"1134\" w:right=\"1134\" "
      "w:bottom=\"1134\" w:left=\"1134\" w:header=\"567\" w:footer=\"567\" w:gutter=\"0\"/>"
      "</w:sectPr></w:body></w:document>";
  std::string types =
      "<?xml version=\"1.0\" encoding=\"UTF-8\"?><Types "
      "xmlns=\"http://schemas.openxmlformats.org/package/2006/content-types\"><Default "
      "Extension=\"rels\" "
      "ContentType=\"application/vnd.openxmlformats-package.relationships+xml\"/>"
      "<Default Extension=\"xml\" ContentType=\"application/xml\"/><Override "
      "PartName=\"/word/document.xml\" "
      "ContentType=\"application/"
      "vnd.openxmlformats-officedocument.wordprocessingml.document.main+xml\"/>";
  std::string rels =
      "<?xml version=\"1.0\" encoding=\"UTF-8\"?><Relationships "
      "xmlns=\"http://schemas.openxmlformats.org/package/2006/relationships\">";
  std::vector<std::pair<std::string, std::string>> files;
  for (const DocxPart& p : parts) {
    if (!p.name.empty()) {
      types += "<Override PartName=\"/" + p.name + "\" ContentType=\"" + p.content_type + "\"/>";
      files.push_back({p.name, p.xml});
    }
    std::string target = p.name.empty() ? p.xml : p.name.substr(p.name.find('/') + 1);
    rels += "<Relationship Id=\"" + p.id + "\" Type=\"" + p.relationship + "\" Target=\"" + target +
            "\"" + (p.name.empty() ? " TargetMode=\"External\"" : "") + "/>";
  }
  files.insert(files.begin(),
               {{"[Content_Types].xml", types + "</Types>"},
                {"_rels/.rels",
                 "<?xml version=\"1.0\" encoding=\"UTF-8\"?><Relationships "
                 "xmlns=\"http://schemas.openxmlformats.org/package/2006/relationships\">"
                 "<Relationship Id=\"rId1\" "
                 "Type=\"http://schemas.openxmlformats.org/officeDocument/2006/relationships/"
                 "officeDocument\" Target=\"word/document.xml\"/></Relationships>"},
                {"word/document.xml", doc},
                {"word/_rels/document.xml.rels", rels + "</Relationships>"}});
  zip_parts(path, files);
}

void write_odt(const std::string& path, const std::string& text_xml,
               const std::string& master_xml) {
  const std::string ns =
      "xmlns:office=\"urn:oasis:names:tc:opendocument:xmlns:office:1.0\" "
      "xmlns:style=\"urn:oasis:names:tc:opendocument:xmlns:style:1.0\" "
      "xmlns:text=\"urn:oasis:names:tc:opendocument:xmlns:text:1.0\" "
      "xmlns:table=\"urn:oasis:names:tc:opendocument:xmlns:table:1.0\" "
      "xmlns:fo=\"urn:oasis:names:tc:opendocument:xmlns:xsl-fo-compatible:1.0\" "
      "xmlns:dc=\"http://purl.org/dc/elements/1.1/\" "
      "xmlns:draw=\"urn:oasis:names:tc:opendocument:xmlns:drawing:1.0\" "
      "xmlns:xlink=\"http://www.w3.org/1999/xlink\" "
      "xmlns:svg=\"urn:oasis:names:tc:opendocument:xmlns:svg-compatible:1.0\" "
      "office:version=\"1.3\"";
  std::string content =
      "<?xml version=\"1.0\" encoding=\"UTF-8\"?><office:document-content " + ns +
      "><office:automatic-styles>"
      "<style:style style:name=\"T1\" style:family=\"text\"><style:text-properties "
      "fo:font-weight=\"bold\"/></style:style></office:automatic-styles>"
      "<office:body><office:text>" +
      text_xml + "</office:text></office:body></office:document-content>";
  std::vector<std::pair<std::string, std::string>> files = {
      {"mimetype", "application/vnd.oasis.opendocument.text"}, {"content.xml", content}};
  std::string manifest =
      "<?xml version=\"1.0\" encoding=\"UTF-8\"?><manifest:manifest "
      "xmlns:manifest=\"urn:oasis:names:tc:opendocument:xmlns:manifest:1.0\" "
      "manifest:version=\"1.3\">"
      "<manifest:file-entry manifest:full-path=\"/\" manifest:version=\"1.3\" "
      "manifest:media-type=\"application/vnd.oasis.opendocument.text\"/><manifest:file-entry "
      "manifest:full-path=\"content.xml\" manifest:media-type=\"text/xml\"/>";
  if (!master_xml.empty()) {
    files.push_back(
        {"styles.xml",
         "<?xml version=\"1.0\" encoding=\"UTF-8\"?><office:document-styles " + ns +
             "><office:automatic-styles><style:page-layout style:name=\"pm1\">"
             "<style:page-layout-properties fo:page-width=\"21cm\" fo:page-height=\"29.7cm\" "
             "fo:margin-top=\"2cm\" fo:margin-bottom=\"2cm\" fo:margin-left=\"2cm\" "
             "fo:margin-right=\"2cm\"/><style:header-style><style:header-footer-properties "
             "fo:min-height=\"0.5cm\"/></style:header-style><style:footer-style>"
             "<style:header-footer-properties fo:min-height=\"0.5cm\"/></style:footer-style>"
             "</style:page-layout></office:automatic-styles><office:master-styles>"
             "<style:master-page style:name=\"Standard\" style:page-layout-name=\"pm1\">" +
             master_xml + "</style:master-page></office:master-styles></office:document-styles>"});
    manifest +=
        "<manifest:file-entry manifest:full-path=\"styles.xml\" "
        "manifest:media-type=\"text/xml\"/>";
  }
  files.push_back({"META-INF/manifest.xml", manifest + "</manifest:manifest>"});
  zip_parts(path, files);
}

std::string soffice_convert(const std::string& source, const std::string& dir,
                            const std::string& format) {
  ProcessResult r = run_program({"soffice", profile_arg(), "--headless", "--norestore",
                                 "--convert-to", format, "--outdir", dir, source},
                                300);
  std::string out = dir + "/" + std::filesystem::path(source).stem().string() + "." +
                    format.substr(0, format.find(':'));
  if (r.status != 0 || !std::filesystem::exists(out)) return "";
  return out;
}

bool soffice_convert_all(const std::vector<std::string>& sources, const std::string& dir,
                         const std::string& format) {
  std::vector<std::string> argv = {"soffice",      profile_arg(), "--headless", "--norestore",
                                   "--convert-to", format,        "--outdir",   dir};
  argv.insert(argv.end(), sources.begin(), sources.end());
  return run_program(argv, 300).status == 0;
}

std::string pdf_text(const std::string& pdf) {
  ProcessResult r = run_program({"pdftotext", "-layout", pdf, "-"}, 60);
  return r.status == 0 ? r.output : "";
}

bool pdf_has_comment(const std::string& pdf, const std::string& text) {
  // LibreOffice writes an annotation's text as UTF-16 in hex, after a byte order mark.
  static const char* hex = "0123456789ABCDEF";
  std::string contents = "FEFF";
  for (char16_t c : from_utf8(text))
    for (int shift = 12; shift >= 0; shift -= 4) contents += hex[(c >> shift) & 15];
  std::string bytes = testing::read_file(pdf);
  return bytes.find("/Subtype /Text") != std::string::npos &&
         bytes.find(contents) != std::string::npos;
}

std::string document_text(const std::string& doc) {
  char tmpl[] = "/tmp/orvane-test-txt-XXXXXX";
  std::string dir = mkdtemp(tmpl);
  std::string out = soffice_convert(doc, dir, "txt:Text (encoded):UTF8");
  std::string text = out.empty() ? std::string("<conversion failed>") : testing::read_file(out);
  std::error_code ec;
  std::filesystem::remove_all(dir, ec);
  return text;
}

std::string png_bytes(int w, int h) {
  // An uncompressed-deflate PNG is still a valid header for the engine; LibreOffice
  // also draws it. Built by hand: signature, IHDR, one IDAT of stored blocks, IEND.
  auto be32 = [](uint32_t v) {
    std::string s(4, '\0');
    s[0] = char(v >> 24), s[1] = char(v >> 16), s[2] = char(v >> 8), s[3] = char(v);
    return s;
  };
  auto crc = [](const std::string& d) {
    uint32_t c = 0xFFFFFFFFu;
    for (unsigned char b : d) {
      c ^= b;
      for (int k = 0; k < 8; ++k) c = (c >> 1) ^ (0xEDB88320u & (0u - (c & 1u)));
    }
    return c ^ 0xFFFFFFFFu;
  };
  auto chunk = [&](const std::string& type, const std::string& data) {
    return be32(uint32_t(data.size())) + type + data + be32(crc(type + data));
  };
  std::string ihdr = be32(uint32_t(w)) + be32(uint32_t(h)) + std::string("\x08\x02\x00\x00\x00", 5);
  std::string raw;
  for (int y = 0; y < h; ++y) {
    raw += '\0';
    for (int x = 0; x < w; ++x) raw += std::string("\xC0\x20\x20", 3);
  }
  // zlib stream with stored blocks.
  std::string z = "\x78\x01";
  size_t at = 0;
  do {
    size_t n = std::min<size_t>(65535, raw.size() - at);
    bool last = at + n == raw.size();
    z += char(last ? 1 : 0);
    z += char(n & 0xFF), z += char(n >> 8), z += char(~n & 0xFF), z += char((~n >> 8) & 0xFF);
    z += raw.substr(at, n);
    at += n;
  } while (at < raw.size());
  uint32_t a = 1, b = 0;
  for (unsigned char ch : raw) a = (a + ch) % 65521, b = (b + a) % 65521;
  z += be32((b << 16) | a);
  return std::string("\x89PNG\r\n\x1a\n", 8) + chunk("IHDR", ihdr) + chunk("IDAT", z) +
         chunk("IEND", "");
}

}  // namespace orvane::office::testdocs
