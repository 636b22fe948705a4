// The vendor name list behind the header form's vendor name drop list
// (VendorNameList): every vendor's number and name, sorted by name, with
// one blank entry (number 0) first.
//
// The purchase-order list fills it when it opens; a header form opened
// without one fills it itself. The header form adds a vendor it takes and
// renames the entry of a vendor whose name changed since.
#pragma once

#include <string_view>
#include <vector>

#include "crvpo/entry/entry_state.h"
#include "host/framework/table/table.h"

namespace crvpo {

// Fills the list from the vendor table on `connection`; false (list left
// as it was) when the vendors cannot be read.
bool fillVendorNameList(crv::Connection& connection, std::vector<VendorNameEntry>& list);

// Adds the vendor, or renames its entry, and keeps the list in name order.
void rememberVendorName(std::vector<VendorNameEntry>& list, crv::Id vendorId, std::string_view name);

// The position of a vendor's entry, -1 when it has none.
int vendorNameIndex(const std::vector<VendorNameEntry>& list, crv::Id vendorId);

}  // namespace crvpo
