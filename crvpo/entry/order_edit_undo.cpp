// Putting an order back as it was before the header form's edits.
#include "crvpo/entry/order_edit_undo.h"

#include <map>
#include <stdexcept>

#include "crvpo/entry/commitment_poster.h"
#include "crvpo/entry/order_lines.h"
#include "crvpo/entry/order_notes_and_attachments.h"
#include "crvpo/reconcile/committed_cost_recalculation.h"
#include "host/framework/table/private_table.h"

namespace crvpo {

std::optional<OrderEditUndo> OrderEditUndo::ofOrder(crv::Connection& connection, crv::Id poid) {
  auto lines = readOrderLines(connection, poid);
  if (!lines) return std::nullopt;
  OrderEditUndo undo;
  undo.poid_ = poid;
  undo.lines_ = std::move(*lines);
  return undo;
}

OrderEditUndo OrderEditUndo::ofNewOrder(crv::Id poid) {
  OrderEditUndo undo;
  undo.poid_ = poid;
  undo.newOrder_ = true;
  return undo;
}

OpeningCommitments OrderEditUndo::commitments(LineCommitments& rule) const {
  OpeningCommitments list;
  for (const crv::PODetailRecord& line : lines_)
    if (auto entry = rule.of(line)) list.add(std::move(*entry));
  return list;
}

void OrderEditUndo::restoreLines(crv::TableSteps& steps, crv::Connection& connection) {
  const std::vector<crv::PODetailRecord> now = readOrderLines(steps, connection, poid_);
  crv::PrivateTable<crv::PODetailRecord> lines(connection);
  std::map<crv::Id, const crv::PODetailRecord*> before;
  for (const crv::PODetailRecord& line : lines_) before[line.DetailID] = &line;

  for (const crv::PODetailRecord& line : now) {
    lines.rec.DetailID = line.DetailID;
    if (!steps.fetch(lines.table, crv::PODetailRecord::KeyDetailID)) continue;
    const auto kept = before.find(line.DetailID);
    if (kept == before.end()) {
      steps.remove(lines.table);
      continue;
    }
    if (!line.sameValues(*kept->second)) {
      lines.rec = *kept->second;
      steps.update(lines.table);
    }
    before.erase(kept);
  }
  // Lines deleted since go back under their own identifiers.
  for (const auto& [id, line] : before) {
    lines.rec = *line;
    steps.insert(lines.table);
  }
}

void OrderEditUndo::putBack(crv::TableSteps& steps, crv::Connection& connection,
                            const OpeningCommitments& posted, OpeningCommitments& restored,
                            std::vector<std::string>& storedFiles) {
  CommitmentPoster poster(connection, steps);
  const auto& entries = posted.entries();
  for (auto entry = entries.rbegin(); entry != entries.rend(); ++entry) poster.apply(*entry, -1);
  restoreLines(steps, connection);
  restored = commitments(poster.rule());
  for (const Commitment& entry : restored.entries()) poster.apply(entry, +1);
  restored.setRebuildsSeen(rebuildIfRebuiltSince(connection, steps, posted.rebuildsSeen()));
  if (newOrder_) removeNotesAndAttachments(steps, connection, poid_, storedFiles);
}

OperationOutcome OrderEditUndo::undo(crv::Connection& connection, OpeningCommitments& posted) {
  OperationOutcome outcome;
  std::vector<std::string> storedFiles;
  OpeningCommitments restored;
  std::optional<crv::StepFailure> failure;
  try {
    failure =
        crv::runAtomically(connection, wait_, "PODetail", crv::TableOp::Saving, [&](crv::TableSteps& steps) {
          putBack(steps, connection, posted, restored, storedFiles);
          return true;
        });
  } catch (const std::exception& error) {
    return outcome.fail(std::string(error.what()) + "||" + notUndoneText, failureTitle);
  }
  if (failure) return outcome.fail(failureText(*failure, notUndoneText), failureTitle);
  posted = std::move(restored);
  removeStoredFiles(storedFiles, outcome);
  outcome.done = true;
  return outcome;
}

}  // namespace crvpo
