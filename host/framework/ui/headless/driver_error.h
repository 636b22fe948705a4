// The failure a headless driver reports: what went wrong, and the
// transcript of everything that happened up to then.
#pragma once

#include <stdexcept>
#include <string>

namespace crv::ui {

class DriverError : public std::runtime_error {
 public:
  DriverError(std::string reason, std::string transcript)
      : std::runtime_error(reason + "\n--- transcript ---\n" + transcript),
        reason_(std::move(reason)),
        transcript_(std::move(transcript)) {}

  const std::string& reason() const { return reason_; }
  const std::string& transcript() const { return transcript_; }

 private:
  std::string reason_;
  std::string transcript_;
};

}  // namespace crv::ui
