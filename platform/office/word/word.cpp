#include "platform/office/word/word.h"

#include <unistd.h>

#include <algorithm>
#include <filesystem>

#include "platform/office/comments.h"
#include "platform/office/convert.h"
#include "platform/office/errors.h"
#include "platform/office/printer.h"
#include "platform/office/scratch.h"
#include "platform/office/xmlutil.h"

namespace orvane::office::word {

namespace fs = std::filesystem;
using docx::CellBlock;
using pugi::xml_node;

namespace {

// Word's special codes in replacement texts.
::orvane::Text replacement_text(const ::orvane::Text& r) {
  ::orvane::Text out;
  for (size_t i = 0; i < r.size(); ++i) {
    if (r[i] == u'^' && i + 1 < r.size()) {
      char16_t c = r[i + 1];
      if (c == u'p') {
        out += u'\r';
        ++i;
        continue;
      }
      if (c == u't') {
        out += u'\t';
        ++i;
        continue;
      }
      if (c == u'l') {
        out += char16_t(11);
        ++i;
        continue;
      }
      if (c == u'^') {
        out += u'^';
        ++i;
        continue;
      }
    }
    out += r[i];
  }
  return out;
}

bool run_is_bold(xml_node run) {
  xml_node b = run.child("w:rPr").child("w:b");
  if (!b) return false;
  std::string_view v = b.attribute("w:val").value();
  return !(v == "0" || v == "false" || v == "off");
}

}  // namespace

// ---- Range ------------------------------------------------------------------------

Range::Range(std::shared_ptr<word::Document> doc, xml_node para, int32_t start, int32_t end)
    : doc_(std::move(doc)), para_(para), start_(start), end_(end) {}

::orvane::Text Range::Text() const {
  ParaText t = doc_->engine().body().text_of(para_);
  auto size = static_cast<int32_t>(t.text.size());
  int32_t s = std::clamp(start_, 0, size), e = std::clamp(end_, s, size);
  return t.text.substr(static_cast<size_t>(s), static_cast<size_t>(e - s));
}

void Range::Select() { doc_->Selection().select(para_, start_, end_); }

// ---- Find ---------------------------------------------------------------------------

Find::Find(word::Selection& sel) : sel_(sel), replacement_(std::make_shared<word::Replacement>()) {}

bool Find::Execute(int Replace) {
  if (wildcards_ || sounds_like_ || all_forms_)
    fail(oerr::kBadParameter,
         "A pesquisa com caracteres curinga, por som ou por formas da palavra não é suportada.");
  sel_.document().app().check_running();
  SearchOptions o{text_, match_case_, whole_word_};
  docx::Document& eng = sel_.document().engine();
  Story& body = eng.body();
  ::orvane::Text with = replacement_text(replacement_->Text());
  if (Replace == wdReplaceAll) {
    int n = eng.replace_all(o, with);
    sel_.clamp();
    return n > 0;
  }
  std::vector<Hit> hits = body.find_all(o);
  if (hits.empty()) return false;
  auto& st = sel_.state();
  size_t pi = body.index_of(st.para).value_or(0);
  const Hit* found = nullptr;
  if (forward_) {
    for (const Hit& h : hits)
      if (h.para > pi || (h.para == pi && h.start >= st.end)) {
        found = &h;
        break;
      }
    if (!found && wrap_ == wdFindContinue) found = &hits.front();
  } else {
    for (auto it = hits.rbegin(); it != hits.rend(); ++it)
      if (it->para < pi || (it->para == pi && it->end <= st.start)) {
        found = &*it;
        break;
      }
    if (!found && wrap_ == wdFindContinue) found = &hits.back();
  }
  if (!found) return false;
  xml_node p = body.para(found->para);
  if (Replace == wdReplaceOne) {
    docx::Pos end = eng.replace(p, found->start, found->end, with);
    if (end.para == p)
      sel_.select(p, found->start, end.off);
    else
      sel_.select(end.para, end.off, end.off);
  } else {
    sel_.select(p, found->start, found->end);
  }
  return true;
}

// ---- Selection ------------------------------------------------------------------------

Selection::Selection(word::Document& doc) : doc_(doc), find_(std::make_shared<word::Find>(*this)) {
  Story& body = doc_.engine().body();
  st_.para = body.count() ? body.para(0) : xml_node();
}

void Selection::select(xml_node para, int32_t start, int32_t end) {
  st_ = State{};
  st_.para = para;
  st_.start = start;
  st_.end = end;
  clamp();
}

void Selection::select_cell(xml_node cell) {
  xml_node p = docx::Document::first_para(cell);
  ParaText t = doc_.engine().body().text_of(p);
  st_ = State{};
  st_.para = p;
  st_.start = 0;
  st_.end = static_cast<int32_t>(t.text.size());
  st_.whole_cell = true;
}

void Selection::clamp() {
  Story& body = doc_.engine().body();
  if (!st_.para || !body.index_of(st_.para)) {
    st_ = State{};
    st_.para = body.count() ? body.para(0) : xml_node();
    return;
  }
  auto size = static_cast<int32_t>(body.text_of(st_.para).text.size());
  st_.start = std::clamp(st_.start, 0, size);
  st_.end = std::clamp(st_.end, st_.start, size);
}

bool Selection::InTable() const { return bool(docx::Document::cell_of(st_.para)); }

CellBlock Selection::cell_block() const {
  if (st_.block) return *st_.block;
  xml_node cell = docx::Document::cell_of(st_.para);
  if (!cell) return CellBlock{};
  int r = docx::Document::row_index(cell), c = docx::Document::cell_index(cell);
  return CellBlock{docx::Document::table_of(cell), r, c, r, c};
}

std::vector<xml_node> Selection::paragraphs() const {
  std::vector<xml_node> out;
  if (st_.block) {
    const CellBlock& b = *st_.block;
    for (int r = b.r0; r <= b.r1; ++r)
      for (int c = b.c0; c <= b.c1; ++c)
        if (xml_node tc = docx::Document::cell_at(b.tbl, r, c))
          for (xml_node p : tc.children("w:p")) out.push_back(p);
  } else if (st_.whole_cell) {
    for (xml_node p : docx::Document::cell_of(st_.para).children("w:p")) out.push_back(p);
  } else if (st_.para) {
    out.push_back(st_.para);
  }
  return out;
}

::orvane::Text Selection::Text() const {
  docx::Document& eng = doc_.engine();
  if (st_.block || st_.whole_cell) {
    ::orvane::Text out;
    for (xml_node p : paragraphs()) {
      if (!out.empty()) out += u'\r';
      out += eng.body().text_of(p).text;
    }
    return out;
  }
  ParaText t = eng.body().text_of(st_.para);
  if (st_.start == st_.end) {
    if (st_.start < static_cast<int32_t>(t.text.size())) return t.text.substr(st_.start, 1);
    return u"\r";
  }
  return t.text.substr(static_cast<size_t>(st_.start), static_cast<size_t>(st_.end - st_.start));
}

void Selection::Text(const ::orvane::Text& t) {
  int32_t start = st_.start;
  xml_node p = st_.para;
  TypeText(t);
  if (st_.para == p) st_.start = std::min(start, st_.end);
}

void Selection::TypeText(const ::orvane::Text& text) {
  doc_.app().check_running();
  docx::Document& eng = doc_.engine();
  if (!st_.para) fail(oerr::kNoDocument, "O documento não tem texto onde digitar.");
  if (st_.block) {
    xml_node first = docx::Document::cell_at(st_.block->tbl, st_.block->r0, st_.block->c0);
    docx::RunFormat keep = st_.typing;
    select_cell(first);
    st_.typing = keep;
  }
  if (st_.whole_cell) {
    xml_node cell = docx::Document::cell_of(st_.para);
    int paras = 0;
    for (xml_node p : cell.children("w:p")) (void)p, ++paras;
    if (paras > 1) {
      eng.clear_cell(cell);
      st_.para = docx::Document::first_para(cell);
      st_.start = st_.end = 0;
    }
  }
  docx::Pos at = eng.replace(st_.para, st_.start, st_.end, text, st_.typing);
  docx::RunFormat keep = st_.typing;
  st_ = State{};
  st_.para = at.para;
  st_.start = st_.end = at.off;
  st_.typing = keep;
}

void Selection::TypeParagraph() { TypeText(u"\r"); }

int Selection::move_cell(int count, bool forward, bool extend) {
  xml_node cell = docx::Document::cell_of(st_.para);
  if (!cell) return 0;
  docx::Document& eng = doc_.engine();
  xml_node tbl = docx::Document::table_of(cell);
  int r = docx::Document::row_index(cell), c = docx::Document::cell_index(cell);
  CellBlock anchor = cell_block();
  if (st_.block) {  // continue from the moving end of the block
    r = forward ? st_.block->r1 : st_.block->r0;
    c = forward ? st_.block->c1 : st_.block->c0;
  }
  int moved = 0;
  for (int i = 0; i < count; ++i) {
    if (forward) {
      if (c + 1 < docx::Document::cell_count(tbl, r)) {
        ++c;
      } else if (r + 1 < docx::Document::row_count(tbl)) {
        ++r;
        c = 0;
      } else if (!extend) {
        eng.append_row(tbl);
        ++r;
        c = 0;
      } else {
        break;
      }
    } else {
      if (c > 0) {
        --c;
      } else if (r > 0) {
        --r;
        c = docx::Document::cell_count(tbl, r) - 1;
      } else {
        break;
      }
    }
    ++moved;
  }
  xml_node target = docx::Document::cell_at(tbl, r, c);
  if (!target) return moved;
  if (extend) {
    CellBlock b{tbl, std::min(anchor.r0, r), std::min(anchor.c0, c), std::max(anchor.r1, r),
                std::max(anchor.c1, c)};
    select_cell(docx::Document::cell_at(tbl, b.r0, b.c0));
    st_.block = b;
  } else {
    select_cell(target);
  }
  return moved;
}

int Selection::move_chars(int count, bool forward, bool extend) {
  Story& body = doc_.engine().body();
  st_.block.reset();
  st_.whole_cell = false;
  st_.typing = {};
  auto len = [&](xml_node p) { return static_cast<int32_t>(body.text_of(p).text.size()); };
  if (extend) {
    int moved = 0;
    for (int i = 0; i < count; ++i) {
      if (forward && st_.end < len(st_.para)) ++st_.end, ++moved;
      if (!forward && st_.end > st_.start) --st_.end, ++moved;
    }
    return moved;
  }
  int moved = 0;
  if (st_.start != st_.end) {
    if (forward)
      st_.start = st_.end;
    else
      st_.end = st_.start;
    --count;
    ++moved;
  }
  int32_t pos = st_.start;
  size_t pi = body.index_of(st_.para).value_or(0);
  for (int i = 0; i < count; ++i) {
    if (forward) {
      if (pos < len(body.para(pi))) {
        ++pos;
      } else if (pi + 1 < body.count()) {
        ++pi;
        pos = 0;
      } else {
        break;
      }
    } else {
      if (pos > 0) {
        --pos;
      } else if (pi > 0) {
        --pi;
        pos = len(body.para(pi));
      } else {
        break;
      }
    }
    ++moved;
  }
  st_.para = body.para(pi);
  st_.start = st_.end = pos;
  return moved;
}

int Selection::move_lines(int count, bool down) {
  Story& body = doc_.engine().body();
  int moved = 0;
  // A selection of cells moves from its active end, as Word collapses it first: down from
  // its last row, up from its first.
  if (st_.block && count > 0) {
    const docx::CellBlock b = *st_.block;
    xml_node edge = docx::Document::cell_at(b.tbl, down ? b.r1 : b.r0, b.c0);
    if (edge) select_cell(edge);
    st_.block.reset();
  }
  for (int i = 0; i < count; ++i) {
    xml_node cell = docx::Document::cell_of(st_.para);
    xml_node next;
    if (cell) {
      xml_node tbl = docx::Document::table_of(cell);
      int r = docx::Document::row_index(cell);
      int col = docx::Document::grid_col_of(cell);
      int nr = down ? r + 1 : r - 1;
      if (nr >= 0 && nr < docx::Document::row_count(tbl)) {
        xml_node best;
        for (int c = 0; c < docx::Document::cell_count(tbl, nr); ++c) {
          xml_node tc = docx::Document::cell_at(tbl, nr, c);
          if (docx::Document::grid_col_of(tc) <= col) best = tc;
        }
        next = docx::Document::first_para(best);
      } else if (down) {
        next = doc_.engine().para_after(tbl);
      } else {
        size_t pi = body.index_of(docx::Document::first_para(tbl)).value_or(0);
        next = pi > 0 ? body.para(pi - 1) : xml_node();
      }
    } else {
      size_t pi = body.index_of(st_.para).value_or(0);
      if (down && pi + 1 < body.count()) next = body.para(pi + 1);
      if (!down && pi > 0) next = body.para(pi - 1);
    }
    if (!next) break;
    st_ = State{};
    st_.para = next;
    ++moved;
  }
  clamp();
  return moved;
}

int Selection::MoveRight(int Unit, int Count, int Extend) {
  doc_.app().check_running();
  if (Unit == wdCell) return move_cell(Count, true, Extend == wdExtend);
  if (Unit == wdCharacter || Unit == wdWord) {
    if (Unit == wdCharacter) return move_chars(Count, true, Extend == wdExtend);
    // By word: to the start of the next word.
    int moved = 0;
    for (int i = 0; i < Count; ++i) {
      ::orvane::Text t = doc_.engine().body().text_of(st_.para).text;
      int32_t pos = st_.end;
      while (pos < static_cast<int32_t>(t.size()) && is_word_char(t[pos])) ++pos;
      while (pos < static_cast<int32_t>(t.size()) && !is_word_char(t[pos])) ++pos;
      if (pos == st_.end) break;
      if (Extend == wdExtend)
        st_.end = pos;
      else
        st_.start = st_.end = pos;
      ++moved;
    }
    return moved;
  }
  fail(oerr::kBadParameter, "Unidade de movimento não suportada: " + std::to_string(Unit) + ".");
}

int Selection::MoveLeft(int Unit, int Count, int Extend) {
  doc_.app().check_running();
  if (Unit == wdCell) return move_cell(Count, false, Extend == wdExtend);
  if (Unit == wdCharacter) return move_chars(Count, false, Extend == wdExtend);
  fail(oerr::kBadParameter, "Unidade de movimento não suportada: " + std::to_string(Unit) + ".");
}

int Selection::MoveDown(int Unit, int Count, int Extend) {
  (void)Extend;
  doc_.app().check_running();
  if (Unit == wdLine || Unit == wdParagraph) return move_lines(Count, true);
  fail(oerr::kBadParameter, "Unidade de movimento não suportada: " + std::to_string(Unit) + ".");
}

int Selection::MoveUp(int Unit, int Count, int Extend) {
  (void)Extend;
  doc_.app().check_running();
  if (Unit == wdLine || Unit == wdParagraph) return move_lines(Count, false);
  fail(oerr::kBadParameter, "Unidade de movimento não suportada: " + std::to_string(Unit) + ".");
}

void Selection::HomeKey(int Unit) {
  Story& body = doc_.engine().body();
  if (Unit == wdStory)
    select(body.para(0), 0, 0);
  else
    select(st_.para, 0, 0);
}

void Selection::EndKey(int Unit) {
  Story& body = doc_.engine().body();
  xml_node p = Unit == wdStory ? body.para(body.count() - 1) : st_.para;
  auto n = static_cast<int32_t>(body.text_of(p).text.size());
  select(p, n, n);
}

word::Range Selection::Range() { return word::Range(doc_.self(), st_.para, st_.start, st_.end); }

word::Table Selection::Tables(int index) {
  xml_node cell = docx::Document::cell_of(st_.para);
  if (!cell || index != 1)
    fail(oerr::kNotInTable,
         "O membro solicitado da coleção não existe (a seleção não está em uma tabela).");
  return word::Table(doc_.self(), docx::Document::table_of(cell));
}

// ---- formatting objects ----------------------------------------------------------------

bool Font::Bold() const {
  auto& st = sel_.state();
  if (st.typing.bold) return *st.typing.bold;
  ParaText t = sel_.document().engine().body().text_of(st.para);
  if (st.start < static_cast<int32_t>(t.atoms.size()))
    return run_is_bold(t.atoms[static_cast<size_t>(st.start)].node.parent());
  return false;
}

void Font::Bold(bool v) {
  auto& st = sel_.state();
  docx::Document& eng = sel_.document().engine();
  st.typing.bold = v;
  if (st.block || st.whole_cell) {
    for (xml_node p : sel_.paragraphs())
      eng.set_bold(p, 0, static_cast<int32_t>(eng.body().text_of(p).text.size()), v);
  } else if (st.start != st.end) {
    eng.set_bold(st.para, st.start, st.end, v);
  }
}

int ParagraphFormat::Alignment() const {
  std::string_view v = sel_.state().para.child("w:pPr").child("w:jc").attribute("w:val").value();
  if (v == "center") return 1;
  if (v == "right" || v == "end") return 2;
  if (v == "both") return 3;
  return 0;
}

void ParagraphFormat::Alignment(int v) {
  for (xml_node p : sel_.paragraphs()) sel_.document().engine().set_alignment(p, v);
}

namespace {
CellBlock require_cells(word::Selection& s) {
  CellBlock b = s.cell_block();
  if (!b.tbl)
    fail(oerr::kNotInTable, "Este comando só está disponível quando a seleção está em uma tabela.");
  return b;
}
}  // namespace

void Columns::Width(double points) {
  CellBlock b = require_cells(sel_);
  std::vector<int> cols;
  for (int c = b.c0; c <= b.c1; ++c)
    if (xml_node tc = docx::Document::cell_at(b.tbl, b.r0, c))
      cols.push_back(docx::Document::grid_col_of(tc));
  for (int gc : cols)
    sel_.document().engine().set_column_width(b.tbl, gc, static_cast<int>(points * 20 + 0.5));
}

int Columns::Count() const {
  CellBlock b = require_cells(sel_);
  return b.c1 - b.c0 + 1;
}

void Cells::Merge() {
  CellBlock b = require_cells(sel_);
  sel_.document().engine().merge_cells(b);
  sel_.select_cell(docx::Document::cell_at(b.tbl, b.r0, b.c0));
}

void Cells::VerticalAlignment(int v) {
  CellBlock b = require_cells(sel_);
  for (int r = b.r0; r <= b.r1; ++r)
    for (int c = b.c0; c <= b.c1; ++c)
      if (xml_node tc = docx::Document::cell_at(b.tbl, r, c))
        sel_.document().engine().set_vertical_alignment(tc, v);
}

void Cells::Height(double points) {
  CellBlock b = require_cells(sel_);
  for (int r = b.r0; r <= b.r1; ++r)
    if (xml_node tc = docx::Document::cell_at(b.tbl, r, 0))
      sel_.document().engine().set_row_height(tc.parent(), static_cast<int>(points * 20 + 0.5));
}

void Cells::Width(double points) { sel_.Columns().Width(points); }

int Cells::Count() const {
  CellBlock b = require_cells(sel_);
  return (b.r1 - b.r0 + 1) * (b.c1 - b.c0 + 1);
}

void Border::LineStyle(int v) {
  line_style_ = v;
  docx::Document& eng = sel_.document().engine();
  CellBlock b = sel_.cell_block();
  if (b.tbl)
    eng.set_cell_borders(b, index_, v);
  else
    for (xml_node p : sel_.paragraphs()) eng.set_paragraph_border(p, index_, v);
}

void Borders::LineStyle(int v) {
  for (int i : {wdBorderTop, wdBorderLeft, wdBorderBottom, wdBorderRight, wdBorderHorizontal,
                wdBorderVertical})
    Item(i).LineStyle(v);
}

void InlineShapes::AddPicture(const ::orvane::Text& FileName, bool LinkToFile,
                              bool SaveWithDocument) {
  (void)LinkToFile, (void)SaveWithDocument;
  auto& st = sel_.state();
  std::string file = sel_.document().app().resolve(FileName);
  docx::Document& eng = sel_.document().engine();
  if (st.block)
    sel_.select_cell(docx::Document::cell_at(st.block->tbl, st.block->r0, st.block->c0));
  docx::Pos at = eng.insert_picture(st.para, st.start, st.end, file);
  sel_.select(at.para, at.off, at.off);
}

// ---- tables -------------------------------------------------------------------------------

word::Table Tables::Add(const word::Range& Range, int NumRows, int NumColumns,
                        int DefaultTableBehavior, int AutoFitBehavior) {
  (void)DefaultTableBehavior, (void)AutoFitBehavior;
  doc_->app().check_running();
  xml_node tbl =
      doc_->engine().insert_table(Range.para_, Range.start_, Range.end_, NumRows, NumColumns);
  doc_->Selection().select_cell(docx::Document::cell_at(tbl, 0, 0));
  doc_->Selection().state().start = doc_->Selection().state().end = 0;
  return word::Table(doc_, tbl);
}

int Tables::Count() const {
  int n = 0;
  doc_->engine().body().para(0).root().find_node([&](xml_node x) {
    if (is_named(x, "w:tbl") && !docx::Document::cell_of(x)) ++n;
    return false;
  });
  return n;
}

word::Table Tables::Item(int index) const {
  int n = 0;
  xml_node found = doc_->engine().body().para(0).root().find_node([&](xml_node x) {
    return is_named(x, "w:tbl") && !docx::Document::cell_of(x) && ++n == index;
  });
  if (!found) fail(oerr::kUnavailable, "O membro solicitado da coleção não existe.");
  return word::Table(doc_, found);
}

int Table::RowsCount() const { return docx::Document::row_count(tbl_); }
int Table::ColumnsCount() const {
  return static_cast<int>(std::distance(tbl_.child("w:tblGrid").children("w:gridCol").begin(),
                                        tbl_.child("w:tblGrid").children("w:gridCol").end()));
}
void Table::CellSelect(int row, int column) {
  xml_node tc = docx::Document::cell_at(tbl_, row - 1, column - 1);
  if (!tc) fail(oerr::kUnavailable, "O membro solicitado da coleção não existe.");
  doc_->Selection().select_cell(tc);
}
void Table::Select() {
  int rows = RowsCount();
  int cols = 0;
  for (int r = 0; r < rows; ++r) cols = std::max(cols, docx::Document::cell_count(tbl_, r));
  auto& sel = doc_->Selection();
  sel.select_cell(docx::Document::cell_at(tbl_, 0, 0));
  sel.state().block = CellBlock{tbl_, 0, 0, rows - 1, cols - 1};
}
void Table::RowsAdd() { doc_->engine().append_row(tbl_); }

// ---- window, document, application -------------------------------------------------------

void Window::Visible(bool v) {
  visible_ = v;
  if (v) show_file(doc_.app().context(), doc_.path());
}

void Window::Close(bool SaveChanges) { doc_.Close(SaveChanges); }

Document::Document(Application& app, std::unique_ptr<docx::Document> engine, std::string full_name)
    : app_(app), engine_(std::move(engine)), path_(std::move(full_name)) {
  selection_ = std::make_shared<word::Selection>(*this);
  window_ = std::make_shared<word::Window>(*this);
}

word::Tables Document::Tables() { return word::Tables(self()); }

::orvane::Text Document::FullName() const { return from_utf8(path_); }

void Document::SaveAs(const ::orvane::Text& FileName, const SaveAsArgs& args) {
  app_.check_running();
  std::string target = app_.resolve(FileName);
  switch (args.FileFormat) {
    case -1:
    case wdFormatXMLDocument:
    case wdFormatDocumentDefault:
      engine_->save(target);
      break;
    case wdFormatDocument:
    case wdFormatPDF:
    case wdFormatOpenDocumentText: {
      Scratch s("orvane-word");
      std::string docx = s.dir() + "/documento.docx";
      engine_->save(docx);
      // A PDF shows the content without the comments; the other formats keep them.
      if (args.FileFormat == wdFormatPDF) remove_comments(docx);
      convert_document(docx, target,
                       args.FileFormat == wdFormatDocument ? Format::Doc
                       : args.FileFormat == wdFormatPDF    ? Format::Pdf
                                                           : Format::Odt);
      break;
    }
    default:
      fail(oerr::kBadParameter,
           "Formato de arquivo não suportado: " + std::to_string(args.FileFormat) + ".");
  }
  path_ = target;
}

void Document::ExportAsFixedFormat(const ::orvane::Text& OutputFileName, int ExportFormat,
                                   const ExportArgs& args) {
  app_.check_running();
  if (ExportFormat != wdExportFormatPDF)
    fail(oerr::kBadParameter, "Só a exportação em PDF está disponível.");
  std::string target = app_.resolve(OutputFileName);
  Scratch s("orvane-word");
  std::string docx = s.dir() + "/documento.docx";
  engine_->save(docx);
  bool markup = args.Item == wdExportDocumentWithMarkup;
  if (!markup) remove_comments(docx);
  convert_document(docx, target, markup ? Format::PdfWithComments : Format::Pdf);
  if (args.OpenAfterExport) show_file(app_.context(), target);
}

void Document::Close(bool SaveChanges) {
  if (SaveChanges) {
    std::string ext = fs::path(path_).extension().string();
    SaveAsArgs args;
    if (ext == ".doc" || ext == ".DOC") args.FileFormat = wdFormatDocument;
    SaveAs(from_utf8(path_), args);
  }
  app_.closed(*this);
}

word::Document& Documents::Open(const ::orvane::Text& FileName, const OpenArgs& args) {
  (void)args;
  app_.check_running();
  std::string path = app_.resolve(FileName);
  std::error_code ec;
  if (!fs::is_regular_file(path, ec))
    fail(oerr::kFileNotFound, "Este arquivo não foi encontrado. (" + path + ")");
  std::unique_ptr<docx::Document> engine;
  std::string head = read_whole_file(path).substr(0, 4);
  bool ooxml =
      head == std::string("PK\x03\x04", 4) && Package::open(path).has("[Content_Types].xml");
  if (ooxml) {
    engine = docx::Document::open(path);
  } else {
    // Word 97 documents, RTF and ODF templates: converted to .docx for the engine.
    Scratch s("orvane-word");
    std::string converted = s.dir() + "/convertido.docx";
    convert_document(path, converted, Format::Docx);
    engine = docx::Document::open(converted);
  }
  auto doc = std::make_shared<word::Document>(app_, std::move(engine), path);
  app_.open_documents().push_back(doc);
  return *doc;
}

int Documents::Count() const { return static_cast<int>(app_.open_documents().size()); }

std::shared_ptr<Application> Application::create(ContextPtr ctx) {
  if (!ctx) ctx = default_context();
  if (ctx->settings.without_word || !libreoffice_installed())
    throw VbError(err::kCantCreateObject,
                  standard_description(err::kCantCreateObject) + u" (Word.Application)");
  return std::make_shared<Application>(std::move(ctx));
}

Application::Application(ContextPtr ctx)
    : ctx_(std::move(ctx)), documents_(std::make_shared<word::Documents>(*this)) {
  std::error_code ec;
  folder_ = fs::current_path(ec).string();
}

void Application::check_running() const {
  if (quit_)
    fail(oerr::kServerGone,
         "O servidor remoto não existe ou não está disponível (o Word foi encerrado).");
}

std::string Application::resolve(const ::orvane::Text& name) const {
  std::string p = to_utf8(name);
  std::replace(p.begin(), p.end(), '\\', '/');
  if (p.empty()) fail(oerr::kFileNotFound, "Nome de arquivo vazio.");
  if (p[0] == '/') return p;
  return folder_ + "/" + p;
}

void Application::ChangeFileOpenDirectory(const ::orvane::Text& Path) {
  check_running();
  std::string p = to_utf8(Path);
  std::replace(p.begin(), p.end(), '\\', '/');
  while (p.size() > 1 && p.back() == '/') p.pop_back();
  std::error_code ec;
  if (!fs::is_directory(p, ec)) fail(oerr::kFileNotFound, "A pasta " + p + " não foi encontrada.");
  folder_ = p;
}

word::Document& Application::ActiveDocument() {
  check_running();
  if (docs_.empty())
    fail(oerr::kNoDocument, "Este comando não está disponível porque não há documentos abertos.");
  return *docs_.back();
}

word::Selection& Application::Selection() { return ActiveDocument().Selection(); }
word::Window& Application::ActiveWindow() { return ActiveDocument().ActiveWindow(); }

::orvane::Text Application::Version() const {
  return ctx_->settings.word_version.empty() ? u"16.0" : ctx_->settings.word_version;
}

void Application::Visible(bool v) {
  visible_ = v;
  if (v && !docs_.empty()) docs_.back()->ActiveWindow().Visible(true);
}

void Application::PrintOut(const PrintOutArgs& args) {
  check_running();
  Scratch s("orvane-word");
  std::string docx;
  if (!args.FileName.empty()) {
    docx = resolve(args.FileName);
  } else {
    docx = s.dir() + "/documento.docx";
    ActiveDocument().write_docx(docx);
    remove_comments(docx);  // printed as the content only, like the export
  }
  std::string pdf = s.dir() + "/impressao.pdf";
  convert_document(docx, pdf, Format::Pdf);
  print_file(*ctx_, pdf, std::max(1, args.Copies));
}

void Application::Quit(bool SaveChanges) {
  if (quit_) return;
  if (SaveChanges)
    for (auto& d : std::vector<std::shared_ptr<word::Document>>(docs_)) d->Close(true);
  docs_.clear();
  quit_ = true;
}

void Application::closed(word::Document& d) {
  docs_.erase(std::remove_if(docs_.begin(), docs_.end(), [&](auto& p) { return p.get() == &d; }),
              docs_.end());
}

}  // namespace orvane::office::word
