// BrowseGLMaster: the chart of accounts, by account number or description,
// from which forms pick a general-ledger account.
#pragma once

#include "host/framework/services/module_export.h"
#include "host/siblings/lookup_list.h"

namespace crv::siblings {

class BrowseGLMasterWindow final : public LookupList {
 public:
  BrowseGLMasterWindow();
};

}  // namespace crv::siblings

extern "C" {
// Lists the accounts. Called with GlobalRequest = SelectRecord, the chosen
// account is left in GLM.
CRV_EXPORT void BrowseGLMaster();
}
