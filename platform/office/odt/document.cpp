#include "platform/office/odt/document.h"

#include <algorithm>
#include <set>

#include "platform/office/errors.h"
#include "platform/office/xmlutil.h"

namespace orvane::office::odt {

namespace {

using pugi::xml_node;
constexpr const char* kCaret = "orvane:caret";

bool is_paragraph(std::string_view n) { return n == "text:p" || n == "text:h"; }

bool is_block_container(std::string_view n) {
  return n == "table:table" || n == "table:table-header-rows" || n == "table:table-rows" ||
         n == "table:table-row" || n == "table:table-cell" || n == "text:list" ||
         n == "text:list-item" || n == "text:list-header" || n == "text:section";
}

// Fields whose shown text the text model reads (so an edit can change it).
bool is_field(std::string_view n) {
  return n == "text:sequence" || n == "text:date" || n == "text:time" || n == "text:page-number" ||
         n == "text:page-count" || n == "text:author-name" || n == "text:title" ||
         n == "text:subject" || n == "text:chapter" || n == "text:file-name";
}

bool is_inline_container(std::string_view n) {
  // An input field (as LibreOffice writes a Word content control) shows the text it
  // holds, which is read and edited like a span's.
  return n == "text:span" || n == "text:a" || n == "text:meta" || n == "text:ruby-base" ||
         n == "text:text-input" || is_field(n);
}

void list_paras(xml_node n, std::vector<xml_node>& out) {
  for (xml_node c : n.children()) {
    if (c.type() != pugi::node_element) continue;
    std::string_view name = c.name();
    if (is_paragraph(name))
      out.push_back(c);
    else if (is_block_container(name))
      list_paras(c, out);
  }
}

void para_text(xml_node n, ParaText& out) {
  for (xml_node c : n.children()) {
    if (c.type() == pugi::node_pcdata) {
      Text s = from_utf8(c.value());
      for (uint32_t k = 0; k < s.size(); ++k) {
        out.text.push_back(s[k]);
        out.atoms.push_back(Atom{c, k});
      }
      continue;
    }
    if (c.type() != pugi::node_element) continue;
    std::string_view name = c.name();
    if (name == "text:s") {
      int count = std::max(1, c.attribute("text:c").as_int(1));
      for (int k = 0; k < count; ++k) {
        out.text.push_back(u' ');
        out.atoms.push_back(Atom{c, static_cast<uint32_t>(k)});
      }
    } else if (name == "text:tab") {
      out.text.push_back(u'\t');
      out.atoms.push_back(Atom{c, 0});
    } else if (name == "text:line-break") {
      out.text.push_back(u'\n');
      out.atoms.push_back(Atom{c, 0});
    } else if (name == "draw:frame" || name == "draw:a") {
      out.text.push_back(1);
      out.atoms.push_back(Atom{c, 0});
    } else if (name == kCaret) {
      out.caret = static_cast<int32_t>(out.text.size());
    } else if (is_inline_container(name)) {
      para_text(c, out);
    }
  }
}

std::string column_name(int c) {
  std::string s;
  ++c;
  while (c > 0) {
    s.insert(s.begin(), static_cast<char>('A' + (c - 1) % 26));
    c = (c - 1) / 26;
  }
  return s;
}

void delete_span(const ParaText& t, int32_t start, int32_t end) {
  std::vector<std::pair<xml_node, std::pair<uint32_t, uint32_t>>> texts;
  std::vector<std::pair<xml_node, int>> spaces;
  std::vector<xml_node> elements;
  for (int32_t i = start; i < end; ++i) {
    const Atom& a = t.atoms[static_cast<size_t>(i)];
    if (a.node.type() == pugi::node_pcdata) {
      if (!texts.empty() && texts.back().first == a.node)
        texts.back().second.second = a.index;
      else
        texts.push_back({a.node, {a.index, a.index}});
    } else if (is_named(a.node, "text:s")) {
      if (!spaces.empty() && spaces.back().first == a.node)
        ++spaces.back().second;
      else
        spaces.push_back({a.node, 1});
    } else if (elements.empty() || elements.back() != a.node) {
      elements.push_back(a.node);
    }
  }
  for (auto& [n, range] : texts) {
    Text s = from_utf8(n.value());
    s.erase(range.first, range.second - range.first + 1);
    if (s.empty())
      n.parent().remove_child(n);
    else
      n.set_value(to_utf8(s).c_str());
  }
  for (auto& [n, k] : spaces) {
    int left = std::max(1, n.attribute("text:c").as_int(1)) - k;
    if (left <= 0) {
      n.parent().remove_child(n);
    } else {
      n.remove_attribute("text:c");
      if (left > 1) n.append_attribute("text:c") = left;
    }
  }
  for (xml_node e : elements) e.parent().remove_child(e);
}

}  // namespace

class Document::Body : public Story {
 public:
  explicit Body(Document& d) : d_(d) {}

