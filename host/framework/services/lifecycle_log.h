// The lifecycle log: which module was loaded, initialised, shut down or
// unloaded, in what order and with what it was handed.
//
// Module load hooks and the INIT and KILL entries of the suite's modules
// append to it; the host shows it in its diagnostics and tests read it to
// check the start-up and shut-down order. Safe to use from any thread and
// during library load and unload.
#pragma once

#include <string>
#include <vector>

namespace crv {

class LifecycleLog {
 public:
  struct Entry {
    std::string module;  // "CRVPO", "CRVJC", ...
    std::string event;   // "LOAD", "INIT", "KILL", "UNLOAD"
    std::string detail;  // for INIT: the objects handed over

    bool operator==(const Entry&) const = default;
  };

  static void record(std::string module, std::string event, std::string detail = {});
  static std::vector<Entry> entries();
  static void clear();

  // How an object handed to a module is written in the details: its
  // address, or "null".
  static std::string pointerText(const void* object);
};

}  // namespace crv
