// Saving a purchase order: the commitment postings, the reconciliation
// state and sort fields, the header write and the order-number counter,
// as one transaction.
//
// The header form calls it on OK after its own checks, with the order in
// the buffer of the POMaster access object it edits (for an insert, the
// primed row). In order:
//
//   1. the opening commitments are taken back, last entry first: stock on
//      order of inventory lines, committed cost of job lines;
//   2. the order's lines as they are now are posted by the rule of
//      line_commitment.h: the stock still to come to the item's stock on
//      order, the open amount (TotalAmount less AmountInvoiced) to the
//      job's cost line and its change-order detail; when a rebuild of
//      committed costs ran since the opening commitments were taken, it
//      counted the lines as they stood then, and the committed costs are
//      rebuilt again;
//   3. the reconciliation state (0 when the order's total is 0; otherwise
//      2 when every line is fully reconciled, which includes an order
//      without lines, 1 when any line is partly, else 0) with RecTF;
//   4. the sort fields (blank and 0 for a fully reconciled order, so that
//      the lists of open orders leave it out);
//   5. for an insert that still carries the number primed from the
//      counter, the counter is advanced;
//   6. the header is written.
//
// A missing item or cost line is skipped. Any failed read or write rolls
// the whole save back: every figure, the order and the counter stay as
// they were, the outcome says why, and the opening commitments are kept
// so that pressing OK again takes them back then. A new order keeps its
// primed row, so that OK can be pressed again and Cancel removes it. After a save the list
// holds what the order now commits, so saving again changes nothing.
//
// Numbers: when the counter moved past the primed number before OK
// (another station saved an order with it), the order takes the counter's
// number and the outcome carries the notice for the user. The check is
// repeated inside the transaction, where no other station can move the
// counter.
//
// Nothing is shown here: the window that saves hands the outcome to
// tellUser().
#pragma once

#include <chrono>

#include "crvpo/entry/opening_commitments.h"
#include "crvpo/entry/operation_outcome.h"
#include "crvpo/entry/po_number_counter.h"
#include "host/data/tables/purchasing_tables.h"
#include "host/framework/table/transaction.h"

namespace crvpo {

class PurchaseOrderSave {
 public:
  static constexpr const char* notSavedText =
      "The purchase order was not saved. Committed costs, stock on order and the order number counter are as "
      "they were.";
  static constexpr const char* failureTitle = "Purchase Order Not Saved";

  // `orders` is the access object whose buffer holds the order.
  explicit PurchaseOrderSave(crv::Table& orders = crv::POMaster) : orders_(&orders) {}

  // How long to wait for other stations' transactions.
  void setWait(std::chrono::milliseconds wait) { wait_ = wait; }

  // Saves after OK. `request` is InsertRecord or ChangeRecord; `counter`
  // holds the number primed for an insert (nullptr for a change);
  // `openingState` is the header as the form opened it, for the activity
  // record of a change (nullptr: no "Changed" record).
  OperationOutcome save(int request, OpeningCommitments& opening, PONumberCounter* counter = nullptr,
                        const crv::POMasterRecord* openingState = nullptr);

  // The reconciliation state of an order from its total and its lines'
  // reconciliation flags: 0, 1 or 2.
  struct StateTally {
    bool anyLine = false;
    bool allFully = true;
    bool anyStarted = false;
    void add(crv::Flag reconciliation);
    crv::Flag state(crv::Amount orderTotal) const;
  };

 private:
  crv::POMasterRecord& order() { return static_cast<crv::POMasterRecord&>(orders_->buffer()); }
  void takeCounterNumber(PONumberCounter& counter, OperationOutcome& outcome);
  // The transaction's work; false when the counter moved under it.
  bool post(crv::TableSteps& steps, bool inserting, PONumberCounter* counter, OpeningCommitments& opening,
            OpeningCommitments& posted);
  void logActivity(bool inserting, const crv::POMasterRecord& handed, const crv::POMasterRecord* openingState,
                   OperationOutcome& outcome);

  crv::Table* orders_;
  std::chrono::milliseconds wait_ = crv::Transaction::defaultWait;
};

// Sets the order's reconciliation state and the sort values that go with
// it: fully reconciled orders leave them blank, so that the lists of open
// orders leave them out.
void setStateAndSortFields(crv::POMasterRecord& po, crv::Flag state);

}  // namespace crvpo
