// The process's private temporary folder.
#include "host/framework/services/temporary_files.h"

#include <stdlib.h>

#include <atomic>
#include <cerrno>
#include <cstring>
#include <stdexcept>
#include <string>

namespace crv {
namespace {

class PrivateFolder {
 public:
  PrivateFolder() {
    std::error_code ec;
    std::string pattern = (std::filesystem::temp_directory_path(ec) / "crvpo-XXXXXX").string();
    if (ec) pattern = "/tmp/crvpo-XXXXXX";
    // mkdtemp makes the folder with mode 0700.
    if (!::mkdtemp(pattern.data()))
      throw std::runtime_error("The temporary folder " + pattern +
                               " cannot be made: " + std::strerror(errno));
    path_ = pattern;
  }
  ~PrivateFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
  }
  const std::filesystem::path& path() const { return path_; }

 private:
  std::filesystem::path path_;
};

}  // namespace

const std::filesystem::path& privateTemporaryFolder() {
  static const PrivateFolder folder;
  return folder.path();
}

std::filesystem::path temporaryFileName(std::string_view stem, std::string_view extension) {
  static std::atomic<unsigned> handedOut{0};
  return privateTemporaryFolder() /
         (std::string(stem) + "-" + std::to_string(++handedOut) + std::string(extension));
}

}  // namespace crv
