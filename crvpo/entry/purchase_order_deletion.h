// Deleting a purchase order with everything it holds in other tables, as
// one transaction.
//
// For each line in line order:
//   - inventory: with r the stock units per ordered unit, stock on order
//     falls by the line's open stock quantity less what was received but
//     not invoiced (r x QtyRcvdNotInvoiced); what was received but not
//     invoiced also leaves stock on hand, the item's default location and
//     bin, and the line's purchase-history row goes;
//   - job: the cost line's committed cost falls by the line's open amount
//     and loses the line as its last order line (JCC:PODetailID).
// Then the order's notes and attachments go, the order and its lines go
// through the relation manager, and the activity record is written.
//
// r is INVQuantity / QtyOrdered. A line with nothing ordered has no such
// ratio; it uses the factor of its unit conversion (INCnvrt by
// ConversionID), the same stock units per ordered unit, or 1 when the line
// is in the stock unit or its conversion is gone.
//
// Any failure rolls everything back and the outcome says so: no figure
// moves and nothing is deleted. Attached files are removed from the image
// store only after the deletion is committed, so a rolled-back deletion
// never loses a file; a file that cannot be removed then is left behind
// and named in the outcome. Nothing is shown here: the window hands the
// outcome to tellUser().
#pragma once

#include <chrono>
#include <string>
#include <vector>

#include "crvpo/entry/operation_outcome.h"
#include "host/data/tables/purchasing_tables.h"
#include "host/framework/table/transaction.h"

namespace crvpo {

class PurchaseOrderDeletion {
 public:
  static constexpr const char* notDeletedText =
      "The purchase order was not deleted. Committed costs and stock figures are as they were.";
  static constexpr const char* failureTitle = "Purchase Order Not Deleted";

  explicit PurchaseOrderDeletion(crv::Table& orders = crv::POMaster) : orders_(&orders) {}

  void setWait(std::chrono::milliseconds wait) { wait_ = wait; }

  // Deletes the order whose POID is in the buffer of the access object.
  OperationOutcome remove();

 private:
  // The transaction's work; the stored names of the order's attachments
  // go to `storedFiles`.
  void removeAll(crv::TableSteps& steps, std::vector<std::string>& storedFiles);

  crv::Table* orders_;
  std::chrono::milliseconds wait_ = crv::Transaction::defaultWait;
};

}  // namespace crvpo