 protected:
  void list_paragraphs(xml_node root, std::vector<xml_node>& out) override {
    list_paras(root, out);
  }
  void build_text(xml_node p, ParaText& out) override { para_text(p, out); }
  xml_node root() override {
    return d_.xml_.document_element().child("office:body").child("office:text");
  }

 private:
  Document& d_;
};

Document::~Document() = default;

std::unique_ptr<Document> Document::open(const std::string& path, PackageLimits limits) {
  std::unique_ptr<Document> d(new Document());
  d->pkg_ = std::make_unique<Package>(Package::open(path, limits));
  parse_part(d->xml_, d->pkg_->read("content.xml"), "content.xml", path,
             pugi::parse_default | pugi::parse_declaration | pugi::parse_ws_pcdata);
  if (!d->xml_.document_element().child("office:body").child("office:text"))
    fail(oerr::kCorruptDocument,
         "O documento " + path + " não é um texto do Writer (falta office:text).");
  d->body_ = std::make_unique<Body>(*d);
  d->xml_.find_node([&](xml_node n) {
    if (is_named(n, "table:table")) ++d->tables_;
    return false;
  });
  return d;
}

Story& Document::body() { return *body_; }

void Document::save(const std::string& path) {
  pkg_->write("content.xml", serialize(xml_));
  pkg_->save(path, /*odf=*/true);
}

// LibreOffice works the value of a field out again when it loads a document (a date,
// the page, the title), which would undo an edit of its shown text: a field whose
// text an edit changes becomes that text.
bool Document::settle_fields(xml_node p, const ParaText& t, int32_t start, int32_t end) {
  auto fields_at = [&](int32_t i) {
    std::set<xml_node> found;
    for (xml_node n = t.atoms[static_cast<size_t>(i)].node.parent(); n && n != p; n = n.parent())
      if (is_field(n.name())) found.insert(n);
    return found;
  };
  auto size = static_cast<int32_t>(t.text.size());
  std::set<xml_node> hit;
  for (int32_t i = start; i < end; ++i) hit.merge(fields_at(i));
  if (start == end && start > 0 && start < size)
    for (xml_node f : fields_at(start - 1))
      if (fields_at(start).count(f)) hit.insert(f);
  for (xml_node f : hit) {
    xml_node parent = f.parent();
    for (xml_node c = f.first_child(); c; c = f.first_child()) parent.insert_move_before(c, f);
    parent.remove_child(f);
  }
  return !hit.empty();
}

Pos Document::replace(xml_node p, int32_t start, int32_t end, TextView text) {
  ParaText t = body_->text_of(p);
  auto size = static_cast<int32_t>(t.text.size());
  start = std::clamp(start, 0, size);
  end = std::clamp(end, start, size);
  if (settle_fields(p, t, start, end)) t = body_->text_of(p);
  // New nodes go where the first replaced character is (in its span), then the old
  // characters, now after them, are deleted.
  xml_node parent = p, before;
  if (start < size) {
    const Atom& a = t.atoms[static_cast<size_t>(start)];
    parent = a.node.parent();
    before = a.node;
    if (a.node.type() == pugi::node_pcdata && a.index > 0) {
      Text s = from_utf8(a.node.value());
      xml_node(a.node).set_value(to_utf8(TextView(s).substr(0, a.index)).c_str());
      before = parent.insert_child_after(pugi::node_pcdata, a.node);
      before.set_value(to_utf8(TextView(s).substr(a.index)).c_str());
    }
  } else if (size > 0) {
    const Atom& a = t.atoms.back();
    parent = a.node.parent();
    before = a.node.next_sibling();
  }
  auto add = [&](pugi::xml_node_type type, const char* name) {
    xml_node n = before ? parent.insert_child_before(type, before) : parent.append_child(type);
    if (name) n.set_name(name);
    return n;
  };
  std::u16string pending;
  auto flush = [&] {
    if (!pending.empty()) add(pugi::node_pcdata, nullptr).set_value(to_utf8(pending).c_str());
    pending.clear();
  };
  // ODF collapses a run of blanks in text to one, and drops blanks at the start of a
  // paragraph or line: every blank after the first of a run (or at such a start) goes
  // into a <text:s/>, as Writer stores them.
  bool after_blank = start == 0 || t.text[static_cast<size_t>(start) - 1] == u' ' ||
                     t.text[static_cast<size_t>(start) - 1] == u'\n';
  int spaces = 0;
  auto flush_spaces = [&] {
    if (spaces == 0) return;
    xml_node s = add(pugi::node_element, "text:s");
    if (spaces > 1) s.append_attribute("text:c") = spaces;
    spaces = 0;
  };
  for (size_t i = 0; i < text.size(); ++i) {
    char16_t c = text[i];
    if (c == u' ' && after_blank) {
      flush();
      ++spaces;
      continue;
    }
    flush_spaces();
    if (c == u'\r' || c == u'\n') {
      flush();
      if (c == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n') ++i;
      add(pugi::node_element, "text:line-break");
      after_blank = true;
    } else if (c == u'\t') {
      flush();
      add(pugi::node_element, "text:tab");
      after_blank = false;
    } else {
      pending.push_back(c);
      after_blank = c == u' ';
    }
  }
  flush();
  flush_spaces();
  xml_node caret = add(pugi::node_element, kCaret);
  ParaText after = body_->text_of(p);
  int32_t at = after.caret;
  caret.parent().remove_child(caret);
  if (end > start) {
    after = body_->text_of(p);
    delete_span(after, at, at + (end - start));
  }
  body_->touched(p);
  return Pos{p, at};
}

int Document::replace_all(const SearchOptions& o, TextView with) {
  std::vector<Hit> hits = body_->find_all(o);
  std::vector<xml_node> paras;
  for (const Hit& h : hits) paras.push_back(body_->para(h.para));
  for (size_t i = hits.size(); i-- > 0;) replace(paras[i], hits[i].start, hits[i].end, with);
  return static_cast<int>(hits.size());
}

xml_node Document::split_paragraph(xml_node p, int32_t off) {
  ParaText t = body_->text_of(p);
  xml_node newp = p.parent().insert_child_after(p.name(), p);
  for (auto a : p.attributes()) newp.append_attribute(a.name()) = a.value();
  newp.remove_attribute("xml:id");
  if (off >= static_cast<int32_t>(t.text.size())) return newp;
  // Everything from the atom at `off` on moves, inside copies of its enclosing spans.
  const Atom& a = t.atoms[static_cast<size_t>(off)];
  xml_node start = a.node;
  if (a.node.type() == pugi::node_pcdata && a.index > 0) {
    Text s = from_utf8(a.node.value());
    xml_node(a.node).set_value(to_utf8(TextView(s).substr(0, a.index)).c_str());
    start = a.node.parent().insert_child_after(pugi::node_pcdata, a.node);
    start.set_value(to_utf8(TextView(s).substr(a.index)).c_str());
  }
  std::vector<xml_node> chain;
  for (xml_node n = start; n && n != p; n = n.parent()) chain.push_back(n);
  std::vector<xml_node> clones(chain.size());
  xml_node container = newp;
  for (size_t i = chain.size(); i-- > 1;) {
    xml_node c = container.append_child(chain[i].name());
    for (auto at : chain[i].attributes()) c.append_attribute(at.name()) = at.value();
    clones[i] = c;
    container = c;
  }
  for (size_t i = 0; i < chain.size(); ++i) {
    xml_node dest = (i + 1 < chain.size()) ? clones[i + 1] : newp;
    xml_node s = i == 0 ? chain[0] : chain[i].next_sibling();
    while (s) {
      xml_node next = s.next_sibling();
      dest.append_move(s);
      s = next;
    }
  }
  return newp;
}

xml_node Document::automatic_styles() {
  xml_node root = xml_.document_element();
  xml_node s = root.child("office:automatic-styles");
  if (!s) {
    xml_node before = root.child("office:body");
    s = root.insert_child_before("office:automatic-styles", before);
  }
  return s;
}

xml_node Document::insert_table(xml_node p, int32_t start, int32_t end, int rows, int cols) {
  if (rows < 1 || cols < 1 || rows > 32767 || cols > 1024)
    fail(oerr::kBadParameter, "Número de linhas ou colunas fora do intervalo permitido.");
  Pos at = replace(p, start, end, u"");
  xml_node before_node = p;
  if (at.off > 0) before_node = split_paragraph(p, at.off);
  std::string name = "Tabela" + std::to_string(++tables_);
  while (xml_.find_node([&](xml_node n) {
    return is_named(n, "table:table") && name == n.attribute("table:name").value();
  }))
    name = "Tabela" + std::to_string(++tables_);

  xml_node styles = automatic_styles();
  xml_node ts = styles.append_child("style:style");
  ts.append_attribute("style:name") = name.c_str();
  ts.append_attribute("style:family") = "table";
  xml_node tp = ts.append_child("style:table-properties");
  tp.append_attribute("style:width") = "17cm";
  tp.append_attribute("table:align") = "margins";
  xml_node cs = styles.append_child("style:style");
  cs.append_attribute("style:name") = (name + ".A1").c_str();
  cs.append_attribute("style:family") = "table-cell";
  xml_node cp = cs.append_child("style:table-cell-properties");
  cp.append_attribute("fo:padding") = "0.097cm";
  cp.append_attribute("fo:border") = "0.5pt solid #000000";

  xml_node tbl = before_node.parent().insert_child_before("table:table", before_node);
  tbl.append_attribute("table:name") = name.c_str();
  tbl.append_attribute("table:style-name") = name.c_str();
  for (int c = 0; c < cols; ++c) {
    std::string col_style = name + "." + column_name(c);
    xml_node col = tbl.append_child("table:table-column");
    col.append_attribute("table:style-name") = col_style.c_str();
    xml_node st = styles.append_child("style:style");
    st.append_attribute("style:name") = col_style.c_str();
    st.append_attribute("style:family") = "table-column";
    st.append_child("style:table-column-properties");
  }
  for (int r = 0; r < rows; ++r) {
    xml_node tr = tbl.append_child("table:table-row");
    for (int c = 0; c < cols; ++c) {
      xml_node tc = tr.append_child("table:table-cell");
      tc.append_attribute("table:style-name") = (name + ".A1").c_str();
      tc.append_attribute("office:value-type") = "string";
      tc.append_child("text:p");
    }
  }
  set_column_widths(tbl, std::vector<int>(static_cast<size_t>(cols), 10000 / cols));
  body_->restructured();
  return tbl;
}

xml_node Document::cell(xml_node table, const std::string& name) {
  size_t i = 0;
  int col = 0;
  while (i < name.size() && std::isalpha(static_cast<unsigned char>(name[i])))
    col = col * 26 + (std::toupper(static_cast<unsigned char>(name[i++])) - 'A' + 1);
  int row = 0;
  for (; i < name.size() && std::isdigit(static_cast<unsigned char>(name[i])); ++i)
    row = row * 10 + (name[i] - '0');
  if (col < 1 || row < 1 || i != name.size()) return {};
  int r = 0;
  xml_node found;
  table.find_node([&](xml_node n) {
    if (!is_named(n, "table:table-row")) return false;
    if (++r != row) return false;
    int c = 0;
    for (xml_node tc : n.children())
      if (is_named(tc, "table:table-cell") && ++c == col) found = tc;
    return true;
  });
  return found;
}

std::vector<int> Document::column_widths(xml_node table) {
  std::vector<int> out;
  for (xml_node col : table.children("table:table-column")) {
    std::string style = col.attribute("table:style-name").value();
    xml_node st =
        automatic_styles().find_child_by_attribute("style:style", "style:name", style.c_str());
    int w = std::atoi(
        st.child("style:table-column-properties").attribute("style:rel-column-width").value());
    int repeat = std::max(1, col.attribute("table:number-columns-repeated").as_int(1));
    for (int k = 0; k < repeat; ++k) out.push_back(w);
  }
  int sum = 0;
  for (int w : out) sum += w;
  if (sum <= 0 && !out.empty())
    std::fill(out.begin(), out.end(), 10000 / static_cast<int>(out.size()));
  return out;
}

void Document::set_column_widths(xml_node table, const std::vector<int>& widths) {
  size_t i = 0;
  for (xml_node col : table.children("table:table-column")) {
    if (i >= widths.size()) break;
    std::string style = col.attribute("table:style-name").value();
    xml_node st =
        automatic_styles().find_child_by_attribute("style:style", "style:name", style.c_str());
    if (!st) continue;
    xml_node props = st.child("style:table-column-properties");
    if (!props) props = st.append_child("style:table-column-properties");
    int w = std::max(1, widths[i++]);
    set_attr(props, "style:rel-column-width", std::to_string(w) + "*");
    char cm[32];
    std::snprintf(cm, sizeof cm, "%.3fcm", 17.0 * w / 10000.0);
    set_attr(props, "style:column-width", cm);
  }
}

}  // namespace orvane::office::odt
