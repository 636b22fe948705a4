// Sending through SMTP to a small server on 127.0.0.1: envelope, message,
// attachment and sign-in as the server saw them, and every way a send can
// fail reported as a failure with its cause.
#include "host/mail/smtp_transport.h"

#include <arpa/inet.h>
#include <gtest/gtest.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <fstream>

#include "host/mail/mime_encoding.h"
#include "host/mail/pdf_emailer.h"
#include "support/mail_reader.h"
#include "support/smtp_test_server.h"
#include "support/temp_folder.h"

namespace crv {
namespace {

MailSettings localSettings(int port) {
  MailSettings settings;
  settings.server = "127.0.0.1";
  settings.port = port;
  settings.security = MailSecurity::None;
  settings.timeoutSeconds = 10;
  settings.senderAddress = "orders@example.com  ";
  settings.senderName = "Sample Contracting";
  return settings;
}

std::vector<std::uint8_t> pdfBytes() {
  std::vector<std::uint8_t> bytes;
  std::string head = "%PDF-1.5\n";
  bytes.assign(head.begin(), head.end());
  for (int i = 0; i < 5000; ++i) bytes.push_back(static_cast<std::uint8_t>(i * 7));
  return bytes;
}

// A port on which nothing listens.
int closedPort() {
  int fd = ::socket(AF_INET, SOCK_STREAM, 0);
  sockaddr_in address{};
  address.sin_family = AF_INET;
  address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  socklen_t length = sizeof address;
  ::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address);
  ::getsockname(fd, reinterpret_cast<sockaddr*>(&address), &length);
  ::close(fd);
  return ntohs(address.sin_port);
}

TEST(SmtpTransport, SendsThePdfToEveryRecipientWithSubjectAndBody) {
  test::TempFolder folder;
  auto pdf = pdfBytes();
  std::ofstream(folder / "Purchase Order 1001 from Sample.pdf", std::ios::binary)
      .write(reinterpret_cast<const char*>(pdf.data()), static_cast<std::streamsize>(pdf.size()));
  test::SmtpTestServer server;
  PdfEmailer emailer(localSettings(server.port()));
  MailResult result =
      emailer.send(folder / "Purchase Order 1001 from Sample.pdf", "Purchase Order from Sample",
                   "Please see the attached order.\n.\nThank you.",
                   {{"Ann Vendor", "ann@vendor.example"},
                    {"add recipient here ...", ""},
                    {"Bob", "  bob@vendor.example "}});
  ASSERT_TRUE(result) << result.error;

  const test::SmtpTestServer::Session& session = server.session();
  EXPECT_EQ(session.mailFrom, "orders@example.com");
  EXPECT_EQ(session.recipients, (std::vector<std::string>{"ann@vendor.example", "bob@vendor.example"}));
  EXPECT_TRUE(session.quit);
  test::MessagePart message = test::parsePart(session.data);
  EXPECT_EQ(message.headers["subject"], "Purchase Order from Sample");
  EXPECT_EQ(message.headers["from"], "Sample Contracting <orders@example.com>");
  auto parts =
      test::splitParts(message.body, test::headerParameter(message.headers["content-type"], "boundary"));
  ASSERT_EQ(parts.size(), 2u);
  EXPECT_EQ(mime::decodeQuotedPrintable(parts[0].body), "Please see the attached order.\r\n.\r\nThank you.")
      << "a line holding a dot survives the transfer";
  EXPECT_EQ(test::headerParameter(parts[1].headers["content-disposition"], "filename"),
            "Purchase Order 1001 from Sample.pdf");
  EXPECT_EQ(mime::decodeBase64(parts[1].body), pdf);
}

// Without encryption a sign-in sends the password in the clear: refused
// unless the settings allow it, and then sent with a warning.
TEST(SmtpTransport, SignsInWithoutEncryptionOnlyWhenAllowedAndWarns) {
  test::SmtpTestServer server(
      {.rejectedRecipients = {}, .offerAuth = true, .deadline = std::chrono::seconds(15)});
  MailSettings settings = localSettings(server.port());
  ASSERT_EQ(settings.security, MailSecurity::None);
  settings.user = "clerk";
  settings.password = "s3cret pass";
  MailMessage message;
  message.from = {"", "orders@example.com"};
  message.to = {{"", "ann@vendor.example"}};
  message.subject = "Signed in";
  MailResult refused = SmtpTransport(settings).send(message);
  EXPECT_FALSE(refused);
  EXPECT_NE(refused.error.find("would send the password in the clear"), std::string::npos) << refused.error;

  settings.allowPlainSignIn = true;
  MailResult result = SmtpTransport(settings).send(message);
  ASSERT_TRUE(result) << result.error;
  EXPECT_EQ(server.session().authPlain, std::string("\0clerk\0s3cret pass", 18));
  EXPECT_NE(result.warning.find("without encryption"), std::string::npos) << result.warning;
}

TEST(SmtpTransport, ReportsEveryFailureAsNotSent) {
  MailMessage message;
  message.from = {"", "orders@example.com"};
  message.to = {{"", "ann@vendor.example"}, {"", "gone@vendor.example"}};
  message.subject = "x";
  {
    test::SmtpTestServer server({.rejectedRecipients = {"gone@vendor.example"},
                                 .offerAuth = false,
                                 .deadline = std::chrono::seconds(15)});
    MailResult result = SmtpTransport(localSettings(server.port())).send(message);
    EXPECT_FALSE(result);
    EXPECT_NE(result.error.find("550"), std::string::npos) << result.error;
    EXPECT_TRUE(server.session().data.empty()) << "nothing delivered when a recipient is refused";
  }
  {
    // STARTTLS asked for but not offered: never falls back to plain text.
    test::SmtpTestServer server;
    MailSettings settings = localSettings(server.port());
    settings.security = MailSecurity::StartTls;
    MailResult result = SmtpTransport(settings).send(message);
    EXPECT_FALSE(result);
    EXPECT_TRUE(server.session().data.empty());
    EXPECT_NE(result.error.find("127.0.0.1:" + std::to_string(server.port()) + " (STARTTLS)"),
              std::string::npos)
        << result.error;
  }
  MailResult refused = SmtpTransport(localSettings(closedPort())).send(message);
  EXPECT_FALSE(refused);
  EXPECT_NE(refused.error.find("127.0.0.1"), std::string::npos) << refused.error;

  MailSettings noSender = localSettings(closedPort());
  noSender.senderAddress = "";
  EXPECT_FALSE(PdfEmailer(noSender).send("/nonexistent.pdf", "s", "b", {{"", "ann@vendor.example"}}));
  MailResult nobody =
      PdfEmailer(localSettings(closedPort())).send("/nonexistent.pdf", "s", "b", {{"placeholder", " "}});
  EXPECT_FALSE(nobody);
  EXPECT_NE(nobody.error.find("no recipient"), std::string::npos) << nobody.error;
  MailResult unreadable =
      PdfEmailer(localSettings(closedPort())).send("/nonexistent.pdf", "s", "b", {{"", "a@b.example"}});
  EXPECT_FALSE(unreadable);
  EXPECT_NE(unreadable.error.find("/nonexistent.pdf"), std::string::npos) << unreadable.error;
}

}  // namespace
}  // namespace crv
