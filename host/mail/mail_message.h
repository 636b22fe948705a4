// An e-mail message as the program builds it: sender, recipients, subject, a
// plain-text body and file attachments, all in UTF-8.
//
// composeMime() turns it into the Internet message format: headers (From,
// To, Subject, Date, Message-ID, MIME-Version), non-ASCII subjects and names
// as RFC 2047 encoded words, the body in quoted-printable and attachments in
// base64 with their file names, lines ending in CRLF. Text from users or
// records can never add a header line: line breaks in names and subjects
// become spaces, and addresses are checked.
#pragma once

#include <cstdint>
#include <ctime>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace crv {

// A message that cannot be composed (a bad address, no recipient).
class MailError : public std::runtime_error {
 public:
  explicit MailError(const std::string& message) : std::runtime_error(message) {}
};

struct Mailbox {
  std::string name;     // display name, may be blank
  std::string address;  // local@domain
};

struct MailAttachment {
  std::string fileName;
  std::string contentType = "application/octet-stream";
  std::vector<std::uint8_t> bytes;
};

struct MailMessage {
  Mailbox from;  // a blank address leaves the From header out (outbox drafts)
  std::vector<Mailbox> to;
  std::string subject;
  std::string body;
  std::vector<MailAttachment> attachments;
  std::time_t date = 0;   // 0: now
  std::string messageId;  // without angle brackets; blank: a new unique one
};

// True for an address the program will send to: ASCII local@domain without
// spaces, brackets or other characters that would need quoting.
bool isValidMailAddress(std::string_view address);

// Throws MailError when the message has no recipient or a bad address.
std::string composeMime(const MailMessage& message);

}  // namespace crv
