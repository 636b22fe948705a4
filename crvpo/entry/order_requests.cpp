// Adding, changing, viewing and deleting one order.
#include "crvpo/entry/order_requests.h"

#include "crvpo/entry/entry_state.h"
#include "crvpo/entry/purchase_order_deletion.h"
#include "crvpo/entry/update_po_master.h"
#include "host/data/tables/payables_tables.h"
#include "host/data/tables/purchasing_tables.h"
#include "host/framework/services/global_request.h"
#include "host/framework/services/message_box.h"
#include "host/framework/table/private_table.h"
#include "host/framework/ui/front_end.h"

namespace crvpo {
namespace {

bool loadOrder(crv::Id poid) {
  crv::PrivateTable<crv::POMasterRecord> orders(crv::POMaster);
  orders.rec.POID = poid;
  if (!orders.fetch(crv::POMasterRecord::KeyPOID)) return false;
  crv::POM = orders.rec;
  return true;
}

int runForm(int request) {
  crv::GlobalRequest = request;
  updatePOMaster();
  const int response = crv::GlobalResponse;
  entryState().POViewOnly = false;
  return response;
}

}  // namespace

const OrderRequestTexts& OrderRequestTexts::longLines() {
  static const OrderRequestTexts texts{
      "This Purchase Order is currently being reconciled by an unposted A/P Invoice.  The Purchase "
      "Order can be viewed, but it cannot be edited until the A/P Invoice is either posted or deleted.",
      "This purchase order has been fully reconciled.  Are you sure you wish to edit the purchase "
      "order at this time?",
      "This purchase order has been partially reconciled.  Are you sure you wish to edit the purchase "
      "order at this time?",
      "Are you sure you want to delete the highlighted Purchase Order?",
      "This Purchase Order is currently being reconciled by an unposted A/P Invoice.  The Purchase "
      "Order cannot be deleted until the A/P Invoice is either posted or deleted."};
  return texts;
}

const OrderRequestTexts& OrderRequestTexts::brokenLines() {
  static const OrderRequestTexts texts{
      "This Purchase Order is currently being reconciled by an |unposted A/P Invoice.  The Purchase Order "
      "can be viewed, |but it cannot be edited until the A/P Invoice is either |posted or deleted.",
      "This purchase order has been fully reconciled.  |Are you sure you wish to edit the purchase order "
      "|at this time?",
      "This purchase order has been partially reconciled.  |Are you sure you wish to edit the purchase "
      "order |at this time?",
      "Are you sure you want to delete the highlighted |Purchase Order?",
      "This Purchase Order is currently being reconciled |by an unposted A/P Invoice.  The Purchase Order "
      "|cannot be deleted until the A/P Invoice is either |posted or deleted."};
  return texts;
}

bool beingReconciled(crv::Id poid) {
  crv::PrivateTable<crv::APInvRecord> invoices(crv::APInv);
  if (!invoices.isOpen() || invoices.table.set(crv::APInvRecord::KeyFPPosted) != crv::TableStatus::Ok)
    return false;
  while (invoices.table.next() == crv::TableStatus::Ok && invoices.rec.Posted == 0)
    if (invoices.rec.POID == poid) return true;
  return false;
}

int insertOrder() {
  entryState().POViewOnly = false;
  return runForm(crv::InsertRecord);
}

int viewOrder(crv::Id poid) {
  if (!loadOrder(poid)) return crv::RequestCancelled;
  return runForm(crv::ViewRecord);
}

int changeOrder(crv::Id poid) { return changeOrder(poid, OrderRequestTexts::longLines()); }

int deleteOrder(crv::Id poid) { return deleteOrder(poid, OrderRequestTexts::longLines()); }

int changeOrder(crv::Id poid, const OrderRequestTexts& texts) {
  EntryState& state = entryState();
  state.POViewOnly = false;
  if (!loadOrder(poid)) return crv::RequestCancelled;
  if (beingReconciled(poid)) {
    crv::ui::frontEnd().beep(crv::ui::Sound::Default);
    crv::message(texts.viewOnlyWhileReconciled, "Purchase Order Being Reconciled", crv::Icon::Information);
    state.POViewOnly = true;
  } else if (crv::POM.Reconciled == 2) {
    crv::ui::frontEnd().beep(crv::ui::Sound::Default);
    const int answer = crv::message(texts.editFullyReconciled, "Purchase Order Partially Reconciled",
                                    crv::Icon::Question, "&View Only|&Edit|&Cancel");
    if (answer == 3 || answer == 0) return crv::RequestCancelled;
    state.POViewOnly = answer == 1;
  } else if (crv::POM.Reconciled == 1 &&
             crv::message(texts.editPartiallyReconciled, "Purchase Order Partially Reconciled",
                          crv::Icon::Question, "&Yes|&No") != 1) {
    return crv::RequestCancelled;
  }
  return runForm(crv::ChangeRecord);
}

int deleteOrder(crv::Id poid, const OrderRequestTexts& texts) {
  if (!loadOrder(poid)) return crv::RequestCancelled;
  if (crv::message(texts.confirmDelete, "Confirm Delete", crv::Icon::Question, "&Yes|&No", 2) != 1)
    return crv::RequestCancelled;
  if (beingReconciled(poid)) {
    crv::ui::frontEnd().beep(crv::ui::Sound::Default);
    crv::message(texts.notDeletedWhileReconciled, "Purchase Order Being Reconciled", crv::Icon::Exclamation);
    return crv::RequestCancelled;
  }
  return removeOrder(poid) ? crv::RequestCompleted : crv::RequestCancelled;
}

bool removeOrder(crv::Id poid) {
  crv::POMaster.open();
  crv::POM.POID = poid;
  const OperationOutcome outcome = PurchaseOrderDeletion(crv::POMaster).remove();
  crv::POMaster.close();
  tellUser(outcome);
  return outcome.done;
}

}  // namespace crvpo
