// The life of a procedure's window driven as a person would: requests and
// responses, the accept-all pass, writes and their failures, repetitive
// insert, nested modal windows, timers and the services a form registers.
#include "host/framework/ui/window_manager.h"

#include <gtest/gtest.h>

#include "host/data/company.h"
#include "host/data/tables/purchasing_tables.h"
#include "host/framework/services/error_class.h"
#include "host/framework/ui/change_history.h"
#include "host/framework/ui/error_reporter.h"
#include "host/framework/ui/headless/headless_driver.h"
#include "host/framework/ui/type_ahead.h"
#include "support/temp_folder.h"
#include "support/ui/order_procedures.h"

namespace crv {
namespace {

using test::orderLog;
using ui::HeadlessDriver;

class WindowManagerTest : public ::testing::Test {
 protected:
  void SetUp() override {
    company = Company::open(folder.path(), true);
    orderLog().clear();
    ui::changeHistory().memory().clear();
    GlobalRequest = 0;
    GlobalResponse = 0;
  }
  void TearDown() override { company.reset(); }

  Id addOrder(std::string_view number, Id vendor, std::string_view amount = "0") {
    POMaster.open();
    POM.clear();
    POM.PONumber = number;
    POM.VendorID = vendor;
    POM.POAmount = *Amount::parse(amount);
    EXPECT_EQ(POMaster.insert(), TableStatus::Ok);
    const Id id = POM.POID;
    POMaster.close();
    return id;
  }

  // Loads the order into the buffer as a list does before calling a form.
  void loadOrder(Id id) {
    POMaster.open();
    POM.POID = id;
    ASSERT_EQ(POMaster.fetch(POMasterRecord::KeyPOID), TableStatus::Ok);
    POMaster.close();
  }

  std::int64_t orderCount() {
    POMaster.open();
    const auto n = POMaster.records();
    POMaster.close();
    return n;
  }

