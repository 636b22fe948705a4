// Receiving through its windows on the demo company, as a clerk does it:
// the list of open orders, the order form with its lines, and the line
// form with its refusals, location and area lookups and serial numbers.
// Stock figures are checked against values worked out by hand and against
// the independent rebuild.
#include <gtest/gtest.h>

#include "crvpo/reconcile/browse_po_reconcile.h"
#include "crvpo/reconcile/line_receipt.h"
#include "crvpo/reconcile/reconcile_po_detail.h"
#include "host/framework/ui/headless/headless_driver.h"
#include "support/fault_injecting_backend.h"
#include "support/independent_rebuild.h"
#include "tests/crvpo/entry/line_form_fixture.h"

namespace crvpo::test {
namespace {

using crv::ui::HeadlessDriver;

constexpr const char* listTitle = "Reconcile Purchase Orders with Packing Slip";
constexpr const char* orderTitle = "Reconciling a Purchase Order";
constexpr const char* lineTitle = "Reconciling Purchase Order Detail";

class ReceivingFormsTest : public LineFormTest {
 protected:
  void openList(HeadlessDriver& person) {
    person.start([] { browsePOReconcile(); }, "BrowsePOReconcile");
    person.expectWindow(listTitle);
  }
  void openOrder(HeadlessDriver& person, std::string_view number) {
    person.type("?Locator", number);
    person.press("?Reconcile");
    person.expectWindow(orderTitle);
  }
  void openLine(HeadlessDriver& person, int row) {
    person.highlight("?Lines", row);
    person.press("?ChangeQty");
    person.expectWindow(lineTitle);
  }
  void answerMessage(HeadlessDriver& person, std::string_view title, std::string_view text) {
    person.expectMessage(title, text);
    person.answer(1);
  }

