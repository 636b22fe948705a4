// BrowseINMaster: the list of inventory items, by item id or description,
// from which forms pick an item.
#pragma once

#include "host/framework/services/module_export.h"
#include "host/siblings/lookup_list.h"

namespace crv::siblings {

class BrowseINMasterWindow final : public LookupList {
 public:
  BrowseINMasterWindow();
};

}  // namespace crv::siblings

extern "C" {
// Lists the items. Called with GlobalRequest = SelectRecord, the chosen
// item is left in INM.
CRV_EXPORT void BrowseINMaster();
}
