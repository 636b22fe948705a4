// Showing a text file the user just wrote: in the system's text editor,
// or, on a system without one, in a read-only window of its own after
// saying so. The window shows at most the first megabyte of the file and
// says when there is more.
#pragma once

#include <filesystem>

namespace crvpo {

void showTextFile(const std::filesystem::path& file);

}  // namespace crvpo
