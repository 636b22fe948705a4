// Running the installed program from a test, as a person at a shell would,
// and reading what it said and how it ended.
#pragma once

#include <filesystem>
#include <string>

namespace crv::test {

struct CommandRun {
  int code = -1;       // the exit code; -1 when it did not exit normally
  std::string output;  // standard output and error together
};

// Runs `command` through the shell with leak checking off (the program
// exits without tearing everything down).
CommandRun runCommand(const std::string& command);

// The path in single quotes for the shell.
std::string quoted(const std::filesystem::path& path);

// <build>/bin/crvhost, quoted, followed by `arguments`.
std::string crvhost(const std::string& arguments);

}  // namespace crv::test
