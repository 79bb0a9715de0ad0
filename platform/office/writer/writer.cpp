#include "platform/office/writer/writer.h"

#include <unistd.h>

#include <algorithm>
#include <filesystem>

#include "core/convert.h"
#include "platform/office/comments.h"
#include "platform/office/convert.h"
#include "platform/office/errors.h"
#include "platform/office/printer.h"
#include "platform/office/scratch.h"
#include "platform/office/xmlutil.h"

namespace orvane::office::writer {

namespace fs = std::filesystem;
using component::Args;
using component::MemberTable;
using component::opt;
using component::val;
using pugi::xml_node;

namespace {

template <class C>
C& as(Object& o) {
  return static_cast<C&>(o);
}

template <class C>
std::shared_ptr<C> arg(const Variant& v, const char* what) {
  auto p = std::dynamic_pointer_cast<C>(as_object(v));
  if (!p) fail(err::kTypeMismatch, std::string("Argumento inválido: era esperado ") + what + ".");
  return p;
}

Variant none() { return Variant(); }

int32_t length_of(odt::Document& eng, xml_node p) {
  return static_cast<int32_t>(eng.body().text_of(p).text.size());
}

// The property named `name` in a UNO property array (objects with Name and Value).
Variant property(const Variant& props, TextView name) {
  if (!props.is_array()) return Variant();
  for (const Variant& item : props.array().items()) {
    if (!item.is_object() || !item.object()) continue;
    if (vb::EqualsNoCase(CStr(get(item.object(), u"Name")), name))
      return get(item.object(), u"Value");
  }
  return Variant();
}

}  // namespace

// ---- ranges -----------------------------------------------------------------------

std::shared_ptr<TextRange> TextRange::getStart() const {
  return std::make_shared<TextRange>(doc_, para_, start_, start_, cell_);
}
std::shared_ptr<TextRange> TextRange::getEnd() const {
  return std::make_shared<TextRange>(doc_, para_, end_, end_, cell_);
}

::orvane::Text TextRange::getString() const {
  ::orvane::Text t = doc_->engine().body().text_of(para_).text;
  auto size = static_cast<int32_t>(t.size());
  int32_t s = std::clamp(start_, 0, size), e = std::clamp(end_, s, size);
  return t.substr(static_cast<size_t>(s), static_cast<size_t>(e - s));
}

void TextRange::setString(const ::orvane::Text& s) {
  odt::Pos at = doc_->engine().replace(para_, start_, end_, s);
  end_ = at.off;
}

void TextRange::gotoRange(const TextRange& r, bool expand) {
  if (!expand || r.para_ != para_) {
    para_ = r.para_;
    start_ = r.start_;
    end_ = r.end_;
    cell_ = r.cell_;
    return;
  }
  start_ = std::min(start_, r.start_);
  end_ = std::max(end_, r.end_);
}

// ---- tables -----------------------------------------------------------------------

void TextTable::initialize(int rows, int columns) {
  if (node_) fail(oerr::kBadParameter, "A tabela já foi inserida no documento.");
  if (rows < 1 || columns < 1) fail(oerr::kBadParameter, "Número de linhas ou colunas inválido.");
  rows_ = rows;
  columns_ = columns;
}

std::shared_ptr<Cell> TextTable::getCellByName(const ::orvane::Text& name) {
  if (!node_) fail(oerr::kNotInTable, "A tabela ainda não foi inserida no documento.");
  xml_node tc = odt::Document::cell(node_, to_utf8(name));
  if (!tc) fail(oerr::kUnavailable, "A célula " + to_utf8(name) + " não existe na tabela.");
  return std::make_shared<Cell>(doc_, tc);
}

std::vector<TableColumnSeparator> TextTable::TableColumnSeparators() const {
  std::vector<TableColumnSeparator> out;
  if (!node_) return out;
  std::vector<int> w = doc_->engine().column_widths(node_);
  int sum = 0;
  for (int x : w) sum += x;
  int pos = 0;
  for (size_t i = 0; i + 1 < w.size(); ++i) {
    pos += w[i];
    out.push_back({static_cast<int16_t>(sum ? pos * 10000LL / sum : 0), true});
  }
  return out;
}

void TextTable::TableColumnSeparators(const std::vector<TableColumnSeparator>& seps) {
  if (!node_) fail(oerr::kNotInTable, "A tabela ainda não foi inserida no documento.");
  std::vector<int> w;
  int prev = 0;
  for (const auto& s : seps) {
    int p = std::clamp<int>(s.Position, prev, 10000);
    w.push_back(p - prev);
    prev = p;
  }
  w.push_back(10000 - prev);
  if (w.size() != doc_->engine().column_widths(node_).size())
    fail(oerr::kBadParameter, "O número de separadores não corresponde às colunas da tabela.");
  doc_->engine().set_column_widths(node_, w);
}

// ---- texts ------------------------------------------------------------------------

std::vector<xml_node> XText::paragraphs() const {
  std::vector<xml_node> out;
  if (cell_) {
    for (xml_node p : cell_.children())
      if (is_named(p, "text:p") || is_named(p, "text:h")) out.push_back(p);
  } else {
    Story& b = doc_->engine().body();
    for (size_t i = 0; i < b.count(); ++i) out.push_back(b.para(i));
  }
  return out;
}

std::shared_ptr<TextRange> XText::getStart() {
  auto ps = paragraphs();
  if (ps.empty()) {
    if (!cell_) fail(oerr::kNoDocument, "O documento não tem texto.");
    ps.push_back(cell_.append_child("text:p"));
    doc_->engine().body().restructured();
  }
  return std::make_shared<TextRange>(doc_, ps.front(), 0, 0, cell_);
}

std::shared_ptr<TextRange> XText::getEnd() {
  auto ps = paragraphs();
  if (ps.empty()) return getStart();
  int32_t n = length_of(doc_->engine(), ps.back());
  return std::make_shared<TextRange>(doc_, ps.back(), n, n, cell_);
}

std::shared_ptr<TextRange> XText::createTextCursor() { return getStart(); }

std::shared_ptr<TextRange> XText::createTextCursorByRange(const TextRange& r) {
  return std::make_shared<TextRange>(r);
}

void XText::insertTextContent(const TextRange& range, TextTable& content, bool absorb) {
  (void)absorb;
  if (content.node_) fail(oerr::kBadParameter, "A tabela já foi inserida no documento.");
  content.node_ = doc_->engine().insert_table(range.para_, range.start_, range.end_, content.rows_,
                                              content.columns_);
}

void XText::insertString(TextRange& range, const ::orvane::Text& text, bool absorb) {
  int32_t start = absorb ? range.start_ : range.end_;
  odt::Pos at = doc_->engine().replace(range.para_, start, range.end_, text);
  range.start_ = absorb ? range.start_ : range.start_;
  range.end_ = at.off;
  if (!absorb) range.start_ = range.end_;
}

::orvane::Text XText::getString() const {
  ::orvane::Text out;
  bool first = true;
  for (xml_node p : paragraphs()) {
    if (!first) out += u'\n';
    out += doc_->engine().body().text_of(p).text;
    first = false;
  }
  return out;
}

void XText::setString(const ::orvane::Text& text) {
  auto ps = paragraphs();
  if (ps.empty()) {
    auto s = getStart();
    ps.push_back(s->para_);
  }
  for (size_t i = 1; i < ps.size(); ++i) ps[i].parent().remove_child(ps[i]);
  if (ps.size() > 1) doc_->engine().body().restructured();
  doc_->engine().replace(ps[0], 0, length_of(doc_->engine(), ps[0]), text);
}

// ---- document ---------------------------------------------------------------------

TextDocument::TextDocument(ContextPtr ctx, std::unique_ptr<odt::Document> engine, std::string path)
    : ctx_(std::move(ctx)), engine_(std::move(engine)), path_(std::move(path)) {}

odt::Document& TextDocument::engine() {
  if (!engine_) fail(oerr::kNoDocument, "O documento já foi fechado (DisposedException).");
  return *engine_;
}

std::shared_ptr<XText> TextDocument::getText() {
  engine();
  return std::make_shared<XText>(self());
}

int TextDocument::replaceAll(const Descriptor& d) {
  if (d.SearchRegularExpression)
    fail(oerr::kBadParameter, "A pesquisa por expressões regulares não é suportada.");
  return engine().replace_all(SearchOptions{d.search, d.SearchCaseSensitive, d.SearchWords},
                              d.replace);
}

std::shared_ptr<TextRange> TextDocument::findFirst(const Descriptor& d) {
  if (d.SearchRegularExpression)
    fail(oerr::kBadParameter, "A pesquisa por expressões regulares não é suportada.");
  std::vector<Hit> hits =
      engine().body().find_all(SearchOptions{d.search, d.SearchCaseSensitive, d.SearchWords});
  if (hits.empty()) return nullptr;
  xml_node p = engine().body().para(hits[0].para);
  xml_node cell;
  for (xml_node n = p.parent(); n; n = n.parent())
    if (is_named(n, "table:table-cell")) {
      cell = n;
      break;
    }
  return std::make_shared<TextRange>(self(), p, hits[0].start, hits[0].end, cell);
}

std::shared_ptr<TextTable> TextDocument::createInstance(const ::orvane::Text& service) {
  engine();
  if (service != u"com.sun.star.text.TextTable")
    fail(oerr::kBadParameter, "Serviço não disponível: " + to_utf8(service) + ".");
  return std::make_shared<TextTable>(self());
}

void TextDocument::storeToURL(const ::orvane::Text& url, const Variant& properties) {
  std::string target = path_from_url(to_utf8(url));
  Variant fv = property(properties, u"FilterName");
  ::orvane::Text filter = fv.is_empty() ? ::orvane::Text() : CStr(fv);
  if (filter.empty() || filter == u"writer8") {
    engine().save(target);
    return;
  }
  Format fmt;
  bool with_comments = true;
  if (filter == u"writer_pdf_Export") {
    // Like LibreOffice's own export, a PDF shows the comments only when asked to.
    Variant notes = property(property(properties, u"FilterData"), u"ExportNotes");
    with_comments = !notes.is_empty() && !notes.is_null() && CBool(notes);
    fmt = with_comments ? Format::PdfWithComments : Format::Pdf;
  } else if (filter == u"MS Word 97")
    fmt = Format::Doc;
  else if (filter == u"MS Word 2007 XML" || filter == u"Office Open XML Text")
    fmt = Format::Docx;
  else
    fail(oerr::kBadParameter, "Filtro de exportação não suportado: " + to_utf8(filter) + ".");
  Scratch s("orvane-writer");
  std::string odt = s.dir() + "/documento.odt";
  engine().save(odt);
  if (!with_comments) remove_comments(odt);
  convert_document(odt, target, fmt);
}

void TextDocument::printPages(const Variant& properties) {
  (void)properties;
  Scratch s("orvane-writer");
  std::string odt = s.dir() + "/documento.odt", pdf = s.dir() + "/impressao.pdf";
  engine().save(odt);
  remove_comments(odt);
  convert_document(odt, pdf, Format::Pdf);
  print_file(*ctx_, pdf, 1);
}

void TextDocument::close(bool deliver_ownership) {
  (void)deliver_ownership;
  engine_.reset();
}

std::shared_ptr<TextDocument> Desktop::loadComponentFromURL(const ::orvane::Text& url,
                                                            const ::orvane::Text& frame, int flags,
                                                            const Variant& properties) {
  (void)frame, (void)flags, (void)properties;
  std::string path = path_from_url(to_utf8(url));
  std::error_code ec;
  if (!fs::is_regular_file(path, ec))
    fail(oerr::kFileNotFound,
         "O arquivo " + path + " não foi encontrado (URL " + to_utf8(url) + ").");
  std::string head = read_whole_file(path).substr(0, 4);
  std::unique_ptr<odt::Document> engine;
  bool odf = head == std::string("PK\x03\x04", 4) && Package::open(path).has("content.xml");
  if (odf) {
    engine = odt::Document::open(path);
  } else {
    Scratch s("orvane-writer");
    std::string converted = s.dir() + "/convertido.odt";
    convert_document(path, converted, Format::Odt);
    engine = odt::Document::open(converted);
  }
  return std::make_shared<TextDocument>(ctx_, std::move(engine), path);
}

std::shared_ptr<ServiceManager> ServiceManager::create(ContextPtr ctx) {
  if (!ctx) ctx = default_context();
  if (ctx->settings.without_writer || !libreoffice_installed())
    throw VbError(err::kCantCreateObject,
                  standard_description(err::kCantCreateObject) + u" (com.sun.star.ServiceManager)");
  return std::make_shared<ServiceManager>(std::move(ctx));
}

ObjectPtr ServiceManager::createInstance(const ::orvane::Text& service) {
  if (service == u"com.sun.star.frame.Desktop") return desktop();
  fail(oerr::kBadParameter, "Serviço não disponível: " + to_utf8(service) + ".");
}

ObjectPtr ServiceManager::Bridge_GetStruct(const ::orvane::Text& name) {
  if (name == u"com.sun.star.beans.PropertyValue") return std::make_shared<PropertyValue>();
  fail(oerr::kBadParameter, "Estrutura não disponível: " + to_utf8(name) + ".");
}

// ---- member tables ------------------------------------------------------------------

namespace {

class Separator : public component::DispatchObject {
 public:
  explicit Separator(TableColumnSeparator s) : s_(s) {}
  TableColumnSeparator s_;
  const MemberTable& members() const override {
    static const MemberTable t = [] {
      MemberTable m(u"TableColumnSeparator");
      m.property_get(u"Position", VarType::Integer,
                     [](Object& s, Args&) { return Variant(as<Separator>(s).s_.Position); });
      m.property_let(u"Position", val(u"Value", VarType::Integer), [](Object& s, Args& a) {
        as<Separator>(s).s_.Position = a[0].integer();
        return none();
      });
      m.property_get(u"IsVisible", VarType::Boolean,
                     [](Object& s, Args&) { return Variant(as<Separator>(s).s_.IsVisible); });
      m.property_let(u"IsVisible", val(u"Value", VarType::Boolean), [](Object& s, Args& a) {
        as<Separator>(s).s_.IsVisible = a[0].boolean();
        return none();
      });
      return m;
    }();
    return t;
  }
};

void range_members(MemberTable& m) {
  m.method(u"getStart", {}, VarType::Object,
           [](Object& s, Args&) { return Variant(ObjectPtr(as<TextRange>(s).getStart())); });
  m.method(u"getEnd", {}, VarType::Object,
           [](Object& s, Args&) { return Variant(ObjectPtr(as<TextRange>(s).getEnd())); });
  m.property_get(u"Start", VarType::Object,
                 [](Object& s, Args&) { return Variant(ObjectPtr(as<TextRange>(s).getStart())); });
  m.property_get(u"End", VarType::Object,
                 [](Object& s, Args&) { return Variant(ObjectPtr(as<TextRange>(s).getEnd())); });
  m.method(u"getString", {}, VarType::String,
           [](Object& s, Args&) { return Variant(as<TextRange>(s).getString()); });
  m.property_get(u"String", VarType::String,
                 [](Object& s, Args&) { return Variant(as<TextRange>(s).getString()); });
  m.method(u"setString", {val(u"Text", VarType::String)}, VarType::Empty, [](Object& s, Args& a) {
    as<TextRange>(s).setString(a[0].text());
    return none();
  });
  m.property_let(u"String", val(u"Value", VarType::String), [](Object& s, Args& a) {
    as<TextRange>(s).setString(a[0].text());
    return none();
  });
  m.method(u"gotoRange", {val(u"Range", VarType::Object), val(u"Expand", VarType::Boolean)},
           VarType::Empty, [](Object& s, Args& a) {
             as<TextRange>(s).gotoRange(*arg<TextRange>(a[0], "um intervalo de texto"),
                                        a[1].boolean());
             return none();
           });
  m.method(u"collapseToStart", {}, VarType::Empty, [](Object& s, Args&) {
    as<TextRange>(s).collapseToStart();
    return none();
  });
  m.method(u"collapseToEnd", {}, VarType::Empty, [](Object& s, Args&) {
    as<TextRange>(s).collapseToEnd();
    return none();
  });
}

}  // namespace

const MemberTable& PropertyValue::members() const {
  static const MemberTable t = [] {
    MemberTable m(u"PropertyValue");
    m.property_get(u"Name", VarType::String,
                   [](Object& s, Args&) { return Variant(as<PropertyValue>(s).Name); });
    m.property_let(u"Name", val(u"Value", VarType::String), [](Object& s, Args& a) {
      as<PropertyValue>(s).Name = a[0].text();
      return none();
    });
    m.property_get(u"Value", VarType::Variant,
                   [](Object& s, Args&) { return as<PropertyValue>(s).Value; });
    m.property_let(u"Value", val(u"Value", VarType::Variant), [](Object& s, Args& a) {
      as<PropertyValue>(s).Value = a[0];
      return none();
    });
    return m;
  }();
  return t;
}

const MemberTable& TextRange::members() const {
  static const MemberTable t = [] {
    MemberTable m(u"TextRange");
    range_members(m);
    return m;
  }();
  return t;
}

const MemberTable& TextTable::members() const {
  static const MemberTable t = [] {
    MemberTable m(u"TextTable");
    m.method(u"initialize", {val(u"Rows", VarType::Long), val(u"Columns", VarType::Long)},
             VarType::Empty, [](Object& s, Args& a) {
               as<TextTable>(s).initialize(a[0].lng(), a[1].lng());
               return none();
             });
    m.method(u"getCellByName", {val(u"CellName", VarType::String)}, VarType::Object,
             [](Object& s, Args& a) {
               return Variant(ObjectPtr(as<TextTable>(s).getCellByName(a[0].text())));
             });
    m.property_get(u"TableColumnSeparators", VarType::Variant, [](Object& s, Args&) {
      std::vector<Variant> items;
      for (auto sep : as<TextTable>(s).TableColumnSeparators())
        items.push_back(Variant(ObjectPtr(std::make_shared<Separator>(sep))));
      return Variant(Array::of(std::move(items)));
    });
    m.property_let(u"TableColumnSeparators", val(u"Value", VarType::Variant),
                   [](Object& s, Args& a) {
                     std::vector<TableColumnSeparator> seps;
                     if (a[0].is_array())
                       for (const Variant& v : a[0].array().items())
                         seps.push_back({static_cast<int16_t>(CLng(get(as_object(v), u"Position"))),
                                         CBool(get(as_object(v), u"IsVisible"))});
                     as<TextTable>(s).TableColumnSeparators(seps);
                     return none();
                   });
    m.property_get(u"TableColumnRelativeSum", VarType::Integer, [](Object& s, Args&) {
      return Variant(as<TextTable>(s).TableColumnRelativeSum());
    });
    return m;
  }();
  return t;
}

const MemberTable& XText::members() const {
  static const MemberTable t = [] {
    MemberTable m(u"Text");
    m.method(u"createTextCursor", {}, VarType::Object,
             [](Object& s, Args&) { return Variant(ObjectPtr(as<XText>(s).createTextCursor())); });
    m.method(u"createTextCursorByRange", {val(u"Range", VarType::Object)}, VarType::Object,
             [](Object& s, Args& a) {
               return Variant(ObjectPtr(as<XText>(s).createTextCursorByRange(
                   *arg<TextRange>(a[0], "um intervalo de texto"))));
             });
    m.method(u"insertTextContent",
             {val(u"Range", VarType::Object), val(u"Content", VarType::Object),
              val(u"Absorb", VarType::Boolean)},
             VarType::Empty, [](Object& s, Args& a) {
               as<XText>(s).insertTextContent(*arg<TextRange>(a[0], "um intervalo de texto"),
                                              *arg<TextTable>(a[1], "uma tabela"), a[2].boolean());
               return none();
             });
    m.method(u"insertString",
             {val(u"Range", VarType::Object), val(u"Text", VarType::String),
              val(u"Absorb", VarType::Boolean)},
             VarType::Empty, [](Object& s, Args& a) {
               as<XText>(s).insertString(*arg<TextRange>(a[0], "um intervalo de texto"),
                                         a[1].text(), a[2].boolean());
               return none();
             });
    m.method(u"getString", {}, VarType::String,
             [](Object& s, Args&) { return Variant(as<XText>(s).getString()); });
    m.property_get(u"String", VarType::String,
                   [](Object& s, Args&) { return Variant(as<XText>(s).getString()); });
    m.method(u"setString", {val(u"Text", VarType::String)}, VarType::Empty, [](Object& s, Args& a) {
      as<XText>(s).setString(a[0].text());
      return none();
    });
    m.property_let(u"String", val(u"Value", VarType::String), [](Object& s, Args& a) {
      as<XText>(s).setString(a[0].text());
      return none();
    });
    m.method(u"getStart", {}, VarType::Object,
             [](Object& s, Args&) { return Variant(ObjectPtr(as<XText>(s).getStart())); });
    m.method(u"getEnd", {}, VarType::Object,
             [](Object& s, Args&) { return Variant(ObjectPtr(as<XText>(s).getEnd())); });
    return m;
  }();
  return t;
}

const MemberTable& Descriptor::members() const {
  static const MemberTable t = [] {
    MemberTable m(u"SearchDescriptor");
    auto text = [&m](const char16_t* get_name, const char16_t* set_name, const char16_t* prop,
                     ::orvane::Text Descriptor::*field) {
      m.method(get_name, {}, VarType::String,
               [field](Object& s, Args&) { return Variant(as<Descriptor>(s).*field); });
      m.method(set_name, {val(u"Text", VarType::String)}, VarType::Empty,
               [field](Object& s, Args& a) {
                 as<Descriptor>(s).*field = a[0].text();
                 return none();
               });
      m.property_get(prop, VarType::String,
                     [field](Object& s, Args&) { return Variant(as<Descriptor>(s).*field); });
      m.property_let(prop, val(u"Value", VarType::String), [field](Object& s, Args& a) {
        as<Descriptor>(s).*field = a[0].text();
        return none();
      });
    };
    text(u"getSearchString", u"setSearchString", u"SearchString", &Descriptor::search);
    text(u"getReplaceString", u"setReplaceString", u"ReplaceString", &Descriptor::replace);
    auto flag = [&m](const char16_t* prop, bool Descriptor::*field) {
      m.property_get(prop, VarType::Boolean,
                     [field](Object& s, Args&) { return Variant(as<Descriptor>(s).*field); });
      m.property_let(prop, val(u"Value", VarType::Boolean), [field](Object& s, Args& a) {
        as<Descriptor>(s).*field = a[0].boolean();
        return none();
      });
    };
    flag(u"SearchCaseSensitive", &Descriptor::SearchCaseSensitive);
    flag(u"SearchWords", &Descriptor::SearchWords);
    flag(u"SearchRegularExpression", &Descriptor::SearchRegularExpression);
    return m;
  }();
  return t;
}

const MemberTable& TextDocument::members() const {
  static const MemberTable t = [] {
    MemberTable m(u"TextDocument");
    m.method(u"getText", {}, VarType::Object,
             [](Object& s, Args&) { return Variant(ObjectPtr(as<TextDocument>(s).getText())); });
    m.property_get(u"Text", VarType::Object, [](Object& s, Args&) {
      return Variant(ObjectPtr(as<TextDocument>(s).getText()));
    });
    m.method(u"createReplaceDescriptor", {}, VarType::Object, [](Object& s, Args&) {
      return Variant(ObjectPtr(as<TextDocument>(s).createReplaceDescriptor()));
    });
    m.method(u"createSearchDescriptor", {}, VarType::Object, [](Object& s, Args&) {
      return Variant(ObjectPtr(as<TextDocument>(s).createSearchDescriptor()));
    });
    m.method(u"replaceAll", {val(u"Descriptor", VarType::Object)}, VarType::Long,
             [](Object& s, Args& a) {
               return Variant(int32_t(as<TextDocument>(s).replaceAll(
                   *arg<Descriptor>(a[0], "um descritor de busca"))));
             });
    m.method(u"findFirst", {val(u"Descriptor", VarType::Object)}, VarType::Object,
             [](Object& s, Args& a) {
               return Variant(ObjectPtr(
                   as<TextDocument>(s).findFirst(*arg<Descriptor>(a[0], "um descritor de busca"))));
             });
    m.method(u"createInstance", {val(u"ServiceName", VarType::String)}, VarType::Object,
             [](Object& s, Args& a) {
               return Variant(ObjectPtr(as<TextDocument>(s).createInstance(a[0].text())));
             });
    m.method(u"storeToURL", {val(u"URL", VarType::String), opt(u"Properties", VarType::Variant)},
             VarType::Empty, [](Object& s, Args& a) {
               as<TextDocument>(s).storeToURL(a[0].text(), a[1]);
               return none();
             });
    for (const char16_t* name : {u"printPages", u"print"})
      m.method(name, {opt(u"Properties", VarType::Variant)}, VarType::Empty,
               [](Object& s, Args& a) {
                 as<TextDocument>(s).printPages(a[0]);
                 return none();
               });
    m.method(u"close", {opt(u"DeliverOwnership", VarType::Boolean, Variant(false))}, VarType::Empty,
             [](Object& s, Args& a) {
               as<TextDocument>(s).close(a[0].boolean());
               return none();
             });
    m.method(u"dispose", {}, VarType::Empty, [](Object& s, Args&) {
      as<TextDocument>(s).close(false);
      return none();
    });
    return m;
  }();
  return t;
}

const MemberTable& Desktop::members() const {
  static const MemberTable t = [] {
    MemberTable m(u"Desktop");
    m.method(u"loadComponentFromURL",
             {val(u"URL", VarType::String),
              opt(u"TargetFrameName", VarType::String, Variant(::orvane::Text(u"_blank"))),
              opt(u"SearchFlags", VarType::Long, Variant(int32_t(0))),
              opt(u"Arguments", VarType::Variant)},
             VarType::Object, [](Object& s, Args& a) {
               return Variant(ObjectPtr(as<Desktop>(s).loadComponentFromURL(
                   a[0].text(), a[1].text(), a[2].lng(), a[3])));
             });
    return m;
  }();
  return t;
}

const MemberTable& ServiceManager::members() const {
  static const MemberTable t = [] {
    MemberTable m(u"ServiceManager");
    m.method(u"createInstance", {val(u"ServiceSpecifier", VarType::String)}, VarType::Object,
             [](Object& s, Args& a) {
               return Variant(as<ServiceManager>(s).createInstance(a[0].text()));
             });
    m.method(u"Bridge_GetStruct", {val(u"Name", VarType::String)}, VarType::Object,
             [](Object& s, Args& a) {
               return Variant(as<ServiceManager>(s).Bridge_GetStruct(a[0].text()));
             });
    return m;
  }();
  return t;
}

}  // namespace orvane::office::writer
