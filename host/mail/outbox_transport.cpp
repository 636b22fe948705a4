// Atomic .eml files through the safe file writer: a message appears whole
// or not at all, and never replaces another one.
#include "host/mail/outbox_transport.h"

#include <cstdio>
#include <ctime>
#include <random>

#include "host/framework/services/file_replacement.h"

namespace crv {

namespace {

std::string newStem() {
  static thread_local std::mt19937_64 generator{std::random_device{}()};
  std::time_t now = std::time(nullptr);
  std::tm local{};
  localtime_r(&now, &local);
  char stamp[32];
  std::strftime(stamp, sizeof stamp, "%Y%m%d-%H%M%S", &local);
  char random[20];
  std::snprintf(random, sizeof random, "%012llx",
                static_cast<unsigned long long>(generator() & 0xFFFFFFFFFFFFull));
  return std::string(stamp) + "-" + random;
}

}  // namespace

OutboxTransport::OutboxTransport(std::filesystem::path folder) : folder_(std::move(folder)) {}

std::string OutboxTransport::describe() const { return "outbox folder " + folder_.string(); }

MailResult OutboxTransport::send(const MailMessage& message) {
  std::string where = "The e-mail could not be written to the " + describe() + ": ";
  if (folder_.empty()) return MailResult::failure(where + "no outbox folder is set.");
  std::string text;
  try {
    text = composeMime(message);
  } catch (const MailError& error) {
    return MailResult::failure(where + error.what());
  }
  std::error_code error;
  std::filesystem::create_directories(folder_, error);
  if (error) return MailResult::failure(where + error.message());

  for (int attempt = 0; attempt < 20; ++attempt) {
    const std::filesystem::path file = folder_ / (newStem() + ".eml");
    if (std::filesystem::exists(file, error)) continue;
    FileReplacement eml(file);
    if (!eml.write(text)) return MailResult::failure(where + eml.error());
    // A message never replaces another: a name taken meanwhile means the
    // next attempt.
    if (eml.commit(FileReplacement::Existing::Keep)) return {true, {}, file};
    if (!std::filesystem::exists(file, error)) return MailResult::failure(where + eml.error());
  }
  return MailResult::failure(where + "no free file name was found.");
}

}  // namespace crv
