// BrowseINBin: the bins (areas) of a stock location, from which a
// receiving form picks where within the location goods go.
//
// Hand-over: JOBFIELD names the location whose bins are listed (blank: the
// bins of every location, by bin); the caller leaves the current bin in
// INBN:BinID and the list opens on it, or on the bin after it. Called with
// GlobalRequest = SelectRecord, the chosen bin is left in INBN.
#pragma once

#include "host/framework/services/module_export.h"
#include "host/siblings/lookup_list.h"

namespace crv::siblings {

class BrowseINBinWindow final : public LookupList {
 public:
  BrowseINBinWindow();
};

}  // namespace crv::siblings

extern "C" {
CRV_EXPORT void BrowseINBin();
}
