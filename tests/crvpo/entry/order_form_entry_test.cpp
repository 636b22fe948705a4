// The header form's fields driven as a person would: the vendor typed by
// number or by the start of its name, the checks of OK, ship-to types with
// their addresses, the duplicate-number warning, the default job from the
// lines, Canadian GST and PST in each Taxable state, moving lines, and the
// locks of a viewed, view-only or reconciled order.
#include <gtest/gtest.h>

#include "order_form_fixture.h"

namespace crvpo::test {
namespace {

using crv::ui::HeadlessDriver;

class OrderFormEntryTest : public OrderFormTest {
 protected:
  void changeSettings(const std::function<void(crv::SystemsRecord&)>& change) {
    crv::PrivateTable<crv::SystemsRecord> systems(crv::Systems);
    systems.table.set(crv::SystemsRecord::KeySystemID);
    ASSERT_EQ(systems.table.next(), crv::TableStatus::Ok);
    change(systems.rec);
    ASSERT_EQ(systems.table.tryUpdate(), crv::TableStatus::Ok);
  }
  void cancel(HeadlessDriver& person) {
    person.press("?Cancel");
    if (person.hasDialog()) person.answer("Yes");
    person.expectFinished();
  }
};

TEST_F(OrderFormEntryTest, AVendorIsTypedByNumberOrByTheStartOfItsName) {
  HeadlessDriver person;
  open(person, crv::InsertRecord);
  person.type("?EnteredVendor", "  105");
  EXPECT_EQ(person.shown("?POM:VendorID"), "105");
  EXPECT_EQ(person.shown("?LocalVendorName"), "Pacific Ready-Mix Concrete");

  person.type("?EnteredVendor", "ca");  // one name starts so
  EXPECT_EQ(person.shown("?POM:VendorID"), "110");
  EXPECT_NE(person.focus(), "?LocalVendorName");

  person.type("?EnteredVendor", "b");  // three do: the first is shown and the list chosen from
  EXPECT_EQ(person.focus(), "?LocalVendorName");
  EXPECT_EQ(person.shown("?LocalVendorName"), "Bluewater Painting LLC");
  person.pick("?LocalVendorName", "Builders Hardware Outlet");
  EXPECT_EQ(person.shown("?EnteredVendor"), "112");
  EXPECT_EQ(person.shown("?POM:VendorID"), "112");

  person.type("?EnteredVendor", "zz");  // none does: the vendor list opens
  person.expectWindow("Select a Vendor");
  person.press("?Close");
  EXPECT_EQ(person.focus(), "?POM:VendorID");

  person.type("?EnteredVendor", "127");
  person.expectMessage(
      "Inactive Vendor Selected",
      "Vendor 127, Old Mill Cabinet Shop has been marked inactive.  Are you sure you wish to "
      "select this vendor?");
  person.answer("No");
  EXPECT_EQ(person.shown("?POM:VendorID"), "");
  EXPECT_EQ(person.focus(), "?EnteredVendor");

  // Without a vendor OK asks only about the vendor.
  person.press("?OK");
  person.expectMessage("Save with No Vendor Specified");
  person.answer("No");
  EXPECT_EQ(person.focus(), "?EnteredVendor");
  cancel(person);
}

TEST_F(OrderFormEntryTest, ShipToTypesFillTheAddressFromTheirSource) {
  HeadlessDriver person;
  open(person, crv::InsertRecord);
  person.pick("?POM:ShipToType", "Customer");
  EXPECT_FALSE(person.isHidden("?Alternate"));
  EXPECT_TRUE(person.isHidden("?POM:ShipToJob"));
  person.press("?Alternate");
  person.expectMessage("No Customer Selected", "Please select a ship-to customer.");
  person.answer(1);
  EXPECT_EQ(person.focus(), "?POM:ShipToCustomer");
  person.type("?POM:ShipToCustomer", "201");
  EXPECT_EQ(person.shown("?POM:ShipToName"), "Beaverton School District");
  person.press("?Alternate");
  person.expectWindow("Select a Ship-To Address");
  EXPECT_EQ(person.rows("?Browse").size(), 2u);
  person.pick("?Browse", "District Warehouse");
  person.press("?Select");
  EXPECT_EQ(person.shown("?POM:ShipToName"), "District Warehouse");
  EXPECT_EQ(person.shown("?CityStateZipString"), "Beaverton, OR  97006");

  person.pick("?POM:ShipToType", "Job");
  person.type("?POM:ShipToJob", crv::demo::mainJob);
  EXPECT_EQ(person.shown("?POM:ShipToName"), "Cedar Hills Elementary Addition");

  person.pick("?POM:ShipToType", "Other");
  person.expectWindow("Shipping Information");
  person.type("?POM:ShipToName", "Lot 14");
  person.type("?POM:ShipToCity", "");
  person.type("?POM:ShipToState", "WA");
  person.type("?POM:ShipToZip", "98660");
  person.press("?Close");
  person.expectWindow("Adding a Purchase Order");
  EXPECT_EQ(person.shown("?POM:ShipToName"), "Lot 14");
  EXPECT_EQ(person.shown("?CityStateZipString"), "WA  98660");
  cancel(person);
}

TEST_F(OrderFormEntryTest, ATakenNumberIsQuestionedAndLinesOnTwoJobsAskForTheDefaultJob) {
  HeadlessDriver person;
  open(person, crv::InsertRecord);
  person.type("?POM:PONumber", crv::demo::changeOrderOrder);
  person.expectMessage(
      "Duplicate PO Number Warning",
      "Purchase Order Number 1002 has already been entered.||Re-enter the Purchase Order number?");
  person.answer("No");
  EXPECT_EQ(person.shown("?POM:PONumber"), crv::demo::changeOrderOrder);
  person.type("?POM:PONumber", "1007");
  person.type("?EnteredVendor", "103");
  addJobLine(person, "Sill plate", "20", "3");
  person.press("?LineAdd");
  person.type("?POD:Description", "Cable tray");
  person.type("?POD:JobID", "2402");
  person.type("?POD:CostCode", "16-100M");
  person.type("?POD:UnitPrice", "80");
  person.press("?OK");
  person.press("?OK");
  person.expectMessage(
      "Assign Default Job ID?",
      "You have not supplied a default Job ID and purchase order line|items have been assigned to "
      "multiple jobs. Would you like to assign|Job 2401 as the default Job ID on this Purchase "
      "Order?");
  person.answer("Yes");
  person.expectFinished();
  EXPECT_EQ(order("1007").DefaultJob, crv::demo::mainJob);
  EXPECT_EQ(differences(), std::vector<std::string>{});
}

TEST_F(OrderFormEntryTest, CanadianTaxFollowsEachLinesGstAndPstState) {
  crv::COUNTRY = "Canada";
  changeSettings([](crv::SystemsRecord& s) {
    s.CanadianTax = 1;
    s.GSTRate = 5;
    s.GSTLabel = "GST";
    s.State = "QC";
  });
  HeadlessDriver person;
  open(person, crv::InsertRecord);
  EXPECT_TRUE(person.isHidden("?POM:Taxable"));
  EXPECT_TRUE(person.isHidden("?TotalsGroup"));
  EXPECT_EQ(person.shown("?POM:CheckNo"), "QC");
  EXPECT_EQ(person.control("?POM:DiscountAmount:Prompt").text(), "GST  5.000%");
  person.type("?EnteredVendor", "103");
  struct State {
    bool gst;
    bool pst;
    crv::Flag taxable;
  };
  for (const State state :
       {State{true, true, 1}, State{true, false, 2}, State{false, true, 3}, State{false, false, 0}}) {
    person.tick("?Loc:GST", state.gst);
    person.tick("?Loc:PST", state.pst);
    EXPECT_EQ(crv::POM.Taxable, state.taxable);
    addJobLine(person, "Lumber", "1", "100.10");
  }
  // GST on the lines with GST (200.20), PST at Quebec's 9.975 % on those
  // with PST (200.20: 19.96995), each rounded to the cent.
  EXPECT_EQ(person.shown("?POM:DiscountAmount"), "10.01");
  EXPECT_EQ(person.shown("?POM:OtherCharges"), "19.97");
  EXPECT_EQ(person.shown("?CA:POAmount"), "430.38");
  person.pick("?POM:CheckNo", "ON");
  EXPECT_EQ(person.shown("?POM:OtherCharges"), "16.02");
  person.press("?OK");
  person.expectFinished();
  const crv::POMasterRecord saved = order("1007");
  EXPECT_TRUE(saved.TaxAmount.isZero());
  EXPECT_EQ(saved.POAmount, *crv::Amount::parse("426.43"));
  EXPECT_EQ(differences(), std::vector<std::string>{});
}

TEST_F(OrderFormEntryTest, LinesMoveToTheTopAndTheFirstLineCannotMoveUp) {
  HeadlessDriver person;
  open(person, crv::ChangeRecord, crv::demo::openJobOrder);
  person.highlight("?LineList", 2);  // the text line
  person.press("?MoveTop");
  EXPECT_EQ(person.rows("?LineList")[0].rfind("Text | ", 0), 0u);
  EXPECT_EQ(person.shown("?LineList").rfind("Text | ", 0), 0u);  // still highlighted
  person.press("?MoveUp");
  EXPECT_EQ(person.rows("?LineList")[0].rfind("Text | ", 0), 0u);
  person.press("?MoveBottom");
  EXPECT_EQ(person.rows("?LineList")[2].rfind("Text | ", 0), 0u);
  person.press("?OK");
  person.expectFinished();
  const auto stored = lines(order(crv::demo::openJobOrder).POID);
  ASSERT_EQ(stored.size(), 3u);
  EXPECT_EQ(stored[2].TextFlag, 1);
  EXPECT_LT(stored[0].SequenceNo, stored[1].SequenceNo);
}

TEST_F(OrderFormEntryTest, ViewedViewOnlyAndReconciledOrdersAreLocked) {
  {
    // A viewed order shows its vendor and ship-to as a changed one does.
    HeadlessDriver person;
    open(person, crv::ViewRecord, crv::demo::inventoryOrder);
    person.expectWindow("View Record");
    EXPECT_EQ(person.shown("?LocalVendorName"), "Cascade Fastener & Supply");
    EXPECT_FALSE(person.shown("?CityStateZipString").empty());
    EXPECT_TRUE(person.isDisabled("?LineAdd"));
    EXPECT_ANY_THROW(person.type("?POM:Terms", "Net 10"));
    person.press("?OK");
    person.expectFinished();
    EXPECT_EQ(person.response(), crv::RequestCancelled);
  }
  {
    entryState().POViewOnly = true;
    HeadlessDriver person;
    open(person, crv::ChangeRecord, crv::demo::openJobOrder);
    EXPECT_TRUE(person.isDisabled("?OK"));
    EXPECT_TRUE(person.isDisabled("?LineDelete"));
    EXPECT_TRUE(person.isDisabled("?AttachAdd"));
    person.press("?Cancel");
    person.expectFinished();
    entryState().POViewOnly = false;
  }
  {
    crv::UserID = crv::demo::projectManager;  // may not change order numbers
    HeadlessDriver person;
    open(person, crv::ChangeRecord, crv::demo::partlyReconciledOrder);
    EXPECT_TRUE(person.isDisabled("?EnteredVendor"));
    EXPECT_TRUE(person.isDisabled("?POM:VendorID:Lookup"));
    EXPECT_TRUE(person.isDisabled("?LocalVendorName"));
    EXPECT_TRUE(person.isDisabled("?POM:PONumber"));
    EXPECT_FALSE(person.isDisabled("?POM:Terms"));
    // The invoice that reconciled it, with what it reconciled.
    ASSERT_EQ(person.rows("?InvoiceList").size(), 1u);
    EXPECT_EQ(person.rows("?InvoiceList")[0].rfind("EES-55812 | ", 0), 0u);
    EXPECT_EQ(person.control("?Tab:Reconciliation").fontWeight(), 700);
    EXPECT_EQ(person.control("?Tab:Notes").fontWeight(), 400);
    cancel(person);
  }
  EXPECT_EQ(differences(), std::vector<std::string>{});
}

}  // namespace
}  // namespace crvpo::test
