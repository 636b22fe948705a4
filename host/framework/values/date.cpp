// Day-number arithmetic for Date: conversion between day numbers and the
// proleptic Gregorian calendar, composition with the two-digit year rule,
// and today's date from the system clock.
#include "host/framework/values/date.h"

#include <ctime>
#include <iomanip>
#include <stdexcept>

namespace crv {

namespace {

// Days since 1 March of year 0 shifted so the arithmetic stays in whole
// 400-year eras; returns days relative to 1 January 1970.
std::int64_t daysFromCivil(std::int64_t y, unsigned m, unsigned d) {
  y -= m <= 2;
  const std::int64_t era = (y >= 0 ? y : y - 399) / 400;
  const auto yoe = static_cast<unsigned>(y - era * 400);
  const unsigned doy = (153 * (m > 2 ? m - 3 : m + 9) + 2) / 5 + d - 1;
  const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
  return era * 146097 + static_cast<std::int64_t>(doe) - 719468;
}

constexpr std::int64_t kEpochOffset = -61726;  // daysFromCivil(1801, 1, 1)

}  // namespace

bool Date::isLeapYear(int year) { return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0; }

int Date::daysInMonth(int month, int year) {
  static constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  if (month < 1 || month > 12) return 0;
  return month == 2 && isLeapYear(year) ? 29 : kDays[month - 1];
}

int Date::fullYear(int year) {
  if (year >= 0 && year <= 49) return 2000 + year;
  if (year >= 50 && year <= 99) return 1900 + year;
  return year;
}

Date Date::compose(int month, int day, int year) {
  year = fullYear(year);
  if (year < minYear || year > maxYear) return Date();
  if (day < 1 || day > daysInMonth(month, year)) return Date();
  return fromDay(static_cast<std::int32_t>(
      daysFromCivil(year, static_cast<unsigned>(month), static_cast<unsigned>(day)) - kEpochOffset + 1));
}

Date Date::today() {
  std::time_t now = std::time(nullptr);
  std::tm local{};
  localtime_r(&now, &local);
  return compose(local.tm_mon + 1, local.tm_mday, local.tm_year + 1900);
}

Date::Civil Date::civil() const {
  if (!isValid()) return {};
  std::int64_t z = std::int64_t(day_) - 1 + kEpochOffset + 719468;
  const std::int64_t era = z / 146097;  // z > 0 throughout the supported range
  const auto doe = static_cast<unsigned>(z - era * 146097);
  const unsigned yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
  const unsigned doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
  const unsigned mp = (5 * doy + 2) / 153;
  const unsigned d = doy - (153 * mp + 2) / 5 + 1;
  const unsigned m = mp < 10 ? mp + 3 : mp - 9;
  const auto y = static_cast<int>(static_cast<std::int64_t>(yoe) + era * 400 + (m <= 2));
  return {y, static_cast<int>(m), static_cast<int>(d)};
}

int Date::year() const { return civil().year; }
int Date::month() const { return civil().month; }
int Date::dayOfMonth() const { return civil().day; }

int Date::dayOfWeek() const {
  if (!isValid()) return -1;
  return (day_ + 3) % 7;  // day 1, 1 January 1801, was a Thursday
}

Date& Date::operator+=(std::int32_t days) {
  if (__builtin_add_overflow(day_, days, &day_)) throw std::overflow_error("Date: day number out of range");
  return *this;
}

Date& Date::operator-=(std::int32_t days) {
  if (__builtin_sub_overflow(day_, days, &day_)) throw std::overflow_error("Date: day number out of range");
  return *this;
}

std::int32_t operator-(Date a, Date b) {
  std::int32_t result = 0;
  if (__builtin_sub_overflow(a.day_, b.day_, &result))
    throw std::overflow_error("Date: difference out of range");
  return result;
}

std::ostream& operator<<(std::ostream& out, const Date& d) {
  if (!d.isValid()) return out << "Date(" << d.day_ << ")";
  char fill = out.fill('0');
  out << d.year() << '-' << std::setw(2) << d.month() << '-' << std::setw(2) << d.dayOfMonth();
  out.fill(fill);
  return out;
}

}  // namespace crv
