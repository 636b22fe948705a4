// Choice of transport from the company's settings.
#include "host/mail/mail_transport.h"

#include "host/framework/services/plugin_library.h"
#include "host/framework/values/text.h"
#include "host/mail/outbox_transport.h"

namespace crv {
namespace {

// Stands in for the SMTP transport when its library cannot be loaded, so the
// message is reported as not sent, with the reason.
class UnloadableTransport final : public MailTransport {
 public:
  UnloadableTransport(std::string server, std::string error)
      : server_(std::move(server)), error_(std::move(error)) {}
  MailResult send(const MailMessage&) override {
    return MailResult::failure("The message cannot be sent through " + server_ + ": " + error_);
  }
  std::string describe() const override { return server_; }

 private:
  std::string server_;
  std::string error_;
};

}  // namespace

// SMTP lives in a library of its own (libcurl and its TLS, Kerberos and LDAP
// dependencies), loaded the first time a message goes to a server.
std::unique_ptr<MailTransport> makeMailTransport(const MailSettings& settings) {
  if (trim(settings.server).empty()) return std::make_unique<OutboxTransport>(settings.outboxFolder);
  const PluginEntry entry = pluginEntry("crvsmtp", "crvCreateSmtpTransport");
  if (!entry.address) return std::make_unique<UnloadableTransport>(settings.server, entry.error);
  using Create = MailTransport*(const MailSettings*);
  return std::unique_ptr<MailTransport>(reinterpret_cast<Create*>(entry.address)(&settings));
}

}  // namespace crv
