// Address blocks as the printed forms show them: the street lines that are
// filled, then the city line, closed up so that no blank line sits between
// filled ones.
#pragma once

#include <array>
#include <initializer_list>
#include <string>
#include <string_view>

#include "host/framework/values/text.h"

namespace crvpo {

// "City, ST" followed by `zipGap` and the zip; without a city the state
// alone stands before the zip when `stateAloneWithoutCity`, otherwise the
// ", " stays.
std::string cityLine(std::string_view city, std::string_view state, std::string_view zip,
                     std::string_view zipGap, bool stateAloneWithoutCity = false);

// Address 1, address 2 and the city line closed up over blank address
// lines: the city line always follows the filled address lines.
std::array<std::string, 3> closedUpLines(std::string_view address1, std::string_view address2,
                                         std::string_view cityLine);

// The non-blank values in order, padded with blanks to N entries.
template <std::size_t N>
std::array<std::string, N> nonBlankLines(std::initializer_list<std::string_view> values) {
  std::array<std::string, N> lines{};
  std::size_t next = 0;
  for (std::string_view value : values) {
    if (next == N) break;
    if (crv::trim(value).empty()) continue;
    lines[next++] = std::string(value);
  }
  return lines;
}

}  // namespace crvpo
