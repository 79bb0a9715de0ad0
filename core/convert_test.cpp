#include "core/convert.h"

#include <gtest/gtest.h>

#include <cmath>

#include "core/error.h"

namespace orvane {
namespace {

TEST(ConvertTextToNumber, BrazilianLocale) {
  EXPECT_DOUBLE_EQ(CDbl(Text(u"1234,56")), 1234.56);
  EXPECT_DOUBLE_EQ(CDbl(Text(u"1.234,56")), 1234.56);
  EXPECT_DOUBLE_EQ(CDbl(Text(u" -5 ")), -5);
  EXPECT_DOUBLE_EQ(CDbl(Text(u"R$ 10,50")), 10.5);
  EXPECT_DOUBLE_EQ(CDbl(Text(u"1E3")), 1000);
  EXPECT_DOUBLE_EQ(CDbl(Text(u"1.5")), 15);  // the point groups thousands
  EXPECT_THROW(CDbl(Text(u"abc")), VbError);
  EXPECT_THROW(CDbl(Text(u"")), VbError);
  try {
    CDbl(Variant::Null());
    FAIL();
  } catch (const VbError& e) {
    EXPECT_EQ(e.number(), 94);
  }
}

TEST(ConvertNumberToText, DecimalCommaAndFifteenDigits) {
  EXPECT_EQ(CStr(1234.5), u"1234,5");
  EXPECT_EQ(CStr(0.1 + 0.2), u"0,3");
  EXPECT_EQ(CStr(1e15), u"1E+15");
  EXPECT_EQ(CStr(123456789012345.0), u"123456789012345");
  EXPECT_EQ(CStr(0.0001), u"0,0001");
  EXPECT_EQ(CStr(0.00001), u"1E-05");
  EXPECT_EQ(CStr(-2.5), u"-2,5");
  EXPECT_EQ(CStr(Currency::from_raw(21200)), u"2,12");
  EXPECT_EQ(CStr(Currency::from_raw(-5)), u"-0,0005");
  EXPECT_EQ(CStr(int16_t{-7}), u"-7");
  EXPECT_EQ(CStr(true), u"True");
  EXPECT_EQ(CStr(Variant()), u"");
  EXPECT_EQ(CStr(Variant::Missing()), u"Error 448");
  EXPECT_EQ(CStr(Date::from_parts(2026, 12, 5)), u"05/12/2026");
  EXPECT_EQ(CStr(Date::from_parts(2026, 12, 5, 8, 0, 1)), u"05/12/2026 08:00:01");
  EXPECT_EQ(CStr(Date::from_parts(1899, 12, 30, 14, 30)), u"14:30:00");
}

TEST(ConvertRounding, HalfToEven) {
  EXPECT_EQ(CLng(2.5), 2);
  EXPECT_EQ(CLng(3.5), 4);
  EXPECT_EQ(CLng(-2.5), -2);
  EXPECT_EQ(CInt(Text(u"1,5")), 2);
  EXPECT_EQ(CLng(Currency::from_raw(25000)), 2);
  EXPECT_EQ(CLng(Currency::from_raw(35000)), 4);
  EXPECT_THROW(CInt(40000), VbError);
  EXPECT_THROW(CLng(3e10), VbError);
  EXPECT_DOUBLE_EQ(Round(2.125, 2), 2.12);
  EXPECT_DOUBLE_EQ(Round(2.135, 2), 2.14);
  EXPECT_DOUBLE_EQ(Round(10.135, 2), 10.14);  // the decimal value is a tie
  EXPECT_DOUBLE_EQ(Round(-2.5), -2);
  EXPECT_DOUBLE_EQ(Round(9.995, 2), 10);
}

TEST(ConvertCurrency, ScaledAndHalfToEven) {
  EXPECT_EQ(CCur(1.23456).raw(), 12346);
  EXPECT_EQ(CCur(0.00005).raw(), 0);  // half to even
  EXPECT_EQ(CCur(0.00015).raw(), 2);
  EXPECT_EQ(CCur(Text(u"1.234,5678")).raw(), 12345678);
  EXPECT_EQ(CCur(Decimal::parse("2.12345")).raw(), 21234);
  EXPECT_EQ(CCur(Decimal::parse("2.12355")).raw(), 21236);
  EXPECT_THROW(CCur(1e300), VbError);
  EXPECT_THROW(Currency::from_raw(INT64_MAX) + Currency::from_raw(1), VbError);
}

TEST(ConvertDates, TextAndNumbers) {
  EXPECT_EQ(CDate(Text(u"05/12/2026")), Date::from_parts(2026, 12, 5));
  EXPECT_EQ(CDate(Text(u"5/12/26 14:30")), Date::from_parts(2026, 12, 5, 14, 30));
  EXPECT_EQ(CDate(Text(u"2026-12-05T14:30:15")), Date::from_parts(2026, 12, 5, 14, 30, 15));
  EXPECT_EQ(CDate(Text(u"14:30")), Date::from_parts(1899, 12, 30, 14, 30));
  EXPECT_THROW(CDate(Text(u"31/02/2026")), VbError);
  EXPECT_EQ(CDate(2.5).oa(), 2.5);
  EXPECT_TRUE(IsDate(Text(u"01/01/2000")));
  EXPECT_FALSE(IsDate(Text(u"hello")));
}

TEST(ConvertBoolean, TextAndNumbers) {
  EXPECT_TRUE(CBool(Text(u"True")));
  EXPECT_FALSE(CBool(Text(u"falso")));
  EXPECT_TRUE(CBool(Text(u"2")));
  EXPECT_FALSE(CBool(0));
  EXPECT_THROW(CBool(Text(u"talvez")), VbError);
}

TEST(ConvertTo, DeclaredTypes) {
  EXPECT_EQ(convert_to(Text(u"12"), VarType::Long), Variant(int32_t{12}));
  EXPECT_EQ(convert_to(int32_t{12}, VarType::String), Variant(Text(u"12")));
  EXPECT_EQ(convert_to(Text(u"x"), VarType::Variant), Variant(Text(u"x")));
  EXPECT_THROW(convert_to(Text(u"x"), VarType::Long), VbError);
  EXPECT_THROW(convert_to(Text(u"x"), VarType::Object), VbError);
}

TEST(ValAndIsNumeric, HostRules) {
  EXPECT_DOUBLE_EQ(Val(u"  12.5abc"), 12.5);
  EXPECT_DOUBLE_EQ(Val(u"1 2 3"), 123);
  EXPECT_DOUBLE_EQ(Val(u"abc"), 0);
  EXPECT_DOUBLE_EQ(Val(u"16.0"), 16);
  EXPECT_TRUE(IsNumeric(Text(u"1.234,5")));
  EXPECT_FALSE(IsNumeric(Text(u"12a")));
  EXPECT_FALSE(IsNumeric(Variant::Null()));
}

TEST(VariantArithmetic, AddsConcatenatesAndPropagatesNull) {
  EXPECT_EQ(add(Text(u"a"), Text(u"b")), Variant(Text(u"ab")));
  EXPECT_EQ(add(int16_t{2}, int16_t{3}), Variant(int16_t{5}));
  EXPECT_EQ(add(int32_t{2}, 0.5), Variant(2.5));
  EXPECT_EQ(add(Currency::from_int(2), int32_t{1}), Variant(Currency::from_int(3)));
  EXPECT_TRUE(add(Variant::Null(), 1).is_null());
  EXPECT_EQ(add(Date::from_parts(2026, 1, 31), int32_t{1}), Variant(Date::from_parts(2026, 2, 1)));
  EXPECT_THROW(divide(1, 0), VbError);
  EXPECT_EQ(compare(int32_t{2}, 2.5), -1);
  EXPECT_EQ(compare(Text(u"b"), Text(u"a")), 1);
}

}  // namespace
}  // namespace orvane