  test::TempFolder folder;
  std::unique_ptr<Company> company;
};

TEST_F(WindowManagerTest, InsertRunsFieldHandlersOnEntryAndSkipsThemInTheAcceptAllPass) {
  HeadlessDriver ui;
  ui.request(InsertRecord);
  ui.start(test::updateOrder, "UpdateOrder");
  ui.expectWindow("Adding a Purchase Order");
  EXPECT_EQ(ui.shown("?POM:IssueDate"), "07/04/24");  // primed by the form
  EXPECT_EQ(ui.shown("?POM:Taxable"), "on");
  EXPECT_EQ(ui.focus(), "?POM:PONumber");

  ui.type("PO Number", "PO-100");  // found by its prompt
  ui.type("?POM:VendorID", "102");
  EXPECT_EQ(ui.shown("?VendorName"), "Bolt Brothers");
  ui.type("?POM:POAmount", "1234.5");
  EXPECT_EQ(ui.shown("?POM:POAmount"), "1,234.50");
  ui.pick("?POM:ShipToType", "Vendor");
  ui.tick("?POM:Taxable", false);
  EXPECT_EQ(orderLog().vendorLookups, 1);

  ui.press("?OK");
  ui.expectFinished();
  EXPECT_EQ(ui.response(), RequestCompleted);
  EXPECT_EQ(GlobalResponse, RequestCompleted);
  EXPECT_EQ(orderLog().vendorLookups, 1);
  EXPECT_EQ(orderLog().vendorSkips, 1);

  POMaster.open();
  POM.clear();
  POM.PONumber = "PO-100";
  ASSERT_EQ(POMaster.fetch(POMasterRecord::KeyPONumber), TableStatus::Ok);
  EXPECT_EQ(POM.VendorID, 102u);
  EXPECT_EQ(POM.POAmount, *Amount::parse("1234.50"));
  EXPECT_EQ(POM.ShipToType, "Vendor");
  EXPECT_EQ(POM.Taxable, 0);
  EXPECT_EQ(POM.IssueDate, Date::compose(7, 4, 2024));
  EXPECT_EQ(POMaster.records(), 1);
  POMaster.close();
}

TEST_F(WindowManagerTest, AHandlerAnsweringNotifyInTheAcceptAllPassKeepsTheFormOpenOnThatField) {
  HeadlessDriver ui;
  ui.request(InsertRecord);
  ui.start(test::updateOrder);
  ui.type("?POM:PONumber", "PO-1");
  ui.type("?POM:POAmount", "-5");
  ui.expectMessage("Invalid Amount", "The amount cannot be negative.");
  ui.answer("&OK");
  ui.type("?POM:PONumber", "PO-2");  // the person moves on and presses OK
  ui.press("?OK");
  ui.expectMessage("Invalid Amount");  // the same check runs in the pass
  ui.answer(1);
  ui.expectWindow("Adding a Purchase Order");
  EXPECT_EQ(ui.focus(), "?POM:POAmount");
  ui.type("?POM:POAmount", "5");
  ui.press("?OK");
  EXPECT_EQ(ui.response(), RequestCompleted);
  EXPECT_EQ(orderCount(), 1);
}

TEST_F(WindowManagerTest, ValidationAndRequiredFieldsStopTheOk) {
  HeadlessDriver ui;
  ui.request(InsertRecord);
  ui.start(test::updateOrder);
  ui.press("?OK");  // PO Number is required and blank
  ui.expectWindow("Adding a Purchase Order");
  EXPECT_EQ(ui.focus(), "?POM:PONumber");
  ui.type("?POM:PONumber", "VOID");
  ui.press("?OK");
  ui.expectMessage("Invalid Number", "VOID is not an order number.");
  ui.answer("OK");
  ui.expectWindow("Adding a Purchase Order");
  ui.key("Escape");
  EXPECT_EQ(ui.response(), RequestCancelled);
  EXPECT_EQ(orderCount(), 0) << "the primed row is given back";
}

TEST_F(WindowManagerTest, TextThatDoesNotFitThePictureIsRejectedAndTheValueKept) {
  HeadlessDriver ui;
  ui.request(InsertRecord);
  ui.start(test::updateOrder);
  ui.type("?POM:POAmount", "12.50");
  ui.type("?POM:PONumber", "A");
  ui.type("?POM:POAmount", "12x");
  EXPECT_EQ(ui.shown("?POM:POAmount"), "12.50");
  EXPECT_EQ(ui.focus(), "?POM:POAmount");
  ui.type("?POM:IssueDate", "2/30/24");
  EXPECT_EQ(ui.shown("?POM:IssueDate"), "07/04/24");
  const auto lines = ui.transcript();
  EXPECT_EQ(std::count(lines.begin(), lines.end(), "  beep"), 2);
  ui.press("?Cancel");
  EXPECT_EQ(ui.response(), RequestCancelled);
}

TEST_F(WindowManagerTest, ChangeWritesTheRowAndRecordsRegisteredFieldsInTheHistory) {
  const Id id = addOrder("PO-7", 101, "10.00");
  loadOrder(id);
  ui::changeHistory().setUser("KLM");
  HeadlessDriver ui;
  ui.request(ChangeRecord);
  ui.start(test::updateOrder);
  ui.expectWindow("Changing a Purchase Order");
  EXPECT_EQ(ui.shown("?VendorName"), "Acme Supply");
  ui.type("?POM:POAmount", "12");
  ui.type("?POM:VendorID", "205");
  ui.press("?OK");
  EXPECT_EQ(ui.response(), RequestCompleted);

  loadOrder(id);
  EXPECT_EQ(POM.POAmount, Amount(12));
  EXPECT_EQ(POM.VendorID, 205u);
  EXPECT_EQ(orderCount(), 1);
  const auto history = ui::changeHistory().memory().entries();
  ASSERT_EQ(history.size(), 1u) << "only registered fields that changed";
  EXPECT_EQ(history[0].procedure, "UpdateOrder");
  EXPECT_EQ(history[0].field, "POM:POAmount");
  EXPECT_EQ(history[0].oldValue, "10.00");
  EXPECT_EQ(history[0].newValue, "12.00");
  EXPECT_EQ(history[0].user, "KLM");
  EXPECT_EQ(history[0].date, Date::today());
}

TEST_F(WindowManagerTest, AFailedWriteIsReportedUnderTheProcedureNameAndTheFormStaysOpen) {
  addOrder("PO-8", 101);
  // The buffer holds an order the table never read: there is no row to
  // write back to.
  POM.clear();
  POM.PONumber = "PO-8";
  ErrorClass errors;
  errors.setProcedureName("BrowseOrders");
  ErrorClass* before = ui::setErrorReporter(&errors);
  HeadlessDriver ui;
  ui.request(ChangeRecord);
  ui.start(test::updateOrder);
  ui.press("?OK");
  const auto box = ui.messageBox();
  EXPECT_EQ(box.title, "POMaster Error");
  EXPECT_EQ(box.icon, Icon::Stop);
  EXPECT_NE(box.text.find("Saving POMaster"), std::string::npos) << box.text;
  EXPECT_NE(box.text.find("Procedure: UpdateOrder"), std::string::npos) << box.text;
  ui.answer("&OK");
  ui.expectWindow("Changing a Purchase Order");
  ui.press("?Cancel");
  EXPECT_EQ(ui.response(), RequestCancelled);
  EXPECT_EQ(errors.procedureName(), "BrowseOrders") << "the caller's name comes back";
  ui::setErrorReporter(before);
}

TEST_F(WindowManagerTest, DeleteAsksFirstAndNoCancels) {
  const Id id = addOrder("PO-9", 101);
  PODetail.open();
  POD.clear();
  POD.POID = id;
  POD.SequenceNo = 1;
  ASSERT_EQ(PODetail.insert(), TableStatus::Ok);
  PODetail.close();

  for (const bool yes : {false, true}) {
    loadOrder(id);
    HeadlessDriver ui;
    ui.request(DeleteRecord);
    ui.start(test::updateOrder);
    ui.expectWindow("Deleting a Purchase Order");
    ui.press("?OK");
    const auto box = ui.expectMessage("Confirm Delete", "Are you sure you want to delete this record?");
    EXPECT_EQ(box.icon, Icon::Question);
    EXPECT_EQ(box.buttons, "&Yes|&No");
    EXPECT_EQ(box.defaultButton, 2);
    ui.answer(yes ? "&Yes" : "&No");
    EXPECT_EQ(ui.response(), yes ? RequestCompleted : RequestCancelled);
    EXPECT_EQ(orderCount(), yes ? 0 : 1);
  }
  PODetail.open();
  EXPECT_EQ(PODetail.records(), 0) << "the order's lines go with it";
  PODetail.close();
}

TEST_F(WindowManagerTest, ViewWritesNothingAndSelectAnswersCompleted) {
  const Id id = addOrder("PO-10", 101, "5.00");
  loadOrder(id);
  {
    HeadlessDriver ui;
    ui.request(ViewRecord);
    ui.start(test::updateOrder);
    ui.expectWindow("Viewing a Purchase Order");
    ui.type("?POM:POAmount", "99");
    ui.press("?OK");
    EXPECT_EQ(ui.response(), RequestCancelled);
  }
  loadOrder(id);
  EXPECT_EQ(POM.POAmount, *Amount::parse("5.00"));

  HeadlessDriver ui;
  ui.request(SelectRecord);
  ui.start(test::pickVendor);
  EXPECT_EQ(ui.rows("?List"),
            (std::vector<std::string>{"101 | Acme Supply", "102 | Bolt Brothers", "205 | Concrete Co"}));
  ui.pick("?List", "Concrete Co");
  EXPECT_EQ(ui.shown("?List"), "205 | Concrete Co");
  ui.key("Up");
  ui.press("?Select");
  EXPECT_EQ(ui.response(), RequestCompleted);
  EXPECT_EQ(orderLog().pickedVendor, 102u);

  ui.start(test::pickVendor);  // no request: nothing to select
  EXPECT_TRUE(ui.isHidden("?Select"));
  ui.press("?Close");
  EXPECT_EQ(ui.response(), RequestCancelled);
}

TEST_F(WindowManagerTest, RepetitiveInsertStartsAgainBlankAndAnswersCompleted) {
  class Repeating final : public ui::WindowManager {
   public:
    Repeating() : WindowManager("AddOrders") {
      addTable(POMaster, true);
      setRepetitiveInsert(true);
      window().setTitle("Add Orders");
      window().addField("PO Number:", "?POM:PONumber", ui::Binding::field(POM, POM.PONumber), "@s15");
      window().addButton("?OK", "OK", ui::ButtonRole::Ok);
      window().addButton("?Cancel", "Cancel", ui::ButtonRole::Cancel);
    }
  };
  HeadlessDriver ui;
  ui.request(InsertRecord);
  ui.start([] { Repeating().run(); });
  ui.type("?POM:PONumber", "A-1");
  ui.press("?OK");
  ui.expectWindow("Add Orders");
  EXPECT_EQ(ui.shown("?POM:PONumber"), "");
  ui.type("?POM:PONumber", "A-2");
  ui.press("?OK");
  ui.press("?Cancel");
  EXPECT_EQ(ui.response(), RequestCompleted);
  EXPECT_EQ(orderCount(), 2) << "the third primed row was given back";
}

TEST_F(WindowManagerTest, NestedModalWindowsAreMetInTheOrderTheyOpen) {
  HeadlessDriver ui;
  ui.request(InsertRecord);
  ui.start(test::updateOrder);
  ui.type("?POM:PONumber", "N-1");
  ui.press("?Notes");
  ui.expectWindow("Add a Note");
  EXPECT_EQ(ui.openWindows(), (std::vector<std::string>{"Adding a Purchase Order", "Add a Note"}));
  ui.type("?LOC:Heading", "Call first");
  ui.type("?LOC:Vendor", "");
  ui.key("F2");  // presses the vendor's lookup button
  ui.expectWindow("Vendors");
  ui.highlight("?List", 2);
  ui.press("?Select");
  ui.expectWindow("Add a Note");
  EXPECT_EQ(ui.shown("?LOC:Vendor"), "205");
  ui.press("?OK");
  ui.expectWindow("Adding a Purchase Order");
  ui.key("F2");  // focus is still on the PO number, which has no lookup
  ui.expectWindow("Adding a Purchase Order");
  ui.press("?POM:VendorID:Lookup");
  ui.expectWindow("Vendors");
  ui.pick("?List", "101");
  ui.key("Enter");  // no default button here: Enter only completes the list
  ui.press("?Select");
  EXPECT_EQ(ui.shown("?POM:VendorID"), "101");
  EXPECT_EQ(ui.shown("?VendorName"), "Acme Supply");
  ui.press("?OK");
  EXPECT_EQ(ui.response(), RequestCompleted);

  const std::vector<std::string> expected{
      "request insert",
      "call procedure",
      "  open window \"Adding a Purchase Order\"",
      "type ?POM:PONumber \"N-1\"",
      "press ?Notes",
      "  open window \"Add a Note\"",
      "type ?LOC:Heading \"Call first\"",
      "type ?LOC:Vendor \"\"",
      "key F2",
      "  open window \"Vendors\"",
      "highlight ?List 2",
      "press ?Select",
      "  close window \"Vendors\"",
      "press ?OK",
      "  close window \"Add a Note\"",
      "key F2",
      "press ?POM:VendorID:Lookup",
      "  open window \"Vendors\"",
      "pick ?List \"101\"",
      "key Enter",
      "press ?Select",
      "  close window \"Vendors\"",
      "press ?OK",
      "  close window \"Adding a Purchase Order\"",
      "  finished, response completed",
  };
  EXPECT_EQ(ui.transcript(), expected);
}

TEST_F(WindowManagerTest, CalendarHelpAndSpellCheckGoThroughTheFrontEnd) {
  HeadlessDriver ui;
  ui.request(InsertRecord);
  ui.start(test::updateOrder);
  ui.type("?POM:PONumber", "C-1");
  ui.type("?POM:IssueDate", "8/1/24");
  ui.key("F2");  // the date's calendar button
  EXPECT_EQ(ui.dialog().kind, ui::DialogKind::Calendar);
  EXPECT_EQ(ui.dialog().calendar.title, "Select a Date");
  EXPECT_EQ(ui.dialog().calendar.initial, Date::compose(8, 1, 2024));
  ui.answerDate(Date::compose(12, 24, 2024));
  EXPECT_EQ(ui.shown("?POM:IssueDate"), "12/24/24");
  ui.press("?POM:IssueDate:Lookup");
  ui.cancelDialog();
  EXPECT_EQ(ui.shown("?POM:IssueDate"), "12/24/24");
  ui.key("F1");
  ui.press("?Help");
  ui.key("F7");
  ui.press("?Cancel");
  const auto lines = ui.transcript();
  EXPECT_EQ(std::count(lines.begin(), lines.end(), "  help \"html/orders.htm#order_form\""), 2);
  EXPECT_EQ(std::count(lines.begin(), lines.end(), "  spell check ?POM:PONumber"), 1);
  EXPECT_EQ(std::count(lines.begin(), lines.end(), "  calendar \"Select a Date\" at 08/01/2024"), 1);
}

TEST_F(WindowManagerTest, TypedValuesOfRegisteredFieldsAreOfferedAgain) {
  ui::typeAhead().setEnabled(true);
  HeadlessDriver ui;
  ui.request(InsertRecord);
  ui.start(test::updateOrder);
  ui.type("?POM:PONumber", "T-100");
  ui.type("?POM:PONumber", "T-200");
  ui.type("?POM:VendorID", "101");  // not registered
  ui.press("?Cancel");
  EXPECT_EQ(ui::typeAhead().completions("UpdateOrder", "POM:PONumber", "t-"),
            (std::vector<std::string>{"T-200", "T-100"}));
  EXPECT_TRUE(ui::typeAhead().completions("UpdateOrder", "POM:VendorID", "").empty());
}

TEST_F(WindowManagerTest, AWindowWithATimerRunsToItsEndWithoutThePerson) {
  HeadlessDriver ui;
  ui.start(test::runCount);
  ui.expectFinished();
  EXPECT_EQ(ui.response(), RequestCompleted);
  EXPECT_EQ(orderLog().processSteps, 10);
}

TEST_F(WindowManagerTest, AListProcedureCallsTheFormForTheHighlightedRow) {
  addOrder("B-1", 101, "1.00");
  addOrder("B-2", 102, "2.00");
  HeadlessDriver ui;
  ui.start(test::browseOrders);
  EXPECT_EQ(ui.rows("?List"), (std::vector<std::string>{"B-1 | 101 | 1.00", "B-2 | 102 | 2.00"}));
  ui.highlight("?List", 1);
  ui.press("?Change");
  ui.expectWindow("Changing a Purchase Order");
  EXPECT_EQ(ui.shown("?POM:PONumber"), "B-2");
  ui.type("?POM:POAmount", "20");
  ui.press("?OK");
  ui.expectWindow("Purchase Orders");
  EXPECT_EQ(ui.rows("?List")[1], "B-2 | 102 | 20.00");
  ui.press("?Close");
  EXPECT_EQ(ui.response(), RequestCancelled);
}

}  // namespace
}  // namespace crv
