// Calendar dates as day numbers.
//
// A Date is a signed 32-bit day number: day 1 is 1 January 1801, day 2 is
// 2 January 1801, and so on through 31 December 9999; 0 means "no date".
// Dates compare and subtract as their day numbers, and adding days is plain
// arithmetic on the number (adding to "no date" is the caller's mistake, not
// checked). Day numbers outside 1..Date::maxDay are not calendar dates:
// year(), month() and dayOfMonth() give 0 for them and dayOfWeek() -1.
//
// Two-digit years: compose() maps a year of 0..49 to 2000..2049 and 50..99
// to 1950..1999. A fixed pivot keeps a stored import or a typed date from
// changing meaning with the day it is read. Years 100..1800 and beyond 9999
// are out of range.
#pragma once

#include <compare>
#include <cstdint>
#include <ostream>

namespace crv {

class Date {
 public:
  static constexpr int minYear = 1801;
  static constexpr int maxYear = 9999;
  static constexpr std::int32_t maxDay = 2994623;  // 31 December 9999

  constexpr Date() = default;
  static constexpr Date fromDay(std::int32_t day) {
    Date d;
    d.day_ = day;
    return d;
  }
  constexpr std::int32_t day() const { return day_; }
  constexpr bool isNone() const { return day_ == 0; }
  constexpr explicit operator bool() const { return day_ != 0; }
  constexpr bool isValid() const { return day_ >= 1 && day_ <= maxDay; }

  // The date of month/day/year, or Date() when there is no such date or it
  // is out of range. Years 0..99 take a century as described above.
  static Date compose(int month, int day, int year);
  static Date today();

  int year() const;
  int month() const;
  int dayOfMonth() const;
  // 0 = Sunday .. 6 = Saturday.
  int dayOfWeek() const;

  static bool isLeapYear(int year);
  static int daysInMonth(int month, int year);  // 0 for a month outside 1..12
  static int fullYear(int year);                // applies the two-digit rule

  // Throws std::overflow_error when the day number leaves 32 bits.
  Date& operator+=(std::int32_t days);
  Date& operator-=(std::int32_t days);
  friend Date operator+(Date d, std::int32_t days) { return d += days; }
  friend Date operator+(std::int32_t days, Date d) { return d += days; }
  friend Date operator-(Date d, std::int32_t days) { return d -= days; }
  // Days from b to a; throws std::overflow_error beyond 32 bits.
  friend std::int32_t operator-(Date a, Date b);

  friend constexpr auto operator<=>(const Date&, const Date&) = default;
  friend constexpr bool operator==(const Date&, const Date&) = default;
  friend std::ostream& operator<<(std::ostream& out, const Date& d);

 private:
  struct Civil {
    int year = 0;
    int month = 0;
    int day = 0;
  };
  Civil civil() const;

  std::int32_t day_ = 0;
};

}  // namespace crv
