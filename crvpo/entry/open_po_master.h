// OpenPOMaster: the desktop's "Open Purchase Order..." until the order
// list offers the same from its rows. The person types an order's number
// (or picks it from the orders by number) and changes, views, duplicates
// or deletes it (order_requests.h, duplicate_po.h). After a duplication
// the window holds the copy's number, ready to be changed.
#pragma once

#include "host/framework/services/module_export.h"

namespace crvpo {

void openPOMaster();

}  // namespace crvpo

extern "C" {
CRV_EXPORT void OpenPOMaster();
}
