// The Word object model ("Word.Application") over our .docx engine: the calls the
// generators make, shaped as Word offers them, so that generator code reads like
// automation of Word:
//
//   auto word = word::Application::create(ctx);          // VbError 429 when unavailable
//   word->ChangeFileOpenDirectory(folder);
//   word->Documents().Open(u"modelo.docx");
//   auto& find = word->Selection().Find();
//   find.ClearFormatting(); find.Replacement().ClearFormatting();
//   find.Text(u"Cli.Nome"); find.Replacement().Text(nome); find.MatchWholeWord(true);
//   find.Execute(word::wdReplaceAll);
//   word->ActiveDocument().ExportAsFixedFormat(pdf, word::wdExportFormatPDF);
//   word->Quit();
//
// Properties are methods: `X()` reads, `X(value)` writes. Every object is also
// reachable late-bound through its member table (for hosts and `orvane call`).
// Paths without a folder are taken in the folder given to ChangeFileOpenDirectory;
// "\" separators are read as "/". Failures raise VbError with Word's numbers where it
// has them (5174 file not found, 5792 damaged file, 4248 no document open, 4198 a save,
// export or print that failed, 462 a call after Quit).
#pragma once

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "component/member_table.h"
#include "core/context.h"
#include "platform/office/docx/document.h"

namespace orvane::office::word {

// Word's constants, by their Word names.
inline constexpr int wdCharacter = 1, wdWord = 2, wdSentence = 3, wdParagraph = 4, wdLine = 5,
                     wdStory = 6, wdCell = 12;
inline constexpr int wdMove = 0, wdExtend = 1;
inline constexpr int wdReplaceNone = 0, wdReplaceOne = 1, wdReplaceAll = 2;
inline constexpr int wdFindStop = 0, wdFindContinue = 1, wdFindAsk = 2;
inline constexpr int wdFormatDocument = 0, wdFormatXMLDocument = 12, wdFormatDocumentDefault = 16,
                     wdFormatPDF = 17, wdFormatOpenDocumentText = 23;
inline constexpr int wdExportFormatPDF = 17, wdExportFormatXPS = 18;
// What an export prints: the content only, or with markup (the comments too).
inline constexpr int wdExportDocumentContent = 0, wdExportDocumentWithMarkup = 7;
inline constexpr int wdAlignParagraphLeft = 0, wdAlignParagraphCenter = 1,
                     wdAlignParagraphRight = 2, wdAlignParagraphJustify = 3;
inline constexpr int wdCellAlignVerticalTop = 0, wdCellAlignVerticalCenter = 1,
                     wdCellAlignVerticalBottom = 3;
inline constexpr int wdBorderTop = -1, wdBorderLeft = -2, wdBorderBottom = -3, wdBorderRight = -4,
                     wdBorderHorizontal = -5, wdBorderVertical = -6;
inline constexpr int wdLineStyleNone = 0, wdLineStyleSingle = 1;
inline constexpr int wdWord8TableBehavior = 0, wdWord9TableBehavior = 1;
inline constexpr int wdAutoFitFixed = 0, wdAutoFitContent = 1, wdAutoFitWindow = 2;

class Application;
class Document;
class Selection;

// Documents.Open's named arguments (only FileName matters to the engine).
struct OpenArgs {
  bool ConfirmConversions = false;
  bool ReadOnly = false;
  bool AddToRecentFiles = false;
  ::orvane::Text PasswordDocument = {}, PasswordTemplate = {};
  bool Revert = false;
  ::orvane::Text WritePasswordDocument = {}, WritePasswordTemplate = {};
  int Format = 0;
};

// SaveAs: FileFormat 0 = Word 97 .doc, 12/16 = .docx, 17 = PDF, 23 = .odt;
// -1 = keep .docx.
struct SaveAsArgs {
  int FileFormat = -1;
  bool LockComments = false;
  ::orvane::Text Password = {};
  bool AddToRecentFiles = true;
  ::orvane::Text WritePassword = {};
  bool ReadOnlyRecommended = false;
  bool EmbedTrueTypeFonts = false;
  bool SaveNativePictureFormat = false;
  bool SaveFormsData = false;
  bool SaveAsAOCELetter = false;
};

// ExportAsFixedFormat: the whole document is exported whatever Range says.
struct ExportArgs {
  bool OpenAfterExport = false;
  int OptimizeFor = 0;
  int Range = 0;
  int From = 1, To = 1;
  int Item = 0;
  bool IncludeDocProps = true;
  bool KeepIRM = true;
  int CreateBookmarks = 0;
  bool DocStructureTags = true;
  bool BitmapMissingFonts = true;
  bool UseISO19005_1 = false;
};

// PrintOut: the active document (or FileName) is printed Copies times.
struct PrintOutArgs {
  bool Background = true;
  bool Append = false;
  int Range = 0;
  ::orvane::Text OutputFileName = {};
  ::orvane::Text From = {}, To = {};
  int Item = 0;
  int Copies = 1;
  ::orvane::Text Pages = {};
  int PageType = 0;
  bool PrintToFile = false;
  bool Collate = true;
  ::orvane::Text FileName = {};
};

// A span of the main text (one paragraph), like Word's Range.
class Range : public component::DispatchObject {
 public:
  Range(std::shared_ptr<word::Document> doc, pugi::xml_node para, int32_t start, int32_t end);
  ::orvane::Text Text() const;
  void Select();
  const component::MemberTable& members() const override;

