// Cleaning a part of a file name.
#include "host/framework/services/file_name_part.h"

namespace crv {

std::string fileNamePart(std::string_view text) {
  std::string part(text);
  for (char& c : part) {
    const auto code = static_cast<unsigned char>(c);
    if (c == '/' || c == '\\' || code < 32 || code == 127) c = '_';
  }
  if (part == "." || part == "..") part = "_";
  return part;
}

}  // namespace crv
