// Where the type-ahead completion store's file lives.
#include "crvpo/foundation/type_ahead_location.h"

#include <filesystem>

namespace crvpo {

std::string typeAheadStoreFile(std::string_view folder) {
  constexpr char separator = std::filesystem::path::preferred_separator;
  std::string file(folder);
  if (file.empty() || file.back() != separator) file += separator;
  return file + typeAheadStoreName;
}

}  // namespace crvpo
