// Loading the drawing engine.
#include "host/render/render_engine.h"

#include <dlfcn.h>

#include "host/framework/services/plugin_library.h"
#include "host/render/render_error.h"

namespace crv::render {
namespace {

// Whether fontconfig was in the process before the engine: a window toolkit
// then uses it, and the engine keeps to the configuration it set up.
bool fontconfigLoaded() {
  void* handle = dlopen("libfontconfig.so.1", RTLD_LAZY | RTLD_NOLOAD);
  if (handle) dlclose(handle);
  return handle != nullptr;
}

}  // namespace

Engine& engine() {
  // pluginEntry loads the library once; the engine it hands out lives as
  // long as the process.
  static Engine* const loaded = [] {
    const bool shared = fontconfigLoaded();
    const PluginEntry entry = pluginEntry("crvcairo", "crvRenderEngine");
    return entry.address ? reinterpret_cast<Engine* (*)(bool)>(entry.address)(shared) : nullptr;
  }();
  if (!loaded) throw RenderError(pluginEntry("crvcairo", "crvRenderEngine").error);
  return *loaded;
}

}  // namespace crv::render
