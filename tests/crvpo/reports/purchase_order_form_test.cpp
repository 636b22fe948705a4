// The standard form as printed: the text of the produced PDF carries the
// captions, number, address blocks, lines and total lines of each order,
// and each order starts at page 1. Also the pure rules behind it: total
// lines, vendor-name swap, logo sizing.
#include "crvpo/reports/purchase_order_form.h"

#include <gtest/gtest.h>

#include "crvpo/reports/create_po_print.h"
#include "crvpo/reports/purchase_order_dummy.h"
#include "crvpo/reports/purchase_order_pdf.h"
#include "support/pdf_text.h"
#include "tests/crvpo/reports/print_fixture.h"

namespace crvpo {
namespace {

using namespace crv;
using crv::test::havePdftotext;
using crv::test::pdfText;

class PurchaseOrderFormTest : public test::PrintFixture {
 protected:
  std::string printOrders(std::vector<Id> poids) {
    std::string all;
    for (Id poid : poids) {
      DecimalVariable = Amount(static_cast<std::int64_t>(poid));
      CreatePOPrint();
      const auto file = folder / ("po" + std::to_string(poid) + ".pdf");
      const PdfPrintResult result = printStandardFormToPdf(file);
      EXPECT_EQ(result.orders, 1);
      all += pdfText(file);
    }
    return all;
  }

