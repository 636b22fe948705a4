// What both purchase-order lists do with the highlighted or the tagged
// orders beyond opening one: delete them, mark them fully reconciled or
// unreconciled, print, import and export them, and search.
//
// The lists differ only in how they choose between the highlighted and
// the tagged orders and in whether their messages break lines; each
// function asks its questions, does the work and shows what went wrong.
#pragma once

#include <vector>

#include "host/framework/values/scalars.h"

namespace crvpo {

// The orders an action may work on.
struct OrderChoice {
  crv::Id highlighted = 0;      // 0 when the list is empty
  std::vector<crv::Id> tagged;  // in the order of the tag list
  bool brokenLines = false;     // the list's messages break their lines
};

// The tagged orders, after "Confirm Delete": each deleted in one
// transaction unless an unposted invoice is reconciling it (then skipped
// with a message). Answers how many were deleted.
int deleteTaggedOrders(const OrderChoice& choice);
// "Reconcile/Unreconcile": the highlighted order, or the tagged ones when
// the person chooses them (`askWhich`) or when the list decided so.
void reconcileOrUnreconcile(const OrderChoice& choice, bool tagged);
// "&Generate POs": the tagged or highlighted orders through the print
// entry, or the printing limits. `preview` false prints directly this
// once; the previewer is on again afterwards.
void generatePOs(const OrderChoice& choice, bool preview = true);
// "I&mport": the import window.
void importOrders();
// "E&xport Tagged": the export of the tagged orders (handed over in
// TAGQUE), or "No Tagged POs" when none is tagged. Answers whether the
// export window ran; it empties TAGQUE when it wrote the file.
bool exportTagged(const OrderChoice& choice);
// The search window; the chosen order's identifier, or 0.
crv::Id searchOrders(bool includeReconciled);
// The pop-up menu of "&Generate POs": preview, print directly or cancel.
void generatePOsMenu(const OrderChoice& choice);

}  // namespace crvpo
