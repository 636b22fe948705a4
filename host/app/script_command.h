// `crvhost script FOLDER FILE`: plays a script (docs/SCRIPTS.md) against a
// company with the headless driver, calling the procedures of the host's
// catalog by name, and prints the transcript.
#pragma once

#include <filesystem>
#include <ostream>

namespace crv {

// Answers 0 when the script ran through, 1 when it failed (a check, an
// unexpected window, a line that is not an action; the transcript says
// where and why), 2 when the script file cannot be read.
int runScriptCommand(const std::filesystem::path& companyFolder, const std::filesystem::path& scriptFile,
                     std::ostream& out, std::ostream& err);

}  // namespace crv
