// BrowseJCHeader: the list of jobs, sorted by job id or by name, from which
// forms pick the job a line or an order is charged to.
#pragma once

#include "host/framework/services/module_export.h"
#include "host/siblings/lookup_list.h"

namespace crv::siblings {

class BrowseJCHeaderWindow final : public LookupList {
 public:
  BrowseJCHeaderWindow();
};

}  // namespace crv::siblings

extern "C" {
// Lists the jobs. Called with GlobalRequest = SelectRecord, the chosen job
// is left in JCH and the answer is RequestCompleted.
CRV_EXPORT void BrowseJCHeader();
}
