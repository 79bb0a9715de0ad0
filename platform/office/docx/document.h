// The .docx engine: a WordprocessingML package opened for editing. It offers the
// edits that automation performs on the main text, addressed by paragraph and
// character offset in the paragraph's visible text (see textmodel.h):
// replacing a span with text in the formatting of what it replaces, splitting
// paragraphs, tables inserted in place of a span, cell navigation and formatting,
// and inline pictures. Parts it does not edit are saved byte for byte.
//
// Offsets count UTF-16 units of the visible text: a tab is one character, a line
// break one (11), a picture one (1).
#pragma once

#include <memory>
#include <optional>
#include <pugixml.hpp>
#include <string>

#include "platform/office/package.h"
#include "platform/office/textmodel.h"

namespace orvane::office::docx {

struct Pos {
  pugi::xml_node para;
  int32_t off = 0;
};

// Direct run formatting applied to new text on top of the formatting it inherits.
struct RunFormat {
  std::optional<bool> bold;
};

// A rectangle of table cells, by row and by cell index within the row.
struct CellBlock {
  pugi::xml_node tbl;
  int r0 = 0, c0 = 0, r1 = 0, c1 = 0;
};

class Document {
 public:
  // Opens a .docx package. VbError on a missing file, a broken package or broken XML.
  static std::unique_ptr<Document> open(const std::string& path, PackageLimits limits = {});
  ~Document();

  // Writes the package to `path` (atomically).
  void save(const std::string& path);

  Story& body();

  // Replaces [start, end) of paragraph `p` by `text` in the formatting of the first
  // replaced character (of the one before it when the span is empty). In `text`,
  // CR, LF and CR LF end a paragraph, tab is a tab, 11 a line break, 12 a page break.
  // Returns the position just after the new text.
  Pos replace(pugi::xml_node p, int32_t start, int32_t end, TextView text,
              const RunFormat& fmt = {});
  // Replace-all over the main text; returns the number of replacements.
  int replace_all(const SearchOptions& o, TextView with);

  // A table of rows x cols in place of [start, end) of `p`: the paragraph is split
  // there; the table's cells take the paragraph's formatting. Returns the w:tbl.
  pugi::xml_node insert_table(pugi::xml_node p, int32_t start, int32_t end, int rows, int cols);

  // Table geometry.
  static pugi::xml_node cell_of(pugi::xml_node para);  // nearest w:tc, or null
  static pugi::xml_node table_of(pugi::xml_node cell);
  static int row_index(pugi::xml_node cell);
  static int cell_index(pugi::xml_node cell);
  static pugi::xml_node cell_at(pugi::xml_node tbl, int row, int cell);  // null when none
  static int row_count(pugi::xml_node tbl);
  static int cell_count(pugi::xml_node tbl, int row);
  static pugi::xml_node first_para(pugi::xml_node container);
  // Appends a row shaped like the last one, with empty cells; returns its first cell.
  pugi::xml_node append_row(pugi::xml_node tbl);
  // The paragraph after the table (one is made when the table ends its container).
  pugi::xml_node para_after(pugi::xml_node tbl);
  // Empties a cell, keeping one paragraph with the first paragraph's properties.
  void clear_cell(pugi::xml_node cell);

  // Formatting of text spans and cells.
  void set_bold(pugi::xml_node p, int32_t start, int32_t end, bool bold);
  void set_paragraph_bold_default(pugi::xml_node p, bool bold);  // the paragraph mark's run
  void set_alignment(pugi::xml_node p, int alignment);  // 0 left 1 center 2 right 3 justify
  void set_column_width(pugi::xml_node tbl, int grid_col, int twips);
  static int grid_col_of(pugi::xml_node cell);
  void set_row_height(pugi::xml_node tr, int twips);
  void set_vertical_alignment(pugi::xml_node cell, int alignment);  // 0 top 1 center 3 bottom
  // Borders by Word's index (-1 top, -2 left, -3 bottom, -4 right, -5 inside horizontal,
  // -6 inside vertical) and line style (0 none, anything else a single line).
  void set_cell_borders(const CellBlock& b, int which, int line_style);
  void set_paragraph_border(pugi::xml_node p, int which, int line_style);
  void merge_cells(const CellBlock& b);

  // An inline JPEG or PNG in place of [start, end). VbError when the file is not one.
  Pos insert_picture(pugi::xml_node p, int32_t start, int32_t end, const std::string& file);

  // The text width of the page (twips), or of the cell holding `p`.
  int available_width(pugi::xml_node p);

 private:
  Document() = default;
  class Body;
  struct Anchor {
    pugi::xml_node parent, before;  // insert before `before` (null: append to parent)
  };
  Anchor anchor_at(pugi::xml_node p, const ParaText& t, int32_t off);
  pugi::xml_node split_run_before(pugi::xml_node content, uint32_t index);
  void delete_span(pugi::xml_node p, const ParaText& t, int32_t start, int32_t end);
  bool settle_fields(pugi::xml_node p, const ParaText& t, int32_t start, int32_t end);
  pugi::xml_node format_source(pugi::xml_node p, const ParaText& t, int32_t start, int32_t end);
  pugi::xml_node split_at_marker(pugi::xml_node p, pugi::xml_node marker);
  pugi::xml_node new_run(const Anchor& a, pugi::xml_node rpr_source, const RunFormat& fmt);
  void ensure_namespaces();
  std::string add_image_part(const std::string& bytes, const std::string& ext,
                             const std::string& mime);

  std::unique_ptr<Package> pkg_;
  std::string main_part_;
  pugi::xml_document xml_;
  std::unique_ptr<Body> body_;
  pugi::xml_document scratch_;  // formatting copied aside while its run is edited
  unsigned next_picture_id_ = 0;
};

}  // namespace orvane::office::docx
