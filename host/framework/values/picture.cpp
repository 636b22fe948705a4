// Parsing of picture strings, formatting of numbers, dates and text under a
// picture, and reading typed text back (grammar and rules in picture.h).
#include "host/framework/values/picture.h"

#include <charconv>
#include <stdexcept>

namespace crv {

namespace {

bool isDigit(char c) { return c >= '0' && c <= '9'; }

char lower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

// Reads up to maxDigits leading digits; nullopt when there are none.
std::optional<int> takeNumber(std::string_view& text, std::size_t maxDigits) {
  std::size_t n = 0;
  while (n < text.size() && isDigit(text[n])) ++n;
  if (n == 0 || n > maxDigits) return std::nullopt;
  int value = 0;
  std::from_chars(text.data(), text.data() + n, value);
  text.remove_prefix(n);
  return value;
}

[[noreturn]] void badPicture(std::string_view picture) {
  throw std::invalid_argument("not a picture: \"" + std::string(picture) + "\"");
}

std::string groupThousands(std::string_view digits) {
  std::string result;
  for (std::size_t i = 0; i < digits.size(); ++i) {
    if (i != 0 && (digits.size() - i) % 3 == 0) result.push_back(',');
    result.push_back(digits[i]);
  }
  return result;
}

std::string twoDigits(int value) {
  return std::string{static_cast<char>('0' + value / 10 % 10), static_cast<char>('0' + value % 10)};
}

std::optional<int> wholeNumber(std::string_view digits, std::size_t maxDigits) {
  if (digits.empty() || digits.size() > maxDigits) return std::nullopt;
  for (char c : digits) {
    if (!isDigit(c)) return std::nullopt;
  }
  int value = 0;
  std::from_chars(digits.data(), digits.data() + digits.size(), value);
  return value;
}

}  // namespace

Picture Picture::parse(std::string_view picture) {
  std::string_view p = trim(picture);
  Picture result;
  result.source_ = std::string(p);
  if (!p.empty() && p.front() == '@') p.remove_prefix(1);
  if (p.empty()) badPicture(picture);
  char kind = lower(p.front());
  p.remove_prefix(1);

  if (kind == 's') {
    result.kind_ = PictureKind::String;
    auto width = takeNumber(p, 5);
    if (!width || *width < 1 || *width > 65535 || !p.empty()) badPicture(picture);
    result.width_ = *width;
    return result;
  }

  if (kind == 'n') {
    result.kind_ = PictureKind::Number;
    bool seenSign = false;
    bool seenUnderscore = false;
    while (!p.empty() && (p.front() == '-' || p.front() == '_')) {
      bool& seen = p.front() == '-' ? seenSign : seenUnderscore;
      if (seen) badPicture(picture);
      seen = true;
      p.remove_prefix(1);
    }
    result.signed_ = seenSign;
    result.grouped_ = !seenUnderscore;
    auto width = takeNumber(p, 3);
    if (!width || *width < 1 || *width > 255) badPicture(picture);
    result.width_ = *width;
    if (!p.empty() && p.front() == '.') {
      p.remove_prefix(1);
      auto places = takeNumber(p, 2);
      if (!places || *places > 18 || *places >= result.width_) badPicture(picture);
      result.places_ = *places;
    }
    // 'b' may stand before or after the literal, once.
    auto takeBlank = [&] {
      if (!p.empty() && lower(p.front()) == 'b') {
        if (result.blank_) badPicture(picture);
        result.blank_ = true;
        p.remove_prefix(1);
      }
    };
    takeBlank();
    if (!p.empty() && p.front() == '~') {
      std::size_t close = p.find('~', 1);
      if (close == std::string_view::npos || close == 1) badPicture(picture);
      result.literal_ = std::string(p.substr(1, close - 1));
      p.remove_prefix(close + 1);
    }
    takeBlank();
    if (!p.empty()) badPicture(picture);
    return result;
  }

  if (kind == 'd') {
    result.kind_ = PictureKind::Date;
    auto style = takeNumber(p, 3);
    if (!style || (*style != 1 && *style != 2 && *style != 17)) badPicture(picture);
    result.dateStyle_ = *style;
    result.width_ = *style == 1 ? 8 : 10;
    if (!p.empty() && lower(p.front()) == 'b') {
      result.blank_ = true;
      p.remove_prefix(1);
    }
    if (!p.empty()) badPicture(picture);
    return result;
  }

  badPicture(picture);
}

int Picture::displayWidth() const { return width_ + static_cast<int>(literal_.size()); }

void Picture::requireKind(PictureKind kind, const char* what) const {
  if (kind_ != kind) throw std::logic_error(std::string(what) + " under picture \"" + source_ + "\"");
}

std::string Picture::hashes() const { return std::string(static_cast<std::size_t>(displayWidth()), '#'); }

std::string Picture::fit(std::string_view text) const {
  std::string result(text.substr(0, utf8CutLength(text, static_cast<std::size_t>(width_))));
  result.resize(static_cast<std::size_t>(width_), ' ');
  return result;
}

std::string Picture::formatScaled(detail::Int128 value, int valuePlaces) const {
  switch (kind_) {
    case PictureKind::Number: {
      std::optional<detail::Int128> scaled;
      try {
        scaled = detail::shiftPlaces(value, valuePlaces, places_);
      } catch (const std::overflow_error&) {
        // shown as '#' below
      }
      return formatNumber(scaled);
    }
    case PictureKind::String:
      return fit(detail::scaledToString(value, valuePlaces));
    case PictureKind::Date:
      if (valuePlaces != 0) throw std::logic_error("decimal under date picture \"" + source_ + "\"");
      if (value > INT32_MAX || value < INT32_MIN) return hashes();
      return formatDate(static_cast<std::int64_t>(value));
  }
  return hashes();
}

std::string Picture::formatNumber(std::optional<detail::Int128> scaled) const {
  if (!scaled) return hashes();
  if (*scaled == 0 && blank_) return std::string(static_cast<std::size_t>(displayWidth()), ' ');
  std::string plain = detail::scaledToString(*scaled, places_);
  bool negative = plain.front() == '-';
  std::string_view digits = std::string_view(plain).substr(negative ? 1 : 0);
  std::size_t point = digits.find('.');
  std::string whole(digits.substr(0, point));
  std::string shown = (negative ? "-" : "") + (grouped_ ? groupThousands(whole) : whole);
  if (point != std::string_view::npos) shown += digits.substr(point);
  if (shown.size() > static_cast<std::size_t>(width_)) return hashes();
  return std::string(static_cast<std::size_t>(width_) - shown.size(), ' ') + shown + literal_;
}

std::string Picture::formatDate(std::int64_t day) const {
  if (day == 0) return std::string(static_cast<std::size_t>(width_), ' ');
  Date date = Date::fromDay(static_cast<std::int32_t>(day));
  if (!date.isValid()) return hashes();
  std::string result = twoDigits(date.month()) + "/" + twoDigits(date.dayOfMonth()) + "/";
  if (dateStyle_ == 1) return result + twoDigits(date.year() % 100);
  return result + std::to_string(date.year());
}

std::string Picture::format(double value) const {
  switch (kind_) {
    case PictureKind::Number:
      return formatNumber(detail::scaleDouble(value, places_));
    case PictureKind::String: {
      char buffer[64];
      auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, value);
      return fit(ec == std::errc() ? std::string_view(buffer, static_cast<std::size_t>(end - buffer)) : "");
    }
    case PictureKind::Date:
      break;
  }
  throw std::logic_error("floating-point number under date picture \"" + source_ + "\"");
}

