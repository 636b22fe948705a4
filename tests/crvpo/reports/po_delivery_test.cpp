// Delivery of printed orders: PDF names, the recipient list, the e-mail
// received by an SMTP server on loopback with the PDF attached, the outbox
// .eml without a server, and a cancelled PDF file dialog sending nothing.
#include "crvpo/reports/po_delivery.h"

#include <fstream>
#include <sstream>

#include "crvpo/reports/create_po_print.h"
#include "crvpo/reports/purchase_order_print.h"
#include "host/framework/ui/front_end.h"
#include "host/mail/mime_encoding.h"
#include "support/mail_reader.h"
#include "support/smtp_test_server.h"
#include "tests/crvpo/reports/print_fixture.h"

namespace crvpo {
namespace {

using namespace crv;

// A front end that only answers file dialogs and records opened documents.
class DialogAnswers final : public ui::FrontEnd {
 public:
  void openWindow(ui::Window&) override {}
  void closeWindow(ui::Window&) override {}
  ui::Event nextEvent(ui::Window&) override { throw ui::NoFrontEnd("no windows in this test"); }
  int show(const MessageRequest& request) override {
    messages.push_back(request);
    return request.defaultButton;
  }
  std::vector<std::filesystem::path> openFiles(const ui::FileDialogRequest&) override { return {}; }
  std::optional<std::filesystem::path> saveFile(const ui::FileDialogRequest& request) override {
    saveTitles.push_back(request.title);
    return saveAnswer;
  }
  std::optional<Date> selectDate(const ui::CalendarRequest&) override { return std::nullopt; }
  int popupMenu(const ui::PopupRequest&) override { return 0; }
  void sendTo(const ui::SendToRequest&) override {}
  std::vector<std::string> checkSpelling(const ui::SpellCheckRequest&) override { return {}; }
  void showHelp(const ui::HelpTopic&) override {}
  void beep(ui::Sound) override {}
  void openDocument(const std::filesystem::path& file) override { opened.push_back(file); }

