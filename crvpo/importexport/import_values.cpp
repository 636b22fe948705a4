// Dates, numbers and character sets of import fields.
#include "crvpo/importexport/import_values.h"

#include <array>

#include "host/framework/values/deformat.h"
#include "host/framework/values/text.h"

namespace crvpo {
namespace {

// A run of digits with blanks around it; nothing for anything else.
std::optional<int> datePart(std::string_view text) {
  text = crv::trim(text);
  if (text.empty() || text.size() > 4) return std::nullopt;
  int value = 0;
  for (char c : text) {
    if (c < '0' || c > '9') return std::nullopt;
    value = value * 10 + (c - '0');
  }
  return value;
}

struct DateParts {
  std::string_view first, second, year;
};

std::optional<DateParts> splitDate(std::string_view text, char separator) {
  if (separator == 0) {
    if (text.size() < 5) return std::nullopt;
    return DateParts{text.substr(0, 2), text.substr(2, 2), text.substr(4)};
  }
  const auto one = text.find(separator);
  if (one == std::string_view::npos) return std::nullopt;
  const auto two = text.find(separator, one + 1);
  if (two == std::string_view::npos) return std::nullopt;
  return DateParts{text.substr(0, one), text.substr(one + 1, two - one - 1), text.substr(two + 1)};
}

// Windows-1252 bytes 0x80..0x9F; 0 marks the five the code page leaves out.
constexpr std::array<char16_t, 32> cp1252High = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

void appendUtf8(std::string& out, char32_t c) {
  if (c < 0x80) {
    out += static_cast<char>(c);
  } else if (c < 0x800) {
    out += static_cast<char>(0xC0 | (c >> 6));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else {
    out += static_cast<char>(0xE0 | (c >> 12));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  }
}

}  // namespace

std::optional<DateFormat> DateFormat::named(std::string_view name) {
  name = crv::trim(name);
  for (std::string_view order : {"MMDD", "DDMM"}) {
    for (char separator : {'/', '-', '\0'}) {
      for (std::string_view year : {"YY", "YYYY"}) {
        std::string candidate;
        candidate.append(order.substr(0, 2));
        if (separator) candidate += separator;
        candidate.append(order.substr(2, 2));
        if (separator) candidate += separator;
        candidate.append(year);
        if (name == candidate) return DateFormat{order == "DDMM", separator, year.size() == 4};
      }
    }
  }
  return std::nullopt;
}

DateRead readDate(std::string_view text, const DateFormat& format) {
  text = crv::trim(text);
  if (text.size() >= 2 && text.front() == '"' && text.back() == '"')
    text = crv::trim(text.substr(1, text.size() - 2));
  if (text.empty()) return {};
  const auto parts = splitDate(text, format.separator);
  if (!parts) return {{}, false};
  const auto first = datePart(parts->first);
  const auto second = datePart(parts->second);
  const auto year = datePart(parts->year);
  if (!first || !second || !year) return {{}, false};
  if (*first == 0 && *second == 0 && *year == 0) return {};
  const int month = format.dayFirst ? *second : *first;
  const int day = format.dayFirst ? *first : *second;
  const crv::Date date = crv::Date::compose(month, day, *year);
  return {date, !date.isNone()};
}

std::optional<std::string> readImportNumber(std::string_view text) {
  text = crv::trim(text);
  if (!text.empty() && text.back() == '%') text = crv::trim(text.substr(0, text.size() - 1));
  return crv::readNumber(text);
}

bool isValidUtf8(std::string_view text) {
  std::size_t i = 0;
  while (i < text.size()) {
    const auto c = static_cast<unsigned char>(text[i]);
    std::size_t length = 0;
    char32_t value = 0;
    if (c < 0x80) {
      ++i;
      continue;
    }
    if (c >= 0xC2 && c <= 0xDF) {
      length = 2;
      value = c & 0x1F;
    } else if (c >= 0xE0 && c <= 0xEF) {
      length = 3;
      value = c & 0x0F;
    } else if (c >= 0xF0 && c <= 0xF4) {
      length = 4;
      value = c & 0x07;
    } else {
      return false;
    }
    if (i + length > text.size()) return false;
    for (std::size_t k = 1; k < length; ++k) {
      const auto next = static_cast<unsigned char>(text[i + k]);
      if ((next & 0xC0) != 0x80) return false;
      value = (value << 6) | (next & 0x3F);
    }
    // Overlong forms, surrogates and values past the last code point.
    if ((length == 3 && value < 0x800) || (length == 4 && (value < 0x10000 || value > 0x10FFFF)) ||
        (value >= 0xD800 && value <= 0xDFFF))
      return false;
    i += length;
  }
  return true;
}

std::string windows1252ToUtf8(std::string_view text) {
  std::string out;
  out.reserve(text.size() + text.size() / 4);
  for (char byte : text) {
    const auto c = static_cast<unsigned char>(byte);
    if (c < 0x80)
      out += byte;
    else if (c < 0xA0)
      appendUtf8(out, cp1252High[c - 0x80] ? cp1252High[c - 0x80] : 0xFFFD);
    else
      appendUtf8(out, c);
  }
  return out;
}

}  // namespace crvpo
