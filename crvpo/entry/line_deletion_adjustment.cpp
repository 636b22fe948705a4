// Adjusting committed cost for a deleted line.
#include "crvpo/entry/line_deletion_adjustment.h"

#include "crvpo/entry/commitment_poster.h"
#include "host/framework/table/transaction.h"

namespace crvpo {

OperationOutcome LineDeletionAdjustment::apply(const crv::PODetailRecord& line, OpeningCommitments& opening) {
  const Commitment* posted = opening.find(line.DetailID);
  if (!posted) return OperationOutcome::success();

  const auto failure = crv::runAtomically(*connection_, crv::Transaction::defaultWait, "JCCost",
                                          crv::TableOp::Saving, [&](crv::TableSteps& steps) {
                                            CommitmentPoster(*connection_, steps).apply(*posted, -1);
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
