// Undoing a job line's committed cost when the line is deleted from the
// header form's line list (after the user confirmed the delete, before the
// line row goes).
//
// Only what was posted is undone: a line that was part of the order when
// the form opened carries an opening entry, and a save posted exactly that
// entry's amount to that entry's cost line. That amount comes off at once
// and the entry leaves the opening list, so the take-back of the next OK
// does not subtract it a second time, and a Cancel leaves the figures
// right as well. A line added since the form opened was never posted and
// changes nothing. Inventory and other lines change nothing here; their
// opening entries are taken back at OK as usual.
#pragma once

#include "crvpo/entry/opening_commitments.h"
#include "crvpo/entry/operation_outcome.h"

namespace crvpo {

class LineDeletionAdjustment {
 public:
  static constexpr const char* notDeletedText = "The line was not deleted; its committed cost is unchanged.";

  explicit LineDeletionAdjustment(crv::Connection& connection) : connection_(&connection) {}

  // Adjusts for `line` (as the list left it in its buffer). When a read or
  // write fails (" Saving JCCost") nothing moves, the opening entry is
  // kept and the outcome says that the line should stay.
  OperationOutcome apply(const crv::PODetailRecord& line, OpeningCommitments& opening);

 private:
  crv::Connection* connection_;
};

}  // namespace crvpo
