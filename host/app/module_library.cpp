// Loading module libraries with the dynamic loader.
#include "host/app/module_library.h"

#include <dlfcn.h>

namespace crv {

std::filesystem::path ModuleLibrary::programFolder() {
  std::error_code ec;
  const auto self = std::filesystem::read_symlink("/proc/self/exe", ec);
  return ec ? std::filesystem::current_path() : self.parent_path();
}

ModuleLibrary::ModuleLibrary(const std::string& name)
    : name_(name), path_(programFolder() / ("lib" + name + ".so")) {
  // Functions are bound on their first call: a run uses a few of the
  // module's entries, and binding all of them (and its libraries') up front
  // was a good part of a command's start.
  handle_ = dlopen(path_.c_str(), RTLD_LAZY | RTLD_GLOBAL);
  if (!handle_) {
    const char* why = dlerror();
    throw ModuleLoadError("The module " + name + " cannot be loaded from " + path_.string() + ": " +
                          (why ? why : "unknown reason"));
  }
}

ModuleLibrary::~ModuleLibrary() {
  if (handle_) dlclose(handle_);
}

void* ModuleLibrary::find(const std::string& symbol) const {
  dlerror();
  return dlsym(handle_, symbol.c_str());
}

}  // namespace crv
