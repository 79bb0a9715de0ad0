// One-pass RTF to HTML conversion of formatted notes: bold, italic, underline,
// strike-through, superscript and subscript, font face, colour and size, list items,
// paragraph breaks, centred and right-aligned paragraphs, tabs and Latin-1 characters.
//
// The converter reads the RTF word by word and keeps the formatting that is open in its
// code lists, writing an opening tag only when text follows it. The result is an HTML
// fragment (no html, head or body). A Converter keeps its lists, font state, colour and
// font tables and public fields between calls; it converts one text at a time and is used
// from one thread.
//
// By default the output is the one hosts have always kept, tag for tag: a format requested
// again while open is opened again (`\b x\b y` gives `<b>x<b>y</b></b>`, and a note that
// restates its font at every paragraph nests one font tag per paragraph), every closing tag
// in the lists is written whether or not its opening tag went out, and nesting follows the
// lists rather than the order of opening. Hosts compare new output with what they kept.
//
// Option "+WF" gives well-formed HTML instead, with the same text: every element is closed
// in the reverse order of opening, no closing tag comes without its opening tag, no element
// is empty, a format already open is not opened again, list items and alignment tables are
// never inside inline formatting they did not start in, and "<", ">" and "&" in the text
// are written as entities (the converter's own entities are kept).
//
// Bound on hostile input: once the active and pending lists together hold more than
// kReopenBound entries, a format already open (or waiting to open) is not opened again,
// and closing a format queues each format it interrupts once. The lists then stop growing
// and the conversion stays linear. Ordinary notes stay far below the bound (a paragraph adds
// at most one entry per format it restates).
//
// Usage:
//   rtf::Converter c;
//   Text html = c.rtf2html3(rtf, u"+CR");
//   Text clean = c.rtf2html3(rtf, u"+WF");
#pragma once

#include <cstdint>
#include <vector>

#include "core/text.h"
#include "rtf2html/code_lists.h"

namespace orvane::rtf {

class Converter {
 public:
  static constexpr size_t kReopenBound = 1000;

  // The HTML of `rtf`, or `rtf` itself when it does not start with "{\rtf".
  // Options (anywhere in `options`): "+CR" a line break after every "<br>"; "+F=" and
  // digits the default font size (a size equal to it is not written); "-FF" ignore font
  // face changes; "+WF" well-formed HTML (see above); "+I" accepted.
  // Fails with VbError 9 when a colour or font number is beyond its table, and VbError 6
  // when the default font size does not fit 16 bits.
  Text rtf2html3(TextView rtf, TextView options = {});

  // Handles one word of the current line (control word, brace, escape or text).
  void ProcessWord(TextView word);
  // The closing tags owed before the next text; queues the formats they interrupt.
  Text ProcessAfterTextCodes();
  // A debugging listing of the lists and pending texts.
  Text GetCodes(TextView word) const;
  void ClearFont();

  // "<font face=... color=... size=...>" with the attributes that are set; "" when none.
  static Text ParseFont(TextView color, TextView size, TextView face);
  // The HTML of the character of an RTF "\'xx" escape (lower-case hexadecimal digits):
  // the entity name for a1..ff except ae, "&nbsp;" for 00 and a few Windows-1252 extras;
  // "" for anything else. "<rtf>:" marks a result that is RTF to read again.
  static Text HTMLCode(TextView code);
  // Every occurrence of `find` replaced left to right. Positions are 16-bit, as the host's
  // were: a match that starts beyond character 32767 fails with VbError 6.
  static Text rtf2html_replace(TextView in, TextView find, TextView with);

  CodeLists& lists() { return lists_; }
  const CodeLists& lists() const { return lists_; }
  std::vector<Text>& color_table() { return color_table_; }
  std::vector<Text>& font_table() { return font_table_; }
  const Text& font_tag() const { return font_tag_; }

  // Public fields of the host's interface.
  Text strCurPhrase;  // the HTML written so far in the current conversion
  Text strCR;         // written after every "<br>": CR LF with "+CR", empty otherwise
  bool gDebug = false;
  bool gStep = false;

 private:
  void read_options(TextView options);
  void control_word(TextView word);
  void text_word(TextView word);
  void open_format(TextView close, TextView open);
  void close_format(TextView close);
  // Rebuilds the font tag after a change of face, colour or size; with `open`, requests it.
  void font_changed(bool open);
  // Whether the lists are past the bound on hostile input (or well-formed output is asked
  // for): a format already open is then not opened again.
  bool no_reopen() const { return well_formed_ || lists_.entries() > kReopenBound; }
  // Well-formed output: closes what the lists no longer hold, opens what they newly hold,
  // and writes the pending break and the text in between.
  void write_well_formed(TextView word);
  Text close_all_well_formed();
  // Puts text back at the front of the line being read.
  void put_back(TextView text);

  CodeLists lists_;
  std::vector<Text> color_table_;
  std::vector<Text> font_table_;

  // Font state.
  Text font_tag_;
  Text face_;
  Text color_;
  Text size_;
  Text font_tag2_;
  int32_t html_size_ = 0;

  Text pending_close_;  // closing tags owed before the next text
  Text pending_break_;  // "<br>" owed before the next text
  Text pending_open_;   // opening tags to write before the next text

  // The line being read: words are taken from line_pos_ on; the space before it holds text
  // put back by escapes without moving the rest of the line.
  Text line_;
  size_t line_pos_ = 0;

  bool at_line_start_ = true;
  bool at_paragraph_start_ = true;
  int32_t skip_depth_ = 0;
  int32_t words_to_skip_ = 0;
  bool list_document_ = false;
  int16_t default_font_size_ = 0;
  bool font_faces_on_ = true;

  // Well-formed output: the elements written and not yet closed, outermost first. A list
  // item or alignment table belongs to the item or paragraph it was opened in.
  struct Element {
    Text code;
    Text open;
    bool group = false;
    uint64_t epoch = 0;
  };
  bool well_formed_ = false;
  std::vector<Element> elements_;
  uint64_t item_epoch_ = 0;       // bumped when a list item ends
  uint64_t paragraph_epoch_ = 0;  // bumped by \pard
};

}  // namespace orvane::rtf
