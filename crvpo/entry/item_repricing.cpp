// Repricing an order's lines from its new vendor's item records.
#include "crvpo/entry/item_repricing.h"

#include <vector>

#include "crvpo/entry/line_amounts.h"
#include "host/data/tables/inventory_tables.h"
#include "host/data/tables/purchasing_tables.h"
#include "host/framework/services/message_box.h"

namespace crvpo {
namespace {

// Keeps a table open for the length of a scope.
class OpenTable {
 public:
  explicit OpenTable(crv::Table& table) : table_(table) { table_.open(); }
  ~OpenTable() { table_.close(); }
  OpenTable(const OpenTable&) = delete;
  OpenTable& operator=(const OpenTable&) = delete;

 private:
  crv::Table& table_;
};

// True when the line in POD has an item with a record for the order's vendor
// (left in INV).
bool vendorPrices(crv::Id vendor) {
  if (crv::POD.ItemID.empty()) return false;
  return crv::fetchBy(crv::INVendor, crv::INVendorRecord::KeyItemVendor, [&] {
           crv::INV.ItemID = crv::POD.ItemID;
           crv::INV.VendorID = vendor;
         }) == crv::TableStatus::Ok;
}

// The DetailIDs of the order's lines in KeyPOID order.
std::vector<crv::Id> orderLines(crv::Id order) {
  std::vector<crv::Id> lines;
  crv::POD.clear();
  crv::POD.POID = order;
  crv::PODetail.setRange(crv::PODetailRecord::KeyPOID, 1);
  while (crv::PODetail.next() == crv::TableStatus::Ok) lines.push_back(crv::POD.DetailID);
  return lines;
}

bool loadLine(crv::Id detail) {
  return crv::fetchBy(crv::PODetail, crv::PODetailRecord::KeyDetailID, crv::POD.DetailID, detail) ==
         crv::TableStatus::Ok;
}

}  // namespace

RepricingResult resetItemPricing(crv::Id originatingLine) {
  RepricingResult result;
  OpenTable details(crv::PODetail);
  OpenTable vendorItems(crv::INVendor);
  const crv::Id vendor = crv::POM.VendorID;
  const std::vector<crv::Id> lines = orderLines(crv::POM.POID);

  bool otherLinePriced = false;
  for (crv::Id line : lines)
    if (line != originatingLine && loadLine(line) && vendorPrices(vendor)) {
      otherLinePriced = true;
      break;
    }
  if (!otherLinePriced) return result;

  result.asked = true;
  // A line that cannot be written is shown and the others are repriced.
  crv::StepFailureMessages failures;
  crv::TableSteps steps(failures);
  if (crv::message("Do you want to reset item pricing using this vendor's prices?", "Confirm Price Change",
                   crv::Icon::Question, "&Yes|&No") != 1)
    return result;

  for (crv::Id line : lines) {
    if (!loadLine(line) || !vendorPrices(vendor)) continue;
    crv::POD.VendorCatalogID = crv::INV.VendorCatalogID;
    crv::POD.UnitName = crv::INV.UnitName;
    crv::POD.UnitPrice = crv::INV.Price;
    crv::POD.PreTaxAmount = lineAmount(crv::POD.QtyOrdered, crv::POD.UnitPrice);
    crv::POD.TotalAmount = crv::POD.PreTaxAmount;
    if (steps.update(crv::PODetail)) ++result.repriced;
  }
  return result;
}

}  // namespace crvpo
