// Day numbers: the epoch, calendar round trips over the whole range, leap
// years, invalid dates and the two-digit year rule.
#include "host/framework/values/date.h"

#include <gtest/gtest.h>

#include <limits>

namespace crv {
namespace {

TEST(Date, EpochAndRangeEnds) {
  EXPECT_EQ(Date::compose(1, 1, 1801).day(), 1);
  EXPECT_EQ(Date::fromDay(1).dayOfWeek(), 4);  // Thursday
  EXPECT_EQ(Date::compose(7, 4, 2024).day(), 81635);
  EXPECT_EQ(Date::compose(7, 4, 2024).dayOfWeek(), 4);
  EXPECT_EQ(Date::compose(12, 31, 9999).day(), Date::maxDay);
  EXPECT_TRUE(Date::compose(12, 31, 1800).isNone());
  EXPECT_TRUE(Date::compose(1, 1, 10000).isNone());
}

TEST(Date, EveryDayNumberRoundTrips) {
  int expectedWeekday = 4;
  Date previous;
  for (std::int32_t day = 1; day <= Date::maxDay; ++day) {
    Date d = Date::fromDay(day);
    int y = d.year(), m = d.month(), dom = d.dayOfMonth();
    ASSERT_EQ(Date::compose(m, dom, y), d) << y << '-' << m << '-' << dom;
    ASSERT_EQ(d.dayOfWeek(), expectedWeekday) << day;
    if (previous) {
      bool nextInMonth = dom == previous.dayOfMonth() + 1 && m == previous.month();
      bool nextMonth =
          dom == 1 && previous.dayOfMonth() == Date::daysInMonth(previous.month(), previous.year());
      ASSERT_TRUE(nextInMonth || nextMonth) << day;
    }
    previous = d;
    expectedWeekday = (expectedWeekday + 1) % 7;
  }
}

TEST(Date, LeapYearsAndInvalidDates) {
  EXPECT_FALSE(Date::compose(2, 29, 2024).isNone());
  EXPECT_TRUE(Date::compose(2, 29, 2023).isNone());
  EXPECT_TRUE(Date::compose(2, 29, 1900).isNone());
  EXPECT_FALSE(Date::compose(2, 29, 2000).isNone());
  EXPECT_TRUE(Date::compose(2, 29, 2100).isNone());
  EXPECT_TRUE(Date::compose(4, 31, 2024).isNone());
  EXPECT_TRUE(Date::compose(13, 1, 2024).isNone());
  EXPECT_TRUE(Date::compose(0, 1, 2024).isNone());
  EXPECT_TRUE(Date::compose(1, 0, 2024).isNone());
  EXPECT_TRUE(Date::compose(1, 1, -5).isNone());
}

TEST(Date, TwoDigitYearsTakeAFixedCentury) {
  EXPECT_EQ(Date::compose(7, 4, 24), Date::compose(7, 4, 2024));
  EXPECT_EQ(Date::compose(1, 1, 0).year(), 2000);
  EXPECT_EQ(Date::compose(1, 1, 49).year(), 2049);
  EXPECT_EQ(Date::compose(1, 1, 50).year(), 1950);
  EXPECT_EQ(Date::compose(1, 1, 99).year(), 1999);
  EXPECT_TRUE(Date::compose(1, 1, 100).isNone());
  EXPECT_FALSE(Date::compose(2, 29, 0).isNone());  // 2000 is a leap year
}

TEST(Date, ArithmeticAndNone) {
  EXPECT_EQ(Date::compose(12, 31, 2023) + 1, Date::compose(1, 1, 2024));
  EXPECT_EQ(Date::compose(3, 1, 2024) - Date::compose(2, 1, 2024), 29);
  EXPECT_EQ(Date::compose(3, 1, 2024) - 1, Date::compose(2, 29, 2024));
  EXPECT_LT(Date::compose(1, 1, 2024), Date::compose(1, 2, 2024));
  EXPECT_THROW(Date::fromDay(std::numeric_limits<std::int32_t>::max()) + 1, std::overflow_error);
  EXPECT_THROW(Date::fromDay(std::numeric_limits<std::int32_t>::min()) - Date::fromDay(1),
               std::overflow_error);
  Date none;
  EXPECT_TRUE(none.isNone());
  EXPECT_FALSE(static_cast<bool>(none));
  EXPECT_EQ(none.year(), 0);
  EXPECT_EQ(none.dayOfWeek(), -1);
  EXPECT_EQ(Date::fromDay(-3).month(), 0);
  EXPECT_GE(Date::today().year(), 2024);
}

}  // namespace
}  // namespace crv
