// The small windows around the header form: the blank-form confirmation
// with and without the company counter, the ship-to dialog's text cases,
// and opening an order the ways the order lists do (a fully or partly
// reconciled order, one an unposted invoice is reconciling, a deletion).
#include <gtest/gtest.h>

#include "crvpo/entry/confirm_blank_po.h"
#include "crvpo/entry/enter_ship_to_address.h"
#include "crvpo/entry/open_po_master.h"
#include "crvpo/reports/print_state.h"
#include "host/data/tables/payables_tables.h"
#include "host/siblings/CRVMISC/get_case.h"
#include "order_form_fixture.h"

namespace crvpo::test {
namespace {

using crv::ui::HeadlessDriver;

class OrderDialogsTest : public OrderFormTest {
 protected:
  void setAutomaticNumbers(crv::Flag on) {
    crv::PrivateTable<crv::SystemsRecord> systems(crv::Systems);
    systems.table.set(crv::SystemsRecord::KeySystemID);
    ASSERT_EQ(systems.table.next(), crv::TableStatus::Ok);
    systems.rec.AutoPONumber = on;
    ASSERT_EQ(systems.table.tryUpdate(), crv::TableStatus::Ok);
  }
  void openOrder(HeadlessDriver& person, std::string_view number, const char* button) {
    person.start([] { openPOMaster(); }, "OpenPOMaster");
    person.expectWindow("Open a Purchase Order");
    person.type("?PONumber", number);
    person.press(button);
  }
};

TEST_F(OrderDialogsTest, ABlankFormCarriesTheNextNumberATypedOneOrNone) {
  crv::GLO.PrintPreview = 1;
  setAutomaticNumbers(0);
  {
    HeadlessDriver person;
    person.start([] { confirmBlankPO(); }, "ConfirmBlankPO");
    person.expectWindow("Blank Purchase Order Printing");
    EXPECT_TRUE(person.isHidden("?Choice:Next"));
    EXPECT_EQ(person.shown("?Choice"), "Print blank Purchase Order with no PO Number");
    person.press("?Cancel");
    person.expectFinished();
  }
  setAutomaticNumbers(1);
  HeadlessDriver person;
  person.start([] { confirmBlankPO(); }, "ConfirmBlankPO");
  EXPECT_EQ(person.control("?Choice:Next").text(), "Assign the next PO Number (1007)");
  person.pick("?Choice", "Use this PO Number");
  person.press("?Print");
  person.expectMessage("No PO Number Provided", "Please provide a PO Number.");
  person.answer(1);
  EXPECT_EQ(person.focus(), "?MOD:AssignedPONumber");
  person.pick("?Choice", "Assign the next PO Number (1007)");
  person.press("?Print");
  person.expectWindow("Print Preview");
  person.closeWindow();
  person.expectFinished();
  EXPECT_EQ(printState().AssignedPONumber, "1007");
  EXPECT_EQ(counter(), crv::demo::nextPONumber + 1);  // taken by the blank form's batch
}

TEST_F(OrderDialogsTest, ShippingFieldsKeepTheCaseChosenFromTheirMenu) {
  HeadlessDriver person;
  person.start([] { enterShipToAddress(); }, "EnterShipToAddress");
  person.expectWindow("Shipping Information");
  person.popup("?POM:ShipToInstructions");
  EXPECT_EQ(person.dialog().popup.items, "\u2022 small text|   Capitalized Text|   ALL CAPS");
  person.answer(3);
  person.type("?POM:ShipToInstructions", "use gate b");
  EXPECT_EQ(person.shown("?POM:ShipToInstructions"), "USE GATE B");
  person.press("?Close");
  person.expectFinished();
  EXPECT_EQ(crv::siblings::getCase("000POM:ShipToInst"), "UPR");
}

TEST_F(OrderDialogsTest, OrdersOpenAsTheListsOpenThem) {
  // An unposted payables invoice reconciling 1001.
  crv::PrivateTable<crv::APInvRecord> invoices(crv::APInv);
  invoices.rec.InvoiceNo = "CLS-1";
  invoices.rec.VendorID = 103;
  invoices.rec.POID = order(crv::demo::openJobOrder).POID;
  ASSERT_EQ(invoices.table.tryInsert(), crv::TableStatus::Ok);

  HeadlessDriver person;
  openOrder(person, crv::demo::openJobOrder, "?Change");
  person.expectMessage("Purchase Order Being Reconciled");
  person.answer(1);
  person.expectWindow("Changing a Purchase Order");
  EXPECT_TRUE(person.isDisabled("?OK"));
  person.press("?Cancel");

  person.expectWindow("Open a Purchase Order");
  person.type("?PONumber", crv::demo::fullyReconciledOrder);
  person.press("?Change");
  person.expectMessage("Purchase Order Partially Reconciled",
                       "This purchase order has been fully reconciled.  Are you sure you wish to edit the "
                       "purchase order at this time?");
  person.answer("View Only");
  EXPECT_TRUE(person.isDisabled("?OK"));
  person.press("?Cancel");

  person.type("?PONumber", crv::demo::partlyReconciledOrder);
  person.press("?Change");
  person.expectMessage("Purchase Order Partially Reconciled");
  person.answer("No");
  person.expectWindow("Open a Purchase Order");

  person.type("?PONumber", crv::demo::unprintedOrder);
  person.press("?Delete");
  person.expectMessage("Confirm Delete", "Are you sure you want to delete the highlighted Purchase Order?");
  person.answer("Yes");
  EXPECT_EQ(person.shown("?PONumber"), "");
  person.press("?Close");
  person.expectFinished();
  EXPECT_EQ(order(crv::demo::unprintedOrder).POID, 0u);
  EXPECT_FALSE(entryState().POViewOnly);
  EXPECT_EQ(differences(), std::vector<std::string>{});
}

}  // namespace
}  // namespace crvpo::test
