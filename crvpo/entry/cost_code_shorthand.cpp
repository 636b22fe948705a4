// Cost-code category shorthand.
#include "crvpo/entry/cost_code_shorthand.h"

#include "host/framework/values/text.h"

namespace crvpo {

std::string expandCostCode(std::string_view typed, int codeLength) {
  std::string code(crv::trim(typed));
  if (code.empty()) return {};
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
