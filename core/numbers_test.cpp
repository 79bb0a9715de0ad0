#include "core/numbers.h"

#include <gtest/gtest.h>

#include "core/error.h"

namespace orvane {
namespace {

TEST(DateCalendar, OleEpochAndRoundTrips) {
  EXPECT_EQ(Date::from_parts(1899, 12, 30).oa(), 0);
  EXPECT_EQ(Date::from_parts(1900, 1, 1).oa(), 2);
  EXPECT_EQ(Date::from_parts(2026, 12, 5).oa(), 46361);
  EXPECT_EQ(Date::from_parts(1899, 12, 29, 6).oa(), -1.25);  // negative days, positive time
  for (double oa : {-657434.0, -1.5, 0.0, 59.0, 60.0, 61.0, 36526.0, 46361.75, 2958465.0}) {
    auto p = Date(oa).parts();
    Date back = Date::from_parts(p.year, p.month, p.day, p.hour, p.minute, p.second);
    EXPECT_NEAR(back.oa(), oa, 1e-6) << oa;
  }
  EXPECT_EQ(Date::from_parts(2024, 2, 29).parts().day, 29);
  EXPECT_THROW(Date::from_parts(2023, 2, 29), VbError);
  EXPECT_EQ(Date::from_parts(2026, 12, 5).parts().weekday, 7);  // a Saturday
}

TEST(DateCalendar, SerialRollsOver) {
  EXPECT_EQ(DateSerial(2026, 13, 1), Date::from_parts(2027, 1, 1));
  EXPECT_EQ(DateSerial(2026, 3, 0), Date::from_parts(2026, 2, 28));
  EXPECT_EQ(DateSerial(2026, 0, 15), Date::from_parts(2025, 12, 15));
  EXPECT_EQ(DateSerial(26, 1, 1), Date::from_parts(2026, 1, 1));
}

TEST(DateArithmetic, AddAndDiff) {
  Date jan31 = Date::from_parts(2026, 1, 31, 10);
  EXPECT_EQ(DateAdd("m", 1, jan31), Date::from_parts(2026, 2, 28, 10));
  EXPECT_EQ(DateAdd("yyyy", -2, Date::from_parts(2024, 2, 29)), Date::from_parts(2022, 2, 28));
  EXPECT_EQ(DateAdd("d", 45, jan31), Date::from_parts(2026, 3, 17, 10));
  EXPECT_EQ(DateAdd("h", -11, jan31), Date::from_parts(2026, 1, 30, 23));
  EXPECT_EQ(DateAdd("n", 90, Date::from_parts(1899, 12, 29, 23)),
            Date::from_parts(1899, 12, 30, 0, 30));
  EXPECT_EQ(DateDiff("d", Date::from_parts(2026, 1, 1, 23), Date::from_parts(2026, 1, 2, 1)), 1);
  EXPECT_EQ(DateDiff("m", Date::from_parts(2025, 12, 31), Date::from_parts(2026, 1, 1)), 1);
  EXPECT_EQ(DateDiff("yyyy", Date::from_parts(2025, 12, 31), Date::from_parts(2026, 1, 1)), 1);
  EXPECT_EQ(DateDiff("d", Date::from_parts(2026, 3, 1), Date::from_parts(2026, 2, 1)), -28);
  EXPECT_EQ(DateDiff("h", Date::from_parts(2026, 1, 1), Date::from_parts(2026, 1, 2, 5, 59)), 29);
  EXPECT_THROW(DateAdd("x", 1, jan31), VbError);
}

TEST(DecimalValues, ParseCompareAndText) {
  EXPECT_EQ(Decimal::parse("2.1200").to_string(), "2.1200");
  EXPECT_EQ(Decimal::parse("-0.5").to_string(), "-0.5");
  EXPECT_EQ(Decimal::parse("2.12"), Decimal::parse("2.1200"));
  EXPECT_LT(Decimal::parse("-1"), Decimal::parse("0.001"));
  EXPECT_EQ(Decimal::from_double(0.1).to_string(), "0.1");
  EXPECT_EQ(Decimal::from_currency(Currency::from_raw(21200)).to_string(), "2.1200");
  EXPECT_THROW(Decimal::parse("1,5"), VbError);
}

}  // namespace
}  // namespace orvane
