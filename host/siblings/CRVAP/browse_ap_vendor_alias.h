// BrowseAPVendorAlias: the vendors again, through the second buffer of the
// vendor table (APVA), for forms that pick a vendor other than the one
// they hold in APV: the ship-to vendor of an order.
#pragma once

#include "host/framework/services/module_export.h"
#include "host/siblings/lookup_list.h"

namespace crv::siblings {

class BrowseAPVendorAliasWindow final : public LookupList {
 public:
  BrowseAPVendorAliasWindow();
};

}  // namespace crv::siblings

extern "C" {
// Lists the vendors by name or number. Called with GlobalRequest =
// SelectRecord, the chosen vendor is left in APVA (APV is not touched) and
// the answer is RequestCompleted.
CRV_EXPORT void BrowseAPVendorAlias();
}
