// Choice of transport from the company's settings.
#include "host/mail/mail_transport.h"

#include "host/framework/values/text.h"
#include "host/mail/outbox_transport.h"
#include "host/mail/smtp_transport.h"

namespace crv {

std::unique_ptr<MailTransport> makeMailTransport(const MailSettings& settings) {
  if (!trim(settings.server).empty()) return std::make_unique<SmtpTransport>(settings);
  return std::make_unique<OutboxTransport>(settings.outboxFolder);
}

}  // namespace crv
