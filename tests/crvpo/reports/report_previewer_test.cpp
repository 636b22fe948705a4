// The previewer run by the print entry: pages, their pictures and
// navigation, and the e-mail button leading to the PDF under the order's
// name and a message in the outbox; the recipient window.
#include "crvpo/reports/report_previewer.h"

#include <fstream>

#include "crvpo/reports/create_po_print.h"
#include "crvpo/reports/po_delivery.h"
#include "crvpo/reports/po_email_select.h"
#include "crvpo/reports/purchase_order_print.h"
#include "crvpo/reports/report_texts.h"
#include "host/framework/report/image_size.h"
#include "host/framework/report/page_setup.h"
#include "host/framework/services/printing.h"
#include "host/framework/ui/headless/headless_driver.h"
#include "tests/crvpo/reports/print_fixture.h"

namespace crvpo {
namespace {

using namespace crv;

std::string readFile(const std::filesystem::path& file) {
  std::ifstream in(file, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

class ReportPreviewerTest : public test::PrintFixture {
 protected:
  void SetUp() override {
    test::PrintFixture::SetUp();
    deliveryState() = DeliveryState{};
    GLO.PrintPreview = 1;
    GLO.PreviewZoom = 0;
  }
  void TearDown() override {
    GLO.PrintPreview = 0;
    deliveryState() = DeliveryState{};
    test::PrintFixture::TearDown();
  }
};

TEST_F(ReportPreviewerTest, PreviewThenEmailWritesThePdfAndTheOutboxMessage) {
  addSystems();
  addVendor(10, "Stone Supply", "1 Supply Road", "", "orders@stone.example");
  const Id poid = addOrder("1200");
  for (Id line = 1; line <= 40; ++line) addLine(poid, line, "BLK", "Concrete block", Amount(10));
  USR.clear();
  USR.UserID = "ABC";
  USR.EmailSignature = "Pat Buyer";
  UserFile.open();
  ASSERT_EQ(UserFile.insert(), TableStatus::Ok);
  UserFile.close();

  ui::HeadlessDriver driver;
  DecimalVariable = Amount(static_cast<std::int64_t>(poid));
  driver.start([] { PrintPurchaseOrderServer(); }, "PrintPurchaseOrderServer");
  driver.expectWindow("Print Preview");
  EXPECT_EQ(driver.shown("?PageNo"), "Page 1 of 2");
  EXPECT_TRUE(driver.isDisabled("?Prev"));
  // The page is shown as a picture of a letter page at 96 dots per inch,
  // and each page and zoom step has its own.
  const auto pictureOf = [&driver] { return readFile(driver.control("?Page").text()); };
  const std::string first = pictureOf();
  const auto size = imageSize(std::span(reinterpret_cast<const std::uint8_t*>(first.data()), first.size()));
  ASSERT_TRUE(size);
  EXPECT_EQ(size->width, 816);
  EXPECT_EQ(size->height, 1056);
  driver.press("?Next");
  EXPECT_EQ(driver.shown("?PageNo"), "Page 2 of 2");
  EXPECT_TRUE(driver.isDisabled("?Next"));
  const std::string second = pictureOf();
  EXPECT_NE(second, first);
  driver.press("?ZoomIn");
  EXPECT_EQ(imageSize(std::filesystem::path(driver.control("?Page").text()))->width, 1224);
  driver.press("?Email");
  driver.expectFinished();

  const auto pdf = folder / "Purchase Order 1200 from Acme Builders.pdf";
  EXPECT_TRUE(std::filesystem::exists(pdf));
  ASSERT_TRUE(std::filesystem::exists(folder / "Outbox"));
  int messagesInOutbox = 0;
  for (const auto& entry : std::filesystem::directory_iterator(folder / "Outbox")) {
    if (entry.path().extension() == ".eml") ++messagesInOutbox;
  }
  EXPECT_EQ(messagesInOutbox, 1);
  EXPECT_EQ(deliveryState().emailBody, "Please see attached Purchase Order.\n\nPat Buyer");
  EXPECT_EQ(EmailLog.records(), 1);
}

TEST_F(ReportPreviewerTest, EmailSelectKeepsTheTickedRecipientsOrCallsOffTheEmail) {
  deliveryState().emailMe = true;
  deliveryState().recipients = {{true, "Stone Supply", "orders@stone.example"},
                                {false, "Ann Lee", "ann@x.example"}};
  ui::HeadlessDriver driver;
  driver.start([] { POEmailSelect(); }, "POEmailSelect");
  driver.expectWindow("Select Email Recipient(s)");
  driver.press("?Toggle");
  driver.press("?Proceed");
  driver.expectMessage("Continue Without Emailing?");
  driver.answer("&No");
  driver.highlight("?List", 1);
  driver.press("?Toggle");
  driver.press("?Proceed");
  driver.expectFinished();
  ASSERT_EQ(deliveryState().recipients.size(), 1u);
  EXPECT_EQ(deliveryState().recipients[0].name, "Ann Lee");
  EXPECT_TRUE(deliveryState().emailMe);

  driver.start([] { POEmailSelect(); }, "POEmailSelect");
  driver.press("?Toggle");
  driver.press("?Proceed");
  driver.answer("&Yes");
  driver.expectFinished();
  EXPECT_TRUE(deliveryState().recipients.empty());
  EXPECT_FALSE(deliveryState().emailMe);
}

// The window opens whenever an address has to be chosen or typed: for a
// batch from the limits (no one vendor) and for the sample order, whose
// vendor is a real one and is never ticked for it. Cancel sends nothing.
TEST_F(ReportPreviewerTest, RecipientsAreChosenOrTypedAndCancelSendsNothing) {
  addSystems();
  addVendor(10, "Stone Supply", "1 Supply Road", "", "orders@stone.example");
  std::ofstream(folder / "laid out.pdf") << "%PDF-1.4\n%%EOF\n";
  PDFFileName = (folder / "Purchase Orders.pdf").string();
  ui::HeadlessDriver driver;
  const auto emailBatch = [&](Amount request) {
    DecimalVariable = request;
    deliveryState().emailMe = true;
    deliveryState().rememberedVendor = 10;
    driver.start([&] { deliverPrintedBatch(folder / "laid out.pdf", false); }, "deliverPrintedBatch");
    driver.expectWindow("Select Email Recipient(s)");
  };

  emailBatch(sampleOrderRequest);
  driver.press("?Proceed");
  driver.expectMessage("Continue Without Emailing?");
  driver.answer("&No");
  driver.key("Escape");
  driver.expectFinished();
  EXPECT_FALSE(std::filesystem::exists(folder / "Outbox"));

  emailBatch(Amount());
  EXPECT_EQ(driver.rows("?List"), (std::vector<std::string>{" | add recipient here ... | "}));
  driver.type("?Email", "orders at stone");
  driver.press("?Add");
  driver.expectMessage("Email");
  driver.answer("&OK");
  driver.type("?Name", "Yard");
  driver.type("?Email", "yard@stone.example");
  driver.press("?Add");
  EXPECT_EQ(driver.rows("?List"), (std::vector<std::string>{" | Yard | yard@stone.example"}));
  driver.highlight("?List", 0);
  driver.key("Space");
  driver.press("?Proceed");
  driver.expectMessage("Continue Without Emailing?");
  driver.answer("&No");
  driver.clickCell("?List", 0, 1);  // the name: highlights, ticks nothing
  driver.clickCell("?List", 0, 0);  // the tick column
  driver.press("?Proceed");
  driver.expectFinished();
  ASSERT_EQ(EmailLog.records(), 1);
  EmailLog.set(EmailLogRecord::KeyEmailID);
  ASSERT_EQ(EmailLog.next(), TableStatus::Ok);
  EXPECT_EQ(EML.ToAddress.str(), "yard@stone.example");
}

TEST_F(ReportPreviewerTest, TheLargerButtonSetSaysEmailReport) {
  for (int zoom : {0, 3}) {
    ui::HeadlessDriver driver;
    PreviewOptions options;
    options.zoom = zoom;
    LaidOutPage page;
    page.width = PageSetup{}.width();
    page.height = PageSetup{}.height();
    driver.start([&] { previewPages({page}, folder / "none.pdf", options); }, "PRINTPREVIEW");
    EXPECT_EQ(driver.control("?Email").text(), zoom > 1 ? "Email Report (pdf)" : "Email PO (pdf)");
    driver.press("?Close");
    driver.expectFinished();
  }
}

// A printer that keeps the jobs it was given and answers as it is told.
class PrinterStandIn final : public PrintService {
 public:
  std::string defaultPrinter() override { return "Office"; }
  PrintResult print(const PrintJob& job) override {
    jobs.push_back(job);
    return {answer, answer == PrintResult::Status::Failed ? "client-error-not-possible" : "", 7};
  }
  PrintResult::Status answer = PrintResult::Status::Printed;
  std::vector<PrintJob> jobs;
};

TEST_F(ReportPreviewerTest, PrintingGoesThroughThePrintServiceAndSaysWhyItDidNot) {
  PrinterStandIn printer;
  PrintService* previous = setPrintService(&printer);
  const auto pdf = folder / "laid out.pdf";
  struct Case {
    PrintResult::Status answer;
    bool printed;
    const char* told;  // the title of the message, empty for none
  };
  for (const Case& c : {Case{PrintResult::Status::Printed, true, ""},
                        Case{PrintResult::Status::NoDefaultPrinter, false, "WARNING!"},
                        Case{PrintResult::Status::Failed, false, "WARNING!"}}) {
    messages.shown.clear();
    printer.answer = c.answer;
    EXPECT_EQ(printToDefaultPrinter(pdf, 3), c.printed);
    ASSERT_EQ(messages.shown.size(), std::string(c.told).empty() ? 0u : 1u);
    if (!messages.shown.empty()) {
      EXPECT_EQ(messages.shown[0].title, c.told);
    }
    if (c.answer == PrintResult::Status::NoDefaultPrinter) {
      EXPECT_EQ(messages.shown.at(0).text, ReportTexts::loadDefault().NoDfltPrtrText);
    }
  }
  EXPECT_EQ(messages.shown.at(0).text, "The report could not be sent to the printer.");
  ASSERT_EQ(printer.jobs.size(), 3u);
  EXPECT_EQ(printer.jobs[0].file, pdf);
  EXPECT_EQ(printer.jobs[0].title, "laid out.pdf");
  EXPECT_EQ(printer.jobs[0].copies, 3);
  setPrintService(previous);
}

}  // namespace
}  // namespace crvpo
