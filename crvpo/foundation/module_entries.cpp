// The entries the host resolves by name, and the library's load and unload
// hooks.
#include "crvpo/foundation/module_entries.h"

#include "crvpo/foundation/module_lifecycle.h"

namespace {

// Constructed when the loader runs the library's initialisers and destroyed
// when the library is unloaded or the process ends. Being an object rather
// than a loader destructor makes unload run before the static objects of the
// libraries this one depends on (the table registry among them) go away.
struct LibraryHooks {
  LibraryHooks() { crvpo::moduleLoad(); }
  ~LibraryHooks() { crvpo::moduleUnload(); }
  LibraryHooks(const LibraryHooks&) = delete;
  LibraryHooks& operator=(const LibraryHooks&) = delete;
};

const LibraryHooks hooks;

}  // namespace

void CRVPO_INIT(crv::ErrorClass* errors, crv::INIClass* settings) {
  crvpo::loadedModule().init(errors, settings);
}

void CRVPO_KILL() { crvpo::loadedModule().kill(); }

void ToggleEasyAutoEntryPO() { crvpo::loadedModule().toggleTypeAhead(); }
