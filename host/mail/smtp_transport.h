// Sends messages through an SMTP server with libcurl: plain, STARTTLS
// (required once asked for, never silently skipped) or implicit TLS, with an
// optional sign-in. Every recipient must be accepted; a server that refuses
// one, or any other failure, leaves the message unsent and the result names
// the server and the cause.
#pragma once

#include "host/framework/services/module_export.h"
#include "host/mail/mail_transport.h"

namespace crv {

class SmtpTransport final : public MailTransport {
 public:
  explicit SmtpTransport(MailSettings settings);

  MailResult send(const MailMessage& message) override;
  std::string describe() const override;

 private:
  MailSettings settings_;
};

}  // namespace crv

// A new transport for `settings`, for makeMailTransport, which loads this
// library only when a message goes to a server.
extern "C" CRV_EXPORT crv::MailTransport* crvCreateSmtpTransport(const crv::MailSettings* settings);
