// Running commands for tests.
#include "support/command_run.h"

#include <sys/wait.h>

#include <cstdio>

namespace crv::test {

CommandRun runCommand(const std::string& command) {
  CommandRun result;
  FILE* pipe = popen(("ASAN_OPTIONS=detect_leaks=0 " + command + " 2>&1").c_str(), "r");
  if (!pipe) return result;
  char buffer[4096];
  while (std::size_t n = std::fread(buffer, 1, sizeof buffer, pipe)) result.output.append(buffer, n);
  const int status = pclose(pipe);
  result.code = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  return result;
}

std::string quoted(const std::filesystem::path& path) { return "'" + path.string() + "'"; }

}  // namespace crv::test
