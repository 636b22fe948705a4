// Whether windows can be shown.
#include "host/app/display.h"

#include <cstdlib>

namespace crv {
namespace {

bool set(const char* name) {
  const char* value = std::getenv(name);
  return value && *value;
}

}  // namespace

bool hasDisplay() { return set("QT_QPA_PLATFORM") || set("DISPLAY") || set("WAYLAND_DISPLAY"); }

void explainNoDisplay(std::ostream& out) {
  out << "crvhost: there is no display to open the purchase-order application on.\n"
         "\n"
         "Run it on a desktop, or without one:\n"
         "  QT_QPA_PLATFORM=offscreen crvhost   windows drawn off screen (for automated runs)\n"
         "  xvfb-run -a crvhost                 under a virtual X display\n"
         "\n"
         "The command line needs no display: `crvhost --help` lists its commands\n"
         "(show a company, create the demo company, recalculate, run a script, ...).\n";
}

}  // namespace crv
