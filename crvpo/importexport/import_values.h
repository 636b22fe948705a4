// Reading the text of one import field as a value: dates in the twelve
// date formats a source may name, numbers with their formatting, and the
// character set of a line.
//
// Dates. The format names the order of month and day, the separator ("/"
// or "-") and the digits of the year: with a separator, the first one ends
// the month (or day), the second the day (or month) and the rest is the
// year; without one, characters 1-2 and 3-4 are month and day (or day and
// month) and the rest the year. Blanks around the parts are ignored (the
// export pads month and day with a space), two-digit years take their
// century from Date::compose, and a date of all zeros (" 0/ 0/0000", the
// export's form of no date) is no date. Text that makes no calendar date
// is reported, so the user sees it, and read as no date.
//
// Numbers. Currency signs, thousands separators, blanks, a percent sign
// and the accounting forms "(12.00)" and "12-" are formatting and are
// dropped; anything else that is not a number (a letter in "1O0") makes
// the field unreadable rather than silently another number.
//
// Lines. Files from other programs come in UTF-8 or in the Windows code
// page; a line that is not valid UTF-8 is read as Windows-1252 and turned
// into UTF-8, so that "Caf\xE9" becomes "Café" and nothing stored is
// half a character.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "host/framework/values/date.h"

namespace crvpo {

// "MM/DD/YY", "DDMMYYYY", ...: the twelve formats of a source.
struct DateFormat {
  bool dayFirst = false;
  char separator = 0;  // '/', '-' or none
  bool fourDigitYear = false;

  // The format a source names; nothing for any other text (its dates are
  // then left empty).
  static std::optional<DateFormat> named(std::string_view name);
  bool operator==(const DateFormat&) const = default;
};

// The names in the order the source form offers them.
inline constexpr const char* dateFormatChoices =
    "MM/DD/YY|MM-DD-YY|MMDDYY|MM/DD/YYYY|MM-DD-YYYY|MMDDYYYY|DD/MM/YY|DD-MM-YY|DDMMYY|DD/MM/YYYY|DD-MM-YYYY|"
    "DDMMYYYY";

struct DateRead {
  crv::Date date;
  bool valid = true;  // false: the text was not a date (date is then 0)
};
DateRead readDate(std::string_view text, const DateFormat& format);

// Plain decimal text ("-1234.5") of a formatted number; "0" for blank
// text; nothing when the text is not a number.
std::optional<std::string> readImportNumber(std::string_view text);

bool isValidUtf8(std::string_view text);
// Bytes of the Windows-1252 code page as UTF-8; the five bytes the code
// page leaves undefined become U+FFFD.
std::string windows1252ToUtf8(std::string_view text);

}  // namespace crvpo
