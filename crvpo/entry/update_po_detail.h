// UpdatePODetail: the form on which one line of a purchase order is added,
// changed or viewed. It prices inventory items from the vendor's item
// record, keeps quantity, price and amount consistent, describes what the
// line is charged to, offers the item's vendors in priority order and runs
// the line checks and the over-budget warning before the line is written.
//
// The caller leaves the order in POM and, for a change or view, the line in
// POD, and the request in GlobalRequest; the answer is in GlobalResponse.
// A vendor taken from the priority list is left in entryState().
#pragma once

#include "host/framework/services/module_export.h"

namespace crvpo {

void updatePODetail();

}  // namespace crvpo

extern "C" {
CRV_EXPORT void UpdatePODetail();
}
