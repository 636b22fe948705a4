// Where the text case a person chose for a field is kept: in the company's
// Control table, one row per user and field (Section "TextCase " and the
// user id, Setting the field name such as "POD:Description", Value the
// case's code), so that the choice follows the person to every station.
#pragma once

#include <optional>
#include <string_view>

#include "host/siblings/CRVMISC/text_case.h"

namespace crv::siblings {

class TextCaseStore {
 public:
  static constexpr std::string_view sectionPrefix = "TextCase";

  // The stored case of a user's field; nullopt when none is stored (or no
  // company is open).
  static std::optional<TextCase> get(std::string_view user, std::string_view field);
  // Stores a user's case for a field; false when it could not be written.
  static bool put(std::string_view user, std::string_view field, TextCase textCase);
};

}  // namespace crv::siblings
