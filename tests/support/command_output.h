// What a shell command writes on its standard output, for tests that read
// files through outside tools (pdftotext, xlsx2csv).
#pragma once

#include <string>

namespace crv::test {

// Empty when the command cannot be run.
std::string commandOutput(const std::string& command);

}  // namespace crv::test
