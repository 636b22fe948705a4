// Designer reports: a form saved through the runtime, reloaded and printed
// over the batch (its text read back from the PDF), a listing whose record
// footers print the record that ended, a report file of the other type
// refused, a bad filter giving an empty report after its message, the
// single-designer guard, the company's designer form run by the print
// entry, and the form-path split.
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <sstream>

#include "crvpo/reports/create_po_print.h"
#include "crvpo/reports/designer_form_path.h"
#include "crvpo/reports/print_po_list_fm.h"
#include "crvpo/reports/print_purchase_order.h"
#include "crvpo/reports/purchase_order_print.h"
#include "host/app/sample_designer_form.h"
#include "host/framework/report/report_file.h"
#include "host/framework/report/report_runtime.h"
#include "host/framework/services/global_request.h"
#include "host/framework/ui/headless/headless_driver.h"
#include "support/pdf_text.h"
#include "tests/crvpo/reports/print_fixture.h"

namespace crvpo {
namespace {

using namespace crv;
using crv::test::havePdftotext;
using crv::test::pdfText;

// pdftotext rebuilds spacing from glyph positions: runs of spaces count as one.
std::string oneSpace(std::string_view text) {
  std::string out;
  for (char c : text) {
    if ((c == ' ' || c == '\n') && !out.empty() && out.back() == ' ') continue;
    out += c == '\n' ? ' ' : c;
  }
  return out;
}

class DesignerReportTest : public test::PrintFixture {
 protected:
  void SetUp() override {
    test::PrintFixture::SetUp();
    FRB.ReportSearchPath.clear();
    FRB.ReportFileName.clear();
    FRB.ReportEditAction = 0;
    FRB.DesktopThread = 0;
  }

  // An order 1200 for Stone Supply with two lines and a text line.
  Id addOrderWithLines() {
    addSystems();
    addVendor(10, "Stone Supply");
    addJob("J100", "Tower Project");
    const Id poid = addOrder("1200");
    addLine(poid, 1, "BLK-8", "Concrete block", Amount(200));
    addLine(poid, 2, "SAND", "Mason sand", Amount(100), 0);
    POD.clear();
    EXPECT_EQ(PODetail.primeAutoInc(), TableStatus::Ok);
    POD.POID = poid;
    POD.SequenceNo = 3;
    POD.TextFlag = 1;
    POD.Text = "Deliver to the north gate.";
    EXPECT_EQ(PODetail.insert(), TableStatus::Ok);
    return poid;
  }

  // Writes `definition` and points the designer's globals at it.
  std::filesystem::path useReport(const ReportDefinition& definition,
                                  const std::string& name = "form.crvreport") {
    const auto file = folder / name;
    writeReportFile(file, definition);
    EXPECT_TRUE(setDesignerForm(file.string(), 0));
    return file;
  }

