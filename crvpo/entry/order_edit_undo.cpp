// Putting an order back as it was before the header form's edits.
#include "crvpo/entry/order_edit_undo.h"

#include <map>
#include <stdexcept>

#include "crvpo/entry/commitment_poster.h"
#include "crvpo/entry/order_lines.h"
#include "crvpo/entry/order_notes_and_attachments.h"
#include "host/framework/services/message_box.h"
#include "host/framework/table/private_table.h"

namespace crvpo {

std::optional<OrderEditUndo> OrderEditUndo::ofOrder(crv::Connection& connection, crv::Id poid) {
  OrderEditUndo undo;
  undo.poid_ = poid;
  if (readOrderLines(connection, poid, undo.lines_)) return std::nullopt;
  return undo;
}

OrderEditUndo OrderEditUndo::ofNewOrder(crv::Id poid) {
  OrderEditUndo undo;
  undo.poid_ = poid;
  undo.newOrder_ = true;
  return undo;
}

OpeningCommitments OrderEditUndo::commitments() const {
  OpeningCommitments list;
  for (const crv::PODetailRecord& line : lines_)
    if (auto entry = OpeningCommitments::of(line)) list.add(std::move(*entry));
  return list;
}

OperationOutcome OrderEditUndo::fail(std::string text) {
  if (showMessages_) crv::message(text, failureTitle, crv::Icon::Stop);
  return OperationOutcome::failure(std::move(text));
}

StepResult OrderEditUndo::restoreLines(crv::Connection& connection) {
  std::vector<crv::PODetailRecord> now;
  if (auto failure = readOrderLines(connection, poid_, now)) return failure;
  crv::PrivateTable<crv::PODetailRecord> lines(connection);
  std::map<crv::Id, const crv::PODetailRecord*> before;
  for (const crv::PODetailRecord& line : lines_) before[line.DetailID] = &line;

  for (const crv::PODetailRecord& line : now) {
    lines.rec.DetailID = line.DetailID;
    bool found = false;
    if (auto failure = fetchRow(lines.table, crv::PODetailRecord::KeyDetailID, found)) return failure;
    if (!found) continue;
    const auto kept = before.find(line.DetailID);
    if (kept == before.end()) {
      if (auto failure = removeRow(lines.table)) return failure;
      continue;
    }
    if (!line.sameValues(*kept->second)) {
      lines.rec = *kept->second;
      if (auto failure = updateRow(lines.table)) return failure;
    }
    before.erase(kept);
  }
  // Lines deleted since go back under their own identifiers.
  for (const auto& [id, line] : before) {
    lines.rec = *line;
    if (lines.table.tryInsert() != crv::TableStatus::Ok)
      return StepFailure::of(lines.table, crv::TableOp::Inserting);
  }
  return std::nullopt;
}

OperationOutcome OrderEditUndo::undo(crv::Connection& connection, OpeningCommitments& posted) {
  std::vector<std::string> storedFiles;
  {
    crv::Transaction transaction(connection, wait_);
    if (!transaction.started())
      return fail(failureText(transaction.error(), crv::TableOp::Saving, "PODetail", notUndoneText));
    try {
      CommitmentPoster poster(connection);
      const auto& entries = posted.entries();
      for (auto entry = entries.rbegin(); entry != entries.rend(); ++entry)
        if (auto failure = poster.apply(*entry, -1)) return fail(failureText(*failure, notUndoneText));
      if (auto failure = restoreLines(connection)) return fail(failureText(*failure, notUndoneText));
      const OpeningCommitments restored = commitments();
      for (const Commitment& entry : restored.entries())
        if (auto failure = poster.apply(entry, +1)) return fail(failureText(*failure, notUndoneText));
      if (newOrder_)
        if (auto failure = removeNotesAndAttachments(connection, poid_, storedFiles))
          return fail(failureText(*failure, notUndoneText));
      if (transaction.commit() != crv::TableStatus::Ok)
        return fail(failureText(transaction.error(), crv::TableOp::Saving, "PODetail", notUndoneText));
      posted = restored;
    } catch (const std::exception& error) {
      return fail(std::string(error.what()) + "||" + notUndoneText);
    }
  }
  removeStoredFiles(storedFiles, showMessages_);
  return OperationOutcome::success();
}

}  // namespace crvpo
