// The ways into one purchase order that the order lists offer: add, change
// (with the checks that may make it view-only), view, duplicate and
// delete. Each leaves the order it worked on in POM and answers the header
// form's response (RequestCompleted when something was written).
//
// Changing an order that an unposted payables invoice is reconciling opens
// it for viewing only (POViewOnly); a fully reconciled one asks whether to
// view or edit it, a partly reconciled one whether to edit it.
#pragma once

#include "host/framework/values/scalars.h"

namespace crvpo {

// The questions and messages of a change and a deletion. The paged order
// list shows them on long lines; the other list breaks them ("|").
struct OrderRequestTexts {
  const char* viewOnlyWhileReconciled;
  const char* editFullyReconciled;
  const char* editPartiallyReconciled;
  const char* confirmDelete;
  const char* notDeletedWhileReconciled;

  static const OrderRequestTexts& longLines();
  static const OrderRequestTexts& brokenLines();
};

int insertOrder();
int changeOrder(crv::Id poid);
int changeOrder(crv::Id poid, const OrderRequestTexts& texts);
int viewOrder(crv::Id poid);
// Asks, then deletes the order with everything it committed; refused for
// an order an unposted invoice is reconciling.
int deleteOrder(crv::Id poid);
int deleteOrder(crv::Id poid, const OrderRequestTexts& texts);
// Deletes the order without asking (the caller asked and checked); the
// outcome is shown. Answers whether it was deleted.
bool removeOrder(crv::Id poid);

// True when an unposted payables invoice refers to the order.
bool beingReconciled(crv::Id poid);

}  // namespace crvpo
