// BrowseINVendor: vendor-item records (INVendor), the prices and minimum
// orders at which vendors supply items.
//
// Two views, chosen by REPORTFILTER when the list opens:
// - "Vendor " followed by a vendor number: every item that vendor
//   supplies, by item id (a line form's "Vendor Only" item lookup; it reads
//   the chosen record's item afterwards);
// - anything else: the vendors of the item in INM, in priority order.
// Called with GlobalRequest = SelectRecord, the chosen record is left in
// INV. INM and APV are left as the caller had them.
#pragma once

#include <optional>
#include <string_view>

#include "host/framework/services/module_export.h"
#include "host/framework/values/scalars.h"
#include "host/siblings/lookup_list.h"

namespace crv::siblings {

class BrowseINVendorWindow final : public LookupList {
 public:
  BrowseINVendorWindow();

  // The vendor a filter text "Vendor <number>" names; nullopt for any other
  // text. A number that cannot be read names no vendor (0).
  static std::optional<Id> vendorFrom(std::string_view filter);
};

}  // namespace crv::siblings

extern "C" {
CRV_EXPORT void BrowseINVendor();
}
