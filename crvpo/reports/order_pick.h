// Where the printing limits and the listing formats pick a purchase order
// from the purchase-order lists: PickPOMaster when a number is typed that
// no order has, BrowsePOMaster (called to select) behind the PO-number
// lookup buttons of the listing formats.
//
// Those lists are not part of the module yet. Until they are, these two
// functions are the only place that stands in for them: they tell the
// person that orders cannot be picked from a list yet and pick nothing, so
// the field that asked is selected again. Wiring the lists in means
// calling them here with GlobalRequest = SelectRecord and answering the
// order left in POM when the answer is RequestCompleted.
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
