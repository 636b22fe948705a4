// Reading numbers that were typed or shown with formatting.
//
// deformat() is the host's lenient numeric clean-up used before a number is
// read from a screen or an import file: it keeps only digits, the decimal
// point, '-' signs and parentheses, and drops everything else: currency
// signs, thousands separators, spaces, percent signs and other picture
// literals, and letters. Its result is not guaranteed to be a number
// ("12-" or "(5)" keep their sign markers, "1-2" stays as it is).
//
// readNumber() is the strict reader of a typed number. It accepts
// "1,234.56", "$1,234.56", "-12", "+12", "(12.00)", "12-", "" and blanks
// (zero), and rejects anything with letters or other stray characters, two
// signs, two decimal points or no digits. It returns plain decimal text such
// as "-1234.56" that Decimal<P>::parse or std::from_chars can read.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace crv {

std::string deformat(std::string_view shown);

std::optional<std::string> readNumber(std::string_view typed);

}  // namespace crv
