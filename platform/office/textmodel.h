// The text of a story (a document's main text) as the user sees it, paragraph by
// paragraph, over the XML that holds it. Editors split one visible word across many
// XML nodes (runs, proofing marks, bookmarks, spans); every character of a paragraph's
// text is mapped back to the node that holds it (an Atom), so a search finds text
// regardless of how it was split, and an edit knows which nodes to change.
//
// Paragraph texts are cached and searched in blocks of concatenated text, so a
// document searched a thousand times is read from its XML once; the engines report
// the paragraphs they change (touched) or add and remove (restructured).
#pragma once

#include <cstdint>
#include <optional>
#include <pugixml.hpp>
#include <unordered_map>
#include <vector>

#include "core/text.h"

namespace orvane::office {

// One character of paragraph text: a position inside a text node, or an element that
// stands for one character (a tab, a line break, a picture).
struct Atom {
  pugi::xml_node node;
  uint32_t index = 0;  // UTF-16 offset inside the node's text (text nodes only)
};

struct ParaText {
  Text text;
  std::vector<Atom> atoms;  // one per character of `text`
  int32_t caret = -1;       // where a caret marker element sits, when one does
};

struct SearchOptions {
  Text what;
  bool match_case = false;
  // The characters just outside the match must not be letters, digits or "_".
  bool whole_word = false;
};

struct Hit {
  size_t para = 0;
  int32_t start = 0, end = 0;
};

// Letters (any script), digits and "_".
bool is_word_char(char16_t c);
// The case folding searches use: one unit in, one unit out, so positions still match.
char16_t fold_case(char16_t c);

// UTF-8 text of a node <-> UTF-16.
Text node_text(pugi::xml_node n);
void set_node_text(pugi::xml_node n, TextView t);

class Story {
 public:
  virtual ~Story() = default;

  size_t count();
  pugi::xml_node para(size_t i);
  // Index of a paragraph of this story; nullopt when it is not one.
  std::optional<size_t> index_of(pugi::xml_node p);
  const ParaText& text(size_t i);
  ParaText text_of(pugi::xml_node p);

  // The text of `p` changed (its paragraph list did not).
  void touched(pugi::xml_node p);
  // Paragraphs were added, removed or moved.
  void restructured();
  // `p` was split: its text changed and new paragraphs follow it; every other paragraph
  // kept its text, so the next search reads only the changed ones again.
  void split(pugi::xml_node p);

  // Every match in story order; matches do not overlap.
  std::vector<Hit> find_all(const SearchOptions& o);

 protected:
  virtual void list_paragraphs(pugi::xml_node root, std::vector<pugi::xml_node>& out) = 0;
  virtual void build_text(pugi::xml_node p, ParaText& out) = 0;
  virtual pugi::xml_node root() = 0;

 private:
  struct Block {
    size_t first = 0, last = 0;  // paragraphs [first, last)
    bool folded_ok = false, plain_ok = false;
    Text folded, plain;
    std::vector<uint64_t> grams;  // trigram filter of `folded`
    std::vector<int32_t> starts;  // offset of each paragraph in the joined text
  };
  void ensure_index();
  void ensure_text(size_t i);
  void forget_kept(pugi::xml_node p);
  Block& block(size_t b, bool folded);

  bool indexed_ = false;
  bool keep_texts_ = false;  // the next ensure_index() keeps the texts still valid
  std::vector<pugi::xml_node> paras_;
  std::vector<ParaText> texts_;
  std::vector<char> text_ok_;
  std::unordered_map<const void*, size_t> where_;
  std::vector<Block> blocks_;
};

}  // namespace orvane::office
