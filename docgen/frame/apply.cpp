#include "docgen/frame/apply.h"

#include <algorithm>

#include "docgen/frame/substitution.h"
#include "docgen/frame/word_suite.h"

namespace orvane::docgen {
namespace {

// The lists in application order: `order` first, then the others, longer names first so
// that no name is replaced inside a longer one that begins with it (Writer matches
// substrings), in declaration order otherwise.
std::vector<const ListLines*> in_order(const ListSet& lists, const std::vector<Text>& order) {
  std::vector<const ListLines*> out, rest;
  for (const Text& name : order) {
    if (const ListLines* l = lists.find(name)) out.push_back(l);
  }
  for (const ListLines& l : lists.all()) {
    if (std::find(order.begin(), order.end(), l.placeholder()) == order.end()) rest.push_back(&l);
  }
  std::stable_sort(rest.begin(), rest.end(), [](const ListLines* a, const ListLines* b) {
    return a->placeholder().size() > b->placeholder().size();
  });
  out.insert(out.end(), rest.begin(), rest.end());
  return out;
}

bool wanted(const std::vector<Text>& names, const Text& placeholder) {
  return names.empty() || std::find(names.begin(), names.end(), placeholder) != names.end();
}

}  // namespace

void type_long_texts(const ObjectPtr& word, const std::vector<LongText>& texts) {
  for (const LongText& t : texts) word_long_text_pass(word, t.placeholder, t.value, t.upper_case);
}

void insert_word_pictures(const ObjectPtr& word, const std::vector<PicturePlaceholder>& pictures) {
  for (const PicturePlaceholder& p : pictures) {
    if (!word_suite::find_placeholder(word, p.placeholder)) continue;
    word_suite::type_text(word, u"");
    if (!p.file.empty()) resume_next([&] { word_suite::add_picture(word, p.file); });
  }
}

void type_word_lists(const ObjectPtr& word, const ListSet& lists, const std::vector<Text>& order,
                     int times) {
  const std::vector<const ListLines*> sequence = in_order(lists, order);
  for (int pass = 0; pass < times; ++pass) {
    for (const ListLines* l : sequence) {
      DocWordSubstLista(Variant(word), Variant(l->placeholder()), Variant(l->count()),
                        l->lines_variant());
    }
  }
}

void add_writer_lists(PlaceholderTable& table, const ListSet& lists,
                      const std::vector<Text>& order) {
  for (const ListLines* l : in_order(lists, order)) {
    if (l->suites() == Suites::WordOnly) continue;
    table.add(l->placeholder(), Variant(l->joined(u"\r\n")));
  }
}

void insert_word_tables(const ObjectPtr& word, const DocumentData& d,
                        const std::vector<Text>& placeholders) {
  if (placeholders.empty()) {
    for (const TableContent& t : d.tables) insert_word_table(word, t);
    return;
  }
  for (const Text& name : placeholders) {
    if (const TableContent* t = d.table_content(name)) insert_word_table(word, *t);
  }
}

void insert_writer_tables(const Generation& g, const DocumentData& d,
                          const std::vector<Text>& placeholders) {
  for (const TableContent& t : d.tables) {
    if (t.layout && t.layout->suites == Suites::WordOnly) continue;
    if (!wanted(placeholders, t.placeholder)) continue;
    insert_writer_table(g.document, g.text_cursor, g.replace_descriptor, t);
  }
}

}  // namespace orvane::docgen
