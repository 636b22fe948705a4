// BrowseARCust: the customers, by name or by number; the Lists menu shows
// it, and order forms pick the customer an order ships to from it.
#pragma once

#include "host/framework/services/module_export.h"
#include "host/siblings/lookup_list.h"

namespace crv::siblings {

class BrowseARCustWindow final : public LookupList {
 public:
  BrowseARCustWindow();
};

}  // namespace crv::siblings

extern "C" {
// Called with GlobalRequest = SelectRecord, the chosen customer is left in
// ARC and the answer is RequestCompleted.
CRV_EXPORT void BrowseARCust();
}
