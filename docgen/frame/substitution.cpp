#include "docgen/frame/substitution.h"

#include "core/convert.h"
#include "core/error.h"
#include "docgen/frame/word_suite.h"
#include "docgen/frame/writer_suite.h"

namespace orvane::docgen {

Text suite_text(const Variant& v) {
  if (v.is_null() || v.is_empty()) return Text();
  return CStr(v);
}

void word_table_pass(const ObjectPtr& word, const PlaceholderTable& table) {
  for (int32_t row = 1; row <= table.counter(); ++row) {
    word_suite::replace_all(word, table.text(row),
                            vb::Left(suite_text(table.value(row)), kWordReplaceLimit));
  }
}

void word_long_text_pass(const ObjectPtr& word, TextView placeholder, const Variant& value,
                         bool upper_case) {
  if (!word_suite::find_placeholder(word, placeholder, upper_case)) return;
  word_suite::type_text(word, suite_text(value));
}

void DocWordSubstLista(const Variant& doc_word, const Variant& variavel, const Variant& contador,
                       const Variant& lista) {
  const ObjectPtr& word = as_object(doc_word);
  if (!word_suite::find_placeholder(word, CStr(variavel))) return;
  const int32_t count = CLng(contador);
  if (count == 0) {
    word_suite::type_text(word, u" ");
    return;
  }
  if (!lista.is_array()) throw VbError(err::kTypeMismatch);
  const Array& lines = lista.array();
  for (int32_t i = 1; i <= count; ++i) {
    word_suite::type_text(word, suite_text(lines.at(i)));
    if (i < count) word_suite::type_paragraph(word);
  }
}

void writer_table_pass(const ObjectPtr& document, const ObjectPtr& descriptor,
                       const PlaceholderTable& table) {
  for (int32_t row = 1; row <= table.counter(); ++row) {
    writer_suite::replace_all(document, descriptor, table.text(row), suite_text(table.value(row)));
  }
}

}  // namespace orvane::docgen
