// Running the installed program as a shell would, for the command-line
// tests: its exit code and everything it wrote to either stream.
#pragma once

#include <filesystem>
#include <string>

namespace crv::test {

struct CommandRun {
  int code = -1;
  std::string output;
};

CommandRun runCommand(const std::string& command);
// A path quoted for the shell.
std::string quoted(const std::filesystem::path& path);

}  // namespace crv::test
