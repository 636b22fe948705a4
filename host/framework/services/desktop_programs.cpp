// The desktop's programs, started through xdg-open.
#include "host/framework/services/desktop_programs.h"

#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <atomic>
#include <cstdlib>
#include <string>
#include <string_view>

extern char** environ;

namespace crv {
namespace {

bool onPath(std::string_view program) {
  const char* path = std::getenv("PATH");
  std::string_view folders = path ? path : "/usr/bin:/bin";
  while (!folders.empty()) {
    const auto colon = folders.find(':');
    const std::string_view folder = folders.substr(0, colon);
    const std::string candidate = std::string(folder.empty() ? "." : folder) + "/" + std::string(program);
    if (::access(candidate.c_str(), X_OK) == 0) return true;
    folders = colon == std::string_view::npos ? std::string_view() : folders.substr(colon + 1);
  }
  return false;
}

// Starts `program file` in the background through a shell that returns at
// once, so that the program is nobody's child here and needs no waiting
// for. The file goes as an argument, never as shell text.
bool startDetached(const char* program, const std::filesystem::path& file) {
  if (!onPath(program)) return false;
  const std::string script = std::string(program) + " \"$1\" >/dev/null 2>&1 &";
  const std::string name = file.string();
  char* argv[] = {const_cast<char*>("sh"), const_cast<char*>("-c"),         const_cast<char*>(script.c_str()),
                  const_cast<char*>("sh"), const_cast<char*>(name.c_str()), nullptr};
  pid_t shell = 0;
  if (::posix_spawn(&shell, "/bin/sh", nullptr, nullptr, argv, environ) != 0) return false;
  int status = 0;
  while (::waitpid(shell, &status, 0) < 0) {
  }
  return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

class XdgPrograms final : public DesktopPrograms {
 public:
  bool view(const std::filesystem::path& file) override { return startDetached("xdg-open", file); }
  bool edit(const std::filesystem::path& file) override { return startDetached("xdg-open", file); }
};

XdgPrograms xdg;
std::atomic<DesktopPrograms*> installed{nullptr};

}  // namespace

DesktopPrograms* setDesktopPrograms(DesktopPrograms* programs) { return installed.exchange(programs); }

DesktopPrograms& desktopPrograms() {
  DesktopPrograms* programs = installed.load();
  return programs ? *programs : xdg;
}

}  // namespace crv