  // The figures of an item: "on hand, on order".
  std::string stock(std::string_view item) {
    crv::INMaster.open();
    crv::INM.clear();
    crv::INM.ItemID = item;
    EXPECT_EQ(crv::INMaster.fetch(crv::INMasterRecord::KeyItemID), crv::TableStatus::Ok);
    crv::INMaster.close();
    return crv::INM.QtyOnHand.toString() + ", " + crv::INM.QtyOnOrder.toString();
  }
  std::vector<std::string> serialRows(crv::Id detail) {
    std::vector<std::string> rows;
    crv::PODetSer.open();
    crv::PODS.clear();
    crv::PODS.DetailID = detail;
    crv::PODetSer.setRange(crv::PODetSerRecord::KeyDetailID, 1);
    while (crv::PODetSer.next() == crv::TableStatus::Ok) rows.push_back(crv::PODS.SerialNo.str());
    crv::PODetSer.close();
    return rows;
  }
  void expectRebuildAgrees() {
    EXPECT_EQ(crv::test::figureDifferences(folder.path()), std::vector<std::string>{});
  }
};

std::string cell(const std::string& row, std::size_t index) {
  std::size_t start = 0;
  for (std::size_t i = 0; i < index; ++i) start = row.find(" | ", start) + 3;
  return row.substr(start, row.find(" | ", start) - start);
}

TEST_F(ReceivingFormsTest, TheListShowsOpenOrdersWithTheirVendorAndWhatRemains) {
  loadOrder(crv::demo::openJobOrder);
  crv::POMaster.open();
  ASSERT_EQ(crv::POMaster.fetch(crv::POMasterRecord::KeyPOID), crv::TableStatus::Ok);
  crv::POM.AmountReconciled = crv::POM.POAmount;
  ASSERT_EQ(crv::POMaster.update(), crv::TableStatus::Ok);
  crv::POMaster.close();

  HeadlessDriver person;
  openList(person);
  const auto rows = person.rows("?Browse");
  std::vector<std::string> numbers;
  for (const auto& row : rows) numbers.push_back(cell(row, 2));
  EXPECT_EQ(numbers, (std::vector<std::string>{"1001", "1002", "1003", "1004", "1006"}))
      << "a fully reconciled order is not on the list";
  EXPECT_EQ(cell(rows[3], 1), "Evergreen Electric Supply");
  EXPECT_EQ(cell(rows[3], 6), "4,762.53") << "the amount less what invoices reconciled";
  EXPECT_EQ(cell(rows[0], 6), "") << "nothing remains";
  person.press("?Close");
  EXPECT_EQ(person.response(), crv::RequestCancelled);
}

TEST_F(ReceivingFormsTest, APackingSlipIsCountedOnceAndMovedWhenTheOrderIsLeft) {
  HeadlessDriver person;
  openList(person);
  openOrder(person, crv::demo::inventoryOrder);
  EXPECT_EQ(person.rows("?Lines")[0],
            "SCR-DECK-3 | Deck screws #10 x 3in, coated | 20.00 | 0.00 | 0.00 | 0.00");
  openLine(person, 0);
  EXPECT_EQ(person.shown("?POD:LocationID"), "MAIN");
  EXPECT_EQ(person.shown("?LocationDescription"), "Main Warehouse");
  EXPECT_TRUE(person.isHidden("?Distribution1"));
  EXPECT_TRUE(person.isHidden("?SerialGroup"));
  EXPECT_TRUE(person.isHidden("?LOC:SerialNo"));

  person.type("?POD:QtyThisPackSlip", "21");
  person.press("?OK");
  answerMessage(person, "PO Over Reconciled",
                "The total reconciled quantity is more than the ordered quantity.");
  EXPECT_EQ(person.focus(), "?POD:QtyThisPackSlip");
  person.type("?POD:QtyThisPackSlip", "5");
  person.press("?OK");
  person.expectWindow(orderTitle);
  EXPECT_EQ(cell(person.rows("?Lines")[0], 5), "5.00");
  // Opened again on the same packing slip: 7 boxes in all, 350 screws.
  openLine(person, 0);
  person.type("?POD:QtyThisPackSlip", "7");
  person.press("?OK");
  person.expectWindow(orderTitle);
  EXPECT_EQ(stock(crv::demo::boxedItem), "2150.0000, 650.0000");
  expectRebuildAgrees();

  person.press("?Cancel");  // leaving the order in any way closes the packing slip
  person.expectWindow(listTitle);
  openOrder(person, crv::demo::inventoryOrder);
  EXPECT_EQ(person.rows("?Lines")[0],
            "SCR-DECK-3 | Deck screws #10 x 3in, coated | 20.00 | 0.00 | 7.00 | 0.00");
  person.press("?OK");
  openOrder(person, crv::demo::inventoryOrder);
  EXPECT_EQ(cell(person.rows("?Lines")[0], 4), "7.00") << "moved once, not twice";
  person.press("?OK");
  person.press("?Close");
  EXPECT_EQ(stock(crv::demo::boxedItem), "2150.0000, 650.0000");
  expectRebuildAgrees();
}

TEST_F(ReceivingFormsTest, ASerializedLineTakesARangeOrPastedNumbersUnderTheSameChecks) {
  HeadlessDriver person;
  openList(person);
  openOrder(person, crv::demo::inventoryOrder);
  openLine(person, 1);
  person.type("?POD:QtyThisPackSlip", "2");
  EXPECT_FALSE(person.isHidden("?SerialGroup"));
  EXPECT_TRUE(person.isHidden("?LOC:SerialNo"));
  person.press("?OK");
  answerMessage(person, "Not Enough Serial Numbers",
                "You must supply one serial number for each of the 2 units received.");

  person.key("Insert");
  person.expectWindow("Add Serial Numbers");
  person.type("?LOC:SerialNumbers", "GX-01..GX-03");
  person.press("?OK");
  answerMessage(person, "Too Many Serial Numbers",
                "You must supply only one serial number for each of the 2 units received.");
  person.type("?LOC:SerialNumbers", "GX-01\nGX-01");
  person.press("?OK");
  answerMessage(person, "Duplicate Serial Number", "The serial number GX-01 is already in the list.");
  person.type("?LOC:SerialNumbers", "GX-01..GX-02");
  person.press("?OK");
  person.expectWindow(lineTitle);
  EXPECT_EQ(person.rows("?SerialList"), (std::vector<std::string>{"GX-01", "GX-02"}));
  person.press("?OK");
  person.expectWindow(orderTitle);
  loadLine(crv::demo::inventoryOrder, 2);
  const crv::Id detail = crv::POD.DetailID;
  EXPECT_EQ(serialRows(detail), (std::vector<std::string>{"GX-01", "GX-02"}));
  EXPECT_EQ(stock(crv::demo::serializedItem), "4.0000, 0.0000");

  // Down to one unit: the single number, taken from the list.
  openLine(person, 1);
  EXPECT_EQ(person.rows("?SerialList").size(), 2u);
  person.type("?POD:QtyThisPackSlip", "1");
  EXPECT_TRUE(person.isHidden("?SerialGroup"));
  EXPECT_EQ(person.shown("?LOC:SerialNo"), "GX-01");
  person.type("?LOC:SerialNo", "");
  person.press("?OK");
  answerMessage(person, "No Serial Number", "You must supply a serial number for serialized inventory.");
  EXPECT_EQ(person.focus(), "?LOC:SerialNo");
  person.type("?LOC:SerialNo", "GX-02");
  person.press("?OK");
  person.expectWindow(orderTitle);
  EXPECT_TRUE(serialRows(detail).empty());
  loadLine(crv::demo::inventoryOrder, 2);
  crv::INSerial.open();
  crv::INS.clear();
  crv::INS.SerialID = crv::POD.SerialID;
  ASSERT_EQ(crv::INSerial.fetch(crv::INSerialRecord::KeySerialID), crv::TableStatus::Ok);
  EXPECT_EQ(crv::INS.SerialNo.str(), "GX-02");
  crv::INSerial.close();
  EXPECT_EQ(stock(crv::demo::serializedItem), "3.0000, 1.0000");
  person.press("?OK");
  person.press("?Close");
  expectRebuildAgrees();
}

TEST_F(ReceivingFormsTest, LocationAndAreaComeFromTheInventoryLists) {
  HeadlessDriver person;
  openList(person);
  openOrder(person, crv::demo::inventoryOrder);
  openLine(person, 0);
  person.type("?POD:LocationID", "NOWHERE");
  person.expectWindow("Select a Location");
  person.highlight("?Browse", 2);
  person.press("?Select");
  person.expectWindow(lineTitle);
  EXPECT_EQ(person.shown("?POD:LocationID"), "YARD");
  EXPECT_EQ(person.shown("?LocationDescription"), "Storage Yard");
  person.press("?POD:BinID:Lookup");
  person.expectWindow("Select an Area of YARD");
  std::vector<std::string> areas;
  for (const auto& row : person.rows("?Browse")) areas.push_back(cell(row, 1));
  EXPECT_EQ(areas, (std::vector<std::string>{"LUMBER", "PAD", "PIPE"}));
  person.highlight("?Browse", 1);
  person.press("?Select");
  EXPECT_EQ(person.shown("?POD:BinID"), "PAD");
  EXPECT_EQ(person.shown("?AreaDescription"), "Covered pad");
  person.press("?Cancel");
  person.press("?OK");
  person.press("?Close");
}

TEST_F(ReceivingFormsTest, TheOrderFormTellsOfTheVendorAndSendsItsLines) {
  auto setText = [&](std::string text) {
    loadLine(crv::demo::openJobOrder, 3);
    crv::PODetail.open();
    ASSERT_EQ(crv::PODetail.fetch(crv::PODetailRecord::KeyDetailID), crv::TableStatus::Ok);
    crv::POD.Text = text;
    ASSERT_EQ(crv::PODetail.update(), crv::TableStatus::Ok);
    crv::PODetail.close();
  };
  setText(std::string(30, 'x'));

  HeadlessDriver person;
  openList(person);
  openOrder(person, crv::demo::openJobOrder);
  EXPECT_EQ(cell(person.rows("?Lines")[2], 0), "Text");
  EXPECT_EQ(cell(person.rows("?Lines")[2], 1), std::string(30, 'x')) << "30 characters are shown whole";
  person.press("?More");
  const auto vendor = person.expectMessage("Additional Vendor Info");
  EXPECT_EQ(vendor.text.rfind(person.shown("?APV:VendorName") + "|", 0), 0u) << vendor.text;
  person.answer(1);
  person.press("?SendTo");
  EXPECT_EQ(person.dialog().sendTo.title,
            "Reconciliation Information for Purchase Order 1001 from Vendor (103) " +
                person.shown("?APV:VendorName"));
  person.cancelDialog();
  person.press("?OK");
  person.press("?Close");

  setText(std::string(31, 'y'));
  openList(person);
  openOrder(person, crv::demo::openJobOrder);
  EXPECT_EQ(cell(person.rows("?Lines")[2], 1), std::string(27, 'y') + "...");
}

TEST_F(ReceivingFormsTest, AViewChangesNothingAndLinesAreNeitherAddedNorDeletedHere) {
  loadLine(crv::demo::inventoryOrder, 1);
  HeadlessDriver person;
  person.request(crv::ViewRecord);
  person.start([] { reconcilePODetail(); }, "ReconcilePODetail");
  person.expectWindow("View Record");
  EXPECT_TRUE(person.control("?POD:QtyThisPackSlip").readOnly());
  EXPECT_TRUE(person.isDisabled("?POD:LocationID:Lookup"));
  person.press("?OK");
  person.expectFinished();
  EXPECT_EQ(stock(crv::demo::boxedItem), "1800.0000, 1000.0000");

  for (int request : {crv::InsertRecord, crv::DeleteRecord}) {
    person.request(request);
    person.start([] { reconcilePODetail(); }, "ReconcilePODetail");
    person.expectMessage("Reconcile Purchase Order Detail");
    person.answer(1);
    person.expectFinished();
    EXPECT_EQ(person.response(), crv::RequestCancelled);
  }
}

// A storage that fails on demand under the whole company.
class ReceivingFaultTest : public ReceivingFormsTest {
 protected:
  void SetUp() override {
    ReceivingFormsTest::SetUp();
    company.reset();
    company = crv::Company::open(folder.path(), false, storage);
  }

