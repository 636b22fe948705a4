// The actions of the purchase-order lists.
#include "crvpo/entry/order_list_actions.h"

#include <string>

#include "crvpo/entry/entry_state.h"
#include "crvpo/entry/order_reconciliation.h"
#include "crvpo/entry/order_requests.h"
#include "crvpo/entry/search_po_master.h"
#include "crvpo/importexport/export_po.h"
#include "crvpo/importexport/import_po_master.h"
#include "crvpo/reports/limit_print_pos.h"
#include "crvpo/reports/purchase_order_print.h"
#include "host/data/shared_values.h"
#include "host/data/tables/purchasing_tables.h"
#include "host/framework/services/global_request.h"
#include "host/framework/services/message_box.h"
#include "host/framework/table/private_table.h"
#include "host/framework/ui/front_end.h"

namespace crvpo {
namespace {

crv::POMasterRecord orderOf(crv::Id poid) {
  crv::PrivateTable<crv::POMasterRecord> orders(crv::POMaster);
  orders.rec.POID = poid;
  if (!orders.fetch(crv::POMasterRecord::KeyPOID)) orders.rec.clear();
  return orders.rec;
}

void skippedWhileReconciled(const crv::POMasterRecord& order, bool brokenLines) {
  const std::string number = order.PONumber.str();
  crv::message(brokenLines
                   ? "Purchase Order #" + number +
                         " is currently being reconciled |by an unposted A/P Invoice.  The Purchase "
                         "Order |cannot be deleted until the A/P Invoice is either |posted or deleted."
                   : "Purchase Order #" + number +
                         " is currently being reconciled by an unposted A/P Invoice.  The Purchase "
                         "Order cannot be deleted until the A/P Invoice is either posted or deleted.",
               "Purchase Order Cannot Be Deleted", crv::Icon::Information);
}

bool askYes(const char* text, const char* title) {
  return crv::message(text, title, crv::Icon::Question, "&Yes|&No", 2) == 1;
}

void tellIfFailed(const OperationOutcome& outcome) {
  if (!outcome.done) tellUser(outcome);
}

void reconcileHighlighted(crv::Id poid) {
  OrderReconciliation reconciliation;
  const crv::POMasterRecord order = orderOf(poid);
  if (order.POID == 0) return;
  if (order.Reconciled < 2) {
    if (askYes("Marking the highlighted Purchase Order as Fully Reconciled|will PERMANENTLY alter the "
               "purchase order so that it will |no longer be Open and cannot be edited or reconciled with "
               "|a Packing Slip or Invoice.||Are you sure you want to mark the highlighted Purchase Order "
               "|as Fully Reconciled?",
               "Reconcile Highlighted Purchase Order?"))
      tellIfFailed(reconciliation.reconcileFully(poid));
    return;
  }
  if (reconciliation.allInvoiced(poid)) {
    crv::message(
        "All the line item quantities on this Purchase Order|have already been invoiced.  The "
        "Purchase Order cannot |be unreconciled.",
        "Unable to Un-Reconcile Highlighted Purchase Order?", crv::Icon::Information);
    return;
  }
  if (askYes("Are you sure you want to mark the highlighted|Purchase Order as unreconciled?",
             "Un-Reconcile Purchase Order?"))
    tellIfFailed(reconciliation.unreconcile(poid));
}

void reconcileTagged(const std::vector<crv::Id>& tagged) {
  OrderReconciliation reconciliation;
  std::vector<crv::Id> toReconcile;
  std::vector<crv::Id> toUnreconcile;
  for (crv::Id poid : tagged) {
    const crv::POMasterRecord order = orderOf(poid);
    if (order.POID == 0) continue;
    if (order.Reconciled < 2)
      toReconcile.push_back(poid);
    else if (!reconciliation.allInvoiced(poid))
      toUnreconcile.push_back(poid);
  }
  if (!toReconcile.empty() &&
      askYes(
          "Marking the tagged Purchase Orders as Fully Reconciled will|PERMANENTLY alter the purchase "
          "orders so that they will no|longer be Open and cannot be edited or reconciled with a|Packing "
          "Slip or Invoice.||Are you sure you want to mark the tagged Purchase Orders as|Fully Reconciled?",
          "Reconcile Tagged Purchase Orders?"))
    for (crv::Id poid : toReconcile) tellIfFailed(reconciliation.reconcileFully(poid));
  if (!toUnreconcile.empty() &&
      crv::message("One or more tagged Purchase Orders will now be marked |as unreconciled.  Do you wish to "
                   "proceed?",
                   "Un-Reconcile Purchase Order(s)?", crv::Icon::Question, "&Yes|&No") == 1)
    for (crv::Id poid : toUnreconcile) tellIfFailed(reconciliation.unreconcile(poid));
}

void printOrder(crv::Id poid) {
  if (orderOf(poid).POID == 0) return;
  crv::DecimalVariable = crv::Amount(static_cast<std::int64_t>(poid));
  crv::GlobalRequest = 0;
  PrintPurchaseOrderServer();
}

}  // namespace

int deleteTaggedOrders(const OrderChoice& choice) {
  if (!askYes("Are you sure you want to delete the tagged Purchase Order(s)?", "Confirm Delete")) return 0;
  int deleted = 0;
  for (crv::Id poid : choice.tagged) {
    const crv::POMasterRecord order = orderOf(poid);
    if (order.POID == 0) continue;
    if (beingReconciled(poid)) {
      skippedWhileReconciled(order, choice.brokenLines);
      continue;
    }
    if (removeOrder(poid)) ++deleted;
  }
  return deleted;
}

void reconcileOrUnreconcile(const OrderChoice& choice, bool tagged) {
  if (tagged)
    reconcileTagged(choice.tagged);
  else if (choice.highlighted != 0)
    reconcileHighlighted(choice.highlighted);
}

void generatePOs(const OrderChoice& choice, bool preview) {
  if (!preview) crv::GLO.PrintPreview = 0;
  const bool tagged = !choice.tagged.empty();
  const int answer = crv::message(
      tagged
          ? "Would you like to print the tagged Purchase Orders,|or print Purchase Orders using a Limit "
            "Screen?"
          : "Would you like to print the highlighted Purchase Order,|or print Purchase Orders using a Limit "
            "Screen?",
      "Select Printing Preference", crv::Icon::Question,
      tagged ? "&Tagged|&Limit Screen|&Cancel" : "&Highlighted|&Limit Screen|&Cancel");
  if (answer == 1 && tagged) {
    for (crv::Id poid : choice.tagged) printOrder(poid);
  } else if (answer == 1 && choice.highlighted != 0) {
    printOrder(choice.highlighted);
  } else if (answer == 2) {
    LimitPrintPOs();
  }
  if (crv::GLO.PrintPreview == 0) crv::GLO.PrintPreview = 1;
}

void generatePOsMenu(const OrderChoice& choice) {
  switch (crv::ui::frontEnd().popupMenu(
      {"&Preview the Report to Screen|Print Report Directly to Default Printer|Cancel",
       {"~preview.ico", "~print.ico", "~cross.ico"}})) {
    case 1:
      generatePOs(choice);
      break;
    case 2:
      generatePOs(choice, false);
      break;
    default:
      break;
  }
}

void importOrders() { ImportPOMaster(); }

bool exportTagged(const OrderChoice& choice) {
  if (choice.tagged.empty()) {
    crv::message("No purchase orders are tagged for export.", "No Tagged POs", crv::Icon::Exclamation);
    return false;
  }
  crv::TAGQUE = choice.tagged;
  ExportPO();
  return true;
}

crv::Id searchOrders(bool includeReconciled) {
  EntryState& state = entryState();
  state.SearchPOID = 0;
  state.SearchIncludeReconciled = includeReconciled;
  searchPOMaster();
  return state.SearchPOID;
}

}  // namespace crvpo
