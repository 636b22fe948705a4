// The host's window that prints one order: the lookup fills the number, OK
// hands the chosen order to the print entry with the previewer on and puts
// the person's preview setting back afterwards; a blank or unknown number
// keeps the window open and the print entry is not called.
#include "host/app/print_purchase_order.h"

#include <gtest/gtest.h>

#include "host/app/demo_company.h"
#include "host/app/host_session.h"
#include "host/data/shared_values.h"
#include "host/data/tables/purchasing_tables.h"
#include "host/framework/ui/headless/headless_driver.h"
#include "support/temp_folder.h"

namespace crv::test {
namespace {

class PrintPurchaseOrderWindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    createDemoCompany(folder_.path());
    session_ = std::make_unique<HostSession>(folder_.path());
    GLO.PrintPreview = 0;
  }
  void TearDown() override { session_.reset(); }

  // The print entry as the module would be called: what it was handed.
  std::function<void()> printEntry() {
    return [this] {
      ++calls_;
      printedOrder_ = DecimalVariable;
      previewing_ = GLO.PrintPreview;
    };
  }

  Id orderId(std::string_view number) {
    POMaster.open();
    POM.clear();
    POM.PONumber = number;
    EXPECT_EQ(POMaster.fetch(POMasterRecord::KeyPONumber), TableStatus::Ok);
    POMaster.close();
    return POM.POID;
  }

  TempFolder folder_;
  std::unique_ptr<HostSession> session_;
  int calls_ = 0;
  Amount printedOrder_;
  Flag previewing_ = 0;
};

TEST_F(PrintPurchaseOrderWindowTest, TheLookupFillsTheNumberAndOkPrintsThatOrderWithThePreviewer) {
  ui::HeadlessDriver person;
  person.start([this] { printPurchaseOrder(printEntry()); }, "PrintPurchaseOrder");
  person.expectWindow("Print a Purchase Order");
  person.press("?PONumber:Lookup");
  person.expectWindow("Select a Purchase Order");
  person.pick("?Browse", std::string(demo::changeOrderOrder));
  person.press("?Select");
  person.expectWindow("Print a Purchase Order");
  EXPECT_EQ(person.shown("?PONumber"), demo::changeOrderOrder);
  person.press("?OK");
  person.expectFinished();

  EXPECT_EQ(calls_, 1);
  EXPECT_EQ(printedOrder_, Amount(static_cast<std::int64_t>(orderId(demo::changeOrderOrder))));
  EXPECT_EQ(previewing_, 1);
  EXPECT_EQ(GLO.PrintPreview, 0);
}

TEST_F(PrintPurchaseOrderWindowTest, BlankOrUnknownNumbersAreRefusedAndCancelPrintsNothing) {
  ui::HeadlessDriver person;
  person.start([this] { printPurchaseOrder(printEntry()); }, "PrintPurchaseOrder");
  person.type("?PONumber", "4242");
  person.press("?OK");
  person.expectMessage("Purchase Order Not Found", "There is no purchase order numbered 4242.");
  person.answer(1);
  person.expectWindow("Print a Purchase Order");
  EXPECT_EQ(person.focus(), "?PONumber");
  person.type("?PONumber", "");
  person.press("?OK");
  // The number is required: OK goes back to it.
  person.expectWindow("Print a Purchase Order");
  EXPECT_EQ(person.focus(), "?PONumber");
  person.press("?Cancel");
  person.expectFinished();
  EXPECT_EQ(calls_, 0);
}

}  // namespace
}  // namespace crv::test