  crv::test::FaultInjectingBackend storage;
};

TEST_F(ReceivingFaultTest, AReceiptThatCannotBeWrittenOrCommittedLeavesTheLineOpenAsTyped) {
  HeadlessDriver person;
  openList(person);
  openOrder(person, crv::demo::inventoryOrder);
  openLine(person, 0);
  person.type("?POD:QtyThisPackSlip", "5");
  // The line's own write fails: the framework tells it, once.
  storage.failNth(crv::test::StorageOp::Write, 1, crv::test::Fault::DiskFull, "PODetail");
  person.press("?OK");
  EXPECT_NE(person.messageBox().text.find("Disk Full"), std::string::npos) << person.messageBox().text;
  person.answer(1);
  person.expectWindow(lineTitle);
  EXPECT_EQ(stock(crv::demo::boxedItem), "1800.0000, 1000.0000");

  storage.failNth(crv::test::StorageOp::Commit, 1, crv::test::Fault::Busy);
  person.press("?OK");
  const auto told = person.messageBox();
  EXPECT_NE(told.text.find("File Is Already Locked (32) Saving PODetail"), std::string::npos) << told.text;
  EXPECT_NE(told.text.find(LineReceipt::notRecordedText), std::string::npos);
  person.answer(1);
  person.expectWindow(lineTitle);
  EXPECT_EQ(person.shown("?POD:QtyThisPackSlip"), "5.00");
  EXPECT_EQ(stock(crv::demo::boxedItem), "1800.0000, 1000.0000");

  person.press("?OK");
  person.expectWindow(orderTitle);
  EXPECT_EQ(stock(crv::demo::boxedItem), "2050.0000, 750.0000");
  person.press("?OK");
  person.press("?Close");
  expectRebuildAgrees();
}

}  // namespace
}  // namespace crvpo::test
