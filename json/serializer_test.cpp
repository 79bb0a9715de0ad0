#include "json/serializer.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <random>

#include "core/convert.h"
#include "core/error.h"
#include "funcs/funcoes_orvane.h"
#include "json/collection.h"
#include "json/dictionary.h"
#include "json/parser.h"

namespace orvane::json {
namespace {

std::string json(const Variant& v) { return to_utf8(to_json(v)); }

std::string number(double d) {
  Text t;
  append_number(t, d);
  return to_utf8(t);
}

int error_of(auto&& statement) {
  try {
    statement();
  } catch (const VbError& e) {
    return e.number();
  }
  return 0;
}

TEST(ToJson, ScalarsByKind) {
  EXPECT_EQ(json(Variant()), "");
  EXPECT_EQ(json(Variant::Null()), "null");
  EXPECT_EQ(json(Variant(true)), "true");
  EXPECT_EQ(json(Variant(false)), "false");
  EXPECT_EQ(json(Variant(int16_t{-7})), "-7");
  EXPECT_EQ(json(Variant(int32_t{123456})), "123456");
  EXPECT_EQ(json(Variant(uint8_t{200})), "200");
  EXPECT_EQ(json(Variant(1234.5)), "1234.5");
  EXPECT_EQ(json(Variant(1.1f)), "1.1");
  EXPECT_EQ(json(Variant(Currency::from_double(-2.5))), "-2.5");
  EXPECT_EQ(json(Variant(Decimal::parse("1234.5600"))), "1234.56");
  EXPECT_EQ(json(Variant(Date::from_parts(2026, 12, 5))), "\"05/12/2026\"");
  EXPECT_EQ(json(Variant(Date::from_parts(2026, 12, 5, 14, 30, 0))), "\"05/12/2026 14:30:00\"");
  EXPECT_EQ(json(Variant(ObjectPtr())), "");
  EXPECT_EQ(json(Variant(ObjectPtr(std::make_shared<funcs::FuncoesOrvane>(nullptr)))), "");
}

TEST(ToJson, NumbersInTheHostTextFormWithAPoint) {
  EXPECT_EQ(number(0), "0");
  EXPECT_EQ(number(-0.0), "0");
  EXPECT_EQ(number(100), "100");
  EXPECT_EQ(number(-0.5), "-0.5");
  EXPECT_EQ(number(0.1 + 0.2), "0.3");
  EXPECT_EQ(number(1.0 / 3), "0.333333333333333");
  EXPECT_EQ(number(999999999999999), "999999999999999");
  EXPECT_EQ(number(1e15), "1E+15");
  EXPECT_EQ(number(-1.5e15), "-1.5E+15");
  EXPECT_EQ(number(999999999999999.9), "1E+15");
  EXPECT_EQ(number(123456789012345678.0), "1.23456789012346E+17");
  EXPECT_EQ(number(0.0001), "0.0001");
  EXPECT_EQ(number(0.00001), "1E-05");
  EXPECT_EQ(number(0.000012345), "1.2345E-05");
  EXPECT_EQ(number(1e300), "1E+300");
  EXPECT_EQ(number(5e-324), "4.94065645841247E-324");
  EXPECT_EQ(number(std::nan("")), "NaN");
}

// The fast path must agree with the locale text form everywhere.
TEST(ToJson, NumbersAgreeWithTheLocaleTextForm) {
  std::mt19937_64 rng(7);
  auto expected = [](double d) {
    std::string s = to_utf8(double_to_text(d));
    for (char& c : s)
      if (c == ',') c = '.';
    return s;
  };
  for (int i = 0; i < 200000; ++i) {
    double d;
    switch (i % 4) {
      case 0: {  // any bit pattern
        uint64_t bits = rng();
        std::memcpy(&d, &bits, sizeof d);
        if (!std::isfinite(d)) continue;
        break;
      }
      case 1:  // money-like values
        d = static_cast<double>(static_cast<int64_t>(rng() % 100000000) - 50000000) / 100;
        break;
      case 2:  // around the switch to the scientific form, and subnormals
        if (i % 1000 == 2) {
          d = std::ldexp(static_cast<double>(rng() % 1000), -1074);
          break;
        }
        d = std::ldexp(static_cast<double>(rng() % (1ull << 53)),
                       static_cast<int>(rng() % 120) - 100);
        break;
      default:  // short decimals at every scale
        d = static_cast<double>(rng() % 100000) * std::pow(10.0, static_cast<int>(rng() % 40) - 20);
    }
    ASSERT_EQ(number(d), expected(d)) << std::hexfloat << d;
  }
}

TEST(ToJson, TextsAreEscaped) {
  EXPECT_EQ(json(Variant(T("a/b \"q\" \\ it's"))), R"("a\/b \"q\" \\ it's")");
  EXPECT_EQ(json(Variant(Text(u"\b\f\n\r\t\x01\x7f"))), R"("\b\f\n\r\t\u0001\u007F")");
  EXPECT_EQ(json(Variant(T("ação €"))), R"("a\u00E7\u00E3o \u20AC")");
  EXPECT_EQ(json(Variant(Text(u"\U0001F600"))), R"("\uD83D\uDE00")");
}

TEST(ToJson, ContainersAndArrays) {
  auto inner = std::make_shared<Collection>();
  inner->Add(Variant(1.0));
  inner->Add(Variant(T("x")));
  inner->Add(Variant());
  auto map = std::make_shared<Dictionary>();
  map->Add(u"url", Variant(T("http://a/b")));
  map->Add(u"nothing", Variant::Null());
  map->Add(u"list", Variant(ObjectPtr(inner)));
  map->Add(u"raw\"key", Variant(true));  // keys are written as they are
  map->Add(u"empty", Variant());
  EXPECT_EQ(json(Variant(ObjectPtr(map))),
            R"({"url":"http:\/\/a\/b","nothing":null,"list":[1,"x",],"raw"key":true,"empty":})");
  EXPECT_EQ(json(Variant(ObjectPtr(std::make_shared<Dictionary>()))), "{}");
  EXPECT_EQ(json(Variant(ObjectPtr(std::make_shared<Collection>()))), "[]");