std::string Picture::format(Date value) const {
  switch (kind_) {
    case PictureKind::Date:
      return formatDate(value.day());
    case PictureKind::Number:
      return formatScaled(value.day(), 0);
    case PictureKind::String:
      return fit(std::to_string(value.day()));
  }
  return hashes();
}

std::string Picture::format(std::string_view value) const {
  requireKind(PictureKind::String, "text");
  return fit(value);
}

std::optional<std::string> Picture::parseNumber(std::string_view shown) const {
  requireKind(PictureKind::Number, "reading a number");
  std::string text(shown);
  if (!literal_.empty()) {
    for (std::size_t at = text.find(literal_); at != std::string::npos; at = text.find(literal_, at)) {
      text.erase(at, literal_.size());
    }
  }
  return readNumber(text);
}

std::optional<Date> Picture::parseDate(std::string_view shown) const {
  requireKind(PictureKind::Date, "reading a date");
  std::string_view text = trim(shown);
  if (text.empty()) return Date();
  std::optional<int> month;
  std::optional<int> day;
  std::optional<int> year;
  std::size_t first = text.find_first_of("/-.");
  if (first == std::string_view::npos) {
    if (text.size() != 6 && text.size() != 8) return std::nullopt;
    month = wholeNumber(text.substr(0, 2), 2);
    day = wholeNumber(text.substr(2, 2), 2);
    year = wholeNumber(text.substr(4), 4);
  } else {
    std::size_t second = text.find(text[first], first + 1);
    if (second == std::string_view::npos) return std::nullopt;
    month = wholeNumber(text.substr(0, first), 2);
    day = wholeNumber(text.substr(first + 1, second - first - 1), 2);
    year = wholeNumber(text.substr(second + 1), 4);
  }
  if (!month || !day || !year) return std::nullopt;
  Date date = Date::compose(*month, *day, *year);
  if (date.isNone()) return std::nullopt;
  return date;
}

}  // namespace crv
