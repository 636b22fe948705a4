// The outcome of sending a message: sent, or not sent with a message for the
// user saying why. A transport reports `sent` only when the message was
// handed over completely (accepted by the server, or the outbox file fully
// written).
#pragma once

#include <filesystem>
#include <string>

namespace crv {

struct MailResult {
  bool sent = false;
  std::string error;                 // why it was not sent
  std::filesystem::path outboxFile;  // the .eml written by the outbox
  std::string warning;               // sent, but the user should know (a password sent unencrypted)

  explicit operator bool() const { return sent; }
  static MailResult failure(std::string why) { return {false, std::move(why), {}, {}}; }
};

}  // namespace crv
