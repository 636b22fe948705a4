// BrowsePOReconcile: the window "Reconcile Purchase Orders with Packing
// Slip", the open purchase orders by number (fully reconciled orders are
// not on the key it reads), each with its vendor and the amount still to
// be reconciled, from which the receiving clerk opens an order to record
// a packing slip against it (&Reconcile, or a double click).
//
// Called with ViewRecord the list only shows the orders.
#pragma once

#include "host/framework/services/module_export.h"

namespace crvpo {

void browsePOReconcile();

}  // namespace crvpo

extern "C" {
CRV_EXPORT void BrowsePOReconcile();
}
