// Loading the drawing engine.
#include "host/render/render_engine.h"

#include "host/framework/services/plugin_library.h"
#include "host/render/render_error.h"

namespace crv::render {

Engine& engine() {
  // pluginEntry loads the library once; the engine it hands out lives as
  // long as the process.
  static Engine* const loaded = [] {
    const PluginEntry entry = pluginEntry("crvcairo", "crvRenderEngine");
    return entry.address ? reinterpret_cast<Engine* (*)()>(entry.address)() : nullptr;
  }();
  if (!loaded) throw RenderError(pluginEntry("crvcairo", "crvRenderEngine").error);
  return *loaded;
}

}  // namespace crv::render
