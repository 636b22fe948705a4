// Message composition: headers, encoded subjects and names, the multipart
// structure, a body and an attachment that decode back to what went in, and
// untrusted text that must not create headers.
#include "host/mail/mail_message.h"

#include <gtest/gtest.h>

#include <regex>

#include "host/mail/mime_encoding.h"
#include "support/mail_reader.h"

namespace crv {
namespace {

std::vector<std::uint8_t> pseudoRandomBytes(std::size_t count) {
  std::vector<std::uint8_t> bytes(count);
  std::uint32_t state = 12345;
  for (auto& byte : bytes) {
    state = state * 1103515245 + 12345;
    byte = static_cast<std::uint8_t>(state >> 16);
  }
  return bytes;
}

MailMessage sampleMessage() {
  MailMessage message;
  message.from = {"Sample Contracting", "orders@example.com"};
  message.to = {{"Jörg Müller", "joerg@vendor.example"},
                {"Smith, Ann", "ann@vendor.example"},
                {"", "ap@vendor.example"}};
  message.subject = "Purchase Order from Café Société — numéro 1001, livraison urgente demain matin";
  message.body = "Please find our order attached.\n\nTotal = 1,234.50 \nMerci beaucoup, à bientôt.\n" +
                 std::string(100, 'x') + "\n.leading dot";
  message.attachments.push_back(
      {"Purchase Order 1001 from Café.pdf", "application/pdf", pseudoRandomBytes(3001)});
  message.date = 1720094587;  // 2024-07-04
  return message;
}

TEST(MailMessage, ComposesAMultipartMessageThatDecodesBack) {
  MailMessage message = sampleMessage();
  std::string text = composeMime(message);

  std::size_t start = 0;
  while (start < text.size()) {
    std::size_t end = text.find("\r\n", start);
    ASSERT_NE(end, std::string::npos) << "every line ends in CRLF";
    EXPECT_LE(end - start, 78u) << text.substr(start, end - start);
    EXPECT_EQ(text.substr(start, end - start).find('\n'), std::string::npos);
    start = end + 2;
  }

  test::MessagePart whole = test::parsePart(text);
  EXPECT_EQ(whole.headers["from"], "Sample Contracting <orders@example.com>");
  const std::string& to = whole.headers["to"];
  EXPECT_NE(to.find("<joerg@vendor.example>"), std::string::npos);
  EXPECT_NE(to.find("\"Smith, Ann\" <ann@vendor.example>"), std::string::npos);
  EXPECT_NE(to.find(", <ap@vendor.example>"), std::string::npos);
  EXPECT_EQ(test::decodeHeader(to.substr(0, to.find('<') - 1)), "Jörg Müller");
  EXPECT_EQ(test::decodeHeader(whole.headers["subject"]), message.subject);
  EXPECT_TRUE(std::regex_match(whole.headers["date"],
                               std::regex(R"((Wed|Thu), 0[34] Jul 2024 \d\d:\d\d:\d\d [+-]\d{4})")))
      << whole.headers["date"];
  EXPECT_TRUE(std::regex_match(whole.headers["message-id"], std::regex(R"(<[0-9a-f]+\.\d+@example\.com>)")))
      << whole.headers["message-id"];
  EXPECT_EQ(whole.headers["mime-version"], "1.0");

  std::string boundary = test::headerParameter(whole.headers["content-type"], "boundary");
  ASSERT_FALSE(boundary.empty());
  EXPECT_EQ(whole.headers["content-type"].rfind("multipart/mixed;", 0), 0u);
  std::vector<test::MessagePart> parts = test::splitParts(whole.body, boundary);
  ASSERT_EQ(parts.size(), 2u);

  EXPECT_EQ(parts[0].headers["content-type"], "text/plain; charset=UTF-8");
  EXPECT_EQ(parts[0].headers["content-transfer-encoding"], "quoted-printable");
  std::string body = mime::decodeQuotedPrintable(parts[0].body);
  std::string expectedBody = message.body;
  for (std::size_t at = 0; (at = expectedBody.find('\n', at)) != std::string::npos; at += 2)
    expectedBody.replace(at, 1, "\r\n");
  EXPECT_EQ(body, expectedBody) << "the CRLF before the boundary belongs to the boundary";

  EXPECT_EQ(parts[1].headers["content-transfer-encoding"], "base64");
  EXPECT_NE(parts[1].headers["content-type"].find("application/pdf;"), std::string::npos);
  const std::string& disposition = parts[1].headers["content-disposition"];
  EXPECT_EQ(test::headerParameter(disposition, "filename"), "Purchase Order 1001 from Caf_.pdf");
  EXPECT_NE(disposition.find("filename*=UTF-8''Purchase%20Order%201001%20from%20Caf%C3%A9.pdf"),
            std::string::npos);
  auto attachment = mime::decodeBase64(parts[1].body);
  ASSERT_TRUE(attachment);
  EXPECT_EQ(*attachment, message.attachments[0].bytes);
}

TEST(MailMessage, KeepsUntrustedTextOutOfTheHeaders) {
  MailMessage message = sampleMessage();
  message.attachments.clear();
  message.subject = "Order\r\nBcc: victim@example.net";
  message.to = {{"Eve\r\nBcc: other@example.net", "eve@example.net"}};
  std::string text = composeMime(message);
  EXPECT_EQ(text.find("\r\nBcc:"), std::string::npos);
  test::MessagePart whole = test::parsePart(text);
  EXPECT_EQ(whole.headers["subject"], "Order  Bcc: victim@example.net");
  EXPECT_EQ(whole.headers["content-type"], "text/plain; charset=UTF-8") << "no attachment, no multipart";

  for (const char* bad :
       {"", "no-at-sign", "two@@example.com", "a b@example.com", "x@example.com\r\nBcc: y@z",
        "<a@example.com>", "a@example..com", "a@", "@example.com", "jörg@example.com"}) {
    message.to = {{"", bad}};
    EXPECT_THROW(composeMime(message), MailError) << bad;
  }
  message.to.clear();
  EXPECT_THROW(composeMime(message), MailError);
  EXPECT_TRUE(isValidMailAddress("first.last+po@sub.example.co.uk"));
}

TEST(MimeEncoding, RoundTripsBase64AndQuotedPrintable) {
  for (std::size_t size = 0; size < 8; ++size) {
    auto bytes = pseudoRandomBytes(size);
    EXPECT_EQ(mime::decodeBase64(mime::base64(bytes)), bytes);
  }
  EXPECT_EQ(mime::base64(std::vector<std::uint8_t>{'M', 'a'}), "TWE=");
  EXPECT_FALSE(mime::decodeBase64("TW!="));
  EXPECT_FALSE(mime::decodeBase64("TQ==TQ=="));

  std::string tricky = "a=b \ttab\t \nline with trailing space \n" + std::string(200, '=') + "\nü";
  std::string encoded = mime::quotedPrintable(tricky);
  for (std::size_t start = 0, end; (end = encoded.find("\r\n", start)) != std::string::npos;
       start = end + 2) {
    EXPECT_LE(end - start, 76u);
    EXPECT_NE(encoded[end - 1], ' ') << "no trailing blank before a line break";
  }
  std::string expected = tricky;
  for (std::size_t at = 0; (at = expected.find('\n', at)) != std::string::npos; at += 2)
    expected.replace(at, 1, "\r\n");
  EXPECT_EQ(mime::decodeQuotedPrintable(encoded), expected);
}

}  // namespace
}  // namespace crv
