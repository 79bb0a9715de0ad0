#include "docgen/frame/writer_suite.h"

#include "component/registry.h"
#include "core/convert.h"
#include "core/error.h"
#include "funcs/files.h"

namespace orvane::docgen::writer_suite {
namespace {

Variant text(TextView t) { return Variant(Text(t)); }

// The empty property list the Writer calls get where no option is set.
Variant no_properties() { return Variant(Array::of({}, 0)); }

}  // namespace

Loaded load(const ContextPtr& ctx, const Variant& url) {
  Loaded w;
  w.service_manager = component::create_object(u"com.sun.star.ServiceManager", ctx);
  w.desktop =
      as_object(call(w.service_manager, u"createInstance", {text(u"com.sun.star.frame.Desktop")}));
  w.document = as_object(call(w.desktop, u"loadComponentFromURL",
                              {url, text(u"_blank"), Variant(int32_t{0}), no_properties()}));
  return w;
}

ObjectPtr create_replace_descriptor(const ObjectPtr& document) {
  return as_object(call(document, u"createReplaceDescriptor"));
}

ObjectPtr create_text_cursor(const ObjectPtr& document) {
  return as_object(call(as_object(call(document, u"GetText")), u"createTextCursor"));
}

void replace_all(const ObjectPtr& document, const ObjectPtr& descriptor, TextView search,
                 TextView replacement) {
  call(descriptor, u"setSearchString", {text(search)});
  call(descriptor, u"setReplaceString", {text(replacement)});
  call(document, u"replaceAll", {Variant(descriptor)});
}

ObjectPtr find_first(const ObjectPtr& document, TextView placeholder) {
  ObjectPtr search = as_object(call(document, u"createSearchDescriptor"));
  let(search, u"SearchString", text(placeholder));
  let(search, u"SearchCaseSensitive", Variant(false));
  let(search, u"SearchWords", Variant(true));
  Variant found = call(document, u"findFirst", {Variant(search)});
  if (found.is_object() && found.object()) return found.object();
  return nullptr;
}

void select_range(const ObjectPtr& cursor, const ObjectPtr& range) {
  call(cursor, u"gotoRange", {call(range, u"getStart"), Variant(false)});
  call(cursor, u"gotoRange", {Variant(range), Variant(true)});
}

ObjectPtr insert_table(const ObjectPtr& document, const ObjectPtr& cursor, int32_t rows,
                       int32_t columns) {
  ObjectPtr table =
      as_object(call(document, u"createInstance", {text(u"com.sun.star.text.TextTable")}));
  call(table, u"initialize", {Variant(rows), Variant(columns)});
  call(as_object(call(document, u"GetText")), u"insertTextContent",
       {Variant(cursor), Variant(table), Variant(false)});
  return table;
}

void insert_cell_text(const ObjectPtr& table, TextView cell_name, TextView t) {
  ObjectPtr cell = as_object(call(table, u"getCellByName", {text(cell_name)}));
  ObjectPtr cursor = as_object(call(cell, u"createTextCursor"));
  call(cell, u"insertString", {Variant(cursor), text(t), Variant(false)});
}

void set_cell_text(const ObjectPtr& table, TextView cell_name, TextView t) {
  call(as_object(call(table, u"getCellByName", {text(cell_name)})), u"setString", {text(t)});
}

void set_separators(const ObjectPtr& table, const std::vector<double>& fractions) {
  Variant separators = get(table, u"TableColumnSeparators");
  const double sum = CDbl(get(table, u"TableColumnRelativeSum"));
  Array& items = separators.array();
  for (size_t k = 0; k < fractions.size(); ++k) {
    const Variant& sep = items.at(items.bound(0).lower + static_cast<int32_t>(k));
    let(as_object(sep), u"Position", Variant(sum * fractions[k]));
  }
  let(table, u"TableColumnSeparators", separators);
}

void store(const ContextPtr& ctx, const ObjectPtr& document, const Variant& url, TextView filter) {
  // Two property slots, the second left empty, as the generators build them.
  Array properties({Array::Bound{0, 2}});
  properties.at(0) = Variant(funcs::MakePropertyValue(ctx, text(u"FilterName"), text(filter)));
  call(document, u"storeToURL", {url, Variant(std::move(properties))});
}

void print_once(const ObjectPtr& document) { call(document, u"printPages", {no_properties()}); }

void close(const ObjectPtr& document) { call(document, u"close", {Variant(false)}); }

}  // namespace orvane::docgen::writer_suite
