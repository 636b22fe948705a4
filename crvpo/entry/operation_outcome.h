// The outcome of a save or a deletion: whether it went through, and what
// the user is to be told about it.
//
// The operations themselves show nothing: the window that ran one hands
// the outcome to tellUser(), which shows its notices in order. A failed
// table operation is described as every table error is (" Saving JCCost",
// see host/framework/table/table_steps.h); saves and deletions are atomic,
// so the text goes on to say that nothing was changed.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "host/framework/services/message_box.h"
#include "host/framework/table/table_steps.h"

namespace crvpo {

// One message for the user.
struct Notice {
  std::string text;
  std::string title;
  crv::Icon icon = crv::Icon::None;
};

struct OperationOutcome {
  bool done = false;
  std::string message;          // why the operation failed (empty when done)
  std::vector<Notice> notices;  // in the order they arose; a failure is the last

  static OperationOutcome success() { return OperationOutcome{true, {}, {}}; }
  // A failure shown as a stop box titled `title`.
  OperationOutcome& fail(std::string text, std::string_view title);
  OperationOutcome& tell(std::string text, std::string_view title, crv::Icon icon);
};

// "Record Not Available (33) Saving POMaster" and, after a blank line,
// `consequence`.
std::string failureText(const crv::StepFailure& failure, std::string_view consequence);

// Shows the outcome's notices in message boxes; windows call it after an
// operation.
void tellUser(const OperationOutcome& outcome);

}  // namespace crvpo
