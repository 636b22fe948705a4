// BrowseINLoc: the stock locations (warehouses, yards, trucks), from which
// a receiving form picks where goods go.
//
// Hand-over: the caller leaves the current location in INL:LocationID; the
// list opens on it, or on the location after it when there is no such
// location. Called with GlobalRequest = SelectRecord, the chosen location
// is left in INL.
#pragma once

#include "host/framework/services/module_export.h"
#include "host/siblings/lookup_list.h"

namespace crv::siblings {

class BrowseINLocWindow final : public LookupList {
 public:
  BrowseINLocWindow();
};

}  // namespace crv::siblings

extern "C" {
CRV_EXPORT void BrowseINLoc();
}
