// BrowseARShipTo: the other ship-to addresses of one customer, the one
// whose number the caller put in GlobalReportLimit.
#pragma once

#include "host/framework/services/module_export.h"
#include "host/siblings/lookup_list.h"

namespace crv::siblings {

class BrowseARShipToWindow final : public LookupList {
 public:
  BrowseARShipToWindow();
};

}  // namespace crv::siblings

extern "C" {
// Called with GlobalRequest = SelectRecord, the chosen address is left in
// ARS and the answer is RequestCompleted.
CRV_EXPORT void BrowseARShipTo();
}
