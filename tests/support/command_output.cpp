// Reading a command's output through a pipe.
#include "support/command_output.h"

#include <cstdio>
#include <memory>

namespace crv::test {

std::string commandOutput(const std::string& command) {
  std::unique_ptr<FILE, int (*)(FILE*)> pipe(popen(command.c_str(), "r"), pclose);
  std::string text;
  char buffer[4096];
  while (pipe) {
    const std::size_t n = std::fread(buffer, 1, sizeof buffer, pipe.get());
    if (n == 0) break;
    text.append(buffer, n);
  }
  return text;
}

}  // namespace crv::test
