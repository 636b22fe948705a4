// A library of the host loaded only when a feature needs it (the expression
// evaluator, the report designer's runtime and window), so that runs which
// never use the feature never load it or what it links (Qt).
//
// A plugin is "lib<name>.so" beside the running program. It is loaded once
// per process and stays loaded: the objects it hands out may live as long
// as the program, and toolkits do not like being unloaded.
#pragma once

#include <string>

namespace crv {

struct PluginEntry {
  void* address = nullptr;  // the entry, or nullptr when it could not be had
  std::string error;        // why not, for a message to the person
};

// The exported entry `symbol` of the plugin `name`, loading the plugin the
// first time. Safe to call from several threads.
PluginEntry pluginEntry(const std::string& name, const std::string& symbol);

// Whether the plugin `name` has been loaded in this process.
bool pluginLoaded(const std::string& name);

}  // namespace crv
