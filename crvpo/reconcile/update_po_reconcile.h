// UpdatePOReconcile: one purchase order opened to record a packing slip
// against it ("Reconciling a Purchase Order"): the vendor, the order's
// dates and totals, and its lines with what was ordered, invoiced and
// received on earlier packing slips and on this one. "&Change Quantity
// Received This Pack Slip" (or a double click) opens the highlighted line
// in ReconcilePODetail, which records the receipt at once.
//
// However the form is left (OK, Cancel, the close box), each line's
// quantity on this packing slip is moved into the prior packing slips, so
// the next visit starts with nothing on this one; a view moves nothing.
// OK writes the order with its totals worked out again from its lines.
//
// The caller leaves the order in POM (read through POMaster) and the
// request (ChangeRecord or ViewRecord) in GlobalRequest.
#pragma once

namespace crvpo {

void updatePOReconcile();

}  // namespace crvpo
