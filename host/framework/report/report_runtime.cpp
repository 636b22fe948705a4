// The designer globals and loading the runtime plugin.
#include "host/framework/report/report_runtime.h"

#include <functional>
#include <thread>

#include "host/framework/services/plugin_library.h"

namespace crv {

DesignerGlobals FRB;

std::uint64_t currentThreadNumber() {
  const std::uint64_t number = std::hash<std::thread::id>{}(std::this_thread::get_id());
  return number == 0 ? 1 : number;
}

std::string differentReportTypeText(const std::string& file, const std::string& found,
                                    const std::string& required) {
  return file + " File contain report of type \"" + found + "\". Required report type: \"" + required + "\"!";
}

std::unique_ptr<ReportRuntime> createReportRuntime(std::string& error) {
  using Factory = ReportRuntime*();
  const PluginEntry entry = pluginEntry(reportRuntimePluginName, "crvCreateReportRuntime");
  if (!entry.address) {
    error = entry.error;
    return nullptr;
  }
  return std::unique_ptr<ReportRuntime>(reinterpret_cast<Factory*>(entry.address)());
}

}  // namespace crv
