// Picking a purchase order from the order lists.
#include "crvpo/reports/order_pick.h"

#include "crvpo/entry/browse_po_master.h"
#include "crvpo/entry/pick_po_master.h"
#include "crvpo/reports/listing_list_values.h"
#include "host/data/tables/purchasing_tables.h"

namespace crvpo {
namespace {

std::optional<PickedOrder> pickFrom(void (*list)()) {
  const crv::POMasterRecord before = crv::POM;
  std::optional<PickedOrder> picked;
  if (chooseFromList(list) && crv::POM.POID != 0)
    picked = PickedOrder{crv::POM.POID, crv::POM.PONumber.str()};
  crv::POM = before;
  return picked;
}

}  // namespace

std::optional<PickedOrder> pickOrderForNumber(std::string_view) { return pickFrom(PickPOMaster); }

std::optional<PickedOrder> browseOrdersToSelect() { return pickFrom(BrowsePOMaster); }

}  // namespace crvpo
