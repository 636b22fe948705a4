// Address block composition for the print batch and the forms.
#include "crvpo/reports/address_lines.h"

namespace crvpo {

std::string_view clipped(std::string_view text) {
  const auto end = text.find_last_not_of(' ');
  return end == std::string_view::npos ? std::string_view() : text.substr(0, end + 1);
}

std::string cityLine(std::string_view city, std::string_view state, std::string_view zip,
                     std::string_view zipGap, bool stateAloneWithoutCity) {
  std::string line;
  if (!clipped(city).empty() || !stateAloneWithoutCity) {
    line += clipped(city);
    line += ", ";
  }
  line += clipped(state);
  line += zipGap;
  line += clipped(zip);
  return line;
}

std::array<std::string, 3> closedUpLines(std::string_view address1, std::string_view address2,
                                         std::string_view cityLine) {
  std::array<std::string, 3> lines{};
  std::size_t next = 0;
  if (!clipped(address1).empty()) lines[next++] = std::string(clipped(address1));
  if (!clipped(address2).empty()) lines[next++] = std::string(clipped(address2));
  lines[next] = std::string(cityLine);
  return lines;
}

}  // namespace crvpo
