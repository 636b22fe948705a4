// The life cycle of the purchase-order module: library load and unload, and
// the host's INIT and KILL.
//
// load() builds the module's own service objects (error reporter, settings
// bound to crvpo.INI in the current directory, fuzzy matcher, type-ahead
// store, spell-checker settings) and unload() takes them down again. init()
// hands the host's reporter and settings to every table and to the modules
// this one depends on, in a fixed order; kill() shuts those modules down.
// init() and kill() each do their work at most once in the life of an
// instance, independently of each other.
//
// The exported entries act on loadedModule(), the one instance of the
// loaded library, whose load and unload the library's hooks run. Tests build
// instances of their own to run a fresh life cycle.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "crvpo/foundation/module_state.h"

namespace crvpo {

// What load() reads from the process.
struct LoadContext {
  std::filesystem::path currentDirectory;
  std::vector<std::string> arguments;  // program name first

  static LoadContext fromProcess();
};

// The modules INIT and KILL hand on to, in the order they are called.
inline constexpr const char* siblingOrder[] = {"CRVDATA", "CRVMISC", "CRVJC", "CRVIN",
                                               "CRVEQ",   "CRVGL",   "CRVAP", "CRVAR"};

inline constexpr const char* moduleSettingsFile = "crvpo.INI";
inline constexpr const char* spellLanguageDefault = "en_US";

class ModuleLifecycle {
 public:
  ModuleLifecycle() = default;
  ~ModuleLifecycle();
  ModuleLifecycle(const ModuleLifecycle&) = delete;
  ModuleLifecycle& operator=(const ModuleLifecycle&) = delete;

  void load(const LoadContext& context);
  void unload();
  void init(crv::ErrorClass* errors, crv::INIClass* settings);
  void kill();

  // Switches the type-ahead store on or off from the suite's setting and
  // moves it to the company's data folder.
  void toggleTypeAhead();

  ModuleState& state() { return state_; }
  const ModuleState& state() const { return state_; }

 private:
  ModuleState state_;
};

// The instance of the loaded library.
ModuleLifecycle& loadedModule();
// What the library's load and unload hooks run.
void moduleLoad();
void moduleUnload();

}  // namespace crvpo
