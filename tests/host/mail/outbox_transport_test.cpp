// The outbox: complete .eml files under new names, nothing half-written,
// clear failures; and the choice between outbox and SMTP by the settings.
#include "host/mail/outbox_transport.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "support/mail_reader.h"
#include "support/temp_folder.h"

namespace crv {
namespace {

namespace fs = std::filesystem;

MailMessage smallMessage(const std::string& subject) {
  MailMessage message;
  message.to = {{"Vendor", "vendor@example.com"}};
  message.subject = subject;
  message.body = "Attached.";
  message.attachments.push_back({"order.pdf", "application/pdf", {'%', 'P', 'D', 'F'}});
  return message;
}

TEST(OutboxTransport, WritesEachMessageAsACompleteEmlFileUnderANewName) {
  test::TempFolder folder;
  OutboxTransport outbox(folder / "Outbox");
  MailResult first = outbox.send(smallMessage("First"));
  MailResult second = outbox.send(smallMessage("Second"));
  ASSERT_TRUE(first) << first.error;
  ASSERT_TRUE(second) << second.error;
  EXPECT_NE(first.outboxFile, second.outboxFile);

  int files = 0;
  for (const auto& entry : fs::directory_iterator(folder / "Outbox")) {
    ++files;
    EXPECT_EQ(entry.path().extension(), ".eml") << entry.path();
  }
  EXPECT_EQ(files, 2) << "no temporary files left";
  std::ifstream in(first.outboxFile, std::ios::binary);
  std::stringstream text;
  text << in.rdbuf();
  test::MessagePart message = test::parsePart(text.str());
  EXPECT_EQ(message.headers["subject"], "First");
  EXPECT_EQ(message.headers.count("from"), 0u) << "no sender set: a draft without From";
  EXPECT_NE(text.str().find("JVBERg=="), std::string::npos) << "the attachment";
  EXPECT_EQ(text.str().substr(text.str().size() - 2), "\r\n");
}

TEST(OutboxTransport, ReportsFailuresAndNeverSuccess) {
  test::TempFolder folder;
  std::ofstream(folder / "file") << "x";
  MailResult result = OutboxTransport(folder / "file").send(smallMessage("x"));
  EXPECT_FALSE(result);
  EXPECT_NE(result.error.find("outbox folder"), std::string::npos) << result.error;

  MailMessage nobody = smallMessage("x");
  nobody.to.clear();
  result = OutboxTransport(folder.path()).send(nobody);
  EXPECT_FALSE(result);
  EXPECT_NE(result.error.find("no recipient"), std::string::npos) << result.error;
  EXPECT_FALSE(OutboxTransport("").send(smallMessage("x")));
}

TEST(MailTransport, IsTheOutboxWithoutAServer) {
  MailSettings settings;
  settings.outboxFolder = "/data/Outbox";
  settings.server = "   ";
  EXPECT_EQ(makeMailTransport(settings)->describe(), "outbox folder /data/Outbox");
  settings.server = "smtp.example.com    ";
  EXPECT_EQ(makeMailTransport(settings)->describe(), "smtp.example.com:587 (STARTTLS)");
  settings.security = MailSecurity::ImplicitTls;
  EXPECT_EQ(makeMailTransport(settings)->describe(), "smtp.example.com:465 (TLS)");
  settings.security = MailSecurity::None;
  settings.port = 2525;
  EXPECT_EQ(makeMailTransport(settings)->describe(), "smtp.example.com:2525 (no encryption)");
}

}  // namespace
}  // namespace crv
