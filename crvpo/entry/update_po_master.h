// UpdatePOMaster: the window on which one purchase order is added,
// changed, viewed or deleted: its vendor, where the goods go, its number,
// dates, default job, purchasing agent and terms, its lines, the invoices
// that reconciled it, its attachments and notes, and its totals and tax.
//
// The caller leaves the order in POM (for an insert the form primes a new
// one) and the request in GlobalRequest; the answer is in GlobalResponse:
// RequestCompleted when the order was written or deleted. OK saves the
// order with its commitments (purchase_order_save.h); Cancel puts back
// what the form changed (order_edit_undo.h). Its help is
// "html/PO_Enter_Purchase_Orders.htm#po_insert_or_change_a_purchase_order_screen".
#pragma once

#include "host/framework/services/module_export.h"

namespace crvpo {

void updatePOMaster();

}  // namespace crvpo

extern "C" {
CRV_EXPORT void UpdatePOMaster();
}
