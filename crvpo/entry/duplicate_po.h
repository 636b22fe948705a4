// DuplicatePO: the dialog that shows the order to be copied (in POM) and
// lets the user set the copy's number and dates. It starts from the
// proposal in entryState().Duplicate, leaves the user's values there and
// sets entryState().DuplicateProceed when the user pressed Proceed. The
// Accept, Delivery and Deadline rows follow the company's settings as the
// caller left them in SYS.
//
// duplicatePurchaseOrder() is the lists' Duplicate action around it: the
// proposal, the dialog and the copy (purchase_order_duplication.h).
#pragma once

#include "host/framework/services/module_export.h"
#include "host/framework/values/scalars.h"

namespace crvpo {

void duplicatePO();

// Duplicates the order with identifier `source` after the dialog; answers
// the copy's POID, 0 when the user cancelled or the copy failed (the user
// was told why). The copy is left in POM.
crv::Id duplicatePurchaseOrder(crv::Id source);

}  // namespace crvpo

extern "C" {
CRV_EXPORT void DuplicatePO();
}
