// Cost-code category shorthand.
#include "crvpo/entry/cost_code_shorthand.h"

namespace crvpo {

std::string expandCostCode(std::string_view typed, int codeLength) {
  const auto first = typed.find_first_not_of(' ');
  if (first == std::string_view::npos) return {};
  const auto last = typed.find_last_not_of(' ');
  std::string code(typed.substr(first, last - first + 1));
  const auto length = static_cast<std::size_t>(codeLength);
  if (code.size() == length) return code + "M";
  if (code.size() == length + 1) {
    char& category = code.back();
    switch (category) {
      case '1':
        category = 'L';
        break;
      case '2':
        category = 'M';
        break;
      case '3':
        category = 'S';
        break;
      case '.':
        category = 'E';
        break;
      case '6':
        category = 'G';
        break;
      case '9':
        category = 'B';
        break;
      default:
        break;
    }
  }
  return code;
}

}  // namespace crvpo
