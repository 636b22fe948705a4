// Loading the host's plugins with the dynamic loader.
#include "host/framework/services/plugin_library.h"

#include <dlfcn.h>

#include <filesystem>
#include <map>
#include <mutex>

namespace crv {
namespace {

std::filesystem::path programFolder() {
  std::error_code error;
  const auto self = std::filesystem::read_symlink("/proc/self/exe", error);
  return error ? std::filesystem::current_path() : self.parent_path();
}

struct Loaded {
  void* handle = nullptr;
  std::string error;
};

std::mutex& pluginMutex() {
  static std::mutex mutex;
  return mutex;
}

std::map<std::string, Loaded>& plugins() {
  static std::map<std::string, Loaded> loaded;
  return loaded;
}

Loaded& load(const std::string& name) {
  auto it = plugins().find(name);
  if (it != plugins().end()) return it->second;
  Loaded loaded;
  const std::filesystem::path file = programFolder() / ("lib" + name + ".so");
  // Functions are bound on their first call, so loading costs only the
  // libraries' mapping and data relocations, not binding every function of
  // a toolkit the run calls a few of.
  loaded.handle = dlopen(file.c_str(), RTLD_LAZY | RTLD_GLOBAL);
  if (!loaded.handle) {
    const char* why = dlerror();
    loaded.error = "The library " + file.string() + " cannot be loaded: " + (why ? why : "unknown reason");
  }
  return plugins().emplace(name, std::move(loaded)).first->second;
}

}  // namespace

PluginEntry pluginEntry(const std::string& name, const std::string& symbol) {
  std::lock_guard lock(pluginMutex());
  Loaded& loaded = load(name);
  PluginEntry entry;
  if (!loaded.handle) {
    entry.error = loaded.error;
    return entry;
  }
  dlerror();
  entry.address = dlsym(loaded.handle, symbol.c_str());
  if (!entry.address) entry.error = "The library lib" + name + ".so has no entry " + symbol + ".";
  return entry;
}

bool pluginLoaded(const std::string& name) {
  std::lock_guard lock(pluginMutex());
  auto it = plugins().find(name);
  return it != plugins().end() && it->second.handle != nullptr;
}

}  // namespace crv
