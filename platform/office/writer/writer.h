// Writer through the UNO automation bridge ("com.sun.star.ServiceManager") over our
// .odt engine: the calls the generators make, named as UNO names them, so generator
// code reads like the Writer automation it describes:
//
//   auto sm = writer::ServiceManager::create(ctx);          // VbError 429 when unavailable
//   auto desktop = sm->desktop();                           // createInstance("...Desktop")
//   auto doc = desktop->loadComponentFromURL(url, u"_blank", 0, Variant());
//   auto rd = doc->createReplaceDescriptor();
//   rd->setSearchString(u"Cli.Nome"); rd->setReplaceString(nome); doc->replaceAll(*rd);
//   doc->storeToURL(pdf_url, props);                        // FilterName "writer_pdf_Export"
//   doc->close(false);
//
// Searches follow Writer's defaults: substring matches, case-insensitive unless
// SearchCaseSensitive, whole words only with SearchWords. A CR LF (or a lone CR or
// LF) in a replacement or inserted text starts a new line; a tab stays a tab.
// Ranges and cursors span one paragraph. Every object also answers late-bound calls
// through its member table (MakePropertyValue and hosts use them).
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "component/member_table.h"
#include "core/context.h"
#include "platform/office/odt/document.h"

namespace orvane::office::writer {

class TextDocument;

// com.sun.star.beans.PropertyValue.
class PropertyValue : public component::DispatchObject {
 public:
  ::orvane::Text Name;
  Variant Value;
  const component::MemberTable& members() const override;
};

// A span of one paragraph of the document (XTextRange); also the text cursor.
class TextRange : public component::DispatchObject {
 public:
  TextRange(std::shared_ptr<TextDocument> doc, pugi::xml_node para, int32_t start, int32_t end,
            pugi::xml_node cell = {})
      : doc_(std::move(doc)), para_(para), start_(start), end_(end), cell_(cell) {}
  std::shared_ptr<TextRange> getStart() const;
  std::shared_ptr<TextRange> getEnd() const;
  ::orvane::Text getString() const;
  void setString(const ::orvane::Text& s);
  // Cursor moves: with expand false the cursor becomes the range; with true it
  // grows to cover it.
  void gotoRange(const TextRange& range, bool expand);
  void collapseToStart() { end_ = start_; }
  void collapseToEnd() { start_ = end_; }
  const component::MemberTable& members() const override;

  std::shared_ptr<TextDocument> doc_;
  pugi::xml_node para_;
  int32_t start_, end_;
  pugi::xml_node cell_;  // the table cell it lies in, when its text is a cell's
};

struct TableColumnSeparator {
  int16_t Position = 0;
  bool IsVisible = true;
};

class TextTable : public component::DispatchObject {
 public:
  explicit TextTable(std::shared_ptr<TextDocument> doc) : doc_(std::move(doc)) {}
  void initialize(int rows, int columns);
  // VbError before the table is inserted or for a name that is not a cell.
  std::shared_ptr<class Cell> getCellByName(const ::orvane::Text& name);
  std::vector<TableColumnSeparator> TableColumnSeparators() const;
  void TableColumnSeparators(const std::vector<TableColumnSeparator>& seps);
  int16_t TableColumnRelativeSum() const { return 10000; }
  const component::MemberTable& members() const override;

  std::shared_ptr<TextDocument> doc_;
  int rows_ = 2, columns_ = 2;
  pugi::xml_node node_;  // set once inserted
};

// A text (XText): the document's, or a table cell's.
class XText : public component::DispatchObject {
 public:
  XText(std::shared_ptr<TextDocument> doc, pugi::xml_node cell = {})
      : doc_(std::move(doc)), cell_(cell) {}
  std::shared_ptr<TextRange> createTextCursor();
  std::shared_ptr<TextRange> createTextCursorByRange(const TextRange& r);
  // Inserts a table (from createInstance) at the range: the paragraph is split there
  // and the range's text removed.
  void insertTextContent(const TextRange& range, TextTable& content, bool absorb);
  // Inserts the text at the end of the range, or in its place when absorb is true.
  void insertString(TextRange& range, const ::orvane::Text& text, bool absorb);
  ::orvane::Text getString() const;
  void setString(const ::orvane::Text& text);
  std::shared_ptr<TextRange> getStart();
  std::shared_ptr<TextRange> getEnd();
  const component::MemberTable& members() const override;

