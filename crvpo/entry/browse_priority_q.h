// BrowsePriorityQ: the read-only list "Higher Priority Vendors" over the
// module's priority-vendor queue, shown as a caller left it, with the rows'
// backgrounds alternating so long rows stay readable.
#pragma once

#include "crvpo/foundation/list_stripes.h"
#include "host/framework/services/module_export.h"

namespace crvpo {

void browsePriorityQ();

}  // namespace crvpo

extern "C" {
CRV_EXPORT void BrowsePriorityQ();
}
