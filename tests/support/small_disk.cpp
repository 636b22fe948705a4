// Mounting, filling and unmounting a small tmpfs.
#include "support/small_disk.h"

#include <fcntl.h>
#include <sys/mount.h>
#include <unistd.h>

#include <vector>

namespace crv::test {

SmallDisk::SmallDisk(const std::filesystem::path& where, const char* size) : where_(where) {
  std::filesystem::create_directories(where_);
  const std::string options = std::string("size=") + size;
  mounted_ = ::geteuid() == 0 && ::mount("tmpfs", where_.c_str(), "tmpfs", 0, options.c_str()) == 0;
}

SmallDisk::~SmallDisk() {
  if (mounted_) ::umount2(where_.c_str(), MNT_DETACH);
}

void SmallDisk::fill() {
  const std::filesystem::path filler = where_ / ".filler";
  const int fd = ::open(filler.c_str(), O_WRONLY | O_CREAT | O_APPEND | O_CLOEXEC, 0600);
  if (fd < 0) return;
  // Big blocks first, then single bytes for the last partial block.
  const std::vector<char> block(65536, 'f');
  for (std::size_t size = block.size(); size > 0; size /= 2)
    while (::write(fd, block.data(), size) == static_cast<ssize_t>(size)) {
    }
  ::close(fd);
}

void SmallDisk::release() {
  std::error_code ignored;
  std::filesystem::remove(where_ / ".filler", ignored);
}

}  // namespace crv::test
