// The values the purchase-order entry procedures hand to each other: the
// vendor a line form picked for its order, the view-only flag of an order,
// the committed cost the over-budget warning compares against, the
// priority-vendor queue the priority list shows, the vendor names behind
// the header form's name list and the proposal of a duplicated order.
//
// One copy per process, used within one call chain: a caller sets a value
// immediately before a call and the callee reads it at its start, or the
// callee sets it and the caller reads it right after the return.
#pragma once

#include <string>
#include <vector>

#include "host/framework/record/record.h"

namespace crvpo {

// One row of the priority-vendor queue, as the priority list shows it.
struct PriorityVendorRow {
  int priority = 0;
  crv::Id vendorId = 0;
  std::string vendorName;
  std::string priceText;
  crv::Quantity minimumOrder;
};

// One entry of the vendor name list: a vendor's number and name.
struct VendorNameEntry {
  crv::Id vendorId = 0;
  std::string name;
};

// What the duplicate dialog proposes for a copy and the user may change:
// its number and its four dates (MOD:PONumber and the MOD: dates).
struct DuplicateProposal {
  crv::Text<15> PONumber;
  crv::Date IssueDate;
  crv::Date DeliverAfterDate;
  crv::Date DeliveryDate;
  crv::Date DeadlineDate;
};

struct EntryState {
  // Left by the line form when a vendor was taken from its priority list;
  // the header form makes it the order's vendor and sets it back to 0.
  crv::Id NewVendorID = 0;
  crv::Id NewVendorDetailID = 0;
  // The order is being reconciled by an unposted payables invoice: the
  // forms refuse OK.
  bool POViewOnly = false;
  // The purchase-order list's "Repetitive Insert": an accepted new line
  // opens the line form again, blank, for the next one.
  bool RepetitiveInsert = false;
  // The search window: whether it offers fully reconciled orders (in),
  // and the order chosen, 0 when cancelled (out).
  crv::Id SearchPOID = 0;
  bool SearchIncludeReconciled = false;

  // The committed cost of the line's job and cost code without the line,
  // and the job and cost code it was taken for.
  crv::Amount CurrentCommitted;
  crv::Text<10> CommittedJobID;
  crv::Text<14> CommittedCostCode;
  // 1 while the over-budget warning is open; its Continue sets it to 0.
  crv::Flag OverBudgetPending = 0;

  std::vector<PriorityVendorRow> priorityQueue;

  // Vendor numbers and names behind the header form's name list, sorted by
  // name, with one blank entry (number 0); filled by whoever opens the
  // header form first and kept up to date by the form.
  std::vector<VendorNameEntry> VendorNameList;

  // The duplicate dialog: the proposal in, the user's values out, and
  // whether the user pressed Proceed.
  DuplicateProposal Duplicate;
  bool DuplicateProceed = false;
  crv::Text<70> VendorNameNum;  // "(" + vendor number + ") " + vendor name

  // Back to the state of a freshly loaded module.
  void reset() { *this = EntryState(); }
};

EntryState& entryState();

}  // namespace crvpo
