// Safe file replacement: temporary file, fsync, rename, fsync of the folder.
#include "host/framework/services/file_replacement.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <fstream>

namespace crv {
namespace {

// Opens the temporary file beside `target`: "<name>.part", or a unique
// "<name>.XXXXXX.part" when that is taken. Answers the descriptor, -1 with
// errno set on failure.
int openTemporary(const std::filesystem::path& target, std::filesystem::path& temporary, mode_t mode) {
  temporary = target;
  temporary += ".part";
  int fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
  if (fd < 0 && errno == EEXIST) {
    std::string pattern = target.string() + ".XXXXXX.part";
    fd = ::mkostemps(pattern.data(), 5, O_CLOEXEC);
    if (fd >= 0) temporary = pattern;
  }
  if (fd < 0) return -1;
  // The permissions as asked, whatever the process's umask.
  if (::fchmod(fd, mode) != 0) {
    const int error = errno;
    ::close(fd);
    ::unlink(temporary.c_str());
    errno = error;
    return -1;
  }
  return fd;
}

// Makes a rename in `folder` durable.
void syncFolder(const std::filesystem::path& folder) {
  const int fd = ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return;
  ::fsync(fd);
  ::close(fd);
}

}  // namespace

FileReplacement::FileReplacement(std::filesystem::path target, mode_t mode) : target_(std::move(target)) {
  struct stat existing {};
  if (::stat(target_.c_str(), &existing) == 0) mode = existing.st_mode & 07777;
  const int fd = openTemporary(target_, temporary_, mode);
  if (fd < 0) {
    fail(errno);
    temporary_.clear();
    return;
  }
  out_ = ::fdopen(fd, "wb");
  if (!out_) {
    fail(errno);
    ::close(fd);
  }
}

FileReplacement::~FileReplacement() { abandon(); }

bool FileReplacement::fail(int error) {
  if (error_.empty()) error_ = std::strerror(error);
  return false;
}

bool FileReplacement::write(const void* bytes, std::size_t size) {
  if (!ok() || done_) return false;
  if (size != 0 && std::fwrite(bytes, 1, size, out_) != size) return fail(errno);
  return true;
}

bool FileReplacement::write(std::string_view bytes) { return write(bytes.data(), bytes.size()); }

bool FileReplacement::writeFile(const std::filesystem::path& source) {
  std::ifstream in(source, std::ios::binary);
  if (!in) return fail(errno ? errno : ENOENT);
  char buffer[65536];
  while (in) {
    in.read(buffer, sizeof buffer);
    if (in.gcount() > 0 && !write(buffer, static_cast<std::size_t>(in.gcount()))) return false;
  }
  if (in.bad()) return fail(EIO);
  return true;
}

bool FileReplacement::commit(Existing existing) {
  if (!ok() || done_) return false;
  std::FILE* out = out_;
  out_ = nullptr;
  if (std::fflush(out) != 0 || ::fsync(::fileno(out)) != 0) {
    fail(errno);
    std::fclose(out);
    abandon();
    return false;
  }
  if (std::fclose(out) != 0) {
    fail(errno);
    abandon();
    return false;
  }
  // link() fails rather than replaces when the target exists.
  const int placed = existing == Existing::Replace ? ::rename(temporary_.c_str(), target_.c_str())
                                                   : ::link(temporary_.c_str(), target_.c_str());
  if (placed != 0) {
    fail(errno);
    abandon();
    return false;
  }
  if (existing == Existing::Keep) ::unlink(temporary_.c_str());
  done_ = true;
  // Some file systems cannot flush a folder; the file itself is in place
  // and flushed either way.
  syncFolder(target_.parent_path());
  return true;
}

void FileReplacement::abandon() {
  if (out_) {
    std::fclose(out_);
    out_ = nullptr;
  }
  if (!done_ && !temporary_.empty()) ::unlink(temporary_.c_str());
  done_ = true;
}

std::string replaceFile(const std::filesystem::path& target, std::string_view contents, mode_t mode) {
  FileReplacement file(target, mode);
  if (file.write(contents) && file.commit()) return {};
  return file.error();
}

std::string copyFileSafely(const std::filesystem::path& source, const std::filesystem::path& target) {
  FileReplacement file(target);
  if (file.writeFile(source) && file.commit()) return {};
  return file.error();
}

}  // namespace crv
