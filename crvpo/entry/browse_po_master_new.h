// BrowsePOMasterNew: "Purchase Orders", the order list sorted by clicking
// its column headers. A click on a header that has a key (PO Number, ID,
// Job) sorts by it; a second click reverses the order; the header shows
// "[+]" or "[-]". Each row carries its own tag; the space bar tags and
// moves down; Delete works on the tagged orders when any is tagged,
// otherwise on the highlighted one. Messages break their lines.
#pragma once

#include "host/framework/services/module_export.h"

namespace crvpo {

void browsePOMasterNew();

}  // namespace crvpo

extern "C" {
CRV_EXPORT void BrowsePOMasterNew();
}
