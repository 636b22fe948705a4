// Time of day: composition from its parts, splitting back into them, and the
// current local time from the system clock.
#include "host/framework/values/time.h"

#include <chrono>
#include <ctime>
#include <iomanip>

namespace crv {

Time Time::compose(int hour, int minute, int second, int hundredths) {
  if (hour < 0 || hour > 23 || minute < 0 || minute > 59 || second < 0 || second > 59 || hundredths < 0 ||
      hundredths > 99) {
    return Time();
  }
  return fromRaw(((hour * 60 + minute) * 60 + second) * 100 + hundredths + 1);
}

Time Time::now() {
  auto clock = std::chrono::system_clock::now();
  std::time_t seconds = std::chrono::system_clock::to_time_t(clock);
  std::tm local{};
  localtime_r(&seconds, &local);
  auto millis =
      std::chrono::duration_cast<std::chrono::milliseconds>(clock.time_since_epoch()).count() % 1000;
  // A leap second (tm_sec 60) is shown as the last second of its minute.
  return compose(local.tm_hour, local.tm_min, local.tm_sec > 59 ? 59 : local.tm_sec,
                 static_cast<int>(millis / 10));
}

int Time::hour() const { return isValid() ? sinceMidnight() / 360000 : 0; }
int Time::minute() const { return isValid() ? sinceMidnight() / 6000 % 60 : 0; }
int Time::second() const { return isValid() ? sinceMidnight() / 100 % 60 : 0; }
int Time::hundredths() const { return isValid() ? sinceMidnight() % 100 : 0; }

std::ostream& operator<<(std::ostream& out, const Time& t) {
  if (!t.isValid()) return out << "Time(" << t.raw_ << ")";
  char fill = out.fill('0');
  out << std::setw(2) << t.hour() << ':' << std::setw(2) << t.minute() << ':' << std::setw(2) << t.second()
      << '.' << std::setw(2) << t.hundredths();
  out.fill(fill);
  return out;
}

}  // namespace crv
