#include "json/export.h"

#include <gtest/gtest.h>

#include <cstring>
#include <random>

#include "core/convert.h"
#include "core/error.h"
#include "json/collection.h"
#include "json/dictionary.h"
#include "json/parser.h"

namespace orvane::json {
namespace {

TEST(StringToJson, TheEnvelopeCharacterForCharacter) {
  EXPECT_EQ(to_utf8(string_to_json(u"Cod~1~Nome~Ana|Cod~2~Nome~Bia")),
            "( {\"Records\": [\r\n"
            "{\"Cod\":\"1\",\"Nome\":\"Ana\"},\r\n"
            "{\"Cod\":\"2\",\"Nome\":\"Bia\"}\r\n"
            "], \"RecordCount\":\"2\" } )");
  EXPECT_EQ(string_to_json(u""), u"null");
}

TEST(StringToJson, ValuesAreEscapedNamesAreNot) {
  EXPECT_EQ(to_utf8(string_to_json(T("Obs \"x\"~it's {ação}~Vazio~"))),
            "( {\"Records\": [\r\n"
            "{\"Obs \"x\"\":\"its \\u007Ba\\u00E7\\u00E3o\\u007D\",\"Vazio\":\"\"}\r\n"
            "], \"RecordCount\":\"1\" } )");
  // An empty row is an empty object, and still counts.
  EXPECT_EQ(to_utf8(string_to_json(u"a~1||b~2")),
            "( {\"Records\": [\r\n{\"a\":\"1\"},\r\n{},\r\n{\"b\":\"2\"}\r\n], "
            "\"RecordCount\":\"3\" } )");
}

TEST(StringToJson, AnOddFieldCountRaises) {
  try {
    string_to_json(u"a~1|b~2~c");
    FAIL() << "no error";
  } catch (const VbError& e) {
    EXPECT_EQ(e.number(), 9);
  }
}

TEST(StringToJson, TheParserReadsTheEnvelopeBack) {
  Text errors;
  ObjectPtr root = parse(string_to_json(T("Cod~1~Nome~José|Cod~2~Nome~Bia")), errors);
  EXPECT_EQ(errors, u"");
  auto* d = dynamic_cast<Dictionary*>(root.get());
  ASSERT_NE(d, nullptr);
  EXPECT_EQ(d->Item(u"RecordCount"), Variant(Text(u"2")));
  auto* records = dynamic_cast<Collection*>(d->Item(u"Records").object().get());
  ASSERT_NE(records, nullptr);
  ASSERT_EQ(records->size(), 2u);
  auto* first = dynamic_cast<Dictionary*>(records->Item(1).object().get());
  EXPECT_EQ(first->Item(u"Nome"), Variant(T("José")));
}

// The export's own formatting of field values must be the host's text form.
TEST(ValueText, AgreesWithTheLocaleTextForm) {
  std::mt19937_64 rng(3);
  std::vector<Variant> values = {Variant::Null(),
                                 Variant(true),
                                 Variant(T("d'Ávila")),
                                 Variant(T("plain")),
                                 Variant(Date(0.5)),
                                 Variant(Date(0.0)),
                                 Variant(Date(-700.25)),
                                 Variant(int16_t{-32768}),
                                 Variant(int32_t{INT32_MIN}),
                                 Variant(uint8_t{255}),
                                 Variant(Currency::from_raw(INT64_MIN)),
                                 Variant(Currency::from_raw(-1)),
                                 Variant(1.5f),
                                 Variant(Decimal::parse("-12.3400"))};
  for (int i = 0; i < 20000; ++i) {
    const uint64_t r = rng();
    double d;
    std::memcpy(&d, &r, sizeof d);
    values.emplace_back(static_cast<int32_t>(r));
    values.emplace_back(static_cast<int16_t>(r));
    values.emplace_back(Currency::from_raw(static_cast<int64_t>(r) >> (r % 50)));
    values.emplace_back(Date(static_cast<double>(r % 2958465) + (r % 86400) / 86400.0));
    values.emplace_back(std::isfinite(d) ? d : static_cast<double>(r % 100000) / 1000);
    values.emplace_back(static_cast<double>(static_cast<int64_t>(r % 2000000) - 1000000) / 100);
  }
  Text scratch;
  for (const Variant& v : values) {
    Text expected = v.is_null() ? Text() : CStr(v);
    std::erase(expected, u'\'');
    ASSERT_EQ(to_utf8(value_text(v, scratch)), to_utf8(expected)) << var_type_name(v.type());
  }
}

TEST(RsToJson, WhatIsNotARecordsetGivesAnEmptyResult) {
  EXPECT_EQ(rs_to_json(Variant()), u"");
  EXPECT_EQ(rs_to_json(Variant(ObjectPtr())), u"");
  EXPECT_EQ(rs_to_json(Variant(ObjectPtr(std::make_shared<Collection>()))), u"");
}

}  // namespace
}  // namespace orvane::json
