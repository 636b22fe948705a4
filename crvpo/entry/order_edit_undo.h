// What Cancel in the header form puts back.
//
// Lines are written as the person edits them (the line form writes its
// line, the header's list deletes and moves lines, a vendor change
// reprices them, the Taxable box rewrites them), but only a save posts
// what they commit. Cancel therefore puts the order back as it was when
// the form opened it, or as the last save (a print saves) left it: the
// lines as they were then, and the committed costs and stock on order
// with them, so the figures always equal what a rebuild gives and the
// header's amounts match its lines. A new order that is cancelled leaves
// nothing behind: its lines, notes and attachments (with their stored
// files) go with the order's reserved row.
//
// The undo is one transaction: the commitments the order holds now are
// taken back, added lines removed, changed ones rewritten, deleted ones
// put back under their own identifiers, and the lines as they were posted
// again (the committed costs rebuilt when a rebuild ran while the order was
// open). A failure rolls it back and leaves everything as the edits left
// it; the person is told.
#pragma once

#include <chrono>
#include <optional>
#include <string>
#include <vector>

#include "crvpo/entry/opening_commitments.h"
#include "crvpo/entry/operation_outcome.h"
#include "host/data/tables/purchasing_tables.h"
#include "host/framework/table/transaction.h"

namespace crvpo {

class OrderEditUndo {
 public:
  static constexpr const char* notUndoneText =
      "The changes to this purchase order's lines could not be undone; they stay as they were entered.";
  static constexpr const char* failureTitle = "Changes Not Undone";

  // The lines of an existing order as they are now; nothing when they
  // cannot be read to their end.
  static std::optional<OrderEditUndo> ofOrder(crv::Connection& connection, crv::Id poid);
  // A new order: it has nothing to put back, and everything to remove.
  static OrderEditUndo ofNewOrder(crv::Id poid);

  void setWait(std::chrono::milliseconds wait) { wait_ = wait; }

  const std::vector<crv::PODetailRecord>& lines() const { return lines_; }
  // Puts the order back. `posted` holds what the order's figures hold for
  // it now; afterwards it holds what the restored lines commit. Nothing is
  // shown here: the window hands the outcome to tellUser().
  OperationOutcome undo(crv::Connection& connection, OpeningCommitments& posted);

 private:
  // What the lines commit, one entry per job or inventory line in order.
  OpeningCommitments commitments(LineCommitments& rule) const;
  void putBack(crv::TableSteps& steps, crv::Connection& connection, const OpeningCommitments& posted,
               OpeningCommitments& restored, std::vector<std::string>& storedFiles);
  void restoreLines(crv::TableSteps& steps, crv::Connection& connection);

  crv::Id poid_ = 0;
  bool newOrder_ = false;
  std::vector<crv::PODetailRecord> lines_;
  std::chrono::milliseconds wait_ = crv::Transaction::defaultWait;
};

}  // namespace crvpo
