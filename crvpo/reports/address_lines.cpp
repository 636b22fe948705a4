// Address block composition for the print batch and the forms.
#include "crvpo/reports/address_lines.h"

namespace crvpo {

using crv::clip;

std::string cityLine(std::string_view city, std::string_view state, std::string_view zip,
                     std::string_view zipGap, bool stateAloneWithoutCity) {
  std::string line;
  if (!clip(city).empty() || !stateAloneWithoutCity) {
    line += clip(city);
    line += ", ";
  }
  line += clip(state);
  line += zipGap;
  line += clip(zip);
  return line;
}

std::array<std::string, 3> closedUpLines(std::string_view address1, std::string_view address2,
                                         std::string_view cityLine) {
  std::array<std::string, 3> lines{};
  std::size_t next = 0;
  if (!clip(address1).empty()) lines[next++] = std::string(clip(address1));
  if (!clip(address2).empty()) lines[next++] = std::string(clip(address2));
  lines[next] = std::string(cityLine);
  return lines;
}

}  // namespace crvpo
