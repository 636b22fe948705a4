// Duplicating a purchase order: a new, unreconciled, unprinted and
// uninvoiced order with the source order's vendor, ship-to, terms and
// lines, under the number and dates the user accepted in the duplicate
// dialog.
//
// The proposal (what the dialog shows first): the counter's next number
// when the company numbers orders automatically, otherwise "Copy of " and
// the source's number (15 characters at most); issued today; each other
// date as far after today as the source's was after its issue date, or
// none when the source has none.
//
// The copy is one transaction:
//   1. the counter is read again; when the user kept the proposed counter
//      number, the copy takes the counter's number as it is now (another
//      station may have used the proposed one: the user is told, as on a
//      save) and the counter moves on by one; a typed number leaves it;
//   2. the header (POMasterAlias) is written: every field of the source,
//      except that it is issued and prepared today, unreconciled, not
//      printed, without invoice number or invoice dates, and sorts under
//      its own vendor and number;
//   3. each line is copied in line order with nothing received, invoiced
//      or on a packing slip (amount invoiced and this invoice's figures
//      included), unreconciled, and its stock quantity the whole ordered
//      quantity in stock units;
//   4. the copy's lines are posted as a save posts them: open amounts to
//      the jobs' committed costs, stock quantities to stock on order.
// Any failure rolls the whole copy back: nothing is written, the counter
// is as it was, and the user is told which step failed.
#pragma once

#include <chrono>
#include <optional>
#include <string>

#include "crvpo/entry/entry_state.h"
#include "crvpo/entry/operation_outcome.h"
#include "host/data/tables/purchasing_tables.h"
#include "host/data/tables/suite_tables.h"
#include "host/framework/table/transaction.h"

namespace crvpo {

class PurchaseOrderDuplication {
 public:
  static constexpr const char* notCopiedText = "The purchase order was not duplicated. Nothing was written.";
  static constexpr const char* failureTitle = "Purchase Order Not Duplicated";

  explicit PurchaseOrderDuplication(crv::Connection& connection) : connection_(&connection) {}

  void setWait(std::chrono::milliseconds wait) { wait_ = wait; }

  // The number and dates proposed for a copy of `source`.
  static DuplicateProposal propose(const crv::POMasterRecord& source, const crv::SystemsRecord& settings,
                                   crv::Date today);

  // Copies `source` under `chosen`. `proposedCounter` is the counter's
  // number the proposal offered (0 when it offered none). On success the
  // copy's POID is in the result. Nothing is shown here: the caller hands
  // the outcome to tellUser().
  struct Result {
    OperationOutcome outcome;
    crv::Id copy = 0;
  };
  Result copy(const crv::POMasterRecord& source, const DuplicateProposal& chosen, crv::Id proposedCounter);

 private:
  // The transaction's work: the copy's POID.
  crv::Id write(crv::TableSteps& steps, const crv::POMasterRecord& source, DuplicateProposal& taken,
                crv::Id proposedCounter, std::optional<crv::Id>& renumbered);

  crv::Connection* connection_;
  std::chrono::milliseconds wait_ = crv::Transaction::defaultWait;
};

}  // namespace crvpo
