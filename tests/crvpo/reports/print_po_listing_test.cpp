// The listing's report run as a person meets it: the previewer with its
// "Export This Report" (also on the purchase-order form's previewer), and
// the message for a run that lists nothing.
#include "crvpo/reports/print_po_listing.h"

#include <gtest/gtest.h>

#include "crvpo/reports/create_po_print.h"
#include "crvpo/reports/purchase_order_print.h"
#include "host/framework/ui/headless/headless_driver.h"
#include "support/xlsx_text.h"
#include "tests/crvpo/reports/listing_fixture.h"

namespace crvpo {
namespace {

using namespace crv;

class PrintPOListingTest : public test::ListingTest {
 protected:
  // Presses "Export This Report" in the previewer now open and saves to
  // `file`.
  void exportFromPreviewer(ui::HeadlessDriver& person, const std::filesystem::path& file) {
    person.press("?Export");
    ASSERT_TRUE(person.hasDialog());
    EXPECT_EQ(person.dialog().kind, ui::DialogKind::SaveFile);
    EXPECT_EQ(person.dialog().file.title, "Export This Report");
    person.answerFiles({file});
    person.expectFinished();
  }
};

TEST_F(PrintPOListingTest, ThePreviewersExportSavesTheRowsAndTheParameters) {
  if (!crv::test::haveXlsx2csv()) GTEST_SKIP() << "xlsx2csv not installed";
  GLO.PrintPreview = 1;
  REPORTFILTER =
      std::to_string(addFormat("Summary of everything", [](POLimitsRecord& l) { l.SelectedCat = 2; }));
  ui::HeadlessDriver person;
  person.start([] { PrintPOListing(); }, "PrintPOListing");
  person.expectWindow("Purchase Order Listing");
  EXPECT_EQ(person.shown("?Export"), "Export This Report");
  EXPECT_EQ(person.shown("?Email"), "Email Report (pdf)");
  exportFromPreviewer(person, folder / "summary.xlsx");

  const std::string sheet = crv::test::xlsxText(folder / "summary.xlsx");
  for (const char* row :
       {"Ref #\tPO #\tIssue Date\tVendor\tJob\tPO Amount\tOpen Amount",
        "1\t1001\t12/23/24\t(103) Columbia Lumber Supply\t(2401) Cedar Hills Elementary Addition",
        "Report Parameters:", "Report Title: Summary of everything", "Reconciled Status: All POs"})
    EXPECT_NE(sheet.find(row), std::string::npos) << row << "\n" << sheet;
}

TEST_F(PrintPOListingTest, TheOrderFormsPreviewerExportsTheOrderLines) {
  if (!crv::test::haveXlsx2csv()) GTEST_SKIP() << "xlsx2csv not installed";
  GLO.PrintPreview = 1;
  GLO.PreviewZoom = 2;  // the previewer then offers "Export This Report"
  DecimalVariable = Amount(static_cast<std::int64_t>(orderId(demo::openJobOrder)));
  CreatePOPrint();
  ui::HeadlessDriver person;
  person.start([] { PrintPurchaseOrderStandard(); }, "PrintPurchaseOrderStandard");
  person.expectWindow("Print Preview");
  exportFromPreviewer(person, folder / "order.xlsx");

  const std::string sheet = crv::test::xlsxText(folder / "order.xlsx");
  for (const char* row : {"1001\t12/23/24\tColumbia Lumber Supply\tCedar Hills Elementary Addition\t2401",
                          "\tLUM-2X4-8\t600\tStud 2x4x8 SPF\tEA\t3.89\t2334",
                          "\t\t\t\t\tTOTAL SUM OF\t6757.38", "Purchase Orders: 1001"})
    EXPECT_NE(sheet.find(row), std::string::npos) << row << "\n" << sheet;
}

TEST_F(PrintPOListingTest, AFormatThatListsNothingSaysWhatTheLimitsExcluded) {
  GLO.PrintPreview = 1;
  REPORTFILTER = std::to_string(addFormat("Nothing", [](POLimitsRecord& l) {
    l.SelectedPONumbers = 1;
    l.POFrom = "5000";
    l.POTo = "5001";
  }));
  ui::HeadlessDriver person;
  person.start([] { PrintPOListing(); }, "PrintPOListing");
  person.expectMessage("Nothing to Print...", "Your Limits have excluded all 6 records!");
  person.answer(1);
  person.expectFinished();
  EXPECT_EQ(person.response(), RequestCancelled);
}

}  // namespace
}  // namespace crvpo
