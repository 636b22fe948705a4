// The line form driven as a person would on the demo company: pricing from
// the vendor's item record or the item, the minimum-quantity question, the
// amount typed back into price or quantity, job and cost-code checks,
// change orders, the priority-vendor list, the OK refusals and what OK
// stores (text lines, Canadian taxes, stock quantities), and the
// over-budget warning's Cancel.
#include "crvpo/entry/update_po_detail.h"

#include <gtest/gtest.h>

#include "host/framework/ui/headless/headless_driver.h"
#include "line_form_fixture.h"

namespace crvpo::test {
namespace {

using crv::ui::HeadlessDriver;

class UpdatePODetailTest : public LineFormDrivingTest {};

TEST_F(UpdatePODetailTest, VendorItemRecordPricesTheLineAndSetsTheMinimumQuantity) {
  HeadlessDriver person;
  insertOn(person, crv::demo::inventoryOrder);  // vendor 110 sells the screws by the BOX of 50, 10 minimum
  EXPECT_EQ(person.shown("?POD:QtyOrdered"), "1.0000");
  person.pick("?POD:DetailType", "Inventory");
  person.type("?POD:ItemID", crv::demo::boxedItem);
  EXPECT_EQ(person.shown("?POD:QtyOrdered"), "10.0000");
  EXPECT_EQ(person.shown("?POD:UnitPrice"), "8.25000");
  EXPECT_EQ(person.shown("?POD:TotalAmount"), "82.50");
  EXPECT_EQ(person.shown("?POD:VendorCatalogID"), "CF-DS310-50");
  EXPECT_FALSE(person.isHidden("?PurchaseUnit"));
  EXPECT_EQ(person.focus(), "?POD:QtyOrdered");
  EXPECT_EQ(person.rows("?PriorityList").size(), 3u);

  person.type("?POD:QtyOrdered", "5");
  person.expectMessage(
      "Confirm Quantity",
      "The minimum order quantity from this vendor is 10 BOX.  Do you wish to continue with your "
      "ordered quantity or re-enter the quantity?");
  person.answer("Re-enter");
  EXPECT_EQ(person.shown("?POD:QtyOrdered"), "10.0000");
  EXPECT_EQ(person.focus(), "?POD:QtyOrdered");

  person.type("?POD:QtyOrdered", "20");
  EXPECT_EQ(person.shown("?POD:TotalAmount"), "165.00");
  person.type("?POD:QtyOrdered", "5");
  person.expectMessage("Confirm Quantity");
  person.answer("Continue");
  EXPECT_EQ(person.shown("?POD:QtyOrdered"), "5.0000");
  EXPECT_EQ(person.shown("?POD:TotalAmount"), "41.25");

  person.type("?POD:QtyOrdered", "10");
  person.press("?OK");
  person.expectFinished();
  EXPECT_EQ(person.response(), crv::RequestCompleted);
  const crv::Id detail = crv::POD.DetailID;
  reread(detail);
  EXPECT_EQ(crv::POD.UnitName, "BOX");
  EXPECT_EQ(crv::POD.INVQuantity, crv::Quantity(500));  // 10 BOX of 50 EA
  EXPECT_EQ(crv::POD.Reconciliation, 0);
  EXPECT_EQ(crv::POD.TotalAmount, *crv::Amount::parse("82.50"));
}

TEST_F(UpdatePODetailTest, ItemRecordPricesTheLineWhenTheVendorHasNoneAndQuantityStaysOne) {
  HeadlessDriver person;
  insertOn(person, crv::demo::inventoryOrder);
  person.pick("?POD:DetailType", "Inventory");
  person.type("?POD:ItemID", "DRYWALL-58");
  EXPECT_EQ(person.shown("?POD:QtyOrdered"), "1.0000");
  EXPECT_EQ(person.shown("?POD:UnitPrice"), "16.40000");
  EXPECT_EQ(person.shown("?POD:TotalAmount"), "16.40");
  person.type("?POD:QtyOrdered", "0.5");  // no vendor minimum: no question
  EXPECT_EQ(person.shown("?POD:TotalAmount"), "8.20");
  person.press("?Cancel");
  person.expectFinished();
  EXPECT_EQ(person.response(), crv::RequestCancelled);
}

TEST_F(UpdatePODetailTest, TypedAmountSetsThePriceOrTheQuantity) {
  HeadlessDriver person;
  insertOn(person, crv::demo::openJobOrder);
  person.type("?POD:Description", "Blocking");
  person.type("?POD:QtyOrdered", "8");
  person.type("?POD:UnitPrice", "10");
  EXPECT_EQ(person.shown("?POD:TotalAmount"), "80.00");
  person.type("?POD:TotalAmount", "100");
  EXPECT_EQ(person.shown("?POD:UnitPrice"), "12.50000");
  EXPECT_EQ(person.shown("?POD:TotalAmount"), "100.00");

  person.type("?POD:QtyOrdered", "0");
  EXPECT_EQ(person.shown("?POD:TotalAmount"), "100.00");  // a zero quantity leaves the amount
  person.type("?POD:UnitPrice", "25");
  person.type("?POD:TotalAmount", "100");
  EXPECT_EQ(person.shown("?POD:QtyOrdered"), "4.0000");
  EXPECT_EQ(person.shown("?POD:TotalAmount"), "100.00");
  person.press("?Cancel");
  person.expectFinished();
}

TEST_F(UpdatePODetailTest, ClosedAndInactiveJobsAndCostCodeChecks) {
  HeadlessDriver person;
  insertOn(person, crv::demo::openJobOrder);
  EXPECT_EQ(person.shown("?POD:DetailType"), "Job");
  person.type("?POD:JobID", crv::demo::closedJob);
  person.expectMessage("Job is Closed",
                       "Job 2301 is closed to new transactions, please select a different Job ID.");
  person.answer("OK");
  EXPECT_EQ(person.shown("?POD:JobID"), "");
  EXPECT_EQ(person.focus(), "?POD:JobID");

  person.type("?POD:JobID", crv::demo::inactiveJob);
  person.expectMessage("Assign to Inactive Job?");
  person.answer("No");
  EXPECT_EQ(person.shown("?POD:JobID"), "");
  person.type("?POD:JobID", crv::demo::inactiveJob);
  person.expectMessage("Assign to Inactive Job?");
  person.answer("Yes");
  EXPECT_EQ(person.shown("?POD:JobID"), "2302");
  EXPECT_EQ(person.shown("?Distribution1"), "Elm Street Duplex");

  person.type("?POD:JobID", crv::demo::mainJob);
  person.type("?POD:CostCode", "06-100");
  EXPECT_EQ(person.shown("?POD:CostCode"), "06-100M");

  person.type("?POD:CostCode", crv::demo::inactiveCostCode);
  const crv::MessageRequest inactive = person.expectMessage("Cannot Select Inactive Cost Code");
  EXPECT_EQ(inactive.icon, crv::Icon::Stop);
  person.answer("OK");
  EXPECT_EQ(person.shown("?POD:CostCode"), "");
  EXPECT_EQ(person.focus(), "?POD:CostCode");

  person.type("?POD:CostCode", crv::demo::preferredCostCode);  // order 1001 is vendor 103's
  const crv::MessageRequest reminder = person.expectMessage("Vendor Preference Reminder");
  EXPECT_EQ(
      reminder.text,
      "Cost Code 03-300S on this job has been associated with|vendor 105 (Pacific Ready-Mix Concrete).");
  person.answer("OK");
  EXPECT_EQ(person.shown("?POD:CostCode"), "03-300S");

  EXPECT_TRUE(person.isHidden("?POD:ChangeOrder"));  // a new line shows it once the type is chosen
  person.pick("?POD:DetailType", "Job");
  person.type("?POD:CostCode", "06-100M");
  person.type("?POD:ChangeOrder", crv::demo::changeOrderNumber);  // 001 has no 06-100M detail
  person.expectMessage("Not Found", "No change orders were found for cost code 06-100M.");
  person.answer("OK");
  EXPECT_EQ(person.shown("?POD:ChangeOrder"), "");
  person.press("?Cancel");
  person.expectFinished();
}

TEST_F(UpdatePODetailTest, ItemDefaultCostCodeIsTakenOrReportedMissing) {
  HeadlessDriver person;
  insertOn(person, crv::demo::openJobOrder);
  person.type("?POD:ItemID", "DRYWALL-58");  // default 09-200M, not budgeted on 2401
  person.type("?POD:JobID", crv::demo::mainJob);
  person.expectMessage(
      "Cost Code Not Found",
      "The default cost code for Item DRYWALL-58 is 09-200M.|This cost code has not been budgeted "
      "on Job 2401.");
  person.answer("OK");
  EXPECT_EQ(person.shown("?POD:CostCode"), "");

  person.type("?POD:ItemID", "CONC-MIX-80");  // default 03-300M, budgeted
  person.type("?POD:JobID", crv::demo::mainJob);
  EXPECT_EQ(person.shown("?POD:CostCode"), "03-300M");
  person.press("?Cancel");
  person.expectFinished();
}

TEST_F(UpdatePODetailTest, OkRefusesABlankDescriptionAndSavesATextLineEmptied) {
  HeadlessDriver person;
  insertOn(person, crv::demo::openJobOrder);
  person.type("?POD:Description", "");
  person.press("?OK");
  EXPECT_EQ(person.focus(), "?POD:Description");
  person.type("?POD:Description", "Studs");
  person.type("?POD:UnitPrice", "3");
  person.tick("?POD:TextFlag", true);
  EXPECT_TRUE(person.isHidden("?POD:Description"));
  EXPECT_FALSE(person.isHidden("?POD:Text"));
  person.type("?POD:Text",
              "Deliver \xE2\x80\x9C"
              "before noon\xE2\x80\x9D");
  person.press("?OK");
  person.expectFinished();
  ASSERT_EQ(person.response(), crv::RequestCompleted);
  reread(crv::POD.DetailID);
  EXPECT_EQ(crv::POD.TextFlag, 1);
  EXPECT_EQ(crv::POD.Description, "");
  EXPECT_EQ(crv::POD.QtyOrdered, crv::Quantity(0));
  EXPECT_EQ(crv::POD.UnitPrice, 0);
  EXPECT_EQ(crv::POD.JobID, "");
  EXPECT_EQ(crv::POD.DetailType, "");
  EXPECT_EQ(crv::POD.Text, "Deliver \"before noon\"");
  EXPECT_EQ(crv::POD.POID, crv::POM.POID);
}

TEST_F(UpdatePODetailTest, CanadianGstOnlyIsStoredAsTwo) {
  crv::COUNTRY = "Canada";
  HeadlessDriver person;
  insertOn(person, crv::demo::inventoryOrder);
  EXPECT_TRUE(person.isHidden("?POD:Taxable"));
  person.pick("?POD:DetailType", "G/L Account");
  person.type("?POD:Account", crv::demo::suppliesAccount);
  person.type("?POD:Description", "Shop rags");
  person.type("?POD:UnitPrice", "12");
  person.tick("?SubjectToGST", true);
  person.tick("?SubjectToPST", false);
  person.press("?OK");
  person.expectFinished();
  ASSERT_EQ(person.response(), crv::RequestCompleted);
  reread(crv::POD.DetailID);
  EXPECT_EQ(crv::POD.Taxable, 2);
}

TEST_F(UpdatePODetailTest, FullyInvoicedInventoryLineKeepsNothingOutstanding) {
  loadOrder(crv::demo::inventoryOrder);
  crv::PODetail.open();
  crv::POD.clear();
  crv::POD.POID = crv::POM.POID;
  crv::PODetail.setRange(crv::PODetailRecord::KeyPOID, 1);
  while (crv::PODetail.next() == crv::TableStatus::Ok && crv::POD.ItemID != crv::demo::boxedItem) {
  }
  ASSERT_EQ(crv::POD.ItemID, crv::demo::boxedItem);
  crv::POD.QtyInvoiced = crv::POD.QtyOrdered;
  ASSERT_EQ(crv::PODetail.update(), crv::TableStatus::Ok);
  const crv::Id detail = crv::POD.DetailID;
  crv::PODetail.close();

  HeadlessDriver person;
  open(person, crv::ChangeRecord, "Changing Purchase Order Detail");
  person.press("?OK");
  person.expectFinished();
  ASSERT_EQ(person.response(), crv::RequestCompleted);
  reread(detail);
  EXPECT_EQ(crv::POD.INVQuantity, crv::Quantity(0));
  EXPECT_EQ(crv::POD.Reconciliation, 2);
}

TEST_F(UpdatePODetailTest, PriorityVendorSelectAsksAndHandsTheVendorToTheHeader) {
  HeadlessDriver person;
  insertOn(person, crv::demo::inventoryOrder);
  person.pick("?POD:DetailType", "Inventory");
  person.type("?POD:ItemID", crv::demo::boxedItem);
  person.highlight("?PriorityList", 1);  // vendor 111
  person.press("?Select");
  person.expectMessage("Assign New Vendor?",
                       "Are you sure you wish to assign vendor number 111 to this purchase order?");
  person.answer("No");
  EXPECT_EQ(entryState().NewVendorID, 0u);
  EXPECT_EQ(person.shown("?POD:UnitPrice"), "8.25000");
  person.highlight("?PriorityList", 1);
  person.key("Space");  // a key in the list presses Select
  person.expectMessage("Assign New Vendor?");
  person.answer("Yes");
  EXPECT_EQ(entryState().NewVendorID, 111u);
  EXPECT_EQ(person.shown("?POD:UnitPrice"), "8.60000");
  EXPECT_EQ(person.shown("?POD:QtyOrdered"), "5.0000");
  person.press("?Cancel");
  person.expectFinished();
}

TEST_F(UpdatePODetailTest, OverBudgetCancelKeepsTheFormOpenWithItsEntries) {
  setBudget("2401", "06-100M", "1000.00", "600.00", "300.00");
  HeadlessDriver person;
  insertOn(person, crv::demo::openJobOrder);
  person.type("?POD:Description", "Sheathing");
  person.type("?POD:JobID", crv::demo::mainJob);
  person.type("?POD:CostCode", "06-100M");
  person.type("?POD:QtyOrdered", "1");
  person.type("?POD:UnitPrice", "100.01");
  person.press("?OK");
  person.expectWindow("Over Budget!");
  person.press("?Cancel");
  person.expectWindow("Adding Purchase Order Detail");
  EXPECT_EQ(person.shown("?POD:Description"), "Sheathing");
  EXPECT_EQ(person.shown("?POD:TotalAmount"), "100.01");
  person.type("?POD:UnitPrice", "100");
  person.press("?OK");
  person.expectFinished();
  EXPECT_EQ(person.response(), crv::RequestCompleted);
}

// A saved line opened in the form is compared without what it commits
// itself on its cost code (its open amount: 40.00 of its 100.00 are
// invoiced), and with the whole committed cost of a code it is moved to.
TEST_F(UpdatePODetailTest, ASavedLineIsComparedWithoutItsOwnCommittedAmount) {
  {
    HeadlessDriver person;
    insertOn(person, crv::demo::openJobOrder);
    person.type("?POD:Description", "Sheathing");
    person.type("?POD:JobID", crv::demo::mainJob);
    person.type("?POD:CostCode", "06-100M");
    person.type("?POD:QtyOrdered", "1");
    person.type("?POD:UnitPrice", "100");
    person.press("?OK");
    person.expectFinished();
  }
  crv::PODetail.open();
  crv::POD.clear();
  crv::POD.POID = crv::POM.POID;
  crv::PODetail.setRange(crv::PODetailRecord::KeyPOID, 1);
  while (crv::PODetail.next() == crv::TableStatus::Ok && crv::POD.Description != "Sheathing") {
  }
  ASSERT_EQ(crv::POD.Description, "Sheathing");
  crv::POD.AmountInvoiced = crv::Amount(40);
  ASSERT_EQ(crv::PODetail.update(), crv::TableStatus::Ok);
  crv::PODetail.close();
  // 360.00 committed, 60.00 of it this line's.
  setBudget("2401", "06-100M", "1000.00", "600.00", "360.00");
  setBudget("2401", "06-100L", "1000.00", "600.00", "350.00");

  HeadlessDriver person;
  open(person, crv::ChangeRecord, "Changing Purchase Order Detail");
  person.type("?POD:UnitPrice", "150");
  person.press("?OK");
  person.expectWindow("Over Budget!");
  EXPECT_EQ(person.shown("?CurrentCommitted"), "300.00");
  EXPECT_EQ(person.shown("?TotalCost"), "1,050.00");
  person.press("?Cancel");
  person.expectWindow("Changing Purchase Order Detail");

  person.type("?POD:CostCode", "06-100L");
  person.type("?POD:UnitPrice", "60");
  person.press("?OK");
  person.expectWindow("Over Budget!");
  EXPECT_EQ(person.shown("?CurrentCommitted"), "350.00");
  EXPECT_EQ(person.shown("?TotalCost"), "1,010.00");
  person.press("?Cancel");
  person.expectWindow("Changing Purchase Order Detail");
  person.press("?Cancel");
  person.expectFinished();
}

}  // namespace
}  // namespace crvpo::test

