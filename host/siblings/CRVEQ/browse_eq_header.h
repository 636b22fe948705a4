// BrowseEQHeader: the list of equipment, by equipment id or description,
// from which forms pick the equipment a line is charged to.
#pragma once

#include "host/framework/services/module_export.h"
#include "host/siblings/lookup_list.h"

namespace crv::siblings {

class BrowseEQHeaderWindow final : public LookupList {
 public:
  BrowseEQHeaderWindow();
};

}  // namespace crv::siblings

extern "C" {
// Lists the equipment. Called with GlobalRequest = SelectRecord, the chosen
// piece is left in EQH.
CRV_EXPORT void BrowseEQHeader();
}
