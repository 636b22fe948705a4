// Temporary folders for tests.
#include "support/temp_folder.h"

#include <stdlib.h>

#include <stdexcept>

namespace crv::test {

TempFolder::TempFolder() {
  std::string pattern = (std::filesystem::temp_directory_path() / "crvtest-XXXXXX").string();
  if (!mkdtemp(pattern.data())) throw std::runtime_error("cannot create a temporary folder");
  path_ = pattern;
}

TempFolder::~TempFolder() {
  std::error_code ec;
  std::filesystem::permissions(path_, std::filesystem::perms::owner_all, std::filesystem::perm_options::add,
                               ec);
  std::filesystem::remove_all(path_, ec);
}

}  // namespace crv::test
