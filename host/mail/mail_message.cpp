// Composition of an Internet message from a MailMessage.
#include "host/mail/mail_message.h"

#include <cstdio>
#include <random>

#include "host/mail/mime_encoding.h"

namespace crv {

namespace {

std::string randomHex(int digits) {
  static thread_local std::mt19937_64 generator{std::random_device{}()};
  static constexpr char hex[] = "0123456789abcdef";
  std::string out;
  std::uint64_t bits = generator();
  for (int i = 0; i < digits; ++i) {
    if (i % 16 == 0 && i > 0) bits = generator();
    out += hex[bits & 15];
    bits >>= 4;
  }
  return out;
}

// Header text may come from records or users: a line break there would
// start a header of its own.
std::string oneLine(std::string_view text) {
  std::string out(text);
  for (char& c : out)
    if (c == '\r' || c == '\n' || c == '\t') c = ' ';
  return out;
}

bool isAtomText(std::string_view text) {
  for (unsigned char c : text) {
    bool ok = (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == ' ' ||
              c == '!' || c == '#' || c == '$' || c == '%' || c == '&' || c == '\'' || c == '*' || c == '+' ||
              c == '-' || c == '/' || c == '=' || c == '?' || c == '^' || c == '_' || c == '`' || c == '{' ||
              c == '|' || c == '}' || c == '~';
    if (!ok) return false;
  }
  return true;
}

bool isPrintableAscii(std::string_view text) {
  for (unsigned char c : text)
    if (c < 0x20 || c > 0x7E) return false;
  return true;
}

std::string formatMailbox(const Mailbox& mailbox) {
  std::string name = oneLine(mailbox.name);
  while (!name.empty() && name.back() == ' ') name.pop_back();
  while (!name.empty() && name.front() == ' ') name.erase(0, 1);
  std::string address = "<" + mailbox.address + ">";
  if (name.empty()) return address;
  if (isAtomText(name)) return name + " " + address;
  if (isPrintableAscii(name) && name.find("=?") == std::string::npos) {
    std::string quoted = "\"";
    for (char c : name) {
      if (c == '"' || c == '\\') quoted += '\\';
      quoted += c;
    }
    return quoted + "\" " + address;
  }
  // Encoded words fill a line of their own; the address goes on the next.
  return mime::encodeHeaderText(name, 4) + "\r\n " + address;
}

void requireAddress(const Mailbox& mailbox, const char* role) {
  if (!isValidMailAddress(mailbox.address))
    throw MailError(std::string("The ") + role + " address \"" + oneLine(mailbox.address) +
                    "\" is not a valid e-mail address.");
}

std::string formatDate(std::time_t when) {
  static constexpr const char* days[] = {"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"};
  static constexpr const char* months[] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                           "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
  std::tm local{};
  localtime_r(&when, &local);
  long offset = local.tm_gmtoff / 60;
  char sign = offset < 0 ? '-' : '+';
  if (offset < 0) offset = -offset;
  char buffer[64];
  std::snprintf(buffer, sizeof buffer, "%s, %02d %s %04d %02d:%02d:%02d %c%02ld%02ld",
                days[local.tm_wday % 7], local.tm_mday, months[local.tm_mon % 12], local.tm_year + 1900,
                local.tm_hour, local.tm_min, local.tm_sec, sign, offset / 60, offset % 60);
  return buffer;
}

std::string domainOf(std::string_view address) {
  std::size_t at = address.rfind('@');
  return at == std::string_view::npos ? "localhost" : std::string(address.substr(at + 1));
}

}  // namespace

bool isValidMailAddress(std::string_view address) {
  if (address.empty() || address.size() > 254) return false;
  std::size_t at = address.find('@');
  if (at == std::string_view::npos || at == 0 || at + 1 == address.size()) return false;
  if (address.find('@', at + 1) != std::string_view::npos) return false;
  for (unsigned char c : address) {
    if (c <= 0x20 || c >= 0x7F) return false;
    if (std::string_view("<>()[]\\,;:\"").find(static_cast<char>(c)) != std::string_view::npos) return false;
  }
  std::string_view domain = address.substr(at + 1);
  return domain.front() != '.' && domain.back() != '.' && domain.find("..") == std::string_view::npos;
}

std::string composeMime(const MailMessage& message) {
  if (message.to.empty()) throw MailError("The message has no recipient.");
  if (!message.from.address.empty()) requireAddress(message.from, "sender");
  for (const Mailbox& recipient : message.to) requireAddress(recipient, "recipient");

  std::string out;
  if (!message.from.address.empty()) out += "From: " + formatMailbox(message.from) + "\r\n";
  out += "To: ";
  for (std::size_t i = 0; i < message.to.size(); ++i) {
    if (i > 0) out += ",\r\n ";
    out += formatMailbox(message.to[i]);
  }
  out += "\r\n";
  out += "Subject: " + mime::encodeHeaderText(oneLine(message.subject), 9) + "\r\n";
  out += "Date: " + formatDate(message.date ? message.date : std::time(nullptr)) + "\r\n";
  std::string id = oneLine(message.messageId);
  if (id.empty())
    id = randomHex(16) + "." + std::to_string(std::time(nullptr)) + "@" + domainOf(message.from.address);
  out += "Message-ID: <" + id + ">\r\n";
  out += "MIME-Version: 1.0\r\n";

  std::string textPart =
      "Content-Type: text/plain; charset=UTF-8\r\n"
      "Content-Transfer-Encoding: quoted-printable\r\n\r\n" +
      mime::quotedPrintable(message.body) + "\r\n";
  if (message.attachments.empty()) return out + textPart;

  // "=_" never occurs in base64 or quoted-printable text, so the boundary
  // cannot appear inside a part.
  std::string boundary = "=_crv_" + randomHex(24);
  out += "Content-Type: multipart/mixed;\r\n boundary=\"" + boundary + "\"\r\n\r\n";
  out += "This is a multi-part message in MIME format.\r\n";
  out += "--" + boundary + "\r\n" + textPart;
  for (const MailAttachment& attachment : message.attachments) {
    std::string fileName = oneLine(attachment.fileName);
    out += "--" + boundary + "\r\n";
    out += "Content-Type: " + oneLine(attachment.contentType) + ";\r\n " + mime::parameter("name", fileName) +
           "\r\n";
    out += "Content-Transfer-Encoding: base64\r\n";
    out += "Content-Disposition: attachment;\r\n " + mime::parameter("filename", fileName) + "\r\n\r\n";
    out += mime::base64(attachment.bytes) + "\r\n";
  }
  out += "--" + boundary + "--\r\n";
  return out;
}

}  // namespace crv
