// A module library loaded at run time, whose entries are resolved by name.
#pragma once

#include <filesystem>
#include <stdexcept>
#include <string>

namespace crv {

class ModuleLoadError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

class ModuleLibrary {
 public:
  // Loads "lib<name>.so" from the folder of the running program. Loading
  // runs the library's load hook. Throws ModuleLoadError.
  explicit ModuleLibrary(const std::string& name);
  ~ModuleLibrary();  // unloading runs the library's unload hook
  ModuleLibrary(const ModuleLibrary&) = delete;
  ModuleLibrary& operator=(const ModuleLibrary&) = delete;

  // The exported entry `symbol`, or nullptr when the library has none.
  void* find(const std::string& symbol) const;

  template <class Function>
  Function* entry(const std::string& symbol) const {
    void* address = find(symbol);
    if (!address) throw ModuleLoadError("The module " + name_ + " exports no entry " + symbol + ".");
    return reinterpret_cast<Function*>(address);
  }

  const std::filesystem::path& path() const { return path_; }

  // The folder holding the running program (and the modules beside it).
  static std::filesystem::path programFolder();

 private:
  std::string name_;
  std::filesystem::path path_;
  void* handle_ = nullptr;
};

}  // namespace crv
