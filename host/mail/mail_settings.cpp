// Usual ports: 25 for plain SMTP, 587 for submission with STARTTLS, 465 for
// SMTP over TLS.
#include "host/mail/mail_settings.h"

namespace crv {

int MailSettings::effectivePort() const {
  if (port > 0) return port;
  switch (security) {
    case MailSecurity::None:
      return 25;
    case MailSecurity::StartTls:
      return 587;
    case MailSecurity::ImplicitTls:
      return 465;
  }
  return 25;
}

}  // namespace crv
