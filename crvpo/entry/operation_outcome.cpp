// Failure texts of saves and deletions.
#include "crvpo/entry/operation_outcome.h"

namespace crvpo {

std::string failureText(const crv::TableError& error, crv::TableOp op, std::string_view table,
                        std::string_view consequence) {
  std::string text = error.describe() + crv::errorContext(op, table);
  if (!consequence.empty()) text += "||" + std::string(consequence);
  return text;
}

std::string failureText(const StepFailure& failure, std::string_view consequence) {
  if (failure.lead.empty()) return failureText(failure.error, failure.op, failure.table, consequence);
  std::string text = failure.lead + "|" + failure.error.describe();
  if (!consequence.empty()) text += "||" + std::string(consequence);
  return text;
}

}  // namespace crvpo
