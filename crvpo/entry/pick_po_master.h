// PickPOMaster: "Purchase Orders", the lookup of purchase orders that
// other procedures call with SelectRecord ("&Select" leaves the order in
// POM and its identifier in DecimalVariable). Orders by PO number or by
// vendor, all of them or only those not fully reconciled, with a locator.
// Add, Change and Delete work as in the order list, except that a fully
// reconciled order or one an unposted invoice is reconciling cannot be
// changed here; a deletion removes everything the order holds, as the
// order list's does. Opened with ViewRecord the list only shows orders.
#pragma once

#include "host/framework/services/module_export.h"

namespace crvpo {

void pickPOMaster();

}  // namespace crvpo

extern "C" {
CRV_EXPORT void PickPOMaster();
}
