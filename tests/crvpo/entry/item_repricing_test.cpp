// Repricing an order's lines after its vendor changed: asked only when
// another line has the new vendor's price, and on Yes every such line takes
// the vendor's catalogue number, unit and price with its amount recomputed.
#include "crvpo/entry/item_repricing.h"

#include <gtest/gtest.h>

#include <map>
#include <string>

#include "host/framework/ui/headless/headless_driver.h"
#include "line_form_fixture.h"

namespace crvpo::test {
namespace {

using crv::ui::HeadlessDriver;

struct Line {
  crv::Id DetailID = 0;
  std::string VendorCatalogID;
  double UnitPrice = 0;
  crv::Quantity QtyOrdered;
  crv::Amount PreTaxAmount;
  crv::Amount TotalAmount;
};

class ItemRepricingTest : public LineFormTest {
 protected:
  // The order's lines by item.
  std::map<std::string, Line> lines() {
    std::map<std::string, Line> found;
    crv::PODetail.open();
    crv::POD.clear();
    crv::POD.POID = crv::POM.POID;
    crv::PODetail.setRange(crv::PODetailRecord::KeyPOID, 1);
    while (crv::PODetail.next() == crv::TableStatus::Ok)
      found[crv::POD.ItemID.str()] = {crv::POD.DetailID,     crv::POD.VendorCatalogID.str(),
                                      crv::POD.UnitPrice,    crv::POD.QtyOrdered,
                                      crv::POD.PreTaxAmount, crv::POD.TotalAmount};
    crv::PODetail.close();
    return found;
  }

  RepricingResult result;
};

TEST_F(ItemRepricingTest, AskedWhenAnotherLineHasThePriceAndRepricesEverySuchLineOnYes) {
  loadOrder(crv::demo::inventoryOrder);  // vendor 110: screws by the BOX, generators
  auto before = lines();
  const crv::Id screws = before.at(std::string(crv::demo::boxedItem)).DetailID;
  // The screws are a taxed line of 7 boxes: its repriced amount leaves the
  // tax out.
  crv::PODetail.open();
  crv::POD.clear();
  crv::POD.DetailID = screws;
  ASSERT_EQ(crv::PODetail.fetch(crv::PODetailRecord::KeyDetailID), crv::TableStatus::Ok);
  crv::POD.QtyOrdered = crv::Quantity(7);
  crv::POD.Taxable = 1;
  crv::POD.TaxAmount = crv::Amount::fromRaw(433);
  crv::POD.TotalAmount = crv::POD.PreTaxAmount + crv::POD.TaxAmount;
  ASSERT_EQ(crv::PODetail.update(), crv::TableStatus::Ok);
  crv::PODetail.close();
  crv::POM.VendorID = 111;  // sells both the screws and the generator
  HeadlessDriver person;
  person.start([&] { result = resetItemPricing(screws); }, "Vendor");
  const crv::MessageRequest shown = person.expectMessage(
      "Confirm Price Change", "Do you want to reset item pricing using this vendor's prices?");
  EXPECT_EQ(shown.icon, crv::Icon::Question);
  person.answer("Yes");
  person.expectFinished();
  EXPECT_TRUE(result.asked);
  EXPECT_EQ(result.repriced, 2);

  auto after = lines();
  const Line& box = after.at(std::string(crv::demo::boxedItem));
  EXPECT_EQ(box.VendorCatalogID, "TCH-44817");
  EXPECT_DOUBLE_EQ(box.UnitPrice, 8.60);
  EXPECT_EQ(box.QtyOrdered, crv::Quantity(7));
  EXPECT_EQ(box.PreTaxAmount, crv::Amount::fromRaw(6020));  // 7 x 8.60
  EXPECT_EQ(box.TotalAmount, crv::Amount::fromRaw(6020));
  const Line& generator = after.at(std::string(crv::demo::serializedItem));
  EXPECT_DOUBLE_EQ(generator.UnitPrice, 1299.00);
  EXPECT_EQ(generator.QtyOrdered, before.at(std::string(crv::demo::serializedItem)).QtyOrdered);
  EXPECT_EQ(generator.TotalAmount.raw(),
            static_cast<std::int64_t>(generator.QtyOrdered.raw()) * 129900 / crv::Quantity::scale);
  // The account line has no item and stays as it was.
  EXPECT_EQ(after.at("").TotalAmount, before.at("").TotalAmount);
}

TEST_F(ItemRepricingTest, NotAskedWhenOnlyTheOriginatingLineHasThePrice_AndNoLeavesLinesAlone) {
  loadOrder(crv::demo::inventoryOrder);
  auto before = lines();
  const crv::Id generator = before.at(std::string(crv::demo::serializedItem)).DetailID;
  crv::POM.VendorID = 130;  // prices only the generator
  {
    HeadlessDriver person;
    person.start([&] { result = resetItemPricing(generator); }, "Vendor");
    person.expectFinished();
    EXPECT_FALSE(result.asked);
  }
  crv::POM.VendorID = 111;
  HeadlessDriver person;
  person.start([&] { result = resetItemPricing(generator); }, "Vendor");
  person.expectMessage("Confirm Price Change");
  person.answer("No");
  person.expectFinished();
  EXPECT_EQ(result.repriced, 0);
  EXPECT_DOUBLE_EQ(lines().at(std::string(crv::demo::serializedItem)).UnitPrice,
                   before.at(std::string(crv::demo::serializedItem)).UnitPrice);
}

}  // namespace
}  // namespace crvpo::test
