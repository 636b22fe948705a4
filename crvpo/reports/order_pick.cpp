// The stand-in for the purchase-order lists' picking.
#include "crvpo/reports/order_pick.h"

#include "host/framework/services/message_box.h"

namespace crvpo {

std::optional<PickedOrder> pickOrderForNumber(std::string_view typed) {
  crv::message("No purchase order is numbered " + std::string(typed) +
                   ".|Picking an order from the list of purchase orders is not available yet.",
               "Purchase Order Not Found", crv::Icon::Exclamation);
  return std::nullopt;
}

std::optional<PickedOrder> browseOrdersToSelect() {
  crv::message(
      "Picking an order from the list of purchase orders is not available yet.|Type the number instead.",
      "Purchase Orders", crv::Icon::Information);
  return std::nullopt;
}

}  // namespace crvpo
