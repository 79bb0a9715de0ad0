#include "platform/office/docx/document.h"

#include <algorithm>
#include <cstring>
#include <map>
#include <set>

#include "platform/office/errors.h"
#include "platform/office/image.h"
#include "platform/office/xmlutil.h"

namespace orvane::office::docx {

namespace {

using pugi::xml_node;

constexpr const char* kBreak = "w:orvane-break";
constexpr const char* kCaret = "w:orvane-caret";

const std::initializer_list<const char*> kPPrOrder = {"w:pStyle",
                                                      "w:keepNext",
                                                      "w:keepLines",
                                                      "w:pageBreakBefore",
                                                      "w:framePr",
                                                      "w:widowControl",
                                                      "w:numPr",
                                                      "w:suppressLineNumbers",
                                                      "w:pBdr",
                                                      "w:shd",
                                                      "w:tabs",
                                                      "w:suppressAutoHyphens",
                                                      "w:kinsoku",
                                                      "w:wordWrap",
                                                      "w:overflowPunct",
                                                      "w:topLinePunct",
                                                      "w:autoSpaceDE",
                                                      "w:autoSpaceDN",
                                                      "w:bidi",
                                                      "w:adjustRightInd",
                                                      "w:snapToGrid",
                                                      "w:spacing",
                                                      "w:ind",
                                                      "w:contextualSpacing",
                                                      "w:mirrorIndents",
                                                      "w:suppressOverlap",
                                                      "w:jc",
                                                      "w:textDirection",
                                                      "w:textAlignment",
                                                      "w:textboxTightWrap",
                                                      "w:outlineLvl",
                                                      "w:divId",
                                                      "w:cnfStyle",
                                                      "w:rPr",
                                                      "w:sectPr",
                                                      "w:pPrChange"};
const std::initializer_list<const char*> kRPrOrder = {"w:rStyle",
                                                      "w:rFonts",
                                                      "w:b",
                                                      "w:bCs",
                                                      "w:i",
                                                      "w:iCs",
                                                      "w:caps",
                                                      "w:smallCaps",
                                                      "w:strike",
                                                      "w:dstrike",
                                                      "w:outline",
                                                      "w:shadow",
                                                      "w:emboss",
                                                      "w:imprint",
                                                      "w:noProof",
                                                      "w:snapToGrid",
                                                      "w:vanish",
                                                      "w:webHidden",
                                                      "w:color",
                                                      "w:spacing",
                                                      "w:w",
                                                      "w:kern",
                                                      "w:position",
                                                      "w:sz",
                                                      "w:szCs",
                                                      "w:highlight",
                                                      "w:u",
                                                      "w:effect",
                                                      "w:bdr",
                                                      "w:shd",
                                                      "w:fitText",
                                                      "w:vertAlign",
                                                      "w:rtl",
                                                      "w:cs",
                                                      "w:em",
                                                      "w:lang",
                                                      "w:eastAsianLayout",
                                                      "w:specVanish",
                                                      "w:oMath"};
const std::initializer_list<const char*> kTcPrOrder = {
    "w:cnfStyle", "w:tcW",   "w:gridSpan",      "w:hMerge",    "w:vMerge", "w:tcBorders", "w:shd",
    "w:noWrap",   "w:tcMar", "w:textDirection", "w:tcFitText", "w:vAlign", "w:hideMark"};
const std::initializer_list<const char*> kBorderOrder = {
    "w:top", "w:left",    "w:start",   "w:bottom", "w:right",
    "w:end", "w:insideH", "w:insideV", "w:tl2br",  "w:tr2bl"};
const std::initializer_list<const char*> kPBdrOrder = {"w:top",   "w:left",    "w:bottom",
                                                       "w:right", "w:between", "w:bar"};

bool is_container(std::string_view n) {
  return n == "w:hyperlink" || n == "w:smartTag" || n == "w:ins" || n == "w:customXml" ||
         n == "w:fldSimple" || n == "w:dir" || n == "w:bdo" || n == "w:moveTo" || n == "w:sdt" ||
         n == "w:sdtContent";
}

bool is_run_content(xml_node c) {
  if (c.type() != pugi::node_element) return false;
  return std::strcmp(c.name(), "w:rPr") != 0;
}

void run_text(xml_node r, ParaText& out) {
  for (xml_node c : r.children()) {
    if (c.type() != pugi::node_element) continue;
    std::string_view n = c.name();
    auto one = [&](char16_t ch) {
      out.text.push_back(ch);
      out.atoms.push_back(Atom{c, 0});
    };
    if (n == "w:t") {
      Text s = from_utf8(c.child_value());
      for (uint32_t k = 0; k < s.size(); ++k) {
        out.text.push_back(s[k]);
        out.atoms.push_back(Atom{c, k});
      }
    } else if (n == "w:tab") {
      one(u'\t');
    } else if (n == "w:br") {
      std::string_view type = c.attribute("w:type").value();
      one(type == "page" ? 12 : type == "column" ? 14 : 11);
    } else if (n == "w:cr") {
      one(11);
    } else if (n == "w:noBreakHyphen") {
      one(30);
    } else if (n == "w:softHyphen") {
      one(31);
    } else if (n == "w:drawing" || n == "w:pict" || n == "w:object" || n == "mc:AlternateContent") {
      one(1);
    } else if (n == "w:sym") {
      one(40);
    } else if (n == kCaret) {
      out.caret = static_cast<int32_t>(out.text.size());
    }
  }
}

void para_text(xml_node n, ParaText& out) {
  for (xml_node c : n.children()) {
    if (c.type() != pugi::node_element) continue;
    std::string_view name = c.name();
    if (name == "w:r")
      run_text(c, out);
    else if (name == kCaret)
      out.caret = static_cast<int32_t>(out.text.size());
    else if (is_container(name))
      para_text(c, out);
  }
}

void list_paras(xml_node n, std::vector<xml_node>& out) {
  for (xml_node c : n.children()) {
    if (c.type() != pugi::node_element) continue;
    std::string_view name = c.name();
    if (name == "w:p")
      out.push_back(c);
    else if (name == "w:tbl" || name == "w:tr" || name == "w:tc" || name == "w:sdt" ||
             name == "w:sdtContent" || name == "w:customXml")
      list_paras(c, out);
  }
}

// Copies run properties without revision marks.
void copy_rpr(xml_node dest_run, xml_node rpr) {
  if (!rpr) return;
  xml_node copy = dest_run.prepend_copy(rpr);
  copy.set_name("w:rPr");
  for (const char* drop : {"w:ins", "w:del", "w:rPrChange", "w:moveFrom", "w:moveTo"})
    while (xml_node d = copy.child(drop)) copy.remove_child(d);
}

void set_bold_in(xml_node rpr, bool bold) {
  for (const char* name : {"w:b", "w:bCs"}) {
    xml_node b = ordered_child(rpr, name, kRPrOrder);
    b.remove_attribute("w:val");
    if (!bold) b.append_attribute("w:val") = "0";
  }
}

void apply_format(xml_node run, const RunFormat& fmt) {
  if (fmt.bold) set_bold_in(first_child(run, "w:rPr"), *fmt.bold);
}

void drop_unique_ids(xml_node n) {
  for (const char* a : {"w14:paraId", "w14:textId"}) n.remove_attribute(a);
}

bool run_is_empty(xml_node r) {
  for (xml_node c : r.children())
    if (is_run_content(c)) return false;
  return true;
}

void remove_empty_runs(xml_node n) {
  for (xml_node c = n.first_child(); c;) {
    xml_node next = c.next_sibling();
    if (is_named(c, "w:r") && run_is_empty(c))
      n.remove_child(c);
    else if (c.type() == pugi::node_element && is_container(c.name()))
      remove_empty_runs(c);
    c = next;
  }
}

xml_node rows_parent_row(xml_node tbl, int row) {
  int i = 0;
  for (xml_node tr : tbl.children("w:tr"))
    if (i++ == row) return tr;
  return {};
}

int to_int(const char* s, int fallback) {
  if (!s || !*s) return fallback;
  try {
    return std::stoi(s);
  } catch (...) {
    return fallback;
  }
}

std::string border_val(int line_style) {
  switch (line_style) {
    case 0:
      return "nil";
    case 7:
      return "double";
    case 2:
      return "dotted";
    case 3:
      return "dashed";
    default:
      return "single";
  }
}

void set_border(xml_node holder, const char* edge, int line_style,
                std::initializer_list<const char*> order) {
  xml_node b = ordered_child(holder, edge, order);
  b.remove_attributes();
  b.append_attribute("w:val") = border_val(line_style).c_str();
  if (line_style != 0) {
    b.append_attribute("w:sz") = "4";
    b.append_attribute("w:space") = "0";
    b.append_attribute("w:color") = "auto";
  }
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
  xml_node root() override { return d_.xml_.document_element().child("w:body"); }

 private:
  Document& d_;
};

Document::~Document() = default;

std::unique_ptr<Document> Document::open(const std::string& path, PackageLimits limits) {
  std::unique_ptr<Document> d(new Document());
  d->pkg_ = std::make_unique<Package>(Package::open(path, limits));
  d->main_part_ = "word/document.xml";
  if (d->pkg_->has("_rels/.rels")) {
    pugi::xml_document rels;
    parse_part(rels, d->pkg_->read("_rels/.rels"), "_rels/.rels", path, pugi::parse_default);
    for (xml_node r : rels.document_element().children("Relationship")) {
      std::string_view type = r.attribute("Type").value();
      if (type.size() >= 15 && type.substr(type.size() - 15) == "/officeDocument") {
        std::string target = r.attribute("Target").value();
        while (!target.empty() && target[0] == '/') target.erase(0, 1);
        if (!target.empty()) d->main_part_ = target;
      }
    }
  }
  parse_part(d->xml_, d->pkg_->read(d->main_part_), d->main_part_, path,
             pugi::parse_default | pugi::parse_declaration | pugi::parse_ws_pcdata_single);
  if (!d->xml_.document_element().child("w:body"))
    fail(oerr::kCorruptDocument,
         "O documento " + path + " está corrompido: não tem o corpo do texto (w:body).");
  d->body_ = std::make_unique<Body>(*d);
  return d;
}

Story& Document::body() { return *body_; }

void Document::save(const std::string& path) {
  pkg_->write(main_part_, serialize(xml_));
  pkg_->save(path, /*odf=*/false);
}

// ---- fields ----------------------------------------------------------------------

namespace {

// A field of a paragraph: the runs of its code (begin mark, instructions, separator)
// and of its end mark, and the runs of its shown result.
struct Field {
  xml_node simple;  // a w:fldSimple, or null for a field of fldChar marks
  std::vector<xml_node> marks;
  std::string code;
};

bool has_fld_char(xml_node r, const char* type) {
  for (xml_node c : r.children("w:fldChar"))
    if (std::strcmp(c.attribute("w:fldCharType").value(), type) == 0) return true;
  return false;
}

// The fields whose result holds each run of `n` (by run), in document order.
void map_fields(xml_node n, std::vector<std::shared_ptr<Field>>& open,
                std::map<const void*, std::vector<std::shared_ptr<Field>>>& result_of,
                std::vector<bool>& separated) {
  for (xml_node c : n.children()) {
    if (c.type() != pugi::node_element) continue;
    if (is_named(c, "w:fldSimple")) {
      auto f = std::make_shared<Field>();
      f->simple = c;
      f->code = c.attribute("w:instr").value();
      open.push_back(f);
      separated.push_back(true);
      map_fields(c, open, result_of, separated);
      open.pop_back();
      separated.pop_back();
    } else if (is_named(c, "w:r")) {
      if (has_fld_char(c, "begin")) {
        open.push_back(std::make_shared<Field>());
        separated.push_back(false);
        open.back()->marks.push_back(c);
      } else if (has_fld_char(c, "separate") && !open.empty()) {
        separated.back() = true;
        open.back()->marks.push_back(c);
      } else if (has_fld_char(c, "end") && !open.empty()) {
        open.back()->marks.push_back(c);
        open.pop_back();
        separated.pop_back();
      } else if (!open.empty() && !separated.back()) {
        open.back()->marks.push_back(c);
        for (xml_node i : c.children("w:instrText")) open.back()->code += i.child_value();
      } else {
        for (size_t k = 0; k < open.size(); ++k)
          if (separated[k]) result_of[c.internal_object()].push_back(open[k]);
      }
    } else if (is_container(c.name())) {
      map_fields(c, open, result_of, separated);
    }
  }
}

bool is_hyperlink_field(const std::string& code) {
  size_t at = code.find_first_not_of(' ');
  return at != std::string::npos && code.compare(at, 9, "HYPERLINK") == 0;
}

}  // namespace

// LibreOffice works the value of most fields out again when it loads a document (a
// date, a cross-reference, the file name), which would undo an edit of the shown text.
// A field whose result an edit changes becomes that text; a hyperlink keeps its link.
bool Document::settle_fields(xml_node p, const ParaText& t, int32_t start, int32_t end) {
  if (!p.find_node(
          [](xml_node n) { return is_named(n, "w:fldChar") || is_named(n, "w:fldSimple"); }))
    return false;
  std::vector<std::shared_ptr<Field>> open;
  std::vector<bool> separated;
  std::map<const void*, std::vector<std::shared_ptr<Field>>> result_of;
  map_fields(p, open, result_of, separated);
  auto fields_at = [&](int32_t i) {
    const auto& v = result_of[t.atoms[static_cast<size_t>(i)].node.parent().internal_object()];
    return std::set<std::shared_ptr<Field>>(v.begin(), v.end());
  };
  auto size = static_cast<int32_t>(t.text.size());
  std::set<std::shared_ptr<Field>> hit;
  for (int32_t i = start; i < end; ++i) hit.merge(fields_at(i));
  if (start == end && start > 0 && start < size)
    for (const auto& f : fields_at(start - 1))
      if (fields_at(start).count(f)) hit.insert(f);
  bool changed = false;
  for (const auto& f : hit) {
    if (is_hyperlink_field(f->code)) continue;
    if (f->simple) {
      xml_node parent = f->simple.parent();
      for (xml_node c = f->simple.first_child(); c; c = f->simple.first_child())
        parent.insert_move_before(c, f->simple);
      parent.remove_child(f->simple);
    } else {
      for (xml_node r : f->marks) {
        for (const char* mark : {"w:fldChar", "w:instrText", "w:delInstrText"})
          while (xml_node m = r.child(mark)) r.remove_child(m);
        if (run_is_empty(r)) r.parent().remove_child(r);
      }
    }
    changed = true;
  }
  return changed;
}

// ---- positions and runs ---------------------------------------------------------

xml_node Document::split_run_before(xml_node content, uint32_t index) {
  if (is_named(content, "w:t") && index > 0) {
    Text s = from_utf8(content.child_value());
    xml_node t2 = content.parent().insert_child_after("w:t", content);
    t2.append_attribute("xml:space") = "preserve";
    set_attr(content, "xml:space", "preserve");
    t2.text().set(to_utf8(TextView(s).substr(index)).c_str());
    content.text().set(to_utf8(TextView(s).substr(0, index)).c_str());
    content = t2;
  }
  xml_node run = content.parent();
  bool first = true;
  for (xml_node c = content.previous_sibling(); c; c = c.previous_sibling())
    if (is_run_content(c)) first = false;
  if (first) return run;
  xml_node r2 = run.parent().insert_child_after("w:r", run);
  for (auto a : run.attributes()) r2.append_attribute(a.name()) = a.value();
  if (xml_node rpr = run.child("w:rPr")) r2.append_copy(rpr);
  for (xml_node c = content; c;) {
    xml_node next = c.next_sibling();
    r2.append_move(c);
    c = next;
  }
  return r2;
}

Document::Anchor Document::anchor_at(xml_node p, const ParaText& t, int32_t off) {
  auto size = static_cast<int32_t>(t.text.size());
  if (off < size) {
    const Atom& a = t.atoms[static_cast<size_t>(off)];
    xml_node r2 = split_run_before(a.node, a.index);
    return Anchor{r2.parent(), r2};
  }
  if (size == 0) return Anchor{p, xml_node()};
  const Atom& last = t.atoms.back();
  xml_node run = last.node.parent();
  if (is_named(last.node, "w:t")) {
    Text s = from_utf8(last.node.child_value());
    if (last.index + 1 < s.size()) {
      xml_node r2 = split_run_before(last.node, last.index + 1);
      return Anchor{r2.parent(), r2};
    }
  }
  for (xml_node c = last.node.next_sibling(); c; c = c.next_sibling())
    if (is_run_content(c)) {
      xml_node r2 = split_run_before(c, 0);
      return Anchor{r2.parent(), r2};
    }
  return Anchor{run.parent(), run.next_sibling()};
}

xml_node Document::format_source(xml_node p, const ParaText& t, int32_t start, int32_t end) {
  auto size = static_cast<int32_t>(t.text.size());
  const Atom* a = nullptr;
  if (start < end && start < size)
    a = &t.atoms[static_cast<size_t>(start)];
  else if (start > 0 && start <= size)
    a = &t.atoms[static_cast<size_t>(start - 1)];
  else if (size > 0)
    a = &t.atoms[0];
  if (a) return a->node.parent().child("w:rPr");
  return p.child("w:pPr").child("w:rPr");
}

void Document::delete_span(xml_node p, const ParaText& t, int32_t start, int32_t end) {
  (void)p;
  std::map<const void*, std::pair<xml_node, std::pair<uint32_t, uint32_t>>> texts;
  std::vector<xml_node> elements;
  std::set<const void*> seen_el;
  for (int32_t i = start; i < end; ++i) {
    const Atom& a = t.atoms[static_cast<size_t>(i)];
    if (is_named(a.node, "w:t")) {
      auto [it, fresh] = texts.try_emplace(
          a.node.internal_object(), std::make_pair(a.node, std::make_pair(a.index, a.index)));
      if (!fresh) {
        it->second.second.first = std::min(it->second.second.first, a.index);
        it->second.second.second = std::max(it->second.second.second, a.index);
      }
    } else if (seen_el.insert(a.node.internal_object()).second) {
      elements.push_back(a.node);
    }
  }
  std::vector<xml_node> runs;
  for (auto& [key, v] : texts) {
    xml_node n = v.first;
    Text s = from_utf8(n.child_value());
    s.erase(v.second.first, v.second.second - v.second.first + 1);
    runs.push_back(n.parent());
    if (s.empty()) {
      n.parent().remove_child(n);
    } else {
      set_attr(n, "xml:space", "preserve");
      n.text().set(to_utf8(s).c_str());
    }
  }
  for (xml_node e : elements) {
    runs.push_back(e.parent());
    e.parent().remove_child(e);
  }
  std::set<const void*> checked;
  for (xml_node r : runs)
    if (checked.insert(r.internal_object()).second && is_named(r, "w:r") && run_is_empty(r))
      r.parent().remove_child(r);
}

xml_node Document::new_run(const Anchor& a, xml_node rpr_source, const RunFormat& fmt) {
  xml_node parent = a.parent, before = a.before;
  xml_node r = before ? parent.insert_child_before("w:r", before) : parent.append_child("w:r");
  copy_rpr(r, rpr_source);
  apply_format(r, fmt);
  return r;
}

// Splits the paragraph at `marker` (any depth inside it): what follows the marker moves
// into a new paragraph after `p`, inside copies of the elements that held it.
xml_node Document::split_at_marker(xml_node p, xml_node marker) {
  xml_node newp = p.parent().insert_child_after("w:p", p);
  for (auto a : p.attributes()) newp.append_attribute(a.name()) = a.value();
  drop_unique_ids(newp);
  if (xml_node ppr = p.child("w:pPr")) {
    newp.append_copy(ppr);
    // The section (if this paragraph ends one) now ends with the second half.
    if (xml_node s = ppr.child("w:sectPr")) ppr.remove_child(s);
  }
  std::vector<xml_node> chain;
  for (xml_node n = marker; n && n != p; n = n.parent()) chain.push_back(n);
  // Copies of the enclosing elements, outermost first.
  std::vector<xml_node> clones(chain.size());
  xml_node container = newp;
  for (size_t i = chain.size(); i-- > 1;) {
    xml_node orig = chain[i];
    xml_node c = container.append_child(orig.name());
    for (auto a : orig.attributes()) c.append_attribute(a.name()) = a.value();
    xml_node first = orig.first_child();
    if (first && first.type() == pugi::node_element) {
      std::string_view fn = first.name();
      if (fn.size() > 2 && fn.substr(fn.size() - 2) == "Pr") c.append_copy(first);
    }
    clones[i] = c;
    container = c;
  }
  for (size_t i = 0; i < chain.size(); ++i) {
    xml_node dest = (i + 1 < chain.size()) ? clones[i + 1] : newp;
    for (xml_node s = chain[i].next_sibling(); s;) {
      xml_node next = s.next_sibling();
      dest.append_move(s);
      s = next;
    }
  }
  marker.parent().remove_child(marker);
  remove_empty_runs(p);
  remove_empty_runs(newp);
  return newp;
}

Pos Document::replace(xml_node p, int32_t start, int32_t end, TextView text, const RunFormat& fmt) {
  ParaText t = body_->text_of(p);
  auto size = static_cast<int32_t>(t.text.size());
  start = std::clamp(start, 0, size);
  end = std::clamp(end, start, size);
  if (settle_fields(p, t, start, end)) t = body_->text_of(p);
  pugi::xml_document held;
  if (xml_node src = format_source(p, t, start, end)) held.append_copy(src);
  xml_node rpr = held.first_child();
  if (start < end) {
    delete_span(p, t, start, end);
    t = body_->text_of(p);
  }
  if (text.empty() && !fmt.bold) {
    body_->touched(p);
    return Pos{p, start};
  }
  Anchor a = anchor_at(p, t, start);
  xml_node run = new_run(a, rpr, fmt);
  bool breaks = false;
  std::u16string pending;
  auto flush = [&] {
    if (pending.empty()) return;
    xml_node wt = run.append_child("w:t");
    wt.append_attribute("xml:space") = "preserve";
    wt.text().set(to_utf8(pending).c_str());
    pending.clear();
  };
  for (size_t i = 0; i < text.size(); ++i) {
    char16_t c = text[i];
    if (c == u'\r' || c == u'\n') {
      flush();
      if (c == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n') ++i;
      run.append_child(kBreak);
      breaks = true;
    } else if (c == u'\t') {
      flush();
      run.append_child("w:tab");
    } else if (c == 11) {
      flush();
      run.append_child("w:br");
    } else if (c == 12) {
      flush();
      run.append_child("w:br").append_attribute("w:type") = "page";
    } else {
      pending.push_back(c);
    }
  }
  flush();
  run.parent().insert_child_after(kCaret, run);
  xml_node last = p;
  if (breaks) {
    while (true) {
      xml_node m = last.find_node([](xml_node n) { return is_named(n, kBreak); });
      if (!m) break;
      last = split_at_marker(last, m);
    }
    body_->split(p);
  } else {
    body_->touched(p);
  }
  ParaText after = body_->text_of(last);
  xml_node caret = last.find_node([](xml_node n) { return is_named(n, kCaret); });
  if (caret) caret.parent().remove_child(caret);
  if (run_is_empty(run) && run.parent()) run.parent().remove_child(run);
  return Pos{last, after.caret < 0 ? 0 : after.caret};
}

int Document::replace_all(const SearchOptions& o, TextView with) {
  std::vector<Hit> hits = body_->find_all(o);
  if (hits.empty()) return 0;
  std::vector<xml_node> paras;
  for (const Hit& h : hits) paras.push_back(body_->para(h.para));
  // Back to front, so earlier offsets in a paragraph stay valid.
  for (size_t i = hits.size(); i-- > 0;) replace(paras[i], hits[i].start, hits[i].end, with);
  return static_cast<int>(hits.size());
}

// ---- tables ---------------------------------------------------------------------

xml_node Document::cell_of(xml_node para) {
  for (xml_node n = para.parent(); n; n = n.parent())
    if (is_named(n, "w:tc")) return n;
  return {};
}

xml_node Document::table_of(xml_node cell) {
  for (xml_node n = cell.parent(); n; n = n.parent())
    if (is_named(n, "w:tbl")) return n;
  return {};
}

int Document::row_index(xml_node cell) {
  xml_node tr = cell.parent();
  int i = 0;
  for (xml_node r = tr.previous_sibling("w:tr"); r; r = r.previous_sibling("w:tr")) ++i;
  return i;
}

int Document::cell_index(xml_node cell) {
  int i = 0;
  for (xml_node c = cell.previous_sibling("w:tc"); c; c = c.previous_sibling("w:tc")) ++i;
  return i;
}

xml_node Document::cell_at(xml_node tbl, int row, int cell) {
  xml_node tr = rows_parent_row(tbl, row);
  int i = 0;
  for (xml_node tc : tr.children("w:tc"))
    if (i++ == cell) return tc;
  return {};
}

int Document::row_count(xml_node tbl) {
  int n = 0;
  for (xml_node tr : tbl.children("w:tr")) (void)tr, ++n;
  return n;
}

int Document::cell_count(xml_node tbl, int row) {
  int n = 0;
  for (xml_node tc : rows_parent_row(tbl, row).children("w:tc")) (void)tc, ++n;
  return n;
}

xml_node Document::first_para(xml_node container) {
  return container.find_node([](xml_node n) { return is_named(n, "w:p"); });
}

int Document::available_width(xml_node p) {
  if (xml_node tc = cell_of(p)) {
    xml_node w = tc.child("w:tcPr").child("w:tcW");
    std::string_view type = w.attribute("w:type").value();
    int v = to_int(w.attribute("w:w").value(), 0);
    if (v > 0 && (type.empty() || type == "dxa")) return std::max(v - 216, 720);
  }
  xml_node body = xml_.document_element().child("w:body");
  xml_node sect = body.child("w:sectPr");
  int page = to_int(sect.child("w:pgSz").attribute("w:w").value(), 12240);
  int left = to_int(sect.child("w:pgMar").attribute("w:left").value(), 1440);
  int right = to_int(sect.child("w:pgMar").attribute("w:right").value(), 1440);
  int w = page - left - right;
  return w > 720 ? w : 9360;
}

xml_node Document::insert_table(xml_node p, int32_t start, int32_t end, int rows, int cols) {
  if (rows < 1 || cols < 1 || rows > 32767 || cols > 63)
    fail(oerr::kBadParameter, "Número de linhas ou colunas fora do intervalo permitido.");
  int width = available_width(p);
  ParaText t = body_->text_of(p);
  pugi::xml_document held;
  if (xml_node src = format_source(p, t, start, end)) held.append_copy(src);
  xml_node rpr = held.first_child();
  pugi::xml_document held_ppr;
  if (xml_node ppr = p.child("w:pPr")) held_ppr.append_copy(ppr);

  Pos at = replace(p, start, end, u"");
  t = body_->text_of(at.para);
  Anchor a = anchor_at(at.para, t, at.off);
  xml_node marker =
      a.before ? a.parent.insert_child_before(kBreak, a.before) : a.parent.append_child(kBreak);
  xml_node before = at.para;
  xml_node after = split_at_marker(before, marker);
  if (body_->text_of(before).text.empty()) {
    // Nothing stays before the table; keep bookmarks and marks with the text after it.
    xml_node ppr_after = after.child("w:pPr");
    for (xml_node c = before.first_child(); c;) {
      xml_node next = c.next_sibling();
      if (!is_named(c, "w:pPr")) {
        if (ppr_after)
          after.insert_move_after(c, ppr_after), ppr_after = c;
        else
          after.prepend_move(c), ppr_after = c;
      }
      c = next;
    }
    before.parent().remove_child(before);
  }
  xml_node tbl = after.parent().insert_child_before("w:tbl", after);
  xml_node tblPr = tbl.append_child("w:tblPr");
  int colw = width / cols;
  xml_node tblW = tblPr.append_child("w:tblW");
  tblW.append_attribute("w:w") = std::to_string(colw * cols).c_str();
  tblW.append_attribute("w:type") = "dxa";
  xml_node borders = tblPr.append_child("w:tblBorders");
  for (const char* e : {"w:top", "w:left", "w:bottom", "w:right", "w:insideH", "w:insideV"})
    set_border(borders, e, 1, kBorderOrder);
  tblPr.append_child("w:tblLayout").append_attribute("w:type") = "fixed";
  xml_node mar = tblPr.append_child("w:tblCellMar");
  for (const char* e : {"w:left", "w:right"}) {
    xml_node m = mar.append_child(e);
    m.append_attribute("w:w") = "108";
    m.append_attribute("w:type") = "dxa";
  }
  xml_node grid = tbl.append_child("w:tblGrid");
  for (int c = 0; c < cols; ++c)
    grid.append_child("w:gridCol").append_attribute("w:w") = std::to_string(colw).c_str();
  for (int r = 0; r < rows; ++r) {
    xml_node tr = tbl.append_child("w:tr");
    for (int c = 0; c < cols; ++c) {
      xml_node tc = tr.append_child("w:tc");
      xml_node w = tc.append_child("w:tcPr").append_child("w:tcW");
      w.append_attribute("w:w") = std::to_string(colw).c_str();
      w.append_attribute("w:type") = "dxa";
      xml_node cp = tc.append_child("w:p");
      xml_node ppr = held_ppr.first_child() ? cp.append_copy(held_ppr.first_child())
                                            : cp.append_child("w:pPr");
      for (const char* drop : {"w:numPr", "w:sectPr", "w:pBdr", "w:framePr", "w:pPrChange", "w:rPr",
                               "w:keepNext", "w:pageBreakBefore"})
        while (xml_node d = ppr.child(drop)) ppr.remove_child(d);
      if (rpr) {
        xml_node mark = ordered_child(ppr, "w:rPr", kPPrOrder);
        for (xml_node c2 : rpr.children()) mark.append_copy(c2);
        for (const char* drop : {"w:ins", "w:del", "w:rPrChange"})
          while (xml_node d = mark.child(drop)) mark.remove_child(d);
      }
      if (!ppr.first_child()) cp.remove_child(ppr);
    }
  }
  body_->restructured();
  return tbl;
}

xml_node Document::append_row(xml_node tbl) {
  xml_node last = tbl.last_child();
  while (last && !is_named(last, "w:tr")) last = last.previous_sibling();
  if (!last) fail(oerr::kNotInTable, "A tabela não tem linhas.");
  xml_node row = tbl.insert_copy_after(last, last);
  drop_unique_ids(row);
  for (xml_node tc : row.children("w:tc")) clear_cell(tc);
  body_->restructured();
  return row.child("w:tc");
}

void Document::clear_cell(xml_node tc) {
  pugi::xml_document held;
  if (xml_node p = first_para(tc))
    if (xml_node ppr = p.child("w:pPr")) held.append_copy(ppr);
  for (xml_node c = tc.first_child(); c;) {
    xml_node next = c.next_sibling();
    if (!is_named(c, "w:tcPr")) tc.remove_child(c);
    c = next;
  }
  if (xml_node v = tc.child("w:tcPr").child("w:vMerge")) tc.child("w:tcPr").remove_child(v);
  xml_node p = tc.append_child("w:p");
  if (held.first_child()) p.append_copy(held.first_child());
  body_->restructured();
}

xml_node Document::para_after(xml_node tbl) {
  xml_node next = tbl.next_sibling();
  while (next && next.type() != pugi::node_element) next = next.next_sibling();
  if (is_named(next, "w:p")) return next;
  xml_node p = tbl.parent().insert_child_after("w:p", tbl);
  body_->restructured();
  return p;
}

// ---- formatting -----------------------------------------------------------------

void Document::set_bold(xml_node p, int32_t start, int32_t end, bool bold) {
  ParaText t = body_->text_of(p);
  auto size = static_cast<int32_t>(t.text.size());
  start = std::clamp(start, 0, size);
  end = std::clamp(end, start, size);
  if (start == end) return;
  if (end < size) {
    const Atom& a = t.atoms[static_cast<size_t>(end)];
    split_run_before(a.node, a.index);
    t = body_->text_of(p);
  }
  const Atom& s = t.atoms[static_cast<size_t>(start)];
  split_run_before(s.node, s.index);
  t = body_->text_of(p);
  std::set<const void*> done;
  for (int32_t i = start; i < end; ++i) {
    xml_node run = t.atoms[static_cast<size_t>(i)].node.parent();
    if (done.insert(run.internal_object()).second) set_bold_in(first_child(run, "w:rPr"), bold);
  }
  body_->touched(p);
}

void Document::set_alignment(xml_node p, int alignment) {
  const char* v = alignment == 1   ? "center"
                  : alignment == 2 ? "right"
                  : alignment == 3 ? "both"
                                   : "left";
  xml_node jc = ordered_child(first_child(p, "w:pPr"), "w:jc", kPPrOrder);
  jc.remove_attributes();
  jc.append_attribute("w:val") = v;
}

int Document::grid_col_of(xml_node cell) {
  int col =
      to_int(cell.parent().child("w:trPr").child("w:gridBefore").attribute("w:val").value(), 0);
  for (xml_node c = cell.previous_sibling("w:tc"); c; c = c.previous_sibling("w:tc"))
    col += std::max(1, to_int(c.child("w:tcPr").child("w:gridSpan").attribute("w:val").value(), 1));
  return col;
}

void Document::set_column_width(xml_node tbl, int grid_col, int twips) {
  xml_node grid = tbl.child("w:tblGrid");
  int i = 0, total = 0;
  std::vector<int> widths;
  for (xml_node g : grid.children("w:gridCol")) {
    if (i == grid_col) set_attr(g, "w:w", std::to_string(twips));
    widths.push_back(to_int(g.attribute("w:w").value(), 0));
    total += widths.back();
    ++i;
  }
  for (xml_node tr : tbl.children("w:tr"))
    for (xml_node tc : tr.children("w:tc")) {
      int from = grid_col_of(tc);
      int span =
          std::max(1, to_int(tc.child("w:tcPr").child("w:gridSpan").attribute("w:val").value(), 1));
      if (grid_col < from || grid_col >= from + span) continue;
      int w = 0;
      for (int k = from; k < from + span && k < static_cast<int>(widths.size()); ++k)
        w += widths[k];
      xml_node tcw = ordered_child(first_child(tc, "w:tcPr"), "w:tcW", kTcPrOrder);
      tcw.remove_attributes();
      tcw.append_attribute("w:w") = std::to_string(w).c_str();
      tcw.append_attribute("w:type") = "dxa";
    }
  xml_node tblW = tbl.child("w:tblPr").child("w:tblW");
  if (tblW) {
    tblW.remove_attributes();
    tblW.append_attribute("w:w") = std::to_string(total).c_str();
    tblW.append_attribute("w:type") = "dxa";
  }
}

void Document::set_row_height(xml_node tr, int twips) {
  xml_node trPr = tr.child("w:trPr");
  if (!trPr) {
    xml_node ex = tr.child("w:tblPrEx");
    trPr = ex ? tr.insert_child_after("w:trPr", ex) : tr.prepend_child("w:trPr");
  }
  xml_node h = trPr.child("w:trHeight");
  if (!h) h = trPr.append_child("w:trHeight");
  h.remove_attributes();
  h.append_attribute("w:val") = std::to_string(twips).c_str();
  h.append_attribute("w:hRule") = "atLeast";
}

void Document::set_vertical_alignment(xml_node cell, int alignment) {
  xml_node v = ordered_child(first_child(cell, "w:tcPr"), "w:vAlign", kTcPrOrder);
  v.remove_attributes();
  v.append_attribute("w:val") = alignment == 1 ? "center" : alignment == 3 ? "bottom" : "top";
}

void Document::set_cell_borders(const CellBlock& b, int which, int line_style) {
  for (int r = b.r0; r <= b.r1; ++r)
    for (int c = b.c0; c <= b.c1; ++c) {
      xml_node tc = cell_at(b.tbl, r, c);
      if (!tc) continue;
      std::vector<const char*> edges;
      switch (which) {
        case -1:
          if (r == b.r0) edges.push_back("w:top");
          break;
        case -2:
          if (c == b.c0) edges.push_back("w:left");
          break;
        case -3:
          if (r == b.r1) edges.push_back("w:bottom");
          break;
        case -4:
          if (c == b.c1) edges.push_back("w:right");
          break;
        case -5:
          if (r > b.r0) edges.push_back("w:top");
          if (r < b.r1) edges.push_back("w:bottom");
          break;
        case -6:
          if (c > b.c0) edges.push_back("w:left");
          if (c < b.c1) edges.push_back("w:right");
          break;
        default:
          break;
      }
      if (edges.empty()) continue;
      xml_node holder = ordered_child(first_child(tc, "w:tcPr"), "w:tcBorders", kTcPrOrder);
      for (const char* e : edges) set_border(holder, e, line_style, kBorderOrder);
    }
}

void Document::set_paragraph_border(xml_node p, int which, int line_style) {
  const char* edge = which == -1   ? "w:top"
                     : which == -2 ? "w:left"
                     : which == -3 ? "w:bottom"
                     : which == -4 ? "w:right"
                     : which == -5 ? "w:between"
                                   : nullptr;
  if (!edge) return;
  xml_node holder = ordered_child(first_child(p, "w:pPr"), "w:pBdr", kPPrOrder);
  set_border(holder, edge, line_style, kPBdrOrder);
}

void Document::merge_cells(const CellBlock& b) {
  std::vector<xml_node> merged;
  for (int r = b.r0; r <= b.r1; ++r) {
    xml_node first = cell_at(b.tbl, r, b.c0);
    if (!first) continue;
    int span = 0, width = 0;
    std::vector<xml_node> rest;
    for (int c = b.c0; c <= b.c1; ++c) {
      xml_node tc = cell_at(b.tbl, r, c);
      if (!tc) break;
      span +=
          std::max(1, to_int(tc.child("w:tcPr").child("w:gridSpan").attribute("w:val").value(), 1));
      width += to_int(tc.child("w:tcPr").child("w:tcW").attribute("w:w").value(), 0);
      if (c > b.c0) rest.push_back(tc);
    }
    for (xml_node tc : rest) {
      for (xml_node p : tc.children("w:p"))
        if (!body_->text_of(p).text.empty()) first.append_copy(p);
      tc.parent().remove_child(tc);
    }
    xml_node tcPr = first_child(first, "w:tcPr");
    if (span > 1)
      set_attr(ordered_child(tcPr, "w:gridSpan", kTcPrOrder), "w:val", std::to_string(span));
    if (width > 0) {
      xml_node tcw = ordered_child(tcPr, "w:tcW", kTcPrOrder);
      tcw.remove_attributes();
      tcw.append_attribute("w:w") = std::to_string(width).c_str();
      tcw.append_attribute("w:type") = "dxa";
    }
    merged.push_back(first);
  }
  if (merged.size() > 1) {
    set_attr(ordered_child(merged[0].child("w:tcPr"), "w:vMerge", kTcPrOrder), "w:val", "restart");
    for (size_t i = 1; i < merged.size(); ++i) {
      for (xml_node p : merged[i].children("w:p"))
        if (!body_->text_of(p).text.empty()) merged[0].append_copy(p);
      clear_cell(merged[i]);
      ordered_child(merged[i].child("w:tcPr"), "w:vMerge", kTcPrOrder);
    }
  }
  body_->restructured();
}

// ---- pictures ---------------------------------------------------------------------

void Document::ensure_namespaces() {
  xml_node root = xml_.document_element();
  const std::pair<const char*, const char*> ns[] = {
      {"xmlns:wp", "http://schemas.openxmlformats.org/drawingml/2006/wordprocessingDrawing"},
      {"xmlns:r", "http://schemas.openxmlformats.org/officeDocument/2006/relationships"}};
  for (auto& [name, uri] : ns)
    if (!root.attribute(name)) root.append_attribute(name) = uri;
}

std::string Document::add_image_part(const std::string& bytes, const std::string& ext,
                                     const std::string& mime) {
  std::string dir = main_part_.substr(0, main_part_.rfind('/') + 1);
  std::string rels_name = dir + "_rels/" + main_part_.substr(dir.size()) + ".rels";
  pugi::xml_document rels;
  if (pkg_->has(rels_name))
    parse_part(rels, pkg_->read(rels_name), rels_name, pkg_->label(),
               pugi::parse_default | pugi::parse_declaration);
  else {
    auto decl = rels.append_child(pugi::node_declaration);
    decl.append_attribute("version") = "1.0";
    decl.append_attribute("encoding") = "UTF-8";
    rels.append_child("Relationships").append_attribute("xmlns") =
        "http://schemas.openxmlformats.org/package/2006/relationships";
  }
  std::set<std::string> ids;
  for (xml_node r : rels.document_element().children("Relationship"))
    ids.insert(r.attribute("Id").value());
  int n = 1;
  std::string id, target;
  do {
    id = "rIdOrv" + std::to_string(n);
    target = "media/orvane" + std::to_string(n) + "." + ext;
    ++n;
  } while (ids.count(id) || pkg_->has(dir + target));
  xml_node rel = rels.document_element().append_child("Relationship");
  rel.append_attribute("Id") = id.c_str();
  rel.append_attribute("Type") =
      "http://schemas.openxmlformats.org/officeDocument/2006/relationships/image";
  rel.append_attribute("Target") = target.c_str();
  pkg_->write(rels_name, serialize(rels));
  pkg_->write(dir + target, bytes);

  pugi::xml_document types;
  parse_part(types, pkg_->read("[Content_Types].xml"), "[Content_Types].xml", pkg_->label(),
             pugi::parse_default | pugi::parse_declaration);
  bool known = false;
  for (xml_node d : types.document_element().children("Default"))
    if (vb::EqualsNoCase(from_utf8(d.attribute("Extension").value()), from_utf8(ext))) known = true;
  if (!known) {
    xml_node d = types.document_element().prepend_child("Default");
    d.append_attribute("Extension") = ext.c_str();
    d.append_attribute("ContentType") = mime.c_str();
    pkg_->write("[Content_Types].xml", serialize(types));
  }
  return id;
}

Pos Document::insert_picture(xml_node p, int32_t start, int32_t end, const std::string& file) {
  std::string bytes = read_whole_file(file);
  auto info = probe_image(bytes);
  if (!info) fail(oerr::kBadPicture, "O arquivo " + file + " não é uma imagem JPEG ou PNG válida.");
  int avail = available_width(p);
  double cx = info->width * 914400.0 / info->dpi_x, cy = info->height * 914400.0 / info->dpi_y;
  double max_cx = avail * 635.0;
  if (cx > max_cx) {
    cy = cy * max_cx / cx;
    cx = max_cx;
  }
  auto emu_x = std::to_string(static_cast<long long>(cx)),
       emu_y = std::to_string(static_cast<long long>(cy));
  std::string rid = add_image_part(bytes, info->ext, info->mime);
  ensure_namespaces();
  if (next_picture_id_ == 0) {
    unsigned max_id = 0;
    xml_.find_node([&](xml_node n) {
      if (is_named(n, "wp:docPr")) max_id = std::max(max_id, n.attribute("id").as_uint());
      return false;
    });
    next_picture_id_ = max_id + 1;
  }
  std::string id = std::to_string(next_picture_id_++);
  std::string name = "Imagem " + id;
  std::string xml =
      "<w:drawing><wp:inline distT=\"0\" distB=\"0\" distL=\"0\" distR=\"0\"><wp:extent cx=\"" +
      emu_x + "\" cy=\"" + emu_y +
      "\"/><wp:effectExtent l=\"0\" t=\"0\" r=\"0\" b=\"0\"/><wp:docPr id=\"" + id + "\" name=\"" +
      name +
      "\"/><wp:cNvGraphicFramePr><a:graphicFrameLocks "
      "xmlns:a=\"http://schemas.openxmlformats.org/drawingml/2006/main\" noChangeAspect=\"1\"/>"
      "</wp:cNvGraphicFramePr><a:graphic "
      "xmlns:a=\"http://schemas.openxmlformats.org/drawingml/2006/main\">"
      "<a:graphicData uri=\"http://schemas.openxmlformats.org/drawingml/2006/picture\"><pic:pic "
      "xmlns:pic=\"http://schemas.openxmlformats.org/drawingml/2006/"
      "picture\"><pic:nvPicPr><pic:cNvPr id=\"" +
      id + "\" name=\"" + name +
      "\"/><pic:cNvPicPr/></pic:nvPicPr><pic:blipFill><a:blip r:embed=\"" + rid +
      "\"/><a:stretch><a:fillRect/></a:stretch></pic:blipFill><pic:spPr><a:xfrm><a:off x=\"0\" "
      "y=\"0\"/><a:ext cx=\"" +
      emu_x + "\" cy=\"" + emu_y +
      "\"/></a:xfrm><a:prstGeom prst=\"rect\"><a:avLst/></a:prstGeom></pic:spPr></pic:pic>"
      "</a:graphicData></a:graphic></wp:inline></w:drawing>";
  pugi::xml_document frag;
  frag.load_string(xml.c_str());

  ParaText t = body_->text_of(p);
  auto size = static_cast<int32_t>(t.text.size());
  start = std::clamp(start, 0, size);
  end = std::clamp(end, start, size);
  if (settle_fields(p, t, start, end)) t = body_->text_of(p);
  pugi::xml_document held;
  if (xml_node src = format_source(p, t, start, end)) held.append_copy(src);
  if (start < end) {
    delete_span(p, t, start, end);
    t = body_->text_of(p);
  }
  Anchor a = anchor_at(p, t, start);
  xml_node run = new_run(a, held.first_child(), {});
  run.append_copy(frag.first_child());
  body_->touched(p);
  return Pos{p, start + 1};
}

}  // namespace orvane::office::docx
