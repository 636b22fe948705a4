// Adjusting committed cost for a deleted line.
#include "crvpo/entry/line_deletion_adjustment.h"

#include <algorithm>

#include "crvpo/entry/commitment_poster.h"
#include "host/framework/services/message_box.h"

namespace crvpo {

OperationOutcome LineDeletionAdjustment::apply(const crv::PODetailRecord& line, OpeningCommitments& opening) {
  const auto found = std::find_if(opening.entries().begin(), opening.entries().end(),
                                  [&](const Commitment& entry) { return entry.detailId == line.DetailID; });
  if (found == opening.entries().end() || found->kind() != LineKind::Job) return OperationOutcome::success();

  CommitmentPoster poster(*connection_);
  if (auto failure = poster.apply(*found, -1)) {
    std::string text = failureText(*failure, "The line was not deleted; its committed cost is unchanged.");
    if (showMessages_) crv::message(text, {}, crv::Icon::Stop);
    return OperationOutcome::failure(std::move(text));
  }
  opening.takeLine(line.DetailID);
  return OperationOutcome::success();
}

}  // namespace crvpo
