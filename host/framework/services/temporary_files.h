// Temporary files of this process.
//
// They live in a folder of the process's own under the system's temporary
// folder, made by mkdtemp: its name cannot be guessed and only this user can
// enter it. So no other user can read what is written there, take a name
// first, or plant a link under a name that is about to be written. The
// folder, with whatever is left in it, is removed when the process ends;
// callers remove their files when done with them.
#pragma once

#include <filesystem>
#include <string_view>

namespace crv {

// The folder, made on first use. Throws std::runtime_error when it cannot
// be made.
const std::filesystem::path& privateTemporaryFolder();

// A name in that folder never handed out before in this process:
// "<stem>-<n><extension>" ("form-3.pdf"). Nothing is created.
std::filesystem::path temporaryFileName(std::string_view stem, std::string_view extension);

}  // namespace crv
