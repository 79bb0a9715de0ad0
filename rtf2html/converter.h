// One-pass RTF to HTML conversion of formatted notes: bold, italic, underline,
// strike-through, superscript and subscript, font face, colour and size, list items,
// paragraph breaks, centred and right-aligned paragraphs, tabs and Latin-1 characters.
//
// The converter reads the RTF word by word and keeps the formatting that is open in its
// code lists, writing an opening tag only when text follows it. The result is an HTML
// fragment (no html, head or body). A Converter keeps its lists, font state and public
// fields between calls; it converts one text at a time and is used from one thread.
//
// Usage:
//   rtf::Converter c;
//   Text html = c.rtf2html3(rtf, u"+CR");
#pragma once

#include <cstdint>
#include <vector>

#include "core/text.h"
#include "rtf2html/code_lists.h"

namespace orvane::rtf {

class Converter {
 public:
  // The HTML of `rtf`, or `rtf` itself when it does not start with "{\rtf".
  // Options (anywhere in `options`): "+CR" a line break after every "<br>"; "+F=" and
  // digits the default font size (a size equal to it is not written); "-FF" ignore font
  // face changes; "+I" accepted.
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
  bool is_open(TextView close) const;
  void open_format(TextView close, TextView open);
  void close_format(TextView close);
  void set_font_part(Text& part, Text value);
  // Puts text back at the front of the line being read.
  void put_back(TextView text);
  void load_line(TextView line);

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
};

}  // namespace orvane::rtf
