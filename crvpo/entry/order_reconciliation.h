// Marking a purchase order fully reconciled from the order list, and
// taking that back.
//
// Full reconciliation closes every line that is not closed yet
// (Reconciliation 2) and the order (Reconciled 2, RecTF 1, its sort values
// cleared so that the lists of open orders leave it out). Unreconciling
// gives each line the state its invoiced quantity gives it (0, 1 or 2) and
// the order the state of its lines, with its sort values back.
//
// Committed costs and stock on order follow what each line commits before
// and after: a job line that is open and not fully invoiced commits its
// open amount (the amount the save posts); an inventory line that is open
// keeps on order its stock quantity less what was received and not yet
// invoiced (that part was taken off order when it was received). So both
// directions leave the figures a rebuild would give, whatever was received.
//
// Each order is one transaction: a failure rolls it back and the outcome
// says so.
#pragma once

#include "crvpo/entry/operation_outcome.h"
#include "host/data/tables/purchasing_tables.h"

namespace crvpo {

class OrderReconciliation {
 public:
  static constexpr const char* notChangedText =
      "The purchase order was not changed. Committed costs and stock figures are as they were.";

  explicit OrderReconciliation(crv::Table& orders = crv::POMaster) : orders_(&orders) {}

  OperationOutcome reconcileFully(crv::Id poid);
  OperationOutcome unreconcile(crv::Id poid);
  // True when every line of the order is invoiced in full (nothing left
  // to unreconcile).
  bool allInvoiced(crv::Id poid);

 private:
  OperationOutcome run(crv::Id poid, bool full);

  crv::Table* orders_;
};

}  // namespace crvpo
