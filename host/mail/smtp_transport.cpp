// SMTP through libcurl's easy interface, one connection per message.
#include "host/mail/smtp_transport.h"

#include <curl/curl.h>

#include <cstring>
#include <mutex>

#include "host/framework/values/text.h"

namespace crv {

namespace {

void initializeCurl() {
  static std::once_flag once;
  std::call_once(once, [] { curl_global_init(CURL_GLOBAL_DEFAULT); });
}

struct Upload {
  const std::string* text;
  std::size_t at = 0;
};

std::size_t readUpload(char* buffer, std::size_t size, std::size_t count, void* closure) {
  auto* upload = static_cast<Upload*>(closure);
  std::size_t length = std::min(size * count, upload->text->size() - upload->at);
  std::memcpy(buffer, upload->text->data() + upload->at, length);
  upload->at += length;
  return length;
}

bool isValidHost(const std::string& host) {
  if (host.empty()) return false;
  for (unsigned char c : host)
    if (c <= 0x20 || c >= 0x7F || c == '/' || c == '@' || c == '?' || c == '#') return false;
  return true;
}

const char* securityName(MailSecurity security) {
  switch (security) {
    case MailSecurity::None:
      return "no encryption";
    case MailSecurity::StartTls:
      return "STARTTLS";
    case MailSecurity::ImplicitTls:
      return "TLS";
  }
  return "";
}

struct CurlHandle {
  CURL* curl = curl_easy_init();
  curl_slist* recipients = nullptr;
  ~CurlHandle() {
    curl_slist_free_all(recipients);
    if (curl) curl_easy_cleanup(curl);
  }
};

}  // namespace

SmtpTransport::SmtpTransport(MailSettings settings) : settings_(std::move(settings)) {
  // Settings come from fixed-width fields, padded with spaces.
  settings_.server = std::string(trim(settings_.server));
}

std::string SmtpTransport::describe() const {
  return settings_.server + ":" + std::to_string(settings_.effectivePort()) + " (" +
         securityName(settings_.security) + ")";
}

MailResult SmtpTransport::send(const MailMessage& message) {
  std::string where = "The e-mail could not be sent through " + describe() + ": ";
  if (!isValidHost(settings_.server)) return MailResult::failure(where + "the server name is not valid.");
  if (message.from.address.empty())
    return MailResult::failure(where + "no sender address is set in the company's e-mail settings.");
  const bool plainSignIn = settings_.security == MailSecurity::None && !settings_.user.empty();
  if (plainSignIn && !settings_.allowPlainSignIn)
    return MailResult::failure(where + "signing in as " + settings_.user +
                               " without encryption would send the password in the clear. Choose StartTls or "
                               "ImplicitTls, or allow it explicitly (AllowPlainSignIn=1).");
  std::string text;
  try {
    text = composeMime(message);
  } catch (const MailError& error) {
    return MailResult::failure(where + error.what());
  }

  initializeCurl();
  CurlHandle handle;
  if (!handle.curl) return MailResult::failure(where + "the mail library could not start.");
  CURL* curl = handle.curl;
  std::string host =
      settings_.server.find(':') != std::string::npos ? "[" + settings_.server + "]" : settings_.server;
  std::string url = std::string(settings_.security == MailSecurity::ImplicitTls ? "smtps://" : "smtp://") +
                    host + ":" + std::to_string(settings_.effectivePort());
  std::string from = "<" + message.from.address + ">";
  for (const Mailbox& recipient : message.to)
    handle.recipients = curl_slist_append(handle.recipients, ("<" + recipient.address + ">").c_str());
  Upload upload{&text};
  char errorText[CURL_ERROR_SIZE] = {};
  long timeout = settings_.timeoutSeconds > 0 ? settings_.timeoutSeconds : 60;

  curl_easy_setopt(curl, CURLOPT_URL, url.c_str());
  curl_easy_setopt(curl, CURLOPT_NOSIGNAL, 1L);
  curl_easy_setopt(curl, CURLOPT_ERRORBUFFER, errorText);
  curl_easy_setopt(curl, CURLOPT_CONNECTTIMEOUT, timeout);
  curl_easy_setopt(curl, CURLOPT_TIMEOUT, timeout);
  curl_easy_setopt(curl, CURLOPT_USE_SSL,
                   settings_.security == MailSecurity::None ? static_cast<long>(CURLUSESSL_NONE)
                                                            : static_cast<long>(CURLUSESSL_ALL));
  curl_easy_setopt(curl, CURLOPT_SSL_VERIFYPEER, settings_.verifyCertificate ? 1L : 0L);
  curl_easy_setopt(curl, CURLOPT_SSL_VERIFYHOST, settings_.verifyCertificate ? 2L : 0L);
  if (!settings_.caFile.empty()) curl_easy_setopt(curl, CURLOPT_CAINFO, settings_.caFile.c_str());
  if (!settings_.user.empty()) {
    curl_easy_setopt(curl, CURLOPT_USERNAME, settings_.user.c_str());
    curl_easy_setopt(curl, CURLOPT_PASSWORD, settings_.password.c_str());
  }
  curl_easy_setopt(curl, CURLOPT_MAIL_FROM, from.c_str());
  curl_easy_setopt(curl, CURLOPT_MAIL_RCPT, handle.recipients);
  curl_easy_setopt(curl, CURLOPT_UPLOAD, 1L);
  curl_easy_setopt(curl, CURLOPT_READFUNCTION, readUpload);
  curl_easy_setopt(curl, CURLOPT_READDATA, &upload);
  curl_easy_setopt(curl, CURLOPT_INFILESIZE_LARGE, static_cast<curl_off_t>(text.size()));

  CURLcode code = curl_easy_perform(curl);
  if (code != CURLE_OK) {
    std::string cause = errorText[0] ? errorText : curl_easy_strerror(code);
    long reply = 0;
    curl_easy_getinfo(curl, CURLINFO_RESPONSE_CODE, &reply);
    if (reply >= 400 && std::to_string(reply) != cause.substr(0, 3))
      cause += " (server reply " + std::to_string(reply) + ")";
    return MailResult::failure(where + cause);
  }
  MailResult sent{true, {}, {}, {}};
  if (plainSignIn)
    sent.warning =
        "The password of " + settings_.user + " was sent to " + describe() + " without encryption.";
  return sent;
}

}  // namespace crv

crv::MailTransport* crvCreateSmtpTransport(const crv::MailSettings* settings) {
  return new crv::SmtpTransport(*settings);
}
