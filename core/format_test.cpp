#include "core/format.h"

#include <gtest/gtest.h>

#include "core/convert.h"
#include "core/error.h"

namespace orvane {
namespace {

std::string F(const Variant& v, const char* pattern) {
  Variant r = Format(v, from_utf8(pattern));
  return r.is_null() ? "<Null>" : to_utf8(r.text());
}

TEST(FormatNumber, GroupedWithTwoDecimals) {
  EXPECT_EQ(F(1234.56, "#,##0.00"), "1.234,56");
  EXPECT_EQ(F(1234567.891, "#,##0.00"), "1.234.567,89");
  EXPECT_EQ(F(0.0, "#,##0.00"), "0,00");
  EXPECT_EQ(F(-1234.5, "#,##0.00"), "-1.234,50");
  EXPECT_EQ(F(999.995, "#,##0.00"), "1.000,00");  // a half rounds away from zero
  EXPECT_EQ(F(0.125, "#,##0.00"), "0,13");
  EXPECT_EQ(F(1.005, "#,##0.00"), "1,01");  // the decimal value decides, not the binary one
  EXPECT_EQ(F(Currency::from_raw(21200), "#,##0.00"), "2,12");
}

TEST(FormatNumber, FixedDigitsAndZeroPadding) {
  EXPECT_EQ(F(5, "0.0"), "5,0");
  EXPECT_EQ(F(2.25, "0.0"), "2,3");
  EXPECT_EQ(F(-0.04, "0.0"), "-0,0");
  EXPECT_EQ(F(3.14159, "0.00"), "3,14");
  EXPECT_EQ(F(7, "00"), "07");
  EXPECT_EQ(F(123, "00"), "123");
  EXPECT_EQ(F(42, "000000"), "000042");
  EXPECT_EQ(F(42, "0000000"), "0000042");
  EXPECT_EQ(F(42, "00000000"), "00000042");
  EXPECT_EQ(F(42, "0000000000"), "0000000042");
  EXPECT_EQ(F(-42, "000000"), "-000042");
  EXPECT_EQ(F(1234.5, "0000000000.00"), "0000001234,50");
  EXPECT_EQ(F(2.5, "000000"), "000003");
  EXPECT_EQ(F(12.5, "0.00%"), "1250,00%");
  EXPECT_EQ(F(5, "#.##"), "5,");
}

TEST(FormatNumber, TextHoldingANumberIsFormattedAsThatNumber) {
  EXPECT_EQ(F(Text(u"1234,5"), "#,##0.00"), "1.234,50");
  EXPECT_EQ(F(Text(u"abc"), "#,##0.00"), "abc");
  EXPECT_EQ(F(int16_t{12}, "000000"), "000012");
  EXPECT_EQ(F(true, "0"), "-1");
}

TEST(FormatNumber, SectionsChooseByValue) {
  EXPECT_EQ(F(5, "0.0;(0.0);\"zero\""), "5,0");
  EXPECT_EQ(F(-5, "0.0;(0.0);\"zero\""), "(5,0)");
  EXPECT_EQ(F(0, "0.0;(0.0);\"zero\""), "zero");
}

TEST(FormatNamed, CurrencyAndOthers) {
  EXPECT_EQ(F(1234.56, "Currency"), "R$ 1.234,56");
  EXPECT_EQ(F(0.0, "Currency"), "R$ 0,00");
  EXPECT_EQ(F(-5, "Currency"), "-R$ 5,00");
  EXPECT_EQ(F(Currency::from_raw(12345678), "Currency"), "R$ 1.234,57");
  EXPECT_EQ(F(Text(u"10,5"), "currency"), "R$ 10,50");
  EXPECT_EQ(F(1234.5, "Standard"), "1.234,50");
  EXPECT_EQ(F(1234.5, "Fixed"), "1234,50");
  EXPECT_EQ(F(0.256, "Percent"), "25,60%");
}

TEST(FormatDate, Patterns) {
  Date d = Date::from_parts(2026, 3, 7, 9, 5, 3);
  EXPECT_EQ(F(d, "dd/mm/yyyy"), "07/03/2026");
  EXPECT_EQ(F(d, "DD/MM/YYYY"), "07/03/2026");
  EXPECT_EQ(F(d, "hh:mm"), "09:05");
  EXPECT_EQ(F(d, "HH:MM"), "09:05");
  EXPECT_EQ(F(d, "dd/mm/yyyy hh:mm:ss"), "07/03/2026 09:05:03");
  EXPECT_EQ(F(d, "dd"), "07");
  EXPECT_EQ(F(d, "mmmm"), "março");
  EXPECT_EQ(F(d, "mmmm/yyyy"), "março/2026");
  EXPECT_EQ(F(d, "yyyy"), "2026");
  EXPECT_EQ(F(d, "dd \"de\" mmmm \"de\" yyyy"), "07 de março de 2026");
  EXPECT_EQ(F(d, "Short Date"), "07/03/2026");
}

TEST(FormatDate, NumbersAndTextsAreReadAsDates) {
  // 46088 is 2026-03-07; a number formatted with a date pattern is a date.
  EXPECT_EQ(F(46088, "dd/mm/yyyy"), "07/03/2026");
  EXPECT_EQ(F(46088.5, "dd/mm/yyyy hh:mm"), "07/03/2026 12:00");
  EXPECT_EQ(F(Text(u"07/03/2026"), "mmmm"), "março");
  EXPECT_EQ(F(Text(u"2026-03-07 10:20:00"), "hh:mm"), "10:20");
  EXPECT_EQ(F(Text(u"not a date"), "dd/mm/yyyy"), "not a date");
  // Times kept as 1899-12-30 hh:mm.
  EXPECT_EQ(F(Date::from_parts(1899, 12, 30, 14, 30), "hh:mm"), "14:30");
}

TEST(FormatText, UpperCaseAndPlaceholders) {
  EXPECT_EQ(F(Text(T("ação São")), ">"), "AÇÃO SÃO");
  EXPECT_EQ(F(Text(u"ABC"), "<"), "abc");
  EXPECT_EQ(F(123, ">"), "123");
  EXPECT_EQ(F(Text(u"12345678"), "@@@@@-@@@"), "12345-678");
  EXPECT_EQ(F(Text(u"ab"), "@@@@"), "  ab");
}

TEST(FormatSpecialValues, NullStaysNullEmptyIsEmpty) {
  EXPECT_TRUE(Format(Variant::Null(), u"#,##0.00").is_null());
  EXPECT_TRUE(Format(Variant::Null(), u">").is_null());
  EXPECT_EQ(F(Variant(), "#,##0.00"), "");
  EXPECT_EQ(F(Variant(), "dd/mm/yyyy"), "");
  EXPECT_EQ(FormatText(Variant::Null(), u"0.00"), u"");
}

TEST(MonthNames, PortugueseLowerCase) {
  EXPECT_EQ(to_utf8(MonthName(1)), "janeiro");
  EXPECT_EQ(to_utf8(MonthName(3)), "março");
  EXPECT_EQ(to_utf8(MonthName(12, true)), "dez");
  EXPECT_THROW(MonthName(13), VbError);
}

}  // namespace
}  // namespace orvane
