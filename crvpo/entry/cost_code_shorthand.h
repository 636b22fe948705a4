// The category shorthand of a typed cost code: the bare code gets the
// material letter, and a trailing digit or point in the category place
// stands for a category letter (the keys of a numeric keypad).
#pragma once

#include <string>
#include <string_view>

namespace crvpo {

// `typed` with the shorthand applied; `codeLength` characters make the
// code before its category letter.
std::string expandCostCode(std::string_view typed, int codeLength);

}  // namespace crvpo
