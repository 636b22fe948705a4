// Choice of transport from the company's settings.
#include "host/mail/mail_transport.h"

#include "host/mail/outbox_transport.h"
#include "host/mail/smtp_transport.h"

namespace crv {

std::unique_ptr<MailTransport> makeMailTransport(const MailSettings& settings) {
  bool hasServer = settings.server.find_first_not_of(' ') != std::string::npos;
  if (hasServer) return std::make_unique<SmtpTransport>(settings);
  return std::make_unique<OutboxTransport>(settings.outboxFolder);
}

}  // namespace crv
