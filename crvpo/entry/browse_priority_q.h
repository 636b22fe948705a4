// BrowsePriorityQ: the read-only list "Higher Priority Vendors" over the
// module's priority-vendor queue, shown as a caller left it, with the rows'
// backgrounds alternating so long rows stay readable.
#pragma once

#include "host/framework/services/module_export.h"

namespace crvpo {

// The background of the 1-based row `position`: none (the list's normal
// colour) for odd rows, the button-face colour for even ones.
inline constexpr unsigned buttonFaceColour = 0xF0F0F0;

void browsePriorityQ();

}  // namespace crvpo

extern "C" {
CRV_EXPORT void BrowsePriorityQ();
}
