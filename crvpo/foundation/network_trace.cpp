// The network trace switches of the command line.
#include "crvpo/foundation/network_trace.h"

#include <array>
#include <string_view>

#include "host/framework/services/debug_output.h"
#include "host/framework/values/text.h"

namespace crvpo {
namespace {

constexpr std::string_view traceVersion = "1.0";

// The switch's name without its "/" or "--", or empty for other arguments.
std::string_view switchName(std::string_view argument) {
  if (argument.starts_with("--")) return argument.substr(2);
  if (argument.starts_with("/")) return argument.substr(1);
  return {};
}

}  // namespace

std::string traceSwitch(const std::vector<std::string>& arguments) {
  static constexpr std::array<std::string_view, 4> onSwitches = {"netlog", "netlogerrors", "neterrors",
                                                                 "netall"};
  std::string found;
  for (std::size_t i = 1; i < arguments.size(); ++i) {
    const std::string_view name = switchName(arguments[i]);
    if (name.empty()) continue;
    if (crv::equalsIgnoreCase(name, "netnolog")) return {};
    for (std::string_view on : onSwitches)
      if (found.empty() && crv::equalsIgnoreCase(name, on)) found = arguments[i];
  }
  return found;
}

void writeTraceOpening(const std::string& traceSwitch) {
  crv::debugOutput("CRVPO network trace " + std::string(traceVersion) + " started");
  crv::debugOutput("CRVPO network trace switch: " + traceSwitch);
}

void writeTraceClosing() { crv::debugOutput("CRVPO network trace closing"); }

}  // namespace crvpo
