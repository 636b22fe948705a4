// Adjusting committed cost for a deleted line.
#include "crvpo/entry/line_deletion_adjustment.h"

#include <algorithm>

#include "crvpo/entry/commitment_poster.h"
#include "host/framework/table/transaction.h"

namespace crvpo {

OperationOutcome LineDeletionAdjustment::apply(const crv::PODetailRecord& line, OpeningCommitments& opening) {
  const auto found = std::find_if(opening.entries().begin(), opening.entries().end(),
                                  [&](const Commitment& entry) { return entry.detailId == line.DetailID; });
  if (found == opening.entries().end() || found->kind() != LineKind::Job) return OperationOutcome::success();

  const auto failure = crv::runAtomically(*connection_, crv::Transaction::defaultWait, "JCCost",
                                          crv::TableOp::Saving, [&](crv::TableSteps& steps) {
                                            CommitmentPoster(*connection_, steps).apply(*found, -1);
                                            return true;
                                          });
  if (failure) {
    OperationOutcome outcome;
    return outcome.fail(failureText(*failure, notDeletedText), {});
  }
  opening.takeLine(line.DetailID);
  return OperationOutcome::success();
}

}  // namespace crvpo
