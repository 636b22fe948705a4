// Parts of file names that come from data (an order number, a company
// name): whatever a record holds, the part stays one name inside the folder
// it is put in.
#pragma once

#include <string>
#include <string_view>

namespace crv {

// `text` with every character that could leave the folder or break the
// name (/, \, NUL, line breaks and other control characters) replaced by
// '_'; "." and ".." become "_".
std::string fileNamePart(std::string_view text);

}  // namespace crv