  std::shared_ptr<word::Document> doc_;
  pugi::xml_node para_;
  int32_t start_, end_;
};

class Find;
class Replacement : public component::DispatchObject {
 public:
  void ClearFormatting() {}
  ::orvane::Text Text() const { return text_; }
  void Text(const ::orvane::Text& t) { text_ = t; }
  const component::MemberTable& members() const override;

 private:
  ::orvane::Text text_;
};

class Find : public component::DispatchObject {
 public:
  explicit Find(word::Selection& sel);
  void ClearFormatting() {}
  ::orvane::Text Text() const { return text_; }
  void Text(const ::orvane::Text& t) { text_ = t; }
  word::Replacement& Replacement() { return *replacement_; }
  bool Forward() const { return forward_; }
  void Forward(bool v) { forward_ = v; }
  int Wrap() const { return wrap_; }
  void Wrap(int v) { wrap_ = v; }
  bool Format() const { return format_; }
  void Format(bool v) { format_ = v; }
  bool MatchCase() const { return match_case_; }
  void MatchCase(bool v) { match_case_ = v; }
  bool MatchWholeWord() const { return whole_word_; }
  void MatchWholeWord(bool v) { whole_word_ = v; }
  bool MatchWildcards() const { return wildcards_; }
  void MatchWildcards(bool v) { wildcards_ = v; }
  bool MatchSoundsLike() const { return sounds_like_; }
  void MatchSoundsLike(bool v) { sounds_like_ = v; }
  bool MatchAllWordForms() const { return all_forms_; }
  void MatchAllWordForms(bool v) { all_forms_ = v; }
  // Searches from the selection (wrapping when Wrap is wdFindContinue). Without
  // Replace the found text becomes the selection; wdReplaceOne replaces the next
  // occurrence, wdReplaceAll every one. Returns whether anything was found.
  bool Execute(int Replace = wdReplaceNone);
  const component::MemberTable& members() const override;
  std::shared_ptr<word::Replacement> replacement_ptr() { return replacement_; }

 private:
  word::Selection& sel_;
  std::shared_ptr<word::Replacement> replacement_;
  ::orvane::Text text_;
  bool forward_ = true, format_ = false, match_case_ = false, whole_word_ = false,
       wildcards_ = false, sounds_like_ = false, all_forms_ = false;
  int wrap_ = wdFindStop;
};

class Font : public component::DispatchObject {
 public:
  explicit Font(word::Selection& s) : sel_(s) {}
  bool Bold() const;
  void Bold(bool v);
  const component::MemberTable& members() const override;

 private:
  word::Selection& sel_;
};

class ParagraphFormat : public component::DispatchObject {
 public:
  explicit ParagraphFormat(word::Selection& s) : sel_(s) {}
  int Alignment() const;
  void Alignment(int v);
  const component::MemberTable& members() const override;

 private:
  word::Selection& sel_;
};

// The table columns of the selected cells.
class Columns : public component::DispatchObject {
 public:
  explicit Columns(word::Selection& s) : sel_(s) {}
  void Width(double points);
  int Count() const;
  const component::MemberTable& members() const override;

 private:
  word::Selection& sel_;
};

class Cells : public component::DispatchObject {
 public:
  explicit Cells(word::Selection& s) : sel_(s) {}
  void Merge();
  void VerticalAlignment(int v);
  void Height(double points);
  void Width(double points);
  int Count() const;
  const component::MemberTable& members() const override;