  EXPECT_EQ(json(Variant(Array::of({Variant(1), Variant(2.5), Variant(T("a"))}, 1))),
            R"([1,2.5,"a"])");
  Array grid({{0, 2}, {1, 3}});
  for (int r = 0; r < 2; ++r)
    for (int c = 1; c <= 3; ++c) grid.at({r, c}) = Variant(r * 10 + c);
  EXPECT_EQ(json(Variant(grid)), "[[1,2,3],[11,12,13]]");
  EXPECT_EQ(json(Variant(Array({{0, 0}}))), "[]");
  EXPECT_EQ(error_of([] { to_json(Variant(Array())); }), 9);
}

// A map of the host's own, known only by its type name and members.
class HostMap : public Object {
 public:
  Text type_name() const override { return u"Dictionary"; }
  Variant invoke(TextView member, CallKind, std::vector<Variant>& args,
                 const std::vector<Text>&) override {
    if (member == u"Keys") return Variant(Array::of({Variant(T("k1")), Variant(T("k2"))}));
    if (member == u"Item") return Variant(CStr(args.at(0)) + u"!");
    throw VbError(err::kNoSuchMember);
  }
};

TEST(ToJson, OtherObjectsNamedDictionaryAreWalkedByTheirMembers) {
  EXPECT_EQ(json(Variant(ObjectPtr(std::make_shared<HostMap>()))), R"({"k1":"k1!","k2":"k2!"})");
}

TEST(ToJson, AMapHoldingItselfRaisesInsteadOfOverflowingTheStack) {
  auto map = std::make_shared<Dictionary>();
  map->Add(u"me", Variant(ObjectPtr(map)));
  EXPECT_EQ(error_of([&] { to_json(Variant(ObjectPtr(map))); }), 28);
  map->RemoveAll();  // break the cycle
}

TEST(ToJson, ParsedTreesWriteBackTheSameTree) {
  const char* text =
      R"({"id":12,"name":"Jo\u00e3o \"JJ\"","tags":["a","b/c"],"ok":true,"none":null,)"
      R"("nested":{"x":-0.25,"y":[[1,2],[3]]},"big":1.5e20})";
  Text errors;
  ObjectPtr root = parse(from_utf8(text), errors);
  ASSERT_EQ(errors, u"");
  Text written = to_json(Variant(root));
  EXPECT_EQ(to_utf8(written),
            R"({"id":12,"name":"Jo\u00E3o \"JJ\"","tags":["a","b\/c"],"ok":true,"none":null,)"
            R"("nested":{"x":-0.25,"y":[[1,2],[3]]},"big":1.5E+20})");
  ObjectPtr again = parse(written, errors);
  EXPECT_EQ(errors, u"");
  EXPECT_EQ(to_json(Variant(again)), written);
}

TEST(ToUnicode, EscapesByTheSingleByteCode) {
  Text s = T("it's {ação} €\t\"\\/\x7f\x01→");
  Text out = to_unicode(s);
  EXPECT_EQ(s, T("its {ação} €\t\"\\/\x7f\x01→"));  // the caller's text loses the apostrophe
  EXPECT_EQ(to_utf8(out), "its \\u007Ba\\u00E7\\u00E3o\\u007D \\u0080\\t\\\"\\\\/\x7f\\u0001→");
  Text plain = u"nothing to do";
  EXPECT_EQ(to_unicode(plain), u"nothing to do");
}

TEST(FromUnicode, DecodesOnlyUEscapes) {
  EXPECT_EQ(from_unicode(u"a\\u00e7\\u00C3o\\n"), T("açÃo\\n"));
  EXPECT_EQ(from_unicode(u"\\u41"), u"A");  // fewer than four left: read as they are
  EXPECT_EQ(from_unicode(u"\\uFFFF"), Text(1, u'\xFFFF'));
  EXPECT_EQ(from_unicode(u"x\\"), u"x\\");
  EXPECT_EQ(error_of([] { from_unicode(u"\\u00zz"); }), 13);
  EXPECT_EQ(error_of([] { from_unicode(u"ab\\u"); }), 13);
}

}  // namespace
}  // namespace orvane::json
