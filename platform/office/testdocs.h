// Documents for the office tests: hand-made packages (with placeholders split the way
// real editors split them) and templates written by LibreOffice from readable sources.
#pragma once

#include <string>
#include <vector>

namespace orvane::office::testdocs {

// A part of a hand-made .docx besides the main one, related to it as `id`. A part
// without a name is an external target, whose URL `xml` holds (a hyperlink's).
struct DocxPart {
  std::string id, name, content_type, relationship, xml;
};

// A .docx whose body is `body_xml` (WordprocessingML inside <w:body>), with more parts
// and `section_xml` at the start of the body's section properties (header references).
// The main part declares the usual prefixes: w, r, wp, a, pic, wps, mc, v, w10.
void write_docx(const std::string& path, const std::string& body_xml,
                const std::vector<DocxPart>& parts = {}, const std::string& section_xml = "");
// A .odt whose <office:text> holds `text_xml`; `master_xml` goes into the standard
// master page (header and footer). Prefixes: office, style, text, table, fo, dc, draw,
// xlink, svg.
void write_odt(const std::string& path, const std::string& text_xml,
               const std::string& master_xml = "");
// Converts `source` (e.g. an .html or .fodt file) with soffice into `dir`, format
// "docx" or "odt"; returns the produced path ("" when LibreOffice failed).
std::string soffice_convert(const std::string& source, const std::string& dir,
                            const std::string& format);
// The same for several sources in one soffice run; false when it failed.
bool soffice_convert_all(const std::vector<std::string>& sources, const std::string& dir,
                         const std::string& format);
// Text of a PDF (pdftotext) or of any document LibreOffice reads (converted to txt).
std::string pdf_text(const std::string& pdf);
std::string document_text(const std::string& doc);
// True when the PDF carries a comment (a text annotation) that says `text`.
bool pdf_has_comment(const std::string& pdf, const std::string& text);
// A tiny valid PNG (w x h pixels).
std::string png_bytes(int w, int h);

}  // namespace orvane::office::testdocs
