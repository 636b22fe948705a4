// Spreadsheet column names.
#include "host/siblings/CRVMISC/get_column_name.h"

#include <algorithm>
#include <charconv>

#include "host/data/shared_values.h"

namespace crv::siblings {

std::string getColumnName(int number) {
  std::string name;
  while (number > 0) {
    const int letter = (number - 1) % 26;
    name += static_cast<char>('A' + letter);
    number = (number - 1) / 26;
  }
  std::reverse(name.begin(), name.end());
  return name;
}

}  // namespace crv::siblings

void GetColumnName() {
  const std::string_view text = crv::trim(crv::REPORTFILTER.view());
  int number = 0;
  std::from_chars(text.data(), text.data() + text.size(), number);
  crv::REPORTFILTER = crv::siblings::getColumnName(number);
}
