#include "json/parser.h"

#include <gtest/gtest.h>

#include "json/collection.h"
#include "json/dictionary.h"

namespace orvane::json {
namespace {

struct Parsed {
  ObjectPtr root;
  std::string errors;
};

Parsed read(std::string_view utf8) {
  Text errors = u"left over from before";
  ObjectPtr root = parse(from_utf8(utf8), errors);
  return {root, to_utf8(errors)};
}

const Dictionary& map_of(const ObjectPtr& o) {
  auto* d = dynamic_cast<const Dictionary*>(o.get());
  if (!d) throw std::runtime_error("not a Dictionary");
  return *d;
}
const Collection& list_of(const ObjectPtr& o) {
  auto* c = dynamic_cast<const Collection*>(o.get());
  if (!c) throw std::runtime_error("not a Collection");
  return *c;
}
const Variant& at(const ObjectPtr& map, const char* key) {
  const auto& d = map_of(map);
  auto i = d.find(from_utf8(key));
  if (i < 0) throw std::runtime_error(std::string("no key ") + key);
  return d.entries()[static_cast<size_t>(i)].second;
}
std::vector<std::string> keys_of(const ObjectPtr& map) {
  std::vector<std::string> keys;
  for (const auto& e : map_of(map).entries()) keys.push_back(to_utf8(e.first));
  return keys;
}
// Numbers and booleans of a flat list, as text, for compact expectations.
std::string flat(const ObjectPtr& list) {
  std::string out;
  for (const auto& v : list_of(list).items()) {
    if (!out.empty()) out += ",";
    switch (v.type()) {
      case VarType::Double: {
        char b[32];
        std::snprintf(b, sizeof b, "%g", v.dbl());
        out += b;
        break;
      }
      case VarType::Boolean:
        out += v.boolean() ? "true" : "false";
        break;
      case VarType::Empty:
        out += "empty";
        break;
      case VarType::Null:
        out += "null";
        break;
      case VarType::String:
        out += "'" + to_utf8(v.text()) + "'";
        break;
      case VarType::Object:
        out += v.object() ? "[" + flat(v.object()) + "]" : "nothing";
        break;
      default:
        out += "?";
    }
  }
  return out;
}

TEST(Parser, RootMustBeAnObjectOrAnArray) {
  for (const char* text : {"", "   ", "abc", "42", "\"s\""}) {
    auto r = read(text);
    EXPECT_EQ(r.root, nullptr) << text;
    EXPECT_EQ(r.errors, "Invalid JSON") << text;
  }
  auto ok = read("  {\"a\":1} trailing text is not examined");
  ASSERT_NE(ok.root, nullptr);
  EXPECT_EQ(ok.errors, "");
}

TEST(Parser, ParenthesesAndCommentsReadLikeThePlainText) {
  auto plain = read(R"({"a":1,"b":[true,null]})");
  for (const char* text : {
           R"(( {"a":1,"b":[true,null]} ))",
           "{ // first\r\n \"a\" /* the\n value */ : 1, // x\n \"b\": [true, /**/ null] }",
           "/* lead */ {\"a\":1,\"b\":[true,null]}",
       }) {
    auto r = read(text);
    EXPECT_EQ(r.errors, "") << text;
    EXPECT_EQ(keys_of(r.root), keys_of(plain.root)) << text;
    EXPECT_EQ(at(r.root, "a"), Variant(1.0)) << text;
    EXPECT_EQ(flat(at(r.root, "b").object()), "true,null") << text;
  }
}

TEST(Parser, KeysQuotedEitherWayOrNotAtAll) {
  auto r = read(
      "{plain : 10, 'single' : 'it\"s', \"double\" : true, \"two words\": 1, "
      "\"a:b\": 2}");
  EXPECT_EQ(r.errors, "");
  EXPECT_EQ(keys_of(r.root),
            (std::vector<std::string>{"plain", "single", "double", "twowords", "a:b"}));
  EXPECT_EQ(at(r.root, "plain"), Variant(10.0));
  EXPECT_EQ(at(r.root, "single"), Variant(Text(u"it\"s")));
  EXPECT_EQ(at(r.root, "double"), Variant(true));

  // After a closing quote only a colon may follow.
  auto bad = read(R"({"a" x: 1})");
  EXPECT_EQ(bad.errors, "Invalid Key at position 6 : a\r\n");
  EXPECT_EQ(keys_of(bad.root), (std::vector<std::string>{"a", "x"}));
  EXPECT_EQ(at(bad.root, "a"), Variant(0.0));
  EXPECT_EQ(at(bad.root, "x"), Variant(1.0));
}

TEST(Parser, RepeatedKeyKeepsTheFirstValueAndStopsTheObject) {
  auto r = read(R"({"a":1,"b":2,"a":3,"c":4})");
  EXPECT_EQ(r.errors, "This key is already associated with an element of this collection: a\r\n");
  EXPECT_EQ(keys_of(r.root), (std::vector<std::string>{"a", "b"}));
  EXPECT_EQ(at(r.root, "a"), Variant(1.0));
  // Case matters: these are two keys.
  EXPECT_EQ(keys_of(read(R"({"a":1,"A":2})").root), (std::vector<std::string>{"a", "A"}));
}

TEST(Parser, TrailingCommas) {
  EXPECT_EQ(flat(read("[1,]").root), "1,0");
  EXPECT_EQ(flat(read("[[1,],2]").root), "[1,0],2");
  EXPECT_EQ(read("[1,]").errors, "");

  auto obj = read(R"({"a":"x",})");
  EXPECT_EQ(keys_of(obj.root), (std::vector<std::string>{"a", "}"}));
  EXPECT_TRUE(at(obj.root, "}").is_empty());
  EXPECT_EQ(obj.errors, "Missing '}': {\"a\":\"x\",}\r\n");
}

TEST(Parser, UnclosedContainersGiveWhatWasRead) {
  auto r = read(R"({"name":"a fairly long value", "n":"x")");
  EXPECT_EQ(at(r.root, "n"), Variant(Text(u"x")));
  EXPECT_EQ(r.errors, "Missing '}': long value\", \"n\":\"x\"\r\n");

  // A number that runs into the end of the text is Empty.
  auto n = read("[1, 2");
  EXPECT_EQ(flat(n.root), "1,empty");
  EXPECT_EQ(n.errors, "Missing ']': [1, 2\r\n");
}

TEST(Parser, ArraysThatStopConsumingDoNotHang) {
  auto tru = read("[tru]");
  EXPECT_EQ(flat(tru.root), "false");
  EXPECT_EQ(tru.errors,
            "Invalid Boolean at position 2 : tru]\r\nInvalid Array at position 2 : tru]\r\n");

  auto letter = read("[a]");
  EXPECT_EQ(flat(letter.root), "0");
  EXPECT_EQ(letter.errors, "Invalid Array at position 2 : a]\r\n");

  auto nul = read("[nul, 1]");
  EXPECT_EQ(flat(nul.root), "empty");
  EXPECT_EQ(nul.errors,
            "Invalid null value at position 2 : nul, 1]\r\n"
            "Invalid Array at position 2 : nul, 1]\r\n");

  // The inner object stops at its repeated key; the array then reads the rest as it can.
  auto dup = read(R"([{"a":1,"a":2,"b":3}])");
  ASSERT_NE(dup.root, nullptr);
  EXPECT_EQ(list_of(dup.root).size(), 3u);
  EXPECT_EQ(dup.errors,
            "This key is already associated with an element of this collection: a\r\n"
            "Invalid Array at position 18 : :3}]\r\n");

  // At most 20 characters of the rest are quoted.
  auto longer = read("[x123456789012345678901234567890]");
  EXPECT_EQ(longer.errors, "Invalid Array at position 2 : x1234567890123456789\r\n");
}

TEST(Parser, StringEscapes) {
  auto r = read(R"(["a\"b\\c\/d\'e", "\b\f\n\r\t", "\u00e7\u00C7\u20ac", "\q\x", 'it\'s', )"
                R"("\u00zzab", "\u41"])");
  const auto& items = list_of(r.root).items();
  ASSERT_EQ(items.size(), 7u);
  EXPECT_EQ(items[0].text(), u"a\"b\\c/d'e");
  EXPECT_EQ(items[1].text(), u"\b\f\n\r\t");
  EXPECT_EQ(items[2].text(), T("çÇ€"));
  EXPECT_EQ(items[3].text(), u"qx");
  EXPECT_EQ(items[4].text(), u"it's");
  EXPECT_EQ(items[5].text(), Text(u"\0ab", 3));
  // "\u41" reads on through the closing quote and the bracket.
  EXPECT_EQ(items[6].text(), Text(u"A"));
  // An unknown escape before the quote lets the quote close the string.
  auto q = read(R"(["ab\"])");
  EXPECT_EQ(list_of(q.root).items()[0].text(), u"ab\"]");
  auto closes = read(R"(['ab\'', "c\d"])");
  EXPECT_EQ(flat(closes.root), "'ab'','cd'");
}

TEST(Parser, NumbersReadTheirLeadingDecimalPart) {
  auto r = read("[-1.5e2, +3, 1.2.3, -, .5, 5., 1e, 12345678901234567890, 1e999, 007]");
  EXPECT_EQ(r.errors, "");
  const auto& items = list_of(r.root).items();
  ASSERT_EQ(items.size(), 10u);
  const double expected[] = {-150, 3, 1.2, 0, 0.5, 5, 1, 12345678901234567890.0, 0, 7};
  for (size_t i = 0; i < items.size(); ++i) {
    ASSERT_EQ(items[i].type(), VarType::Double) << i;
    EXPECT_EQ(items[i].dbl(), expected[i]) << i;
  }
  EXPECT_EQ(read("[0.1]").root ? list_of(read("[0.1]").root).items()[0].dbl() : 0, 0.1);
}

TEST(Parser, PositionsCountCharactersNotBytes) {
  auto r = read(R"(["ação", fals])");
  EXPECT_EQ(r.errors,
            "Invalid Boolean at position 10 : fals]\r\nInvalid Array at position 10 : fals]\r\n");
}

TEST(Parser, DeepNestingStopsWithAMessage) {
  std::string deep(200000, '[');
  auto r = read(deep);
  ASSERT_NE(r.root, nullptr);
  EXPECT_EQ(
      r.errors.rfind("Nesting too deep at position " + std::to_string(kMaxDepth + 1) + " : ", 0),
      0u)
      << r.errors.substr(0, 200);
  EXPECT_LT(r.errors.size(), 200u);

  std::string ok = std::string(kMaxDepth, '[') + std::string(kMaxDepth, ']');
  EXPECT_EQ(read(ok).errors, "");
}

TEST(Parser, EveryParseStartsWithNoErrors) {
  Text errors;
  parse(u"[tru]", errors);
  EXPECT_FALSE(errors.empty());
  parse(u"[true]", errors);
  EXPECT_EQ(errors, u"");
}

}  // namespace
}  // namespace orvane::json
