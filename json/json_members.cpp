#include "json/json_members.h"

#include "funcs/funcoes_orvane.h"
#include "json/export.h"
#include "json/parser.h"
#include "json/serializer.h"

namespace orvane::json {

void add_json_members(component::MemberTable& t) {
  using component::Args;
  using component::ref;
  using component::val;
  using funcs::self_of;
  t.method(
      u"parse", {ref(u"str", VarType::String)}, VarType::Object,
      [](Object& o, Args& a) { return Variant(parse(a[0].text(), self_of(o).parser_errors)); },
      "reads a JSON text into Dictionary/Collection objects; Nothing when it is not one");
  t.method(
      u"GetParserErrors", {}, VarType::String,
      [](Object& o, Args&) { return Variant(self_of(o).parser_errors); },
      "what the last parse found wrong, one line each");
  t.method(
      u"ClearParserErrors", {}, VarType::String,
      [](Object& o, Args&) {
        self_of(o).parser_errors.clear();
        return Variant(Text());
      },
      "empties the parser errors");
  t.method(
      u"toString", {ref(u"obj", VarType::Variant)}, VarType::String,
      [](Object&, Args& a) { return Variant(to_json(a[0])); }, "writes a value as compact JSON");
  t.method(
      u"StringToJSON", {ref(u"st", VarType::String)}, VarType::String,
      [](Object&, Args& a) { return Variant(string_to_json(a[0].text())); },
      "exports rows packed as name~value~...|... in the JSON envelope");
  t.method(
      u"RStoJSON", {ref(u"rs", VarType::Variant)}, VarType::String,
      [](Object&, Args& a) { return Variant(rs_to_json(a[0])); },
      "exports a recordset's rows from the current one in the JSON envelope");
  t.method(
      u"toUnicode", {ref(u"str", VarType::String)}, VarType::String,
      [](Object&, Args& a) { return Variant(to_unicode(a[0].text())); },
      "escapes a text for the exports (apostrophes are removed from str too)");
  t.method(
      u"fromUnicode", {val(u"str", VarType::String)}, VarType::String,
      [](Object&, Args& a) { return Variant(from_unicode(a[0].text())); },
      "decodes \\uXXXX escapes");
}

}  // namespace orvane::json
