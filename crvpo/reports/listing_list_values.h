// What the values of a listing format's lists are, for the list editor:
// jobs ("JobID", by identifier or the start of a name), cost codes
// ("CostCode", the code without its category letter, as the listing
// compares them), vendors ("VendorID", by number) and purchase orders
// ("PONumber": typed by number, kept as the order's identifier). Each is
// checked against its table and has the lookup of its sibling list.
#pragma once

#include <string_view>

#include "host/siblings/CRVMISC/update_lim_list.h"

namespace crvpo {

crv::siblings::LimListKind listingListKind(std::string_view listName);

// Runs a sibling list (BrowseJCHeader, ...) to choose a row, which it
// leaves in its table's buffer; true when one was chosen.
bool chooseFromList(void (*list)());

// The cost code a listing compares: the first CostCodeLen characters.
std::string listingCostCode(std::string_view code);

}  // namespace crvpo
