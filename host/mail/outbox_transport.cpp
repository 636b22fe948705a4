// Atomic .eml files: O_EXCL temporary, fsync, link to the final name
// (which fails rather than replaces when the name exists), unlink.
#include "host/mail/outbox_transport.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <ctime>
#include <random>

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

bool writeAll(int fd, const std::string& text) {
  std::size_t done = 0;
  while (done < text.size()) {
    ssize_t written = ::write(fd, text.data() + done, text.size() - done);
    if (written < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    done += static_cast<std::size_t>(written);
  }
  return true;
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
    std::string stem = newStem();
    std::filesystem::path partial = folder_ / ("." + stem + ".tmp");
    std::filesystem::path file = folder_ / (stem + ".eml");
    int fd = ::open(partial.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
    if (fd < 0) {
      if (errno == EEXIST) continue;
      return MailResult::failure(where + std::strerror(errno));
    }
    bool written = writeAll(fd, text) && ::fsync(fd) == 0;
    int cause = errno;
    if (::close(fd) != 0 && written) {
      written = false;
      cause = errno;
    }
    if (!written) {
      ::unlink(partial.c_str());
      return MailResult::failure(where + std::strerror(cause));
    }
    int linked = ::link(partial.c_str(), file.c_str());
    cause = errno;
    ::unlink(partial.c_str());
    if (linked == 0) return {true, {}, file};
    if (cause != EEXIST) return MailResult::failure(where + std::strerror(cause));
  }
  return MailResult::failure(where + "no free file name was found.");
}

}  // namespace crv