  std::optional<std::filesystem::path> saveAnswer;
  std::vector<std::string> saveTitles;
  std::vector<MessageRequest> messages;
  std::vector<std::filesystem::path> opened;
};

std::string readFile(const std::filesystem::path& file) {
  std::ifstream in(file, std::ios::binary);
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

class PODeliveryTest : public test::PrintFixture {
 protected:
  void SetUp() override {
    test::PrintFixture::SetUp();
    deliveryState() = DeliveryState{};
    addSystems();
  }
  void TearDown() override {
    deliveryState() = DeliveryState{};
    test::PrintFixture::TearDown();
  }

  void addContact(Id vendor, std::string_view first, std::string_view last, std::string_view email) {
    CON.clear();
    ASSERT_EQ(Contact.primeAutoInc(), TableStatus::Ok);
    CON.VendorID = vendor;
    CON.FirstName = first;
    CON.LastName = last;
    CON.Email = email;
    ASSERT_EQ(Contact.insert(), TableStatus::Ok);
  }

  std::filesystem::path samplePdf() {
    const auto file = folder / "order.pdf";
    std::ofstream(file, std::ios::binary) << "%PDF-1.4\n% sample\n%%EOF\n";
    return file;
  }

  int emailLogRows() { return static_cast<int>(EmailLog.records()); }
};

TEST_F(PODeliveryTest, PdfNamesFollowTheOrderOrTheBatch) {
  EXPECT_EQ(orderPdfFileName("/data/acme ", "1200 ", "Acme Builders  ").string(),
            "/data/acme/Purchase Order 1200 from Acme Builders.pdf");
  EXPECT_EQ(batchPdfFileName("/data/acme").string(), "/data/acme/Purchase Orders.pdf");
}

TEST_F(PODeliveryTest, RecipientsFromTheVendorAndItsContactsOrThePlaceholder) {
  addVendor(10, "Stone Supply", "1 Road", "", "orders@stone.example");
  addContact(10, "Ann", "Lee", "ann@stone.example");
  addContact(10, "Bo", "Kim", "");
  addVendor(11, "Quiet Supply");

  EXPECT_TRUE(gatherRecipients(10)) << "two entries ask the user to choose";
  const auto& list = deliveryState().recipients;
  ASSERT_EQ(list.size(), 2u);
  EXPECT_TRUE(list[0].tagged);
  EXPECT_EQ(list[0].name, "Stone Supply");
  EXPECT_EQ(list[0].email, "orders@stone.example");
  EXPECT_FALSE(list[1].tagged);
  EXPECT_EQ(list[1].name, "Ann Lee");

  EXPECT_FALSE(gatherRecipients(11));
  ASSERT_EQ(list.size(), 1u);
  EXPECT_TRUE(list[0].tagged);
  EXPECT_EQ(list[0].name, recipientPlaceholder);
  EXPECT_EQ(list[0].email, "");
}

TEST_F(PODeliveryTest, SmtpServerOnLoopbackReceivesThePdfWithSubjectAndBody) {
  addVendor(10, "Stone Supply", "1 Road", "", "orders@stone.example");
  gatherRecipients(10);
  crv::test::SmtpTestServer server;
  MailSettings settings;
  settings.server = "127.0.0.1";
  settings.port = server.port();
  settings.security = MailSecurity::None;
  settings.senderAddress = "buyer@acme.example";
  settings.timeoutSeconds = 10;
  const std::string body = orderEmailBody("Pat Buyer\nAcme Builders");
  EXPECT_EQ(body, "Please see attached Purchase Order.\n\nPat Buyer\nAcme Builders");

  const MailResult result = emailPdf(samplePdf(), "Purchase Order from Acme Builders", body, settings);
  ASSERT_TRUE(result.sent) << result.error;
  const auto& session = server.session();
  EXPECT_EQ(session.recipients, (std::vector<std::string>{"orders@stone.example"}));
  const crv::test::MessagePart mail = crv::test::parsePart(session.data);
  EXPECT_EQ(mail.headers.at("subject"), "Purchase Order from Acme Builders");
  const auto parts = crv::test::splitParts(
      mail.body, crv::test::headerParameter(mail.headers.at("content-type"), "boundary"));
  ASSERT_EQ(parts.size(), 2u);
  EXPECT_EQ(mime::decodeQuotedPrintable(parts[0].body),
            "Please see attached Purchase Order.\r\n\r\nPat Buyer\r\nAcme Builders");
  EXPECT_NE(parts[1].headers.at("content-disposition").find("order.pdf"), std::string::npos);
  EXPECT_EQ(emailLogRows(), 1);
}

TEST_F(PODeliveryTest, WithoutAServerTheMessageGoesToTheOutbox) {
  addVendor(10, "Stone Supply", "1 Road", "", "orders@stone.example");
  gatherRecipients(10);
  const MailSettings settings = companyMailSettings();
  EXPECT_TRUE(settings.server.empty());
  const MailResult result = emailPdf(samplePdf(), "Purchase Order from Acme Builders", "Body", settings);
  ASSERT_TRUE(result.sent) << result.error;
  EXPECT_EQ(result.outboxFile.parent_path(), folder / "Outbox");
  const std::string eml = readFile(result.outboxFile);
  EXPECT_NE(eml.find("Subject: Purchase Order from Acme Builders"), std::string::npos);
  EXPECT_NE(eml.find("orders@stone.example"), std::string::npos);
  EXPECT_NE(eml.find("application/pdf"), std::string::npos);
  EXPECT_EQ(emailLogRows(), 1);
}

TEST_F(PODeliveryTest, CancellingThePdfDialogWritesAndSendsNothing) {
  DialogAnswers answers;
  ui::FrontEnd* previous = ui::setFrontEnd(&answers);
  const auto laidOut = samplePdf();
  PDFFileName = (folder / "Purchase Order.pdf").string();
  deliveryState().makePdf = true;
  EXPECT_FALSE(deliverAfterPreview(laidOut, "Subject", "Body"));
  EXPECT_EQ(answers.saveTitles, (std::vector<std::string>{"PDF File Name and Location"}));
  EXPECT_FALSE(std::filesystem::exists(folder / "Purchase Order.pdf"));
  EXPECT_FALSE(std::filesystem::exists(folder / "Outbox"));

  answers.saveAnswer = folder / "chosen.pdf";
  deliveryState().makePdf = true;
  EXPECT_TRUE(deliverAfterPreview(laidOut, "Subject", "Body"));
  EXPECT_TRUE(std::filesystem::exists(folder / "chosen.pdf"));
  EXPECT_EQ(answers.opened.size(), 1u) << "the default answer of \"View PDF?\" is Yes";
  EXPECT_EQ(emailLogRows(), 0);
  ui::setFrontEnd(previous);
}

}  // namespace
}  // namespace crvpo
