// SearchPOMaster: "Search the Purchase Order File". The orders whose PO
// number or vendor name holds the typed text anywhere, without regard to
// case; OK hands the highlighted order's identifier back in SearchPOID.
//
// The list is paged over the orders (all of them, or only those not fully
// reconciled, as SearchIncludeReconciled says) and filtered as it reads,
// so a search over any number of orders holds one page in memory. The
// vendors whose names match are found once per search.
#pragma once

#include "host/framework/services/module_export.h"

namespace crvpo {

void searchPOMaster();

}  // namespace crvpo

extern "C" {
CRV_EXPORT void SearchPOMaster();
}
