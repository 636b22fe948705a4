// How the company sends e-mail: the SMTP server with its security and
// sign-in, the sender, and the outbox folder used when no server is set.
// docs/EMAIL.md describes every field.
#pragma once

#include <filesystem>
#include <string>

namespace crv {

enum class MailSecurity {
  None,         // plain SMTP (a trusted relay on the local network)
  StartTls,     // plain connection upgraded with STARTTLS, which must succeed
  ImplicitTls,  // TLS from the first byte ("SMTPS")
};

struct MailSettings {
  std::string server;  // host name or address; blank: write to the outbox folder
  int port = 0;        // 0: 25, 587 or 465 by security
  MailSecurity security = MailSecurity::StartTls;
  std::string user;  // blank: no sign-in
  std::string password;
  // Signing in without encryption (Security None) sends the password in
  // the clear: refused unless allowed here, and a warning when it is.
  bool allowPlainSignIn = false;
  bool verifyCertificate = true;  // check the server's certificate and name
  std::string caFile;             // blank: the system's certificate store
  int timeoutSeconds = 60;        // for connecting and for the whole send

  std::string senderAddress;
  std::string senderName;

  std::filesystem::path outboxFolder;  // where .eml files go without a server

  // The port in force: `port`, or the usual one for the security.
  int effectivePort() const;
};

}  // namespace crv
