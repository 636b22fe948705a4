// BrowseJCCost: the budget lines (cost codes) of one job, the job named in
// JOBFIELD, from which a line form picks the cost code it is charged to.
#pragma once

#include "host/framework/services/module_export.h"
#include "host/siblings/lookup_list.h"

namespace crv::siblings {

class BrowseJCCostWindow final : public LookupList {
 public:
  BrowseJCCostWindow();
};

}  // namespace crv::siblings

extern "C" {
// Lists the cost lines of the job in JOBFIELD (none when it is blank or
// unknown). Called with GlobalRequest = SelectRecord, the chosen line is
// left in JCC (its cost code as typed in JCC:EntryMask).
CRV_EXPORT void BrowseJCCost();
}
