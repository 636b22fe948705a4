// Failure texts of saves and deletions.
#include "crvpo/entry/operation_outcome.h"

namespace crvpo {

std::string failureText(const crv::TableError& error, crv::TableOp op, std::string_view table,
                        std::string_view consequence) {
  std::string text = error.describe() + crv::errorContext(op, table);
  if (!consequence.empty()) text += "||" + std::string(consequence);
  return text;
}

}  // namespace crvpo
