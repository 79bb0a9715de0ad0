// The .odt engine: an OpenDocument text package opened for editing. Like the .docx
// engine it addresses the main text by paragraph and offset in the visible text
// (textmodel.h) and offers the edits automation makes: replacing spans (a new text
// lives in the same span, so it keeps that formatting), text tables inserted in
// place of a span, and cell texts. Untouched parts are saved byte for byte, with
// "mimetype" first and stored.
#pragma once

#include <memory>
#include <pugixml.hpp>
#include <string>
#include <vector>

#include "platform/office/package.h"
#include "platform/office/textmodel.h"

namespace orvane::office::odt {

struct Pos {
  pugi::xml_node para;
  int32_t off = 0;
};

class Document {
 public:
  static std::unique_ptr<Document> open(const std::string& path, PackageLimits limits = {});
  ~Document();
  void save(const std::string& path);
  Story& body();

  // Replaces [start, end) of `p` by `text`: CR LF, CR and LF become line breaks,
  // tab a tab. Returns the position after the new text.
  Pos replace(pugi::xml_node p, int32_t start, int32_t end, TextView text);
  int replace_all(const SearchOptions& o, TextView with);

  // A rows x cols table in place of [start, end) of `p` (the paragraph is split there
  // when the span does not start it). Returns the table:table element.
  pugi::xml_node insert_table(pugi::xml_node p, int32_t start, int32_t end, int rows, int cols);
  // "A1"-style cell of a table; null when there is none.
  static pugi::xml_node cell(pugi::xml_node table, const std::string& name);
  // Relative column widths (summing to 10000) and their change.
  std::vector<int> column_widths(pugi::xml_node table);
  void set_column_widths(pugi::xml_node table, const std::vector<int>& widths);

 private:
  Document() = default;
  class Body;
  pugi::xml_node automatic_styles();
  pugi::xml_node split_paragraph(pugi::xml_node p, int32_t off);
  bool settle_fields(pugi::xml_node p, const ParaText& t, int32_t start, int32_t end);

  std::unique_ptr<Package> pkg_;
  pugi::xml_document xml_;
  std::unique_ptr<Body> body_;
  int tables_ = 0;
};

}  // namespace orvane::office::odt
