// Sends a PDF file by e-mail with a subject and a body to a list of
// recipients, through the transport the company's settings choose (its SMTP
// server, or the outbox folder when none is set).
//
// Recipients without an address (a placeholder entry of a recipient list)
// are left out; when none with an address remains, nothing is sent and the
// result says so. The sender is the company's sender address.
#pragma once

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "host/mail/mail_transport.h"

namespace crv {

class PdfEmailer {
 public:
  explicit PdfEmailer(const MailSettings& settings);
  PdfEmailer(const MailSettings& settings, std::unique_ptr<MailTransport> transport);

  MailResult send(const std::filesystem::path& pdf, const std::string& subject, const std::string& body,
                  const std::vector<Mailbox>& recipients);

 private:
  Mailbox sender_;
  std::unique_ptr<MailTransport> transport_;
};

}  // namespace crv
