// The line form's ways of being opened and keyed: the keypad keys of the
// Detail Type list, one insert after another with repetitive insert,
// viewing a line and lines of an order opened for viewing only, and the
// price a purchase unit takes from the item and its conversion.
#include <gtest/gtest.h>

#include "host/data/tables/suite_tables.h"
#include "line_form_fixture.h"

namespace crvpo::test {
namespace {

using crv::ui::HeadlessDriver;

class LineFormModesTest : public LineFormDrivingTest {};

TEST_F(LineFormModesTest, KeypadKeysChooseTheDetailTypeOnlyInTheDetailTypeList) {
  HeadlessDriver person;
  insertOn(person, crv::demo::inventoryOrder);
  person.pick("?POD:DetailType", "Inventory");
  person.type("?POD:ItemID", crv::demo::qtyExemptItem);
  person.press("?OK");
  person.expectMessage("Exempt Item");
  person.answer("OK");
  ASSERT_EQ(person.focus(), "?POD:DetailType");

  person.key("Keypad5");
  EXPECT_EQ(person.shown("?POD:DetailType"), "Job");
  EXPECT_FALSE(person.isHidden("?POD:JobID"));
  EXPECT_FALSE(person.isHidden("?POD:CostCode"));
  EXPECT_FALSE(person.isHidden("?POD:ChangeOrder"));
  person.key("Keypad6");
  EXPECT_EQ(person.shown("?POD:DetailType"), "G/L Account");
  EXPECT_FALSE(person.isHidden("?POD:Account"));
  EXPECT_TRUE(person.isHidden("?POD:JobID"));
  person.key("KeypadDecimal");
  EXPECT_EQ(person.shown("?POD:DetailType"), "Equipment");
  EXPECT_FALSE(person.isHidden("?POD:EquipmentID"));
  EXPECT_FALSE(person.isHidden("?POD:CostCategory"));
  EXPECT_TRUE(person.isHidden("?POD:Account"));
  person.key("Keypad3");
  EXPECT_EQ(person.shown("?POD:DetailType"), "Inventory");
  EXPECT_TRUE(person.isHidden("?POD:EquipmentID"));

  // Away from the list the keypad is digits again.
  person.type("?POD:Description", "Gloves");
  person.key("Keypad5");
  EXPECT_EQ(person.shown("?POD:DetailType"), "Inventory");
  person.press("?Cancel");
  person.expectFinished();
}

TEST_F(LineFormModesTest, KeypadKeysOfATypeTheCompanyDoesNotOfferDoNothing) {
  crv::EQPURCHASE = 0;
  HeadlessDriver person;
  insertOn(person, crv::demo::inventoryOrder);
  person.pick("?POD:DetailType", "Inventory");
  person.type("?POD:ItemID", crv::demo::qtyExemptItem);
  person.press("?OK");
  person.expectMessage("Exempt Item");
  person.answer("OK");
  person.key("KeypadDecimal");
  EXPECT_EQ(person.shown("?POD:DetailType"), "Inventory");
  EXPECT_TRUE(person.isHidden("?POD:EquipmentID"));
  person.press("?Cancel");
  person.expectFinished();
}

TEST_F(LineFormModesTest, RepetitiveInsertReopensTheFormBlankAfterEachLine) {
  entryState().RepetitiveInsert = true;
  HeadlessDriver person;
  insertOn(person, crv::demo::openJobOrder);  // three lines already
  person.type("?POD:Description", "Blocking 2x10");
  person.type("?POD:JobID", crv::demo::mainJob);
  person.type("?POD:CostCode", "06-100M");
  person.type("?POD:QtyOrdered", "4");
  person.type("?POD:UnitPrice", "12.5");
  person.press("?OK");
  person.expectWindow("Adding Purchase Order Detail");
  EXPECT_EQ(person.shown("?POD:Description"), "");
  EXPECT_EQ(person.shown("?POD:QtyOrdered"), "1.0000");
  EXPECT_EQ(person.shown("?POD:TotalAmount"), "0.00");
  EXPECT_EQ(person.shown("?POD:DetailType"), "Job");

  person.type("?POD:Description", "Hangers");
  person.type("?POD:JobID", crv::demo::mainJob);
  person.type("?POD:CostCode", "06-100M");
  person.type("?POD:UnitPrice", "3");
  person.press("?OK");
  person.expectWindow("Adding Purchase Order Detail");
  person.press("?Cancel");
  person.expectFinished();
  EXPECT_EQ(person.response(), crv::RequestCompleted);

  // Both lines are on the order, after its last line and in the order typed.
  crv::PODetail.open();
  crv::POD.clear();
  crv::POD.POID = crv::POM.POID;
  ASSERT_EQ(crv::PODetail.setRange(crv::PODetailRecord::KeyPOID, 1), crv::TableStatus::Ok);
  std::vector<std::pair<crv::Id, std::string>> lines;
  while (crv::PODetail.next() == crv::TableStatus::Ok)
    lines.emplace_back(crv::POD.SequenceNo, crv::POD.Description.str());
  crv::PODetail.close();
  ASSERT_EQ(lines.size(), 5u);
  EXPECT_EQ(lines[3], std::make_pair(crv::Id{4}, std::string("Blocking 2x10")));
  EXPECT_EQ(lines[4], std::make_pair(crv::Id{5}, std::string("Hangers")));
}

// Each line of a repetitive insert opens as a fresh form: the last line's
// type, unit field, vendor minimum and text layout stay behind.
TEST_F(LineFormModesTest, EachLineOfARepetitiveInsertOpensAsAFreshForm) {
  entryState().RepetitiveInsert = true;
  HeadlessDriver person;
  insertOn(person, crv::demo::inventoryOrder);  // vendor 110 sells the screws by the BOX, 10 at least
  person.pick("?POD:DetailType", "Inventory");
  person.type("?POD:ItemID", crv::demo::boxedItem);
  EXPECT_EQ(person.shown("?POD:QtyOrdered"), "10.0000");
  person.press("?OK");

  person.expectWindow("Adding Purchase Order Detail");
  EXPECT_EQ(person.shown("?POD:DetailType"), "Job");
  EXPECT_FALSE(person.isHidden("?POD:JobID"));
  EXPECT_TRUE(person.isHidden("?PurchaseUnit"));
  EXPECT_FALSE(person.isHidden("?POD:UnitName"));
  person.type("?POD:Description", "Shop towels");
  person.type("?POD:QtyOrdered", "5");  // the last line's minimum of 10 is not this line's
  person.expectWindow("Adding Purchase Order Detail");
  person.pick("?POD:DetailType", "G/L Account");
  person.type("?POD:Account", crv::demo::suppliesAccount);
  person.type("?POD:UnitPrice", "4");
  person.press("?OK");

  person.expectWindow("Adding Purchase Order Detail");
  EXPECT_EQ(person.shown("?POD:DetailType"), "Job");
  EXPECT_FALSE(person.isHidden("?POD:JobID"));
  EXPECT_TRUE(person.isHidden("?POD:Account"));
  EXPECT_EQ(person.shown("?Distribution1"), "");
  person.tick("?POD:TextFlag", true);
  person.type("?POD:Text", "Call before delivery");
  person.press("?OK");

  person.expectWindow("Adding Purchase Order Detail");
  EXPECT_FALSE(person.isHidden("?DistributionGroup"));
  EXPECT_TRUE(person.isHidden("?POD:Text"));
  person.press("?Cancel");
  person.expectFinished();
  EXPECT_EQ(person.response(), crv::RequestCompleted);
}

// A new line starts on a type the company offers: a company without job
// cost never primes the order's default job, and a default line type the
// company does not use starts the line on an account.
TEST_F(LineFormModesTest, ANewLineStartsOnATypeTheCompanyOffers) {
  struct Case {
    crv::Flag generic;
    crv::Flag inventory;
    std::string_view order;
    const char* defaultType;
    const char* field;  // the field shown for the primed type
  };
  const Case cases[] = {
      {1, 0, crv::demo::openJobOrder, "Job", "?POD:Account"},  // default job 2401 on the order
      {0, 0, crv::demo::inventoryOrder, "Inventory", "?POD:Account"},
      {0, 1, crv::demo::inventoryOrder, "Text", "?POD:Text"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.defaultType);
    crv::GENERIC = c.generic;
    crv::INPURCHASE = c.inventory;
    crv::Systems.open();
    ASSERT_TRUE(crv::readFirst(crv::Systems, crv::SystemsRecord::KeySystemID));
    crv::SYS.PODefaultDetailType = c.defaultType;
    ASSERT_EQ(crv::Systems.update(), crv::TableStatus::Ok);
    crv::Systems.close();
    HeadlessDriver person;
    insertOn(person, c.order);
    EXPECT_FALSE(person.isHidden(c.field));
    EXPECT_TRUE(person.isHidden("?POD:JobID"));
    EXPECT_EQ(crv::POD.JobID, "");
    if (std::string_view(c.field) == "?POD:Account") {
      EXPECT_EQ(crv::POD.DetailType, "G/L Account");
      EXPECT_NE(person.shown("?Distribution1"), "Cedar Hills Elementary Addition");
    }
    person.press("?Cancel");
    person.expectFinished();
  }
}

TEST_F(LineFormModesTest, ViewingALineOffersNothingToChangeAndWritesNothing) {
  loadLine(crv::demo::changeOrderOrder, 1);
  const crv::Id detail = crv::POD.DetailID;
  const std::string description = crv::POD.Description.str();
  HeadlessDriver person;
  open(person, crv::ViewRecord, "View Record");
  EXPECT_EQ(person.shown("?POD:JobID"), "2401");
  EXPECT_EQ(person.shown("?ChangeOrderDescription"), "Covered walkway at north entry");
  EXPECT_EQ(person.shown("?Distribution1"), "Cedar Hills Elementary Addition");

  EXPECT_ANY_THROW(person.type("?POD:Description", "Changed"));
  EXPECT_ANY_THROW(person.type("?POD:QtyOrdered", "99"));
  EXPECT_ANY_THROW(person.tick("?POD:Taxable", true));
  EXPECT_ANY_THROW(person.pick("?POD:DetailType", "G/L Account"));
  EXPECT_ANY_THROW(person.press("?POD:JobID:Lookup"));
  EXPECT_ANY_THROW(person.press("?POD:ChangeOrder:Lookup"));
  EXPECT_TRUE(person.isHidden("?Add"));
  EXPECT_TRUE(person.isHidden("?Change"));
  EXPECT_TRUE(person.isHidden("?Select"));
  EXPECT_FALSE(person.isDisabled("?OK"));

  person.press("?OK");
  person.expectFinished();
  EXPECT_EQ(person.response(), crv::RequestCancelled);
  reread(detail);
  EXPECT_EQ(crv::POD.Description, description);
}

TEST_F(LineFormModesTest, ALineOfAnOrderOpenedForViewingOnlyCannotBeSaved) {
  loadLine(crv::demo::inventoryOrder, 1);
  const crv::Id detail = crv::POD.DetailID;
  const crv::Quantity ordered = crv::POD.QtyOrdered;
  entryState().POViewOnly = true;
  HeadlessDriver person;
  open(person, crv::ChangeRecord, "Changing Purchase Order Detail");
  EXPECT_TRUE(person.isDisabled("?OK"));
  EXPECT_ANY_THROW(person.type("?POD:QtyOrdered", "99"));
  EXPECT_ANY_THROW(person.pick("?PurchaseUnit", "EA"));
  EXPECT_ANY_THROW(person.press("?POD:ItemID:Lookup"));
  EXPECT_TRUE(person.isHidden("?Add"));
  EXPECT_TRUE(person.isHidden("?Select"));
  EXPECT_EQ(person.rows("?PriorityList").size(), 3u);  // still there to read

  person.press("?Cancel");
  person.expectFinished();
  EXPECT_EQ(person.response(), crv::RequestCancelled);
  reread(detail);
  EXPECT_EQ(crv::POD.QtyOrdered, ordered);
  EXPECT_EQ(entryState().NewVendorID, 0u);
}

// A purchase unit the vendor does not price is priced from the item: its
// price per stock unit times the unit's size, so the amount is what that
// many stock units cost; back in the stock unit the item's own price
// returns. The line keeps the conversion it was worked out with, which
// stock on order and receipts count at.
TEST_F(LineFormModesTest, APurchaseUnitIsPricedFromTheItemTimesItsSize) {
  HeadlessDriver person;
  insertOn(person, crv::demo::inventoryOrder);  // vendor 110 has no record for the cable
  person.pick("?POD:DetailType", "Inventory");
  person.type("?POD:ItemID", "WIRE-12-2");  // FT at 0.52, ROLL of 250
  EXPECT_EQ(person.shown("?PurchaseUnit"), "FT");
  EXPECT_EQ(person.shown("?POD:UnitPrice"), "0.52000");
  person.pick("?PurchaseUnit", "ROLL (250)");
  EXPECT_EQ(person.shown("?POD:UnitPrice"), "130.00000");
  EXPECT_EQ(person.shown("?POD:TotalAmount"), "130.00");
  person.pick("?PurchaseUnit", "FT");
  EXPECT_EQ(person.shown("?POD:UnitPrice"), "0.52000");
  person.pick("?PurchaseUnit", "ROLL (250)");
  EXPECT_EQ(person.focus(), "?POD:QtyOrdered");
  person.type("?POD:QtyOrdered", "3");
  EXPECT_EQ(person.shown("?POD:TotalAmount"), "390.00");
  person.press("?OK");
  person.expectFinished();
  ASSERT_EQ(person.response(), crv::RequestCompleted);
  reread(crv::POD.DetailID);
  EXPECT_EQ(crv::POD.UnitName, "ROLL");
  EXPECT_EQ(crv::POD.INVQuantity, crv::Quantity(750));
  crv::INCnvrt.open();
  crv::INC.ConversionID = crv::POD.ConversionID;
  ASSERT_EQ(crv::INCnvrt.fetch(crv::INCnvrtRecord::KeyConversionID), crv::TableStatus::Ok);
  crv::INCnvrt.close();
  EXPECT_EQ(crv::INC.ItemID, "WIRE-12-2");
  EXPECT_EQ(crv::INC.UnitName, "ROLL");
}

// The vendor's own price for a unit wins over the item's price times the
// unit's size; the stock unit without a vendor's price is the item's.
TEST_F(LineFormModesTest, TheVendorsPriceForAUnitIsKeptWhenTheUnitIsChosenAgain) {
  HeadlessDriver person;
  insertOn(person, crv::demo::inventoryOrder);  // vendor 110 sells the screws by the BOX at 8.25
  person.pick("?POD:DetailType", "Inventory");
  person.type("?POD:ItemID", crv::demo::boxedItem);
  EXPECT_EQ(person.shown("?PurchaseUnit"), "BOX (50)");
  EXPECT_EQ(person.shown("?POD:UnitPrice"), "8.25000");
  person.pick("?PurchaseUnit", "EA");
  EXPECT_EQ(person.shown("?POD:UnitPrice"), "0.19000");
  person.pick("?PurchaseUnit", "BOX (50)");
  EXPECT_EQ(person.shown("?POD:UnitPrice"), "8.25000");
  person.press("?Cancel");
  person.expectFinished();
}

}  // namespace
}  // namespace crvpo::test
