// The network trace switches of the command line.
//
// "/netlog", "/netlogerrors", "/neterrors" and "/netall" turn the trace on;
// "/netnolog" anywhere on the command line keeps it off whatever else is
// given. Each switch is also accepted with "--" in place of "/" ("--netlog"),
// the usual form on this platform, and without regard to case. While the
// trace is on, the module writes its opening lines to the debug output at
// load and its closing lines at unload. No other switch is read.
#pragma once

#include <string>
#include <vector>

namespace crvpo {

// The switch that turns the trace on, or empty when it stays off. The first
// argument is the program name and is not a switch.
std::string traceSwitch(const std::vector<std::string>& arguments);

void writeTraceOpening(const std::string& traceSwitch);
void writeTraceClosing();

}  // namespace crvpo