 private:
  word::Selection& sel_;
};

class Border : public component::DispatchObject {
 public:
  Border(word::Selection& s, int index) : sel_(s), index_(index) {}
  int LineStyle() const { return line_style_; }
  void LineStyle(int v);
  const component::MemberTable& members() const override;

 private:
  word::Selection& sel_;
  int index_;
  int line_style_ = 0;
};

// Borders(): all six at once (LineStyle); Borders(index): one of them.
class Borders : public component::DispatchObject {
 public:
  explicit Borders(word::Selection& s) : sel_(s) {}
  word::Border Item(int index) { return word::Border(sel_, index); }
  void LineStyle(int v);
  const component::MemberTable& members() const override;

 private:
  word::Selection& sel_;
};

class InlineShapes : public component::DispatchObject {
 public:
  explicit InlineShapes(word::Selection& s) : sel_(s) {}
  // Embeds a JPEG or PNG at the selection (a linked picture is embedded too).
  void AddPicture(const ::orvane::Text& FileName, bool LinkToFile = false,
                  bool SaveWithDocument = true);
  const component::MemberTable& members() const override;

 private:
  word::Selection& sel_;
};

class Table : public component::DispatchObject {
 public:
  Table(std::shared_ptr<word::Document> doc, pugi::xml_node tbl)
      : doc_(std::move(doc)), tbl_(tbl) {}
  int RowsCount() const;
  int ColumnsCount() const;
  // Selects cell (row, column), 1-based, as MoveRight by cell does.
  void CellSelect(int row, int column);
  void Select();
  void RowsAdd();
  const component::MemberTable& members() const override;
  pugi::xml_node node() const { return tbl_; }

 private:
  std::shared_ptr<word::Document> doc_;
  pugi::xml_node tbl_;
};

class Tables : public component::DispatchObject {
 public:
  explicit Tables(std::shared_ptr<word::Document> doc) : doc_(std::move(doc)) {}
  // The table takes the range's place; the selection moves to its first cell.
  word::Table Add(const word::Range& Range, int NumRows, int NumColumns,
                  int DefaultTableBehavior = wdWord8TableBehavior,
                  int AutoFitBehavior = wdAutoFitFixed);
  int Count() const;
  word::Table Item(int index) const;  // 1-based, in document order
  const component::MemberTable& members() const override;

 private:
  std::shared_ptr<word::Document> doc_;
};

class Selection : public component::DispatchObject {
 public:
  explicit Selection(word::Document& doc);
  word::Find& Find() { return *find_; }
  // The selected text; for an insertion point, the character after it (as Word does).
  ::orvane::Text Text() const;
  // Replaces the selected text; the selection then holds the new text.
  void Text(const ::orvane::Text& t);
  // Replaces the selection with the text (CR, LF or CR LF start a new paragraph) and
  // leaves the insertion point after it.
  void TypeText(const ::orvane::Text& Text);
  void TypeParagraph();
  // Units: wdCharacter, wdWord, wdCell (wdCell past the last cell appends a row),
  // wdLine/wdParagraph (MoveDown/MoveUp). Returns the count moved.
  int MoveRight(int Unit = wdCharacter, int Count = 1, int Extend = wdMove);
  int MoveLeft(int Unit = wdCharacter, int Count = 1, int Extend = wdMove);
  int MoveDown(int Unit = wdLine, int Count = 1, int Extend = wdMove);
  int MoveUp(int Unit = wdLine, int Count = 1, int Extend = wdMove);
  // wdStory: the start/end of the document; wdLine: of the paragraph.
  void HomeKey(int Unit = wdLine);
  void EndKey(int Unit = wdLine);
  word::Range Range();
  word::Font Font() { return word::Font(*this); }
  word::ParagraphFormat ParagraphFormat() { return word::ParagraphFormat(*this); }
  word::Columns Columns() { return word::Columns(*this); }
  word::Cells Cells() { return word::Cells(*this); }
  word::Borders Borders() { return word::Borders(*this); }
  word::Border Borders(int index) { return word::Border(*this, index); }
  word::InlineShapes InlineShapes() { return word::InlineShapes(*this); }
  // The table holding the selection (index 1). VbError 5825 outside a table.
  word::Table Tables(int index = 1);
  bool InTable() const;
  const component::MemberTable& members() const override;

