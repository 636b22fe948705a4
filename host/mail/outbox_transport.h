// Delivers messages into a folder as complete .eml files, for a company
// without a mail server: the user's mail program can open and send them.
//
// Each message gets a new file name (date, time and a random part); the
// message is written under a hidden temporary name, flushed to disk and
// then given its name in one step, so the folder never shows a partial
// message and an existing file is never replaced.
#pragma once

#include <filesystem>

#include "host/mail/mail_transport.h"

namespace crv {

class OutboxTransport final : public MailTransport {
 public:
  explicit OutboxTransport(std::filesystem::path folder);

  MailResult send(const MailMessage& message) override;
  std::string describe() const override;

 private:
  std::filesystem::path folder_;
};

}  // namespace crv
