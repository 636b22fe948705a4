// Where the printing limits and the listing formats pick a purchase order
// from the purchase-order lists: PickPOMaster when a number is typed that
// no order has, BrowsePOMaster (called to select) behind the PO-number
// lookup buttons of the listing formats.
//
// The caller's POM buffer is left as it was: only the picked order's
// identifier and number come back.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "host/framework/values/scalars.h"

namespace crvpo {

struct PickedOrder {
  crv::Id poid = 0;
  std::string number;
};

// A typed number that no order has: the orders to pick from (PickPOMaster).
std::optional<PickedOrder> pickOrderForNumber(std::string_view typed);
// A lookup button: the list of orders to choose from (BrowsePOMaster).
std::optional<PickedOrder> browseOrdersToSelect();

}  // namespace crvpo
