// Whole-file replacement.
#include "crvpo/importexport/replacement_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <vector>

namespace crvpo {
namespace {

std::string systemError() { return std::strerror(errno); }

}  // namespace

ReplacementFile::ReplacementFile(std::filesystem::path target) : target_(std::move(target)) {}

ReplacementFile::~ReplacementFile() { abandon(); }

std::optional<std::string> ReplacementFile::open() {
  const std::filesystem::path folder = target_.has_parent_path() ? target_.parent_path() : ".";
  std::string pattern = (folder / ("." + target_.filename().string() + ".XXXXXX")).string();
  std::vector<char> name(pattern.begin(), pattern.end());
  name.push_back('\0');
  const int fd = ::mkstemp(name.data());
  if (fd < 0) return systemError();
  ::fchmod(fd, 0644);
  temporary_ = name.data();
  file_ = ::fdopen(fd, "wb");
  if (!file_) {
    const std::string reason = systemError();
    ::close(fd);
    abandon();
    return reason;
  }
  return std::nullopt;
}

std::optional<std::string> ReplacementFile::write(std::string_view text) {
  if (!file_) return std::strerror(EBADF);
  if (std::fwrite(text.data(), 1, text.size(), file_) != text.size()) return systemError();
  return std::nullopt;
}

std::optional<std::string> ReplacementFile::commit() {
  if (!file_) return std::strerror(EBADF);
  const bool flushed = std::fflush(file_) == 0 && ::fsync(::fileno(file_)) == 0;
  const std::string reason = systemError();
  std::fclose(file_);
  file_ = nullptr;
  if (!flushed) {
    abandon();
    return reason;
  }
  if (::rename(temporary_.c_str(), target_.c_str()) != 0) {
    const std::string why = systemError();
    abandon();
    return why;
  }
  temporary_.clear();
  return std::nullopt;
}

void ReplacementFile::abandon() {
  if (file_) {
    std::fclose(file_);
    file_ = nullptr;
  }
  if (!temporary_.empty()) {
    std::error_code ec;
    std::filesystem::remove(temporary_, ec);
    temporary_.clear();
  }
}

}  // namespace crvpo
