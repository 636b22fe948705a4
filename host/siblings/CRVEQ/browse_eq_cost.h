// BrowseEQCost: the cost categories kept for one piece of equipment, the
// one named in EQUIPFIELD, from which a line form picks the category a line
// is charged to.
#pragma once

#include "host/framework/services/module_export.h"
#include "host/siblings/lookup_list.h"

namespace crv::siblings {

class BrowseEQCostWindow final : public LookupList {
 public:
  BrowseEQCostWindow();
};

}  // namespace crv::siblings

extern "C" {
// Lists the cost categories of the equipment in EQUIPFIELD (none when it
// is blank or unknown). Called with GlobalRequest = SelectRecord, the
// chosen category is left in EQC.
CRV_EXPORT void BrowseEQCost();
}