  // pdftotext rebuilds spacing from glyph positions, so runs of spaces are
  // compared as one.
  static std::string oneSpace(std::string_view text) {
    std::string out;
    for (char c : text) {
      if (c == ' ' && !out.empty() && out.back() == ' ') continue;
      out += c;
    }
    return out;
  }
  static void expectAll(const std::string& text, std::initializer_list<const char*> expected) {
    const std::string flat = oneSpace(text);
    for (const char* piece : expected)
      EXPECT_NE(flat.find(oneSpace(piece)), std::string::npos) << piece << "\n" << text;
  }
};

TEST_F(PurchaseOrderFormTest, UsOrderPrintsBlocksLinesAndTaxTotals) {
  if (!havePdftotext()) GTEST_SKIP() << "pdftotext not installed";
  addSystems();
  addVendor(10, "Stone; Bob", "1 Supply Road", "Unit 4");
  addJob("J100", "Tower Project");
  const Id poid = addOrder("1200");
  addLine(poid, 1, "BLK-8", "Concrete block 8x8x16", Amount(200), 1, "CAT-77");
  addLine(poid, 2, "SAND", "Mason sand", Amount(100), 0);
  POD.clear();
  ASSERT_EQ(PODetail.primeAutoInc(), TableStatus::Ok);
  POD.POID = poid;
  POD.SequenceNo = 3;
  POD.TextFlag = 1;
  POD.Text = "Deliver to the north gate before noon.";
  ASSERT_EQ(PODetail.insert(), TableStatus::Ok);

  const std::string text = printOrders({poid});
  expectAll(text, {"PURCHASE ORDER",
                   "NUMBER: 1200",
                   "03/15/26",
                   "Acme Builders",
                   "100 Main Street",
                   "Dallas, TX  75201",
                   "214-555-0100  FAX214-555-0101",
                   "Bob Stone",
                   "1 Supply Road",
                   "Unit 4",
                   "Austin, TX 73301",
                   "Tower Project",
                   "200 Elm Street",
                   "Plano, TX 75023",
                   "VENDOR CAT.#",
                   "CAT-77",
                   "BLK-8",
                   "Concrete block 8x8x16",
                   "Deliver to the north gate",
                   "JOB #",
                   "J100",
                   "Net 30",
                   "Freight Ca",
                   "Subtotal:",
                   "300.00",
                   "Tax (   5.000%)",
                   "10.00",
                   "TOTAL SUM OF",
                   "315.00",
                   "Page 1 of 1",
                   "MATERIALS AND/OR SERVICES TO BE FURNISHED",
                   "By_________________________________  Date_____________"});
  EXPECT_EQ(oneSpace(text).find("Tax ( 5.000%):"), std::string::npos) << "the colon falls beyond the caption";
}

TEST_F(PurchaseOrderFormTest, CanadianTotalsAndMissingJobAndBatchPageNumbers) {
  if (!havePdftotext()) GTEST_SKIP() << "pdftotext not installed";
  addSystems("", "", 0);
  SYS.CanadianTax = 1;
  ASSERT_EQ(Systems.update(), TableStatus::Ok);
  addVendor(10, "Northern Supply");
  const Id first = addOrder("2001");
  POM.DefaultJob = "NOJOB";
  POM.DiscountAmount = Amount(15);
  POM.OtherCharges = Amount::fromRaw(2495);
  POM.CheckNo = "QC";
  ASSERT_EQ(POMaster.update(), TableStatus::Ok);
  addLine(first, 1, "PIPE", "Copper pipe", Amount(300));
  const Id second = addOrder("2002");
  addLine(second, 1, "WIRE", "Cable", Amount(50));

  DecimalVariable = Amount();
  CreatePOPrint();
  const auto file = folder / "batch.pdf";
  const PdfPrintResult result = printStandardFormToPdf(file);
  EXPECT_EQ(result.orders, 2);
  EXPECT_EQ(result.pages, 2) << "each order starts on a new page";
  const std::string text = pdfText(file);
  expectAll(text, {"NUMBER: 2001", "NUMBER: 2002", "Job Not Found", "GST:", "15.00", "PST (QC):", "24.95",
                   "Dallas, TX  75201"});
  EXPECT_EQ(text.find("Page 2 of 2"), std::string::npos) << "numbering restarts per order";
  // neither GST nor PST on the second order: only the total prints
  const std::string second_page = text.substr(text.find("NUMBER: 2002"));
  EXPECT_EQ(second_page.find("Subtotal:"), std::string::npos);
}

TEST_F(PurchaseOrderFormTest, FormNumbersUnnumberedRowsAndStoresTheRunningNumber) {
  if (!havePdftotext()) GTEST_SKIP() << "pdftotext not installed";
  addSystems();
  addVendor(10, "Stone Supply");
  const Id poid = addOrder("");
  DecimalVariable = Amount(static_cast<std::int64_t>(poid));
  CreatePOPrint();
  printState().AssignPONumber = "B";
  printState().PONumber = 900;
  const auto file = folder / "numbered.pdf";
  printStandardFormToPdf(file);
  EXPECT_NE(pdfText(file).find("NUMBER: 900"), std::string::npos);
  EXPECT_EQ(batch()[0].PONumber.str(), "900");
  EXPECT_EQ(order(poid).PONumber.str(), "") << "a number given by the form lives only in the batch";
  POL.clear();
  POL.Report = generatePOsReport;
  ASSERT_EQ(POLimits.setFrom(POL.KeyReport, 1), TableStatus::Ok);
  ASSERT_EQ(POLimits.next(), TableStatus::Ok);
  EXPECT_EQ(POL.RefFrom, 901);
}

TEST_F(PurchaseOrderFormTest, EmptyBatchWritesNoFile) {
  addSystems();
  DecimalVariable = Amount(12345);
  CreatePOPrint();
  const auto file = folder / "none.pdf";
  EXPECT_EQ(printStandardFormToPdf(file).pages, 0);
  EXPECT_FALSE(std::filesystem::exists(file));
}

TEST_F(PurchaseOrderFormTest, SampleLayoutPrintsPlaceholdersOverFortyOneLines) {
  if (!havePdftotext()) GTEST_SKIP() << "pdftotext not installed";
  const auto file = folder / "Dummy Purchase Order.pdf";
  EXPECT_GE(printSampleLayoutToPdf(file), 1);
  const std::string text = pdfText(file);
  expectAll(text, {"PURCHASE ORDER", "Company Name XXXXXXXXXXXXXXXXXXX", "Vendor Name XXXXXXXXXXXXXXXXXXXXX",
                   "Bill To", "Ship To", "Purchase Order #:", "Issue Date:", "For Acceptance By:",
                   "Subtotal:", "Tax (9.999%)", "Total:", "Page: X of X"});
  std::size_t lines = 0;
  for (std::size_t at = text.find("Description XXX"); at != std::string::npos;
       at = text.find("Description XXX", at + 1))
    ++lines;
  EXPECT_EQ(lines, 41u);
}

TEST(PurchaseOrderFormRules, TotalLines) {
  TotalLines us = totalLines(false, Amount(200), 5.0, Amount(300), {}, {}, "GST", "");
  EXPECT_EQ(us.captions[0].view(), "Subtotal:");
  EXPECT_EQ(us.captions[1].view(), "Tax (   5.000%)");
  EXPECT_EQ(us.amounts[1], Amount(10));
  EXPECT_TRUE(totalLines(false, Amount(200), 0.0, Amount(300), {}, {}, "", "").captions[0].empty());
  // 0.005 rounds up
  EXPECT_EQ(totalLines(false, Amount::fromRaw(10), 5.0, {}, {}, {}, "", "").amounts[1], Amount::fromRaw(1));

  TotalLines ca = totalLines(true, Amount(200), 5.0, Amount(300), {}, Amount(7), "HST", "ON");
  EXPECT_EQ(ca.captions[0].view(), "Subtotal:");
  EXPECT_TRUE(ca.captions[1].empty());
  EXPECT_EQ(ca.captions[2].view(), "PST (ON):");
  EXPECT_TRUE(totalLines(true, Amount(200), 5.0, Amount(300), {}, {}, "GST", "ON").captions[0].empty());
}

TEST(PurchaseOrderFormRules, VendorNameSwapAndLogoSize) {
  EXPECT_EQ(swappedVendorName("Stone; Bob"), "Bob Stone");
  EXPECT_EQ(swappedVendorName("Stone Supply"), "Stone Supply");

  const LogoSize tall = logoSize(ImageSize{192, 192}, 100);  // 2000 x 2000 units
  EXPECT_DOUBLE_EQ(tall.height, 850);
  EXPECT_DOUBLE_EQ(tall.width, 850);
  EXPECT_DOUBLE_EQ(logoSize(ImageSize{96, 48}, 300).width, 1000) << "300 % is shown at 100 %";
  EXPECT_DOUBLE_EQ(logoSize(ImageSize{96, 48}, 20).width, 1000) << "20 % is shown at 100 %";
  EXPECT_DOUBLE_EQ(logoSize(ImageSize{96, 48}, 50).width, 500);
}

}  // namespace
}  // namespace crvpo
