// The outcome of a save or a deletion, and the text that tells the user
// why one did not go through.
//
// A failed table operation is described the way batch runs describe them:
// the runtime's error text followed by a verb and the table (" Saving
// JCCost"). Saves and deletions are atomic, so the text goes on to say
// that nothing was changed.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "host/framework/table/table.h"

namespace crvpo {

struct OperationOutcome {
  bool done = false;
  std::string message;  // why the operation failed (empty when done)

  static OperationOutcome success() { return OperationOutcome{true, {}}; }
  static OperationOutcome failure(std::string message) { return OperationOutcome{false, std::move(message)}; }
};

// One table operation that failed: its error, what was being done and to
// which table.
struct StepFailure {
  crv::TableError error;
  crv::TableOp op = crv::TableOp::Saving;
  std::string table;
  // A text of its own that stands before the error instead of the context
  // after it ("Error Adding INSerial").
  std::string lead;

  static StepFailure of(const crv::Table& table, crv::TableOp op) {
    return {table.lastError(), op, table.name(), {}};
  }
};

using StepResult = std::optional<StepFailure>;  // nothing: the step went through

// "Record Not Available (33) Saving POMaster" and, after a blank line,
// `consequence`.
std::string failureText(const crv::TableError& error, crv::TableOp op, std::string_view table,
                        std::string_view consequence);
std::string failureText(const StepFailure& failure, std::string_view consequence);

}  // namespace crvpo
