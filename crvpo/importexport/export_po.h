// ExportPO: the window "Purchase Order Export" that writes the purchase
// orders tagged in an order list (TAGQUE) to the exchange file named.
//
// "&Proceed" with a blank file name returns to the name; otherwise the
// orders are written (purchase_order_export.h), the user is told how many
// of them were partly or fully reconciled and went out as open, the file
// is shown (text editor, or a viewer where there is none) when "Preview
// the text file before closing" is ticked or "Export Process Complete" is
// said, and the tag list is emptied. "&Cancel" writes nothing.
//
// Opened with nothing tagged (from the Purchasing menu, say) the window
// offers to export all purchase orders instead, so the export can be used
// without a list that tags orders.
#pragma once

#include "host/framework/services/module_export.h"

namespace crvpo {

void exportPO();

}  // namespace crvpo

extern "C" {
CRV_EXPORT void ExportPO();
}
