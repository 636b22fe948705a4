// A way of delivering composed messages: an SMTP server, or the outbox
// folder when the company has no server set.
#pragma once

#include <memory>
#include <string>

#include "host/mail/mail_message.h"
#include "host/mail/mail_result.h"
#include "host/mail/mail_settings.h"

namespace crv {

class MailTransport {
 public:
  virtual ~MailTransport() = default;
  // Never throws for a message that cannot be sent; the result says why.
  virtual MailResult send(const MailMessage& message) = 0;
  // "smtp.example.com:587 (STARTTLS)" or the outbox folder, for messages.
  virtual std::string describe() const = 0;
};

// SMTP when the settings name a server, else the outbox folder.
std::unique_ptr<MailTransport> makeMailTransport(const MailSettings& settings);

}  // namespace crv