 protected:
  std::vector<pugi::xml_node> paragraphs() const;
  std::shared_ptr<TextDocument> doc_;
  pugi::xml_node cell_;
};

class Cell : public XText {
 public:
  using XText::XText;
};

class Descriptor : public component::DispatchObject {
 public:
  void setSearchString(const ::orvane::Text& s) { search = s; }
  ::orvane::Text getSearchString() const { return search; }
  void setReplaceString(const ::orvane::Text& s) { replace = s; }
  ::orvane::Text getReplaceString() const { return replace; }
  const component::MemberTable& members() const override;

  ::orvane::Text search, replace;
  bool SearchCaseSensitive = false;
  bool SearchWords = false;
  bool SearchRegularExpression = false;
};

class TextDocument : public component::DispatchObject {
 public:
  TextDocument(ContextPtr ctx, std::unique_ptr<odt::Document> engine, std::string path);
  std::shared_ptr<XText> getText();
  std::shared_ptr<Descriptor> createReplaceDescriptor() { return std::make_shared<Descriptor>(); }
  std::shared_ptr<Descriptor> createSearchDescriptor() { return std::make_shared<Descriptor>(); }
  // Returns the number of replacements.
  int replaceAll(const Descriptor& d);
  // The first match, or null.
  std::shared_ptr<TextRange> findFirst(const Descriptor& d);
  // "com.sun.star.text.TextTable".
  std::shared_ptr<TextTable> createInstance(const ::orvane::Text& service);
  // Properties: an array of PropertyValue objects; FilterName "writer_pdf_Export"
  // (PDF), "writer8" (.odt, also the default), "MS Word 97" (.doc),
  // "MS Word 2007 XML" (.docx). The file is written atomically.
  void storeToURL(const ::orvane::Text& url, const Variant& properties);
  // Prints one copy (a PDF is made first).
  void printPages(const Variant& properties);
  void close(bool deliver_ownership);
  const component::MemberTable& members() const override;

  odt::Document& engine();
  const std::string& path() const { return path_; }
  std::shared_ptr<TextDocument> self() {
    return std::static_pointer_cast<TextDocument>(shared_from_this());
  }

 private:
  ContextPtr ctx_;
  std::unique_ptr<odt::Document> engine_;
  std::string path_;
};

class Desktop : public component::DispatchObject {
 public:
  explicit Desktop(ContextPtr ctx) : ctx_(std::move(ctx)) {}
  // Loads an .odt (any other format LibreOffice reads is converted to .odt first).
  std::shared_ptr<TextDocument> loadComponentFromURL(const ::orvane::Text& url,
                                                     const ::orvane::Text& frame, int flags,
                                                     const Variant& properties);
  const component::MemberTable& members() const override;

 private:
  ContextPtr ctx_;
};

class ServiceManager : public component::DispatchObject {
 public:
  // VbError 429 when Writer counts as not installed (HostSettings::without_writer) or
  // LibreOffice is absent.
  static std::shared_ptr<ServiceManager> create(ContextPtr ctx);
  explicit ServiceManager(ContextPtr ctx) : ctx_(std::move(ctx)) {}
  // "com.sun.star.frame.Desktop".
  ObjectPtr createInstance(const ::orvane::Text& service);
  std::shared_ptr<Desktop> desktop() { return std::make_shared<Desktop>(ctx_); }
  // "com.sun.star.beans.PropertyValue".
  ObjectPtr Bridge_GetStruct(const ::orvane::Text& name);
  const component::MemberTable& members() const override;

 private:
  ContextPtr ctx_;
};

}  // namespace orvane::office::writer
