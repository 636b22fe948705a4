// BrowseText: the stored texts of one kind of owner (Notes rows whose
// Filename is the owner named in REPORTFILTER, such as "PODetail" for the
// texts offered to order text lines), by heading.
#pragma once

#include "host/framework/services/module_export.h"
#include "host/siblings/lookup_list.h"

namespace crv::siblings {

class BrowseTextWindow final : public LookupList {
 public:
  BrowseTextWindow();
};

}  // namespace crv::siblings

extern "C" {
// Lists the stored texts of the owner in REPORTFILTER (none when it is
// blank). Called with GlobalRequest = SelectRecord, the chosen row is left
// in NOTE (its text in NOTE:Text).
CRV_EXPORT void BrowseText();
}