  static ReportDefinition sampleForm() { return parseReportDefinition(samplePurchaseOrderForm()); }
};

TEST_F(DesignerReportTest, FormSavedReloadedAndPrintedShowsTheBatch) {
  if (!havePdftotext()) GTEST_SKIP() << "pdftotext not installed";
  const Id poid = addOrderWithLines();

  // The designer saves through the runtime; the print loads the file again.
  std::string error;
  auto runtime = createReportRuntime(error);
  ASSERT_NE(runtime, nullptr) << error;
  const auto file = folder / "Forms" / "acme.crvreport";
  std::filesystem::create_directories(file.parent_path());
  runtime->newReport(purchaseOrderReportType, "Acme form", file);
  ReportDefinition drawn = sampleForm();
  DefinedItem caption;
  caption.text = "ACME OWN FORM";
  caption.y = 60;
  caption.width = 200;
  drawn.band(DefinedBandKind::PageHeader).items.push_back(caption);
  runtime->replaceReport(drawn);
  ASSERT_TRUE(runtime->saveReport()) << runtime->errorText();
  ASSERT_TRUE(setDesignerForm(file.string(), 0));

  DecimalVariable = Amount(static_cast<std::int64_t>(poid));
  CreatePOPrint();
  std::ostringstream told;
  const auto pdf = folder / "designed.pdf";
  const PdfPrintResult result = printDesignerFormToPdf(pdf, told);
  EXPECT_EQ(told.str(), "");
  EXPECT_EQ(result.orders, 1);
  EXPECT_EQ(result.pages, 1);
  const std::string text = oneSpace(pdfText(pdf));
  for (const char* expected :
       {"ACME OWN FORM", "PURCHASE ORDER", "NUMBER: 1200", "03/15/26", "Acme Builders", "100 Main Street",
        "Stone Supply", "1 Supply Road", "Tower Project", "200 Elm Street", "BLK-8", "Concrete block",
        "200.00", "Mason sand", "Deliver to the north gate.", "TOTAL SUM OF", "315.00", "Page 1 of 1",
        "Pat Buyer"})
    EXPECT_NE(text.find(expected), std::string::npos) << expected << "\n" << text;
  // the text line prints in its own band only
  EXPECT_EQ(text.find("Deliver to the north gate."), text.rfind("Deliver to the north gate."));
}

TEST_F(DesignerReportTest, ListingFootersPrintTheRecordThatEndedInTheReportsOrder) {
  if (!havePdftotext()) GTEST_SKIP() << "pdftotext not installed";
  addSystems();
  addVendor(10, "Stone Supply");
  const Id first = addOrder("1001");
  addLine(first, 1, "A", "Alpha line", Amount(10));
  addLine(first, 2, "B", "Beta line", Amount(20));
  addOrder("1002");  // no lines: listed alone
  const Id third = addOrder("1003");
  addLine(third, 1, "C", "Gamma line", Amount(30));

  ReportDefinition listing;
  listing.type = listingReportType;
  listing.name = "Orders";
  listing.order = "-POM:PONumber";
  auto field = [](std::string name, double x, std::string picture = {}) {
    DefinedItem item;
    item.kind = DefinedItemKind::Field;
    item.name = std::move(name);
    item.picture = std::move(picture);
    item.x = x;
    item.width = 150;
    return item;
  };
  auto caption = [](std::string text, double x) {
    DefinedItem item;
    item.text = std::move(text);
    item.x = x;
    item.width = 100;
    return item;
  };
  DefinedBand& header = listing.band(DefinedBandKind::Header);
  header.height = 14;
  header.items = {caption("Order", 0), field("POM:PONumber", 60), field("APV:VendorName", 200)};
  DefinedBand& detail = listing.band(DefinedBandKind::Detail);
  detail.height = 14;
  detail.items = {field("POD:Description", 20)};
  DefinedBand& footer = listing.band(DefinedBandKind::Footer);
  footer.height = 14;
  footer.items = {caption("End of", 0), field("POM:PONumber", 60)};
  DefinedBand& summary = listing.band(DefinedBandKind::Summary);
  summary.height = 14;
  summary.items = {caption("END OF LISTING", 0), field("CompanyName", 120)};
  useReport(listing, "listing.crvreport");

  std::ostringstream told;
  const auto pdf = folder / "listing.pdf";
  const PdfPrintResult result = printDesignerListingToPdf(pdf, told);
  EXPECT_EQ(told.str(), "");
  EXPECT_EQ(result.orders, 3);
  EXPECT_EQ(oneSpace(pdfText(pdf)), oneSpace("Order 1003 Stone Supply\nGamma line\nEnd of 1003\n"
                                             "Order 1002 Stone Supply\nEnd of 1002\n"
                                             "Order 1001 Stone Supply\nAlpha line\nBeta line\nEnd of 1001\n"
                                             "END OF LISTING Acme Builders\n\f"));
}

TEST_F(DesignerReportTest, ReportOfTheOtherTypeIsRefused) {
  addOrderWithLines();
  ReportDefinition listing;
  listing.type = listingReportType;
  listing.band(DefinedBandKind::Detail).height = 10;
  const auto file = useReport(listing);
  const std::string refusal = file.string() +
                              " File contain report of type \"PrintPOListFM\". Required report type: "
                              "\"PrintPurchaseOrder\"!";

  DecimalVariable = Amount();
  CreatePOPrint();
  std::ostringstream told;
  const PdfPrintResult result = printDesignerFormToPdf(folder / "refused.pdf", told);
  EXPECT_EQ(told.str(), refusal + "\n");
  EXPECT_EQ(result.pages, 0);
  EXPECT_FALSE(std::filesystem::exists(folder / "refused.pdf"));

  ui::HeadlessDriver driver;
  driver.start([] { PrintPurchaseOrder(); }, "PrintPurchaseOrder");
  driver.expectMessage("Different report type", refusal);
  driver.answer(1);
  driver.expectFinished();
  EXPECT_EQ(driver.response(), RequestCancelled);
}

TEST_F(DesignerReportTest, BadFilterGivesAnEmptyReportAfterItsMessage) {
  addOrderWithLines();
  GLO.PrintPreview = 1;
  for (const char* filter : {"=POP:POAmount >", "POP:POAmount >> >"}) {
    ReportDefinition form = sampleForm();
    form.filter = filter;
    useReport(form);
    DecimalVariable = Amount();
    CreatePOPrint();
    const std::string expression = filter[0] == '=' ? std::string(filter + 1) : std::string(filter);

    ui::HeadlessDriver driver;
    driver.start([] { PrintPurchaseOrder(); }, "PrintPurchaseOrder");
    const MessageRequest said = driver.expectMessage("Report");
    EXPECT_NE(said.text.find("SyntaxError"), std::string::npos) << said.text;
    EXPECT_TRUE(said.text.ends_with(":|" + expression)) << said.text;
    driver.answer(1);
    driver.expectMessage("Report", "Purchase Order\r\n\r\nNo records found!");
    driver.answer(1);
    driver.expectMessage("NOTE...", "Nothing to Preview.");
    driver.answer(1);
    driver.expectFinished();
    EXPECT_EQ(driver.response(), RequestCancelled);
  }
  GLO.PrintPreview = 0;
}

TEST_F(DesignerReportTest, OnlyOneDesignerAndOnlyOnTheDesktop) {
  addSystems();
  FRB.DesktopThread = 77;  // a designer is open elsewhere in the program
  FRB.ReportEditAction = 1;
  PrintPurchaseOrder();
  EXPECT_TRUE(messages.shown.empty());
  EXPECT_EQ(FRB.ReportEditAction, 0) << "the edit request is taken even when nothing opens";
  EXPECT_EQ(FRB.DesktopThread, 77u);

  FRB.DesktopThread = 0;
  FRB.ReportEditAction = 1;
  PrintPurchaseOrder();
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_EQ(messages.shown[0].title, "Report Designer");
  EXPECT_EQ(messages.shown[0].text, "The report designer opens on the desktop only.");
  EXPECT_EQ(FRB.DesktopThread, 0u) << "the guard is let go when the designer cannot open";
}

TEST_F(DesignerReportTest, PrintEntryRunsTheCompanysDesignerForm) {
  const Id poid = addOrderWithLines();
  const auto file = folder / "Forms" / "po.crvreport";
  writeSamplePurchaseOrderForm(file);
  SYS.POFormType = "Formwright";
  SYS.PODesignerForm = file.string();
  ASSERT_EQ(Systems.update(), TableStatus::Ok);
  GLO.PrintPreview = 1;
  FRB.ReportEditAction = 1;  // the entry always runs the form

  ui::HeadlessDriver driver;
  DecimalVariable = Amount(static_cast<std::int64_t>(poid));
  driver.start([] { PrintPurchaseOrderServer(); }, "PrintPurchaseOrderServer");
  driver.expectWindow("Print Preview");
  EXPECT_EQ(driver.shown("?PageNo"), "Page 1 of 1");
  EXPECT_NE(driver.control("?Page").text().find("-50.png"), std::string::npos) << "previews at 50 %";
  driver.press("?Close");
  driver.expectFinished();
  EXPECT_EQ(FRB.ReportSearchPath.str(), (folder / "Forms").string());
  EXPECT_EQ(FRB.ReportFileName.str(), "po.crvreport");
  GLO.PrintPreview = 0;
}

bool mapped(std::string_view library) {
  std::ifstream maps("/proc/self/maps");
  for (std::string line; std::getline(maps, line);)
    if (line.find(library) != std::string::npos) return true;
  return false;
}

TEST_F(DesignerReportTest, PrintingLoadsTheExpressionEngineOnlyForAnExpression) {
  GTEST_FLAG_SET(death_test_style, "threadsafe");
  addOrderWithLines();
  DecimalVariable = Amount();
  CreatePOPrint();
  // Each run in a fresh process, so nothing another test loaded counts.
  useReport(sampleForm());
  EXPECT_EXIT(
      {
        std::ostringstream told;
        const bool printed = printDesignerFormToPdf(folder / "plain.pdf", told).pages == 1;
        std::_Exit(printed && !mapped("libQt6") && !mapped("libcrvexpression") ? 0 : 1);
      },
      ::testing::ExitedWithCode(0), "");
  ReportDefinition filtered = sampleForm();
  filtered.filter = "POP:POAmount > 100";
  useReport(filtered);
  EXPECT_EXIT(
      {
        std::ostringstream told;
        const bool printed = printDesignerFormToPdf(folder / "filtered.pdf", told).pages == 1;
        std::_Exit(printed && mapped("libcrvexpression") ? 0 : 1);
      },
      ::testing::ExitedWithCode(0), "");
}

TEST(DesignerDictionaries, PublishTheTablesAndValuesOfTheirType) {
  const std::string form = purchaseOrderDictionary().text();
  EXPECT_TRUE(
      form.starts_with("@ProcessedFiles|1|0|PrintPurchaseOrder|\"POPrint\"|2|-1|POPrint|"
                       "Record ID|5|2|POP:RecordID|@n13|User ID|5|2|POP:UserID|@s3|"))
      << form.substr(0, 200);
  for (const char* published :
       {"|POP:ShipToLine3|@s50|", "\"PODetail\"|4|-2|PODetail|", "|5|3|POD:Text|@s1000|",
        "\"APVendor\"|3|-2|APVendor|Vendor ID|5|3|APV:VendorID|@n13|", "|APV:UD10|@s30|\"JCHeader\"|3|-2|",
        "@Data|2|-1|Company Name|5|2|CompanyName|@s50|", "|Tax Amount|5|2|TaxAmount|@n-12.2b|",
        "|User ID|5|2|UserID|@s3|@Others|1|0|"})
    EXPECT_NE(form.find(published), std::string::npos) << published;
  EXPECT_EQ(form.find("APV:Contact"), std::string::npos)
      << "the form's vendor lookup publishes its own fields";
  const std::string listing = listingDictionary().text();
  EXPECT_TRUE(listing.starts_with("@ProcessedFiles|1|0|PrintPOListFM|\"POMaster\"|2|-1|POMaster|"));
  EXPECT_TRUE(listing.ends_with("@Data|2|-1|Company Name|5|2|CompanyName|@s40|@Others|1|0|"));
}

TEST(DesignerFormPath, SplitsAtTheLastSeparatorAndJoinsWithOne) {
  const struct {
    const char* path;
    const char* folder;
    const char* file;
  } splits[] = {
      {"C:\\Forms\\PO.frm", "C:\\Forms", "PO.frm"},
      {"\\\\server\\share\\forms\\PO.frm  ", "\\\\server\\share\\forms", "PO.frm"},
      {"/srv/forms/po.crvreport", "/srv/forms", "po.crvreport"},
      {"/srv/a\\b/c.crvreport", "/srv/a\\b", "c.crvreport"},
      {"po.crvreport", "", "po.crvreport"},
      {"C:\\Forms\\", "C:\\Forms", ""},
      {"", "", ""},
  };
  for (const auto& s : splits) {
    const DesignerFormPath parts = splitDesignerFormPath(s.path);
    EXPECT_EQ(parts.folder, s.folder) << s.path;
    EXPECT_EQ(parts.file, s.file) << s.path;
  }
  EXPECT_EQ(designerReportFile("C:\\Forms\\", "PO.frm"), "C:\\Forms\\PO.frm") << "no second separator";
  EXPECT_EQ(designerReportFile("/srv/forms/", "po"), "/srv/forms/po");
  EXPECT_EQ(designerReportFile("/srv/forms", "po"), "/srv/forms/po");
  EXPECT_EQ(designerReportFile("  ", "po"), "po") << "a blank folder leaves the name alone";
  EXPECT_EQ(designerReportFile("/srv/forms", ""), "");
}

TEST_F(DesignerReportTest, PathTooLongForTheDesignersFieldsIsRefusedNotCut) {
  const std::string longFolder = "/" + std::string(140, 'f');
  EXPECT_FALSE(setDesignerForm(longFolder + "/po.crvreport", 0));
  EXPECT_FALSE(setDesignerForm("/forms/" + std::string(90, 'n'), 0));
  ASSERT_EQ(messages.shown.size(), 2u);
  EXPECT_EQ(messages.shown[0].title, "Designer Form");
  EXPECT_NE(messages.shown[0].text.find("is too long"), std::string::npos);
  EXPECT_TRUE(setDesignerForm("/forms/po.crvreport", 0));
}

}  // namespace
}  // namespace crvpo
