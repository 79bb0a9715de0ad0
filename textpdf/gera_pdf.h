// GeraPDF: converts a plain text file into a PDF 1.2 file that it writes itself, line by
// line, without a PDF library: one base-14 Type 1 font under WinAnsiEncoding, fixed
// margins, wrapping at punctuation, page breaks by line count or form feed, and the page
// number centred at the foot of every page.
//
// Objects: 1 document information, 2 catalog, 3 page tree, 4 font, 5 encoding,
// 6 resources; page p uses 3p + 4 (page), 3p + 5 (content stream) and 3p + 6 (the
// stream's length). The object table holds 5000 objects, so at most 1664 pages.
//
// The input is read line by line and the output appended in pieces of about 32 000
// bytes: memory stays bounded by that buffer and the longest input line.
#pragma once

#include <cstdint>

#include "component/member_table.h"
#include "core/context.h"
#include "core/numbers.h"

namespace orvane::textpdf {

// Page geometry of one conversion, from the font and page size of the call.
struct PdfLayout {
  int32_t page_width = 0, page_height = 0;  // points
  Text font_name;
  Currency font_size, leading;
  int16_t rotation = 0;
  int32_t lines_per_page = 0;
  int32_t chars_per_line = 0;
  double number_x = 0;  // the page number: centred, 25 points above the bottom
  int32_t number_y = 25;
};

// Sizes round half to even. VbError 11 for a font size of 0, 6 when a size overflows,
// 5 when not even one character fits on a line.
PdfLayout setup_layout(TextView font_name, int16_t font_size, int16_t rotation, float pwidth,
                       float pheight);

class GeraPDF : public component::DispatchObject {
 public:
  explicit GeraPDF(ContextPtr ctx = nullptr);
  const component::MemberTable& members() const override { return table(); }
  static const component::MemberTable& table();

  // Writes `outputfile` (replacing an existing one) from the text file `filename`.
  // A missing or empty input is reported in a message box ("Arquivo '...' não existe.",
  // OK only, no title) and nothing is touched. Errors reach the caller: VbError 9 when
  // the text needs more than 1664 pages (the output stays, truncated); 55 when both
  // paths name the same file; 70/75/76 when a file cannot be opened, 57/61 when reading
  // or writing fails (the partial output is removed).
  void ConvertToPDF(const Text& filename, const Text& outputfile, const Text& TextAuthor = {},
                    const Text& TextCreator = {}, const Text& TextKeywords = {},
                    const Text& TextSubject = {}, const Text& TextTitle = {},
                    const Text& FontName = u"Courier", int16_t FontSize = 10, int16_t Rotation = 0,
                    float pwidth = 8.5f, float pheight = 11.0f);

 private:
  ContextPtr ctx_;
};

}  // namespace orvane::textpdf
