// Documents for the office tests: hand-made packages (with placeholders split the way
// real editors split them) and templates written by LibreOffice from readable sources.
#pragma once

#include <string>

namespace orvane::office::testdocs {

// A .docx whose body is `body_xml` (WordprocessingML inside <w:body>).
void write_docx(const std::string& path, const std::string& body_xml);
// A .odt whose <office:text> holds `text_xml`.
void write_odt(const std::string& path, const std::string& text_xml);
// Converts `source` (e.g. an .html or .fodt file) with soffice into `dir`, format
// "docx" or "odt"; returns the produced path ("" when LibreOffice failed).
std::string soffice_convert(const std::string& source, const std::string& dir,
                            const std::string& format);
// Text of a PDF (pdftotext) or of any document LibreOffice reads (converted to txt).
std::string pdf_text(const std::string& pdf);
std::string document_text(const std::string& doc);
// A tiny valid PNG (w x h pixels).
std::string png_bytes(int w, int h);

}  // namespace orvane::office::testdocs
