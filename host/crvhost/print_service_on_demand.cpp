// Loading the print service when it is first needed.
#include "host/crvhost/print_service_on_demand.h"

#include "host/framework/services/plugin_library.h"

namespace crv {

PrintService* PrintServiceOnDemand::service() {
  std::call_once(loaded_, [this] {
    const PluginEntry entry = pluginEntry("crvprint", "crvCupsPrintService");
    if (entry.address)
      service_ = reinterpret_cast<PrintService* (*)()>(entry.address)();
    else
      error_ = entry.error;
  });
  return service_;
}

// Without the print system there is no printer, as on a machine without one.
std::string PrintServiceOnDemand::defaultPrinter() {
  PrintService* cups = service();
  return cups ? cups->defaultPrinter() : std::string();
}

PrintResult PrintServiceOnDemand::print(const PrintJob& job) {
  PrintService* cups = service();
  if (!cups) return {PrintResult::Status::Failed, error_, 0};
  return cups->print(job);
}

}  // namespace crv
