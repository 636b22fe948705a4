// Times of day.
//
// A Time holds hundredths of a second since midnight plus one, so that 0 can
// mean "no time": 00:00:00.00 is raw 1 and 23:59:59.99 is raw 8640000.
// hour(), minute(), second() and hundredths() give 0 for "no time" and for
// raw values outside that range.
#pragma once

#include <compare>
#include <cstdint>
#include <ostream>

namespace crv {

class Time {
 public:
  static constexpr std::int32_t maxRaw = 24 * 60 * 60 * 100;  // 23:59:59.99 plus one

  constexpr Time() = default;
  static constexpr Time fromRaw(std::int32_t raw) {
    Time t;
    t.raw_ = raw;
    return t;
  }
  constexpr std::int32_t raw() const { return raw_; }
  constexpr bool isNone() const { return raw_ == 0; }
  constexpr explicit operator bool() const { return raw_ != 0; }
  constexpr bool isValid() const { return raw_ >= 1 && raw_ <= maxRaw; }

  // Time() when any part is out of range (hour 0..23, minute and second
  // 0..59, hundredths 0..99).
  static Time compose(int hour, int minute, int second, int hundredths = 0);
  static Time now();

  int hour() const;
  int minute() const;
  int second() const;
  int hundredths() const;

  friend constexpr auto operator<=>(const Time&, const Time&) = default;
  friend constexpr bool operator==(const Time&, const Time&) = default;
  friend std::ostream& operator<<(std::ostream& out, const Time& t);

 private:
  // Hundredths since midnight, or -1 when the time is not valid.
  constexpr std::int32_t sinceMidnight() const { return isValid() ? raw_ - 1 : -1; }

  std::int32_t raw_ = 0;
};

}  // namespace crv
