// The line form's searches and the lookups it hands values to: a job found
// by the start of its name (one match taken, several offered in the pick
// list), change orders typed or chosen from the job's change orders, and
// the priority-vendor list's Add, Change and Select.
#include <gtest/gtest.h>

#include "host/data/tables/job_cost_tables.h"
#include "line_form_fixture.h"

namespace crvpo::test {
namespace {

using crv::ui::HeadlessDriver;

class LineFormLookupsTest : public LineFormDrivingTest {
 protected:
  void addJob(std::string_view id, std::string_view name, crv::Flag active = 1, crv::Flag closed = 0) {
    crv::JCHeader.open();
    crv::JCH.clear();
    crv::JCH.JobID = id;
    crv::JCH.JobName = name;
    crv::JCH.Active = active;
    crv::JCH.Closed = closed;
    ASSERT_EQ(crv::JCHeader.insert(), crv::TableStatus::Ok);
    crv::JCHeader.close();
  }
};

TEST_F(LineFormLookupsTest, AJobNameWithOneOpenMatchIsTakenWithoutAsking) {
  addJob("2409", "Cedar Mill Library", 0);  // inactive: not a candidate
  HeadlessDriver person;
  insertOn(person, crv::demo::openJobOrder);
  person.type("?POD:JobID", "cedar h");
  EXPECT_EQ(person.shown("?POD:JobID"), "2401");
  EXPECT_EQ(person.shown("?Distribution1"), "Cedar Hills Elementary Addition");
  ASSERT_EQ(crv::RXQUEUE.size(), 1u);
  EXPECT_EQ(crv::RXQUEUE.front(), "2401       - Cedar Hills Elementary Addition");  // the job fills its width
  person.type("?POD:JobID", "ced");
  EXPECT_EQ(person.shown("?POD:JobID"), "2401");
  person.press("?Cancel");
  person.expectFinished();
}

TEST_F(LineFormLookupsTest, SeveralJobNamesAreOfferedAndTheChosenOneTaken) {
  addJob("2405", "Cedar Mill Library");
  addJob("2406", "Cedar Creek Bridge", 1, 1);  // closed: not a candidate
  HeadlessDriver person;
  insertOn(person, crv::demo::openJobOrder);
  person.type("?POD:JobID", "Cedar");
  person.expectWindow("Select a Job");
  const std::vector<std::string> offered = person.rows("?Browse");
  ASSERT_EQ(offered.size(), 2u);
  EXPECT_NE(offered[0].find("Cedar Hills Elementary Addition"), std::string::npos);
  EXPECT_NE(offered[1].find("2405"), std::string::npos);
  person.highlight("?Browse", 1);
  person.press("?Select");
  person.expectWindow("Adding Purchase Order Detail");
  EXPECT_EQ(person.shown("?POD:JobID"), "2405");
  EXPECT_EQ(person.shown("?Distribution1"), "Cedar Mill Library");

  // Leaving the pick list without a choice puts the person back in Job ID.
  person.type("?POD:JobID", "cedar");
  person.expectWindow("Select a Job");
  person.press("?Close");
  person.expectWindow("Adding Purchase Order Detail");
  EXPECT_EQ(person.shown("?POD:JobID"), "");
  EXPECT_EQ(person.focus(), "?POD:JobID");
  person.press("?Cancel");
  person.expectFinished();
}

TEST_F(LineFormLookupsTest, ATypedChangeOrderIsFoundForTheLinesCostCode) {
  HeadlessDriver person;
  insertOn(person, crv::demo::openJobOrder);
  person.pick("?POD:DetailType", "Job");
  person.type("?POD:JobID", crv::demo::mainJob);
  person.type("?POD:CostCode", crv::demo::changeOrderCostCode);
  person.type("?POD:ChangeOrder", crv::demo::changeOrderNumber);
  EXPECT_FALSE(person.hasDialog());
  EXPECT_EQ(person.shown("?POD:ChangeOrder"), "001");
  EXPECT_EQ(person.shown("?ChangeOrderDescription"), "Covered walkway at north entry");
  const crv::Id linked = crv::POD.CODetailID;
  EXPECT_NE(linked, 0u);

  person.type("?POD:ChangeOrder", "002");  // 002 changes 16-100S only
  person.expectMessage("Not Found", "No change orders were found for cost code 03-300M.");
  person.answer("OK");
  EXPECT_EQ(person.shown("?POD:ChangeOrder"), "");
  EXPECT_EQ(person.shown("?ChangeOrderDescription"), "");
  EXPECT_EQ(crv::POD.CODetailID, 0u);

  person.type("?POD:JobID", "");
  person.type("?POD:ChangeOrder", "001");
  person.expectMessage("No Job Selected", "Please select a job before entering a change order.");
  person.answer("OK");
  person.press("?Cancel");
  person.expectFinished();
}

TEST_F(LineFormLookupsTest, AChangeOrderChosenInTheLookupBringsItsCostCode) {
  HeadlessDriver person;
  insertOn(person, crv::demo::openJobOrder);
  person.pick("?POD:DetailType", "Job");
  person.type("?POD:JobID", "");  // the order's default job was primed
  person.press("?POD:ChangeOrder:Lookup");
  person.expectMessage("No Job Selected");
  person.answer("OK");

  person.type("?POD:JobID", crv::demo::mainJob);
  person.press("?POD:ChangeOrder:Lookup");
  person.expectWindow("Select a Change Order");
  EXPECT_EQ(crv::JOBFIELD, "2401");
  const std::vector<std::string> details = person.rows("?Browse");
  ASSERT_EQ(details.size(), 3u);  // 03-300M and 06-100L of 001, 16-100S of 002
  person.highlight("?Browse", 2);
  person.press("?Select");
  person.expectWindow("Adding Purchase Order Detail");
  EXPECT_EQ(person.shown("?POD:ChangeOrder"), "002");
  EXPECT_EQ(person.shown("?POD:CostCode"), "16-100S");
  EXPECT_EQ(person.shown("?ChangeOrderDescription"), "Upgrade gymnasium lighting to LED");
  EXPECT_NE(person.shown("?Distribution2"), "");
  EXPECT_EQ(person.focus(), "?POD:ChangeOrder");
  const crv::Id chosen = crv::POD.CODetailID;
  EXPECT_NE(chosen, 0u);

  // Typing the cost code again keeps the change order chosen.
  person.type("?POD:CostCode", "16-100S");
  EXPECT_EQ(person.shown("?POD:ChangeOrder"), "002");
  EXPECT_EQ(crv::POD.CODetailID, chosen);

  // Cancelling the lookup leaves the line's change order alone.
  person.press("?POD:ChangeOrder:Lookup");
  person.expectWindow("Select a Change Order");
  person.press("?Close");
  person.expectWindow("Adding Purchase Order Detail");
  EXPECT_EQ(person.shown("?POD:ChangeOrder"), "002");
  person.press("?Cancel");
  person.expectFinished();
}

TEST_F(LineFormLookupsTest, PriorityVendorsAreAddedAndChangedWithoutTouchingTheOrdersVendor) {
  loadLine(crv::demo::inventoryOrder, 1);  // the boxed screws, vendor 110
  const crv::Id detail = crv::POD.DetailID;
  HeadlessDriver person;
  open(person, crv::ChangeRecord, "Changing Purchase Order Detail");
  ASSERT_EQ(person.rows("?PriorityList").size(), 3u);

  person.press("?Add");
  person.expectWindow("Adding an Item Vendor");
  EXPECT_EQ(person.shown("?INV:ItemID"), crv::demo::boxedItem);
  person.type("?INV:VendorID", "103");
  person.type("?INV:UnitName", "BOX");
  person.type("?INV:Price", "7.95");
  person.type("?INV:MinimumOrder", "40");
  person.press("?OK");
  person.expectWindow("Changing Purchase Order Detail");
  const std::vector<std::string> afterAdd = person.rows("?PriorityList");
  ASSERT_EQ(afterAdd.size(), 4u);
  EXPECT_NE(afterAdd[3].find("$7.95000 per BOX"), std::string::npos) << afterAdd[3];

  person.highlight("?PriorityList", 0);
  person.press("?Change");
  person.expectWindow("Changing an Item Vendor");
  EXPECT_EQ(person.shown("?INV:VendorID"), "110");
  person.type("?INV:Price", "8.10");
  person.press("?OK");
  person.expectWindow("Changing Purchase Order Detail");
  EXPECT_NE(person.rows("?PriorityList")[0].find("$8.10000 per BOX"), std::string::npos);
  EXPECT_EQ(entryState().NewVendorID, 0u);
  EXPECT_EQ(entryState().NewVendorDetailID, 0u);
  EXPECT_EQ(person.shown("?POD:UnitPrice"),
            "8.25000");  // the line keeps its price until a vendor is selected

  // Selecting the order's own vendor asks nothing and hands it back with
  // the line, so the header can offer to reprice the other lines.
  person.highlight("?PriorityList", 0);
  person.press("?Select");
  EXPECT_FALSE(person.hasDialog());
  EXPECT_EQ(entryState().NewVendorID, 110u);
  EXPECT_EQ(entryState().NewVendorDetailID, detail);
  EXPECT_EQ(person.shown("?POD:UnitPrice"), "8.10000");
  EXPECT_EQ(person.focus(), "?POD:QtyOrdered");

  // The added vendor, chosen after the question, is the one handed back.
  person.highlight("?PriorityList", 3);
  person.press("?Select");
  person.expectMessage("Assign New Vendor?");
  person.answer("Yes");
  EXPECT_EQ(entryState().NewVendorID, 103u);
  EXPECT_EQ(entryState().NewVendorDetailID, detail);
  EXPECT_EQ(person.shown("?POD:QtyOrdered"), "40.0000");
  EXPECT_EQ(person.shown("?POD:UnitPrice"), "7.95000");
  person.press("?Cancel");
  person.expectFinished();
}

}  // namespace
}  // namespace crvpo::test