  // Engine-level state, for the facade's own objects.
  struct State {
    pugi::xml_node para;
    int32_t start = 0, end = 0;
    bool whole_cell = false;
    std::optional<docx::CellBlock> block;
    docx::RunFormat typing;
  };
  State& state() { return st_; }
  word::Document& document() { return doc_; }
  void select(pugi::xml_node para, int32_t start, int32_t end);
  void select_cell(pugi::xml_node cell);
  // The cells the selection covers (empty outside tables).
  docx::CellBlock cell_block() const;
  std::vector<pugi::xml_node> paragraphs() const;
  void clamp();

 private:
  int move_cell(int count, bool forward, bool extend);
  int move_chars(int count, bool forward, bool extend);
  int move_lines(int count, bool down);

  word::Document& doc_;
  std::shared_ptr<word::Find> find_;
  State st_;
};

class Window : public component::DispatchObject {
 public:
  explicit Window(word::Document& doc) : doc_(doc) {}
  bool Visible() const { return visible_; }
  // Showing the window opens the document's file with the desktop's program.
  void Visible(bool v);
  void Close(bool SaveChanges = false);
  const component::MemberTable& members() const override;

 private:
  word::Document& doc_;
  bool visible_ = false;
};

class Document : public component::DispatchObject {
 public:
  Document(Application& app, std::unique_ptr<docx::Document> engine, std::string full_name);
  word::Tables Tables();
  word::Selection& Selection() { return *selection_; }
  word::Window& ActiveWindow() { return *window_; }
  void SaveAs(const ::orvane::Text& FileName, const SaveAsArgs& args = {});
  // PDF through the converter; VbError where conversion is unavailable.
  void ExportAsFixedFormat(const ::orvane::Text& OutputFileName, int ExportFormat,
                           const ExportArgs& args = {});
  void Close(bool SaveChanges = false);
  ::orvane::Text FullName() const;
  const component::MemberTable& members() const override;

  docx::Document& engine() { return *engine_; }
  Application& app() { return app_; }
  const std::string& path() const { return path_; }
  // Writes the current content as a .docx file (for conversions).
  void write_docx(const std::string& path) { engine_->save(path); }
  std::shared_ptr<Document> self() {
    return std::static_pointer_cast<Document>(shared_from_this());
  }
  std::shared_ptr<word::Selection> selection_ptr() { return selection_; }
  std::shared_ptr<word::Window> window_ptr() { return window_; }

 private:
  Application& app_;
  std::unique_ptr<docx::Document> engine_;
  std::string path_;
  std::shared_ptr<word::Selection> selection_;
  std::shared_ptr<word::Window> window_;
};

class Documents : public component::DispatchObject {
 public:
  explicit Documents(Application& app) : app_(app) {}
  // Opens a .docx; any other format LibreOffice reads (.doc, .rtf, .odt) is converted
  // to .docx first. The opened document becomes the active one.
  word::Document& Open(const ::orvane::Text& FileName, const OpenArgs& args = {});
  int Count() const;
  const component::MemberTable& members() const override;

 private:
  Application& app_;
};

class Application : public component::DispatchObject {
 public:
  // VbError 429 when Word counts as not installed (HostSettings::without_word) or
  // LibreOffice, which writes the PDF and .doc files, is absent.
  static std::shared_ptr<Application> create(ContextPtr ctx);
  explicit Application(ContextPtr ctx);

  word::Documents& Documents() { return *documents_; }
  void ChangeFileOpenDirectory(const ::orvane::Text& Path);
  // The active document's selection; VbError 4248 with no document open.
  word::Selection& Selection();
  word::Document& ActiveDocument();
  word::Window& ActiveWindow();
  // HostSettings::word_version ("16.0" unless configured).
  ::orvane::Text Version() const;
  bool Visible() const { return visible_; }
  void Visible(bool v);
  // Prints the active document (a PDF is made first) Copies times.
  void PrintOut(const PrintOutArgs& args = {});
  // Closes every document without saving; later calls raise 462.
  void Quit(bool SaveChanges = false);
  const component::MemberTable& members() const override;

  const Context& context() const { return *ctx_; }
  // A path as Word reads it: relative to the folder of ChangeFileOpenDirectory.
  std::string resolve(const ::orvane::Text& name) const;
  void check_running() const;
  std::vector<std::shared_ptr<word::Document>>& open_documents() { return docs_; }
  void closed(word::Document& d);

 private:
  ContextPtr ctx_;
  std::shared_ptr<word::Documents> documents_;
  std::vector<std::shared_ptr<word::Document>> docs_;
  std::string folder_;
  bool visible_ = false;
  bool quit_ = false;
};

}  // namespace orvane::office::word