namespace crvpo::test {
namespace {

TEST_F(UpdatePODetailTest, TheCaseMenuMarksTheCurrentCaseAndConvertsTheDescription) {
  HeadlessDriver person;
  insertOn(person, crv::demo::openJobOrder);
  person.type("?POD:Description", "pvc pipe");
  person.popup("?POD:Description");
  const std::vector<std::string> items = person.dialog().popup.itemTexts();
  ASSERT_EQ(items.size(), 3u);
  EXPECT_EQ(items[0], "\u2022 small text");
  EXPECT_EQ(items[2], "   ALL CAPS");
  person.answer(3);
  EXPECT_EQ(person.shown("?POD:Description"), "PVC PIPE");

  person.press("?Cancel");
  person.expectFinished();
}

}  // namespace
}  // namespace crvpo::test

namespace crvpo::test {
namespace {

TEST_F(UpdatePODetailTest, PreferenceReminderAlsoComesFromTheItemsDefaultCostCode) {
  crv::INMaster.open();
  crv::INM.clear();
  crv::INM.ItemID = "LUM-2X4-8";
  ASSERT_EQ(crv::INMaster.fetch(crv::INMasterRecord::KeyItemID), crv::TableStatus::Ok);
  crv::INM.DefaultCostCode = crv::demo::preferredCostCode;
  ASSERT_EQ(crv::INMaster.update(), crv::TableStatus::Ok);
  crv::INMaster.close();

  HeadlessDriver person;
  insertOn(person, crv::demo::openJobOrder);  // vendor 103, not the preferred 105
  person.type("?POD:ItemID", "LUM-2X4-8");
  person.type("?POD:JobID", crv::demo::mainJob);
  person.expectMessage("Vendor Preference Reminder");
  person.answer("OK");
  EXPECT_EQ(person.shown("?POD:CostCode"), "03-300S");
  person.press("?Cancel");
  person.expectFinished();
}

}  // namespace
}  // namespace crvpo::test
