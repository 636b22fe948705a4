// BrowseJCCode: the company's catalogue of cost codes (every code with its
// category letter), from which limits and other forms pick a cost code
// without regard to a job.
#pragma once

#include "host/framework/services/module_export.h"
#include "host/siblings/lookup_list.h"

namespace crv::siblings {

class BrowseJCCodeWindow final : public LookupList {
 public:
  BrowseJCCodeWindow();
};

}  // namespace crv::siblings

extern "C" {
// Lists the cost-code catalogue by code. Called with GlobalRequest =
// SelectRecord, the chosen code is left in JCD.
CRV_EXPORT void BrowseJCCode();
}
