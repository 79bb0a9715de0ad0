#include "docgen/substitution.h"

#include "core/convert.h"
#include "core/error.h"

namespace orvane::docgen {
namespace {

constexpr int32_t kWdFindContinue = 1;
constexpr int32_t kWdReplaceAll = 2;

// The search options every Word pass sets, after the text to find and its replacement.
void set_word_find(const ObjectPtr& find, const ObjectPtr& replacement, TextView text,
                   TextView replace_with) {
  let(find, u"Text", Variant(Text(text)));
  let(replacement, u"Text", Variant(Text(replace_with)));
  let(find, u"Forward", Variant(true));
  let(find, u"Wrap", Variant(kWdFindContinue));
  let(find, u"Format", Variant(false));
  let(find, u"MatchCase", Variant(false));
  let(find, u"MatchWholeWord", Variant(true));
  let(find, u"MatchWildcards", Variant(false));
  let(find, u"MatchSoundsLike", Variant(false));
  let(find, u"MatchAllWordForms", Variant(false));
}

Variant invoke_named(const ObjectPtr& obj, TextView member, std::vector<Variant> args,
                     std::vector<Text> names) {
  if (!obj) throw VbError(err::kObjectNotSet);
  return obj->invoke(member, CallKind::Method, args, names);
}

}  // namespace

Text suite_text(const Variant& v) {
  if (v.is_null() || v.is_empty()) return Text();
  return CStr(v);
}

void word_table_pass(const ObjectPtr& word, const Array& table, int32_t counter) {
  ObjectPtr selection = as_object(get(word, u"Selection"));
  ObjectPtr find = as_object(get(selection, u"Find"));
  ObjectPtr replacement = as_object(get(find, u"Replacement"));
  for (int32_t row = 1; row <= counter; ++row) {
    const Variant& text = table.at(std::vector<int32_t>{row, 1});
    const Variant& value = table.at(std::vector<int32_t>{row, 2});
    call(find, u"ClearFormatting");
    call(replacement, u"ClearFormatting");
    set_word_find(find, replacement, suite_text(text),
                  vb::Left(suite_text(value), kWordReplaceLimit));
    invoke_named(find, u"Execute", {Variant(kWdReplaceAll)}, {u"Replace"});
  }
}

bool word_find_placeholder(const ObjectPtr& word, TextView placeholder) {
  ObjectPtr selection = as_object(get(word, u"Selection"));
  ObjectPtr find = as_object(get(selection, u"Find"));
  ObjectPtr replacement = as_object(get(find, u"Replacement"));
  call(find, u"ClearFormatting");
  set_word_find(find, replacement, placeholder, u"");
  call(find, u"Execute");
  return suite_text(get(selection, u"Text")) == placeholder;
}

void word_long_text_pass(const ObjectPtr& word, TextView placeholder, const Variant& value) {
  if (!word_find_placeholder(word, placeholder)) return;
  call(as_object(get(word, u"Selection")), u"TypeText", {Variant(suite_text(value))});
}

void DocWordSubstLista(const Variant& doc_word, const Variant& variavel, const Variant& contador,
                       const Variant& lista) {
  const ObjectPtr& word = as_object(doc_word);
  const Text placeholder = CStr(variavel);
  if (!word_find_placeholder(word, placeholder)) return;
  ObjectPtr selection = as_object(get(word, u"Selection"));
  const int32_t count = CLng(contador);
  if (count == 0) {
    call(selection, u"TypeText", {Variant(Text(u" "))});
    return;
  }
  if (!lista.is_array()) throw VbError(err::kTypeMismatch);
  const Array& lines = lista.array();
  for (int32_t i = 1; i <= count; ++i) {
    call(selection, u"TypeText", {Variant(suite_text(lines.at(i)))});
    if (i < count) call(selection, u"TypeParagraph");
  }
}

void writer_replace_all(const ObjectPtr& document, const ObjectPtr& descriptor,
                        const Variant& search, const Variant& replace) {
  call(descriptor, u"setSearchString", {Variant(suite_text(search))});
  call(descriptor, u"setReplaceString", {Variant(suite_text(replace))});
  call(document, u"replaceAll", {Variant(descriptor)});
}

void writer_table_pass(const ObjectPtr& document, const ObjectPtr& descriptor, const Array& table,
                       int32_t counter) {
  for (int32_t row = 1; row <= counter; ++row) {
    writer_replace_all(document, descriptor, table.at(std::vector<int32_t>{row, 1}),
                       table.at(std::vector<int32_t>{row, 2}));
  }
}

}  // namespace orvane::docgen
