// BrowsePOMaster: "Purchase Orders", the paged list of purchase orders and
// the module's main window. Orders by PO number, all of them or only
// those not fully reconciled, with a locator, the reconciliation status
// icons and their legend, the tags in the suite's tag list (TAGQUE), the
// tag view (all, tagged, untagged), Repetitive Insert, and the actions of
// both order lists (order_list_window.h). Called with SelectRecord,
// "&Select" returns the highlighted order (in POM and DecimalVariable).
#pragma once

#include "host/framework/services/module_export.h"

namespace crvpo {

void browsePOMaster();

}  // namespace crvpo

extern "C" {
CRV_EXPORT void BrowsePOMaster();
}
